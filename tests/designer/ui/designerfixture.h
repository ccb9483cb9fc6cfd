#pragma once
// The designer opened headless on a widget object with a three-button design, as Config
// opens it, with the events of the windows processed until they are up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "designer/core/commandids.h"
#include "designer/ui/designerdialog.h"
#include "designer/ui/drawview.h"
#include "designer/ui/palettewnd.h"
#include "designer/ui/previewwnd.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/com/interfaceptr.h"
#include "tests/support/tempdir.h"
#include "tests/support/widgetapp.h"

namespace tb::test {

// Three labelled buttons in a row on a 320 x 120 applet: Home, News, Contact.
inline void AddThreeButtons(CAppletParameters& applet) {
    applet.m_nWidth = 320;
    applet.m_nHeight = 120;
    const char* const labels[] = {"Home", "News", "Contact"};
    for (int i = 0; i < 3; ++i) {
        const int left = 15 + i * 100;
        CDrawRect* p =
            applet.AddButton(std::make_unique<CDrawRect>(CRect{left, 45, left + 90, 75}));
        p->menu->m_items.front()->m_strLabel = labels[i];
    }
}

class DesignerFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }

    void SetUp() override {
        SetComponentFolder(ProgramDir());
        AddThreeButtons(applet());
        OpenDesigner();
    }
    void TearDown() override {
        if (m_pDialog)
            m_pDialog->close();
        m_pDialog.reset();
        SetComponentFolder("");
    }

    void OpenDesigner() {
        m_pDialog = std::make_unique<CDesignerDialog>(applet(), m_widget.Get(), scratch.path());
        m_pDialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&designWindow()));
        designWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&designWindow()));
        QCoreApplication::processEvents();
    }

    CAppletParameters& applet() { return m_widget->applet; }
    CBrisko& widget() { return *m_widget.Get(); }
    CDesignerDialog& dialog() { return *m_pDialog; }
    CPreviewWnd& designWindow() { return *m_pDialog->DesignWindow(); }
    CDrawView& view() { return designWindow().View(); }
    CPaletteWnd& palette() { return designWindow().Palette(); }
    CDrawRect* button(size_t i) { return applet().m_buttons.at(i).get(); }
    size_t snapshots() { return applet().m_history.undoList.size(); }

    void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&view(), Qt::LeftButton, modifiers, at);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(&view(), Qt::LeftButton, modifiers, from);
        QTest::mouseMove(&view(), (from + to) / 2);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, modifiers, to);
    }

    TempDir scratch;

private:
    CInterfacePtr<CBrisko> m_widget = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    std::unique_ptr<CDesignerDialog> m_pDialog;
};

} // namespace tb::test
