#pragma once
// The normal view: the page shown by the engine and edited in place. The page's own scripts
// do not run here; the editing script does, in a world of its own, and this class talks to
// it. Calls wait for the script's answer (the object model the add-ins use is synchronous),
// turning the event loop meanwhile without taking user input.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWebEngineView>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "vellumo/sourcemap.h"

namespace tb::vellumo {

class CDesignView : public QWebEngineView {
public:
    explicit CDesignView(QWidget* parent = nullptr);
    ~CDesignView() override;

    // The script player to show widgets with (its source); empty shows plain frames.
    void SetPlayerScript(const QString& script) { m_strPlayer = script; }
    // Events of the editing script ("sel", "edit"), after they happened.
    void SetEventListener(std::function<void(const QStringList&)> listener) {
        m_fnEvents = std::move(listener);
    }
    // Called once the page is loaded and editable.
    void SetReadyListener(std::function<void()> listener) { m_fnReady = std::move(listener); }

    // Starts showing the page; false (nothing shown) when it is too large for the engine.
    bool Load(const std::string& bytes, const std::string& charset, const QUrl& baseUrl);
    bool IsReady() const { return m_bReady; }
    // Counts loads, so that objects made for one page know when it is gone.
    unsigned LoadCount() const { return m_nLoads; }
    // True while a call waits for its answer.
    bool IsBusy() const { return m_nBusy > 0; }

    // Runs script in the editing world and returns its value (invalid when the page is not
    // ready or did not answer in time).
    QVariant Call(const QString& script);
    // A JavaScript literal of the text, for building calls.
    static QString Literal(const QString& text);

    // Whether anything was edited since the page was loaded.
    bool IsModified();
    // The page's bytes now: the original bytes wherever nothing was edited. how, when given,
    // says which way the page had to be written ("kept", "edited", "body", "whole").
    std::optional<std::string> PageBytes(std::string* how = nullptr);

    QString Decode(const std::string& bytes) const;
    std::string Encode(const QString& text) const;

private:
    class CPage;

    struct Pending {
        std::unique_ptr<CSourceMap> map;
        std::string annotated;
        std::string charset;
        QUrl baseUrl;
    };

    void StartPending();
    void OnLoadFinished(bool ok);
    void RunPlayer();
    void DeliverEvents(const QStringList& events);

    CPage* m_pPage;
    std::unique_ptr<CSourceMap> m_pSourceMap;
    std::string m_strCharset;
    QString m_strPlayer;
    std::optional<Pending> m_pending;
    bool m_bLoading = false;
    bool m_bReady = false;
    unsigned m_nLoads = 0;
    int m_nBusy = 0;
    // Events that arrived while a call waited for the engine, delivered once it has returned.
    QStringList m_deferredEvents;
    int m_nPlayerWorld = 0;
    std::function<void(const QStringList&)> m_fnEvents;
    std::function<void()> m_fnReady;
};

} // namespace tb::vellumo
