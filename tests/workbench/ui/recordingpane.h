#pragma once
// Preview panes that record where they were sent instead of loading pages: installed as the
// dialogs' pane factory for one test scope.

#include <QWidget>

#include <string>
#include <vector>

#include "platform/ui/web/browserpanewidget.h"

namespace tb::test {

class CRecordingPane : public QWidget, public CBrowserPane {
public:
    using QWidget::QWidget;
    void Navigate(const std::string& pathOrBlank) override { visits.push_back(pathOrBlank); }
    std::vector<std::string> visits;
};

class CRecordingPanes {
public:
    CRecordingPanes()
        : m_previous(SetBrowserPaneFactory([this](QWidget* parent) {
              auto* pPane = new CRecordingPane(parent);
              m_panes.push_back(pPane);
              return CBrowserPaneWidget{pPane, pPane};
          })) {}
    ~CRecordingPanes() { SetBrowserPaneFactory(std::move(m_previous)); }
    CRecordingPanes(const CRecordingPanes&) = delete;
    CRecordingPanes& operator=(const CRecordingPanes&) = delete;

    // The pane made last; its dialog owns it.
    CRecordingPane& Last() const { return *m_panes.back(); }
    size_t Count() const { return m_panes.size(); }

private:
    BrowserPaneFactory m_previous;
    std::vector<CRecordingPane*> m_panes;
};

} // namespace tb::test
