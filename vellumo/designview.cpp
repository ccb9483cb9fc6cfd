#include "vellumo/designview.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <utility>

#include "platform/ui/qt/qtstring.h"
#include "vellumo/pagetext.h"

namespace tb::vellumo {

namespace {

constexpr int kCallTimeoutMs = 5000;
// The engine takes a page's text as a data address, which it limits to 2 MB.
constexpr size_t kMaxPageBytes = 2 * 1024 * 1024 - 4096;
// Each run of the player gets a world of its own, so that its guard against running twice
// does not keep it from playing widgets pasted later.
constexpr int kFirstPlayerWorld = 16;
constexpr int kLastPlayerWorld = 250;
const QString kMessagePrefix = QStringLiteral("vellumo-event:");

QString EditorScript() {
    QFile file(QStringLiteral(":/vellumo/editor.js"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QChar KindLetter(host::HtmlTokenKind kind) {
    switch (kind) {
    case host::HtmlTokenKind::Text:
        return u'T';
    case host::HtmlTokenKind::StartTag:
        return u'S';
    case host::HtmlTokenKind::EndTag:
        return u'E';
    case host::HtmlTokenKind::Comment:
        return u'C';
    case host::HtmlTokenKind::Doctype:
        return u'D';
    case host::HtmlTokenKind::Bogus:
        break;
    }
    return u'B';
}

} // namespace

// Passes the editing script's messages on, after the engine's own call has returned.
class CDesignView::CPage : public QWebEnginePage {
public:
    CPage(CDesignView& view) : QWebEnginePage(&view), m_view(view) {}

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (!message.startsWith(kMessagePrefix))
            return;
        QStringList events;
        for (const QJsonValue& value :
             QJsonDocument::fromJson(message.mid(kMessagePrefix.size()).toUtf8()).array())
            events << value.toString();
        QPointer<CDesignView> view(&m_view);
        QTimer::singleShot(0, &m_view, [view, events] {
            if (view)
                view->DeliverEvents(events);
        });
    }

private:
    CDesignView& m_view;
};

CDesignView::CDesignView(QWidget* parent) : QWebEngineView(parent), m_pPage(new CPage(*this)) {
    setPage(m_pPage);
    // The page's own scripts stay off while it is edited; the editing world still runs.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    setContextMenuPolicy(Qt::NoContextMenu);
    QWebEngineScript editor;
    editor.setName(QStringLiteral("vellumo-editor"));
    editor.setSourceCode(EditorScript());
    editor.setInjectionPoint(QWebEngineScript::DocumentReady);
    editor.setWorldId(QWebEngineScript::ApplicationWorld);
    m_pPage->scripts().insert(editor);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) { OnLoadFinished(ok); });
}

CDesignView::~CDesignView() = default;

bool CDesignView::Load(const std::string& bytes, const std::string& charset, const QUrl& baseUrl) {
    m_bReady = false;
    ++m_nLoads;
    auto map = std::make_unique<CSourceMap>(bytes);
    std::string annotated = map->Annotated();
    if (annotated.size() > kMaxPageBytes) {
        m_pending.reset();
        m_pSourceMap.reset();
        if (!m_bLoading)
            setHtml(QString());
        return false;
    }
    m_pending = Pending{std::move(map), std::move(annotated), charset, baseUrl};
    // A page replaced while loading would still report its own end; the next one starts
    // only after that, so each end belongs to the page last started.
    if (!m_bLoading)
        StartPending();
    return true;
}

void CDesignView::StartPending() {
    Pending pending = std::move(*m_pending);
    m_pending.reset();
    m_bLoading = true;
    m_pSourceMap = std::move(pending.map);
    m_strCharset = pending.charset;
    setContent(QByteArray::fromStdString(pending.annotated),
               QStringLiteral("text/html;charset=") + ToQString(m_strCharset), pending.baseUrl);
}

void CDesignView::OnLoadFinished(bool ok) {
    m_bLoading = false;
    if (m_pending) {
        StartPending();
        return;
    }
    if (!ok || !m_pSourceMap || m_bReady)
        return;
    QJsonArray tokens;
    for (size_t i = 0; i < m_pSourceMap->tokens().size(); ++i) {
        const host::HtmlToken& token = m_pSourceMap->tokens()[i];
        QJsonObject entry{{"k", QString(KindLetter(token.kind))}};
        if (!token.name.empty())
            entry["n"] = ToQString(token.name);
        if (token.kind == host::HtmlTokenKind::Text) {
            entry["x"] = Decode(std::string(m_pSourceMap->TokenBytes(i)));
            if (token.bRawText)
                entry["raw"] = true;
        } else if (token.kind == host::HtmlTokenKind::Comment) {
            entry["x"] = Decode(token.data);
        }
        tokens.append(entry);
    }
    m_bReady = true;
    // Frames made for widgets ask for the player themselves, once the call has returned.
    Call(QStringLiteral("vellumo.init(%1, %2)")
             .arg(QString::fromUtf8(QJsonDocument(tokens).toJson(QJsonDocument::Compact)),
                  m_strPlayer.isEmpty() ? "false" : "true"));
    if (m_fnReady)
        m_fnReady();
}

void CDesignView::RunPlayer() {
    if (m_strPlayer.isEmpty())
        return;
    if (m_nPlayerWorld < kFirstPlayerWorld || m_nPlayerWorld >= kLastPlayerWorld)
        m_nPlayerWorld = kFirstPlayerWorld;
    // A canvas does not show while the page's own scripts are off: the player shows still
    // pictures of what it paints instead.
    page()->runJavaScript(QStringLiteral("window.TlwBtnPlayerStill = true;\n") + m_strPlayer,
                          static_cast<quint32>(m_nPlayerWorld++));
}

void CDesignView::DeliverEvents(const QStringList& events) {
    if (!m_bReady)
        return;
    // Handlers call into the page again, and a call nested in a waiting one can stall both
    // until they time out (the more so while the player starts in a new world): they wait.
    if (m_nBusy > 0) {
        for (const QString& event : events) {
            if (!m_deferredEvents.contains(event))
                m_deferredEvents << event;
        }
        return;
    }
    if (events.contains(QStringLiteral("player")))
        RunPlayer();
    if (m_fnEvents)
        m_fnEvents(events);
}

QVariant CDesignView::Call(const QString& script) {
    if (!m_bReady)
        return {};
    struct State {
        QVariant result;
        bool done = false;
        QEventLoop* loop = nullptr;
    };
    auto state = std::make_shared<State>();
    ++m_nBusy;
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [state](const QVariant& value) {
                              state->result = value;
                              state->done = true;
                              if (state->loop)
                                  state->loop->quit();
                          });
    if (!state->done) {
        QEventLoop loop;
        state->loop = &loop;
        QTimer::singleShot(kCallTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        state->loop = nullptr;
    }
    --m_nBusy;
    if (m_nBusy == 0 && !m_deferredEvents.isEmpty()) {
        QTimer::singleShot(0, this, [this] { DeliverEvents(std::exchange(m_deferredEvents, {})); });
    }
    return state->result;
}

QString CDesignView::Literal(const QString& text) {
    QString json =
        QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
    return json.mid(1, json.size() - 2);
}

bool CDesignView::IsModified() {
    return Call(QStringLiteral("vellumo.modified()")).toBool();
}

std::optional<std::string> CDesignView::PageBytes(std::string* how) {
    if (!m_bReady || !m_pSourceMap)
        return std::nullopt;
    if (!IsModified()) {
        if (how)
            *how = "kept";
        return m_pSourceMap->bytes();
    }
    static constexpr const char* kHow[] = {"edited", "body", "whole"};
    std::optional<std::string> last;
    for (int level = 0; level < 3; ++level) {
        QVariant pieces = Call(QStringLiteral("vellumo.serialize(%1)").arg(level));
        if (!pieces.isValid())
            return std::nullopt;
        std::vector<PagePiece> parts;
        for (const QVariant& piece : pieces.toList()) {
            if (piece.typeId() == QMetaType::QVariantList) {
                QVariantList run = piece.toList();
                parts.push_back(TokenRun{static_cast<size_t>(run.value(0).toLongLong()),
                                         static_cast<size_t>(run.value(1).toLongLong())});
            } else {
                parts.push_back(Encode(piece.toString()));
            }
        }
        std::string page;
        if (!m_pSourceMap->Assemble(parts, &page))
            continue;
        if (how)
            *how = kHow[level];
        last = page;
        // The written page must read back as exactly what is being edited.
        if (Call(QStringLiteral("vellumo.validate(%1)").arg(Literal(Decode(page)))).toBool())
            return page;
    }
    return last;
}

QString CDesignView::Decode(const std::string& bytes) const {
    return DecodePage(bytes, m_strCharset);
}

std::string CDesignView::Encode(const QString& text) const {
    return EncodePage(text, m_strCharset);
}

} // namespace tb::vellumo
