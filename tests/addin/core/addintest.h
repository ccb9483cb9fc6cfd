#pragma once
// What the add-in's tests share: the widget component made in the test's own process with a
// designer that adds one button per run, the in-memory editor with a saved page in a folder
// of the test's, the bar's tables for that component, and a form "New Widget" whose showing
// is scripted.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "addin/core/widgetbar.h"
#include "addin/core/widgetinsertion.h"
#include "addin/host/memory/memoryeditor.h"
#include "model/drawrect.h"
#include "tests/support/tempdir.h"
#include "tests/workbench/workbenchtest.h"

namespace tb::test {

inline const char kBriskoProgId[] = "TesseraServer.Brisko";

// A pane that records where it was sent.
class CNavigationLog : public CBrowserPane {
public:
    void Navigate(const std::string& pathOrBlank) override { visits.push_back(pathOrBlank); }
    std::vector<std::string> visits;
};

class CScriptedNewWidgetForm : public addin::INewWidgetForm {
public:
    CScriptedNewWidgetForm() { chooser.SetPreviewPane(&pane); }
    addin::CNewWidgetChooser& Chooser() override { return chooser; }
    void ShowModal() override {
        ++nShows;
        if (onShow)
            onShow(chooser);
    }

    CNavigationLog pane;
    addin::CNewWidgetChooser chooser;
    // What the person does with the form; without it the form closes as with Cancel.
    std::function<void(addin::CNewWidgetChooser&)> onShow;
    int nShows = 0;
};

// Each run of the designer draws one more button, as a person would.
inline int g_nDesignerRuns = 0;
inline void DesignerDrawingAButton(CBrisko&, CAppletParameters& applet, const std::string&) {
    const int nTop = 10 + 40 * g_nDesignerRuns++;
    applet.AddButton(std::make_unique<CDrawRect>(CRect(10, nTop, 90, nTop + 30)));
}

class AddInFixture : public ::testing::Test {
protected:
    AddInFixture() {
        g_nDesignerRuns = 0;
        m_component.SetDesigner(&DesignerDrawingAButton);
        m_tables.progIds = {kBriskoProgId};
        m_tables.componentFolders = {m_component.Folder().path() + "/"};
    }

    // A saved page "page.htm" in the site folder with the body.
    void OpenPage(const std::string& body) { m_editor.OpenPage(m_site.file("page.htm"), body); }
    std::string SiteFile(const std::string& relative) const { return m_site.file(relative); }
    addin::CWidgetInsertion MakeInsertion(double now = 46000.5) {
        return addin::CWidgetInsertion(
            m_editor, m_tables, [this]() -> addin::INewWidgetForm& { return m_form; },
            [now] { return now; });
    }
    // A widget file of ours with the title, written by the component.
    void WriteWidgetFile(const std::string& path, const std::string& title, int nButtons = 0) {
        CWidgetObjectForTest widget;
        for (int i = 0; i < nButtons; ++i)
            widget.Config();
        widget.SetTitle(title);
        ASSERT_TRUE(widget.WriteConfigFile(path));
    }

    struct CWidgetObjectForTest : addin::CWidgetObject {
        CWidgetObjectForTest() { EXPECT_TRUE(Create(kBriskoProgId)); }
    };

    CInProcessBrisko m_component;
    TempDir m_site;
    host::CMemoryPageEditor m_editor;
    addin::CWidgetTables m_tables;
    CScriptedNewWidgetForm m_form;
};

} // namespace tb::test
