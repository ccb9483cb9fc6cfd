// A person's road through the workbench in one go: start, New, draw two buttons with the
// designer's button tool, label them, close the designer, Save As, Exit; start again with
// the file on the command line, and find the same design, as `tessera html` prints it.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QToolButton>

#include "component/brisko.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/com/interfaceptr.h"
#include "tests/cli/clirun.h"
#include "workbench/core/commandids.h"

using namespace tb;
using namespace tb::test;

namespace {

// The palette's button tool, then a click on the canvas, as a person draws a button.
void DrawButton(const CDesignerSeen& seen, QPoint at) {
    for (QToolButton* pButton : seen.pPalette->findChildren<QToolButton*>()) {
        if (pButton->toolTip() == "Hold and drag to draw a button")
            QTest::mouseClick(pButton, Qt::LeftButton);
    }
    QTest::mouseClick(seen.pCanvas, Qt::LeftButton, {}, at);
}

// Gives the buttons of a saved widget their labels, in drawing order. The designer's label
// page does this by hand; here it is done on the design the file holds.
void LabelButtons(const std::string& path, const std::vector<std::string>& labels) {
    const auto pWidget = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    ASSERT_TRUE(pWidget->ReadConfigFile(path));
    ASSERT_EQ(pWidget->applet.m_buttons.size(), labels.size());
    for (size_t i = 0; i < labels.size(); ++i)
        pWidget->applet.m_buttons[i]->menu->m_items.front()->m_strLabel = labels[i];
    ASSERT_TRUE(pWidget->WriteConfigFile(path));
}

} // namespace

using RoadTest = WorkbenchFixture;

TEST_F(RoadTest, NewDesignSaveExitAndTheSameDesignOpensAgain) {
    Start();
    const std::string path = dir.file("road.tsq");
    {
        const CDesignerDriver designer(QPoint(20, 60), [](const CDesignerSeen& seen) {
            ASSERT_NE(seen.pPalette, nullptr);
            ASSERT_NE(seen.pCanvas, nullptr);
            DrawButton(seen, QPoint(20, 12));
        });
        QTest::mouseClick(View().Button(CVellumoToolView::IDC_NEW), Qt::LeftButton);
        ASSERT_TRUE(designer.DesignerOpened());
    }
    EXPECT_TRUE(Doc().IsModified());

    Activate();
    ui.Expect(UiAnswer::SaveFile(path));
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(Doc().GetPathName(), path);
    EXPECT_FALSE(Doc().IsModified());
    LabelButtons(path, {"Home", "Contact"});
    const CliRun first = Tessera("html '" + path + "' --mode 1");
    ASSERT_EQ(first.code, 0);
    Exit();

    {
        const CDesignerDriver designer;
        Start({path});
        EXPECT_TRUE(designer.DesignerOpened());
    }
    EXPECT_EQ(Doc().GetPathName(), path);
    const std::string again = dir.file("again.tsq");
    ui.Expect(UiAnswer::SaveFile(again));
    Action(ID_FILE_SAVE_AS)->trigger();
    Exit();

    const CliRun second = Tessera("html '" + again + "' --mode 1");
    ASSERT_EQ(second.code, 0);
    EXPECT_EQ(second.out, first.out);
    EXPECT_NE(first.out.find("Home"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Contact"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("name=\"MStyle-1\""), std::string::npos) << first.out;
    EXPECT_EQ(first.out.find("name=\"MStyle-2\""), std::string::npos) << first.out;
}
