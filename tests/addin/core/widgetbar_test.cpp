// The bar "Ambrel Widgets" built from "Tessera.ini" on the in-memory editor, and its buttons'
// enabled state following the page.

#include <gtest/gtest.h>

#include "addin/core/widgetbar.h"
#include "tests/addin/core/addintest.h"
#include "tests/support/scriptedui.h"

using namespace tb::addin;
using namespace tb::host;

namespace {

class WidgetBar : public tb::test::AddInFixture {
protected:
    std::string Ini() const { return m_site.file("Tessera.ini"); }
    ICommandBar* Build() {
        CWidgetTables tables;
        ICommandBar* bar = AddCommandBar(m_editor, Ini(), tables);
        m_tables = tables;
        return bar;
    }
    std::vector<bool> EnabledStates() {
        std::vector<bool> states;
        ICommandBar* bar = m_editor.CommandBars().Find(kBarName);
        for (int i = 1; i <= bar->Controls().Count(); ++i)
            states.push_back(bar->Controls().Item(i)->Enabled());
        return states;
    }
};

TEST_F(WidgetBar, AMissingOrEmptyListGivesAnEmptyVisibleBar) {
    ICommandBar* bar = Build();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Name(), "Ambrel Widgets");
    EXPECT_TRUE(bar->Visible());
    EXPECT_TRUE(bar->Temporary());
    EXPECT_EQ(bar->Controls().Count(), 0);

    tb::test::WriteFileBytes(Ini(), "");
    bar->Delete();
    bar = Build();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Controls().Count(), 0);
    EXPECT_TRUE(m_tables.progIds.empty());
}

TEST_F(WidgetBar, OneButtonPerCreatableComponentWithItsCaptionTooltipTagAndIcon) {
    tb::test::WriteFileBytes(Ini(), "[Not.Installed]\r\nname=Gone\r\n"
                                    "[TesseraServer.Brisko]\r\nname=Brisko 2.0\r\n"
                                    "des=Animated buttons\r\n"
                                    "[Also.Missing]\r\n"
                                    "[tesseraserver.brisko]\r\n");
    ICommandBar* bar = Build();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Controls().Count(), 2);
    ICommandBarButton* first = bar->Controls().Item(1);
    EXPECT_EQ(first->Caption(), "Brisko 2.0");
    EXPECT_EQ(first->TooltipText(), "Animated buttons");
    EXPECT_EQ(first->Tag(), "0");
    EXPECT_EQ(first->Style(), ButtonStyleIconAndCaption);
    // The second section has no keys of its own under its exact spelling, but sections are
    // found without regard to case.
    EXPECT_EQ(bar->Controls().Item(2)->Tag(), "1");
    EXPECT_EQ(bar->Controls().Item(2)->Caption(), "Brisko 2.0");
    EXPECT_EQ(m_tables.progIds,
              (std::vector<std::string>{"TesseraServer.Brisko", "tesseraserver.brisko"}));
    EXPECT_EQ(m_tables.componentFolders[0], m_component.Folder().path() + "/");
    EXPECT_EQ(m_tables.componentFolders[1], m_component.Folder().path() + "/");
}

TEST_F(WidgetBar, NamesBeyondTheProfileBufferGetNoButton) {
    tb::test::WriteFileBytes(Ini(),
                             "[" + std::string(240, 'x') + "]\r\n[TesseraServer.Brisko]\r\n");
    ICommandBar* bar = Build();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Controls().Count(), 0);
}

TEST_F(WidgetBar, ButtonsFollowTheViewModeAndTheSelectedWidgetsKind) {
    tb::test::WriteFileBytes(Ini(), "[TesseraServer.Brisko]\r\n[TesseraServer.Brisko]\r\n");
    std::filesystem::create_directories(SiteFile("_tsqres"));
    WriteWidgetFile(SiteFile("_tsqres/ours.tsq"), "Ours");
    tb::test::WriteForeignWidgetFile(SiteFile("_tsqres/theirs.tsq"));
    OpenPage("<p id=\"p\">text</p>"
             "<applet id=\"Ambrel Widgets:_tsqres/ours.tsq\" code=\"tlwbtn.class\"></applet>"
             "<applet id=\"Ambrel Widgets:_tsqres\\theirs.tsq\"></applet>"
             "<img id=\"pic\">");
    ASSERT_NE(Build(), nullptr);
    // Two sections of one ProgID: the last button of the kind is the owner.
    m_tables.progIds = {"TesseraServer.Brisko", "TesseraServer.Brisko"};

    m_editor.Page()->SelectElement("Ambrel Widgets:_tsqres/ours.tsq");
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{false, true}));

    // A widget whose component is not installed: no button can edit it.
    m_editor.Page()->SelectElement("Ambrel Widgets:_tsqres\\theirs.tsq");
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{false, false}));

    m_editor.Page()->SelectElement("pic");
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true}));

    m_editor.SetViewMode(ViewModeHtml);
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{false, false}));

    m_editor.SetViewMode(ViewModeNormal);
    m_editor.Page()->PlaceCaretAfter("text");
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true}));
}

TEST_F(WidgetBar, WithoutAComponentToReadTheFileTheButtonsStayAsTheyWere) {
    tb::test::WriteFileBytes(Ini(), "[TesseraServer.Brisko]\r\n");
    OpenPage("<applet id=\"Ambrel Widgets:_tsqres/x.tsq\"></applet>");
    ASSERT_NE(Build(), nullptr);
    m_editor.SetViewMode(ViewModeHtml);
    UpdateCommandBar(m_editor, m_tables);
    m_editor.SetViewMode(ViewModeNormal);
    m_editor.Page()->SelectElement("Ambrel Widgets:_tsqres/x.tsq");
    m_tables.progIds = {"Not.Installed"};
    UpdateCommandBar(m_editor, m_tables);
    EXPECT_EQ(EnabledStates(), std::vector<bool>{false});
}

} // namespace
