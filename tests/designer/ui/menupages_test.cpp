// The selected button's pages driven through their controls as a user drives them: what
// each box, list and button changes in the button at once, what the canvas repaints, the
// checks of typed numbers and their messages, and the rules of the Label and Hint pages.

#include "tests/designer/ui/designerfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "designer/ui/dlgfont.h"
#include "designer/ui/dlghint.h"
#include "designer/ui/dlgitemstate.h"
#include "designer/ui/dlgmenustyle.h"
#include "designer/ui/menupropertysheet.h"
#include "model/ui/backstylepicker.h"
#include "model/ui/borderstylepicker.h"
#include "model/ui/colorbutton.h"
#include "model/ui/spinedit.h"
#include "model/ui/stylecontrols.h"
#include "platform/surface/qt/qtrect.h"
#include "tests/designer/ui/pagedriver.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

constexpr char kPixels[] = "Please enter an integer between 0 and 1200.";

class MenuPages : public DesignerFixture {
protected:
    // Clicks the button, as the user does to edit it; the menu sheet comes up, and the user
    // goes over to the dialog to type.
    void SelectButton(size_t i) {
        Click(ToQRect(button(i)->bounds).center());
        ASSERT_EQ(applet().m_selection.size(), 1u);
        ASSERT_TRUE(dialog().IsMenuSheetShown());
        ASSERT_TRUE(Activate(dialog()));
    }
    CMenuPropertySheet& sheet() { return dialog().MenuSheet(); }
    template <class T> T& Page(int nIndex) {
        sheet().SetActivePage(nIndex);
        return *dynamic_cast<T*>(sheet().Page(nIndex));
    }
    CDlgMenuStyle& LabelPage() { return Page<CDlgMenuStyle>(pageLabel); }
    CDlgHint& HintPage() { return Page<CDlgHint>(pageHint); }
    CMarquel& menu(size_t i) { return *button(i)->menu; }
    CMarquelItem& item(size_t i) { return *menu(i).m_items.front(); }
    CMarquel& hint(size_t i) { return *item(i).m_pSubMenu; }
    QRect ButtonArea(size_t i) { return ToQRect(button(i)->bounds); }
};

} // namespace

TEST_F(MenuPages, SheetHasTheFivePagesInOrderAndLoadsTheClickedButton) {
    const QStringList titles{"Label", "Normal", "Mouse Over", "Clicked", "Hint "};
    ASSERT_EQ(sheet().count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(sheet().tabText(i), titles[i]);
    EXPECT_FALSE(sheet().Page(pageLabel)->isEnabled());

    SelectButton(1);
    CDlgMenuStyle& page = LabelPage();
    EXPECT_TRUE(page.isEnabled());
    EXPECT_EQ(page.LabelBox().toPlainText(), "News");
    EXPECT_EQ(page.XBox().text(), "115");
    EXPECT_EQ(page.YBox().text(), "45");
    EXPECT_EQ(page.WidthBox().text(), "90");
    EXPECT_EQ(page.HeightBox().text(), "30");
    EXPECT_EQ(page.BorderThickBox().text(), "6");
    // Clicking another button loads that one.
    SelectButton(2);
    EXPECT_EQ(page.LabelBox().toPlainText(), "Contact");
    EXPECT_EQ(page.XBox().text(), "215");
}

TEST_F(MenuPages, TypingOnTheLabelPageChangesTheButtonAtOnceAndRepaintsIt) {
    SelectButton(1);
    CDlgMenuStyle& page = LabelPage();
    CPaintWatcher watcher(view());
    watcher.Painted();

    Retype(&page.LabelBox(), "Latest");
    EXPECT_EQ(item(1).m_strLabel, "Latest");
    EXPECT_TRUE(watcher.Painted().contains(ButtonArea(1)));
    QTest::keyClick(&page.LabelBox(), Qt::Key_Return);
    QTest::keyClicks(&page.LabelBox(), "news");
    EXPECT_EQ(item(1).m_strLabel, "Latest\r\nnews");

    Retype(&page.DescriptionBox(), "What is new");
    EXPECT_EQ(item(1).m_strDescription, "What is new");
    Retype(&page.LinkBox(), "news.htm");
    EXPECT_EQ(item(1).m_strUrl, "news.htm");
    Retype(page.TargetList().lineEdit(), "main");
    EXPECT_EQ(item(1).m_strTarget, "main");

    Retype(&page.XBox(), "120");
    Retype(&page.YBox(), "50");
    Retype(&page.WidthBox(), "100");
    Retype(&page.HeightBox(), "40");
    Retype(&page.BorderThickBox(), "2");
    EXPECT_EQ(button(1)->bounds, (CRect{120, 50, 220, 90}));
    EXPECT_EQ(menu(1).m_nLeft, 120);
    EXPECT_EQ(menu(1).m_nTop, 50);
    EXPECT_EQ(menu(1).m_nWidth, 100);
    EXPECT_EQ(menu(1).m_nHeight, 40);
    EXPECT_EQ(menu(1).m_nBorderThick, 2);
    EXPECT_TRUE(watcher.Painted().contains(QRect(115, 45, 105, 45)));

    // The arrow keys step the number and store it too.
    QTest::keyClick(&page.XBox(), Qt::Key_Up);
    EXPECT_EQ(page.XBox().text(), "121");
    EXPECT_EQ(button(1)->bounds.left, 121);
}

TEST_F(MenuPages, TabGoesThroughTheLabelPageAsItReads) {
    SelectButton(1);
    CDlgMenuStyle& page = LabelPage();
    const std::vector<QWidget*> order{
        &page.LabelBox(),       &page.DescriptionBox(), &page.LinkBox(),    &page.TargetList(),
        &page.XBox(),           &page.YBox(),           &page.WidthBox(),   &page.HeightBox(),
        &page.BorderThickBox(), &page.ImageButton(),    &page.AudioButton()};
    page.LabelBox().setFocus();
    for (size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* pFocus = QApplication::focusWidget();
        // A box's own line edit counts as the box.
        if (pFocus && pFocus != order[i] && pFocus->parentWidget() == order[i])
            pFocus = pFocus->parentWidget();
        EXPECT_EQ(pFocus, order[i]) << i;
    }
}

TEST_F(MenuPages, ABadNumberIsReportedOnceAndKeepsTheWholePageBack) {
    SelectButton(0);
    CDlgMenuStyle& page = LabelPage();
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText(kPixels));
    Retype(&page.XBox(), "1500"); // 1, 15 and 150 are fine; 1500 is not
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].caption, "Button Properties");
    EXPECT_EQ(ui.calls()[0].icon, MbIcon::Exclamation);
    EXPECT_EQ(button(0)->bounds.left, 150);
    EXPECT_TRUE(page.XBox().IsFlagged());
    // The box has the focus back, its text selected to be typed over.
    EXPECT_TRUE(page.XBox().hasFocus());

    // Typing elsewhere on the page stores nothing while the number is bad, and says nothing
    // again.
    page.LabelBox().moveCursor(QTextCursor::End);
    QTest::keyClicks(&page.LabelBox(), "!");
    EXPECT_EQ(item(0).m_strLabel, "Home");
    EXPECT_EQ(ui.calls().size(), 1u);

    Retype(&page.XBox(), "30");
    EXPECT_FALSE(page.XBox().IsFlagged());
    EXPECT_EQ(button(0)->bounds.left, 30);
    EXPECT_EQ(item(0).m_strLabel, "Home!");

    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer."));
    Retype(&page.BorderThickBox(), "x");
    EXPECT_EQ(menu(0).m_nBorderThick, 6);
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(MenuPages, AnEmptyBoxIsReportedWhenLeftNotWhileTyped) {
    SelectButton(0);
    CDlgMenuStyle& page = LabelPage();
    ExpectUi ui;
    Retype(&page.YBox(), "");
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(button(0)->bounds.top, 45);

    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer."));
    QTest::keyClick(&page.YBox(), Qt::Key_Return);
    EXPECT_EQ(ui.calls().size(), 1u);
    // Leaving the page with it still empty says it again, and the page stays in front.
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer."));
    sheet().SetActivePage(pageNormal);
    EXPECT_EQ(sheet().ActivePageIndex(), pageLabel);
    EXPECT_EQ(ui.calls().size(), 2u);
}

TEST_F(MenuPages, AZeroWidthLeavesTheLabelUnchangedUntilTheWidthIsNonZero) {
    SelectButton(1);
    CDlgMenuStyle& page = LabelPage();
    Retype(&page.WidthBox(), "0");
    Retype(&page.LabelBox(), "Gone");
    EXPECT_EQ(item(1).m_strLabel, "News");
    EXPECT_EQ(button(1)->bounds, (CRect{115, 45, 205, 75}));
    Retype(&page.WidthBox(), "50");
    EXPECT_EQ(item(1).m_strLabel, "Gone");
    EXPECT_EQ(button(1)->bounds, (CRect{115, 45, 165, 75}));
}

TEST_F(MenuPages, BlankChosenFromTheTargetListIsStoredAtOnce) {
    SelectButton(2);
    CDlgMenuStyle& page = LabelPage();
    ChooseFromList(page.TargetList(), 3);
    EXPECT_EQ(item(2).m_strTarget, "_blank");
    EXPECT_EQ(page.TargetList().currentText(), "_blank");
    // A frame name typed after it is what counts then.
    QTest::keyClicks(page.TargetList().lineEdit(), "2");
    EXPECT_EQ(item(2).m_strTarget, "_blank2");
    // Loading shows a listed target as the list's entry, any other as typed.
    SelectButton(1);
    item(1).m_strTarget = "_top";
    dialog().RefreshActivePage();
    EXPECT_EQ(page.TargetList().currentIndex(), 2);
}

TEST_F(MenuPages, PagesStoreNothingWithNoneOrTwoButtonsSelected) {
    SelectButton(0);
    CDlgMenuStyle& page = LabelPage();
    Click(ButtonArea(1).center(), Qt::ShiftModifier);
    ASSERT_EQ(applet().m_selection.size(), 2u);
    // The page shows its last button, greyed: nothing typed could go anywhere.
    EXPECT_FALSE(page.isEnabled());
    EXPECT_EQ(page.LabelBox().toPlainText(), "Home");
    page.LabelBox().setPlainText("Both");
    EXPECT_TRUE(page.Store());
    sheet().SetActivePage(pageNormal);
    auto& normal = dynamic_cast<CDlgItemState&>(*sheet().Page(pageNormal));
    normal.TextOffsetBox().SetText("9");
    EXPECT_TRUE(normal.Store());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(item(i).m_strLabel, i == 0 ? "Home" : "News");
        EXPECT_EQ(menu(i).m_states[CMarquel::stateNormal].m_nTextOffset, 0);
    }

    // Nothing selected: the applet's sheet shows; the menu page still stores nothing.
    Click({5, 5});
    ASSERT_TRUE(applet().m_selection.empty());
    EXPECT_TRUE(normal.Store());
    EXPECT_EQ(menu(0).m_states[CMarquel::stateNormal].m_nTextOffset, 0);

    // And the image and audio dialogs do not open.
    ExpectUi ui;
    page.EditImages();
    page.EditSounds();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MenuPages, StatePagesEditTheirOwnLookWithColoursStylesAndPlacement) {
    SelectButton(0);
    const int pages[] = {pageNormal, pageMouseOver, pageClicked};
    for (int nPage : pages) {
        SCOPED_TRACE(nPage);
        auto& page = Page<CDlgItemState>(nPage);
        CMarquelState& state = menu(0).m_states[size_t(page.State())];
        CBackgroundControls& background = page.Background();
        ExpectUi ui;
        ui.Expect(UiAnswer::Color(0x0000FF));
        QTest::mouseClick(&background.FirstButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crBack, 0x0000FFu);
        EXPECT_EQ(background.Picker().GetFirstColor(), 0x0000FFu);
        ASSERT_EQ(ui.calls().size(), 1u);
        EXPECT_EQ(ui.calls()[0].color, 0x404080u); // preset to the colour shown

        ui.Expect(UiAnswer::Color(0x00FF00));
        QTest::mouseClick(&background.SecondButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crFade, 0x00FF00u);
        QTest::mouseClick(&background.SwapButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crBack, 0x00FF00u);
        EXPECT_EQ(state.m_crFade, 0x0000FFu);
        EXPECT_EQ(background.FirstButton().Color(), 0x00FF00u);
        EXPECT_EQ(background.Picker().GetSecondColor(), 0x0000FFu);
        QTest::mouseClick(&background.BlackWhiteButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crBack, 0x000000u);
        EXPECT_EQ(state.m_crFade, 0xFFFFFFu);

        ChooseFromList(background.Picker(), 4);
        EXPECT_EQ(state.m_nBackStyle, 4);
        ui.Expect(UiAnswer::Color(0x808080));
        QTest::mouseClick(&page.Border().ColorButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crBorder, 0x808080u);
        EXPECT_EQ(page.Border().Picker().GetColor(), 0x808080u);
        ChooseFromList(page.Border().Picker(), 0);
        EXPECT_EQ(state.m_nBorderStyle, 0);
        // Cancelling the colour chooser changes nothing.
        ui.Expect(UiAnswer::Cancel(UiCallKind::ChooseColor));
        QTest::mouseClick(&page.Border().ColorButton(), Qt::LeftButton);
        EXPECT_EQ(state.m_crBorder, 0x808080u);

        ChooseFromList(page.TextAlignList(), 2);
        EXPECT_EQ(state.m_nTextAlign, 2);
        ChooseFromList(page.ImageAlignList(), 1);
        EXPECT_EQ(state.m_nImageAlign, 1);
        Retype(&page.TextOffsetBox(), "-500");
        EXPECT_EQ(state.m_nTextOffset, -500);
        Retype(&page.ImageOffsetBox(), "12");
        EXPECT_EQ(state.m_nImageOffset, 12);

        ui.Expect(
            UiAnswer::Message(IDOK).WithText("Please enter an integer between -500 and 500."));
        Retype(&page.ImageOffsetBox(), "501");
        EXPECT_EQ(state.m_nImageOffset, 50); // what "50" left before the last key
        EXPECT_EQ(ui.pending(), 0u);
        Retype(&page.ImageOffsetBox(), "0");
        EXPECT_EQ(page.ApplyToAllButton() != nullptr, nPage == pageNormal);
    }
    // The three looks stayed apart.
    EXPECT_EQ(menu(0).m_states[0].m_nBackStyle, 4);
    EXPECT_EQ(menu(1).m_states[0], CMarquelState::Default(0));
}

TEST_F(MenuPages, FontDialogWritesTheFiveValuesOnOkAndNothingOnCancel) {
    SelectButton(0);
    auto& page = Page<CDlgItemState>(pageClicked);
    CMarquelState& click = menu(0).m_states[CMarquel::stateClick];
    OnNextModal<CDlgFont>([](CDlgFont& font) {
        EXPECT_EQ(font.SizeBox().text(), "14");
        font.NameList().setCurrentIndex(2);
        Retype(&font.SizeBox(), "20");
        QTest::mouseClick(&font.StyleButton(2), Qt::LeftButton);
        font.EffectList().setCurrentIndex(4);
        font.accept();
    });
    QTest::mouseClick(&page.FontButton(), Qt::LeftButton);
    EXPECT_EQ(click.m_nFontName, 2);
    EXPECT_EQ(click.m_nFontSize, 20);
    EXPECT_EQ(click.m_nFontStyle, 2);
    EXPECT_EQ(click.m_nFontEffect, 4);
    EXPECT_EQ(menu(0).m_states[CMarquel::stateNormal].m_nFontSize, 14);

    const CMarquelState before = click;
    OnNextModal<CDlgFont>([](CDlgFont& font) {
        Retype(&font.SizeBox(), "30");
        font.NameList().setCurrentIndex(0);
        font.reject();
    });
    QTest::mouseClick(&page.FontButton(), Qt::LeftButton);
    EXPECT_EQ(click, before);
}

TEST_F(MenuPages, ApplyToAllStatusCopiesTheNormalLookButNotTheReservedFields) {
    SelectButton(0);
    auto& page = Page<CDlgItemState>(pageNormal);
    CMarquelState& over = menu(0).m_states[CMarquel::stateOver];
    over.m_nReservedA = 9;
    over.m_strReserved = "mine";
    Retype(&page.TextOffsetBox(), "7");
    ASSERT_NE(page.ApplyToAllButton(), nullptr);
    QTest::mouseClick(page.ApplyToAllButton(), Qt::LeftButton);
    const CMarquelState& normal = menu(0).m_states[CMarquel::stateNormal];
    for (const CMarquelState* pState : {&over, &menu(0).m_states[CMarquel::stateClick]}) {
        EXPECT_EQ(pState->m_nTextOffset, 7);
        EXPECT_EQ(pState->m_crFont, normal.m_crFont);
        EXPECT_EQ(pState->m_nBackStyle, normal.m_nBackStyle);
        EXPECT_EQ(pState->m_nBorderStyle, normal.m_nBorderStyle);
    }
    EXPECT_EQ(over.m_nReservedA, 9);
    EXPECT_EQ(over.m_strReserved, "mine");
}

TEST_F(MenuPages, NormalToClickedRepaintsEveryButtonInItsClickedLookAndHintKeepsIt) {
    // Solid backs without borders: the look shows in every pixel of a button.
    for (size_t i = 0; i < 3; ++i) {
        menu(i).m_nBorderThick = 0;
        for (int s = 0; s < 3; ++s) {
            menu(i).m_states[size_t(s)].m_nBackStyle = 1;
            menu(i).m_states[size_t(s)].m_crBack = s == 2 ? RGB(200, 0, 0) : RGB(0, 0, 200);
        }
    }
    SelectButton(0);
    auto pixel = [&](size_t i) {
        // Off the selection's handles and the label.
        const QPoint at = ButtonArea(i).topLeft() + QPoint(ButtonArea(i).width() / 4, 3);
        return FromQRgb(view().grab().toImage().pixel(at));
    };
    sheet().SetActivePage(pageNormal);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(pixel(i), RGB(0, 0, 200)) << i;
    CPaintWatcher watcher(view());
    watcher.Painted();
    sheet().SetActivePage(pageClicked);
    EXPECT_TRUE(watcher.Painted().contains(view().rect()));
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(pixel(i), RGB(200, 0, 0)) << i;
    sheet().SetActivePage(pageHint);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(pixel(i), RGB(200, 0, 0)) << i;
}

TEST_F(MenuPages, HintPageEditsTheHintBoxTheSameInEveryState) {
    SelectButton(1);
    hint(1).m_states[CMarquel::stateOver].m_crBack = RGB(1, 2, 3);
    CDlgHint& page = HintPage();
    // Loading evened out the looks.
    EXPECT_EQ(hint(1).m_states[CMarquel::stateOver].m_crBack, RGB(255, 255, 0));
    EXPECT_FALSE(page.DisplayBox().isChecked());
    EXPECT_EQ(page.LabelBox().toPlainText(), "Hint");
    EXPECT_EQ(page.WidthBox().text(), "30");

    // Ticking the box alone stores nothing; the next change takes it along.
    QTest::mouseClick(&page.DisplayBox(), Qt::LeftButton, {},
                      QPoint(6, page.DisplayBox().height() / 2));
    ASSERT_TRUE(page.DisplayBox().isChecked());
    EXPECT_EQ(hint(1).m_items.front()->m_bVisible, 0);
    Retype(&page.LabelBox(), "Latest news");
    EXPECT_EQ(hint(1).m_items.front()->m_bVisible, 1);
    EXPECT_EQ(hint(1).m_items.front()->m_strLabel, "Latest news");

    Retype(&page.XBox(), "-1000");
    Retype(&page.YBox(), "1000");
    Retype(&page.ThickBox(), "3");
    EXPECT_EQ(hint(1).m_nLeft, -1000);
    EXPECT_EQ(hint(1).m_nTop, 1000);
    EXPECT_EQ(hint(1).m_nBorderThick, 3);
    ExpectUi ui;
    ui.Expect(UiAnswer::Color(RGB(0, 128, 0)));
    QTest::mouseClick(&page.Background().FirstButton(), Qt::LeftButton);
    ChooseFromList(page.AlignList(), 2);
    for (const CMarquelState& state : hint(1).m_states) {
        EXPECT_EQ(state.m_crBack, RGB(0, 128, 0));
        EXPECT_EQ(state.m_nTextAlign, 2);
        EXPECT_EQ(state.m_nTextOffset, 0);
    }

    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer between 1 and 1200."));
    Retype(&page.WidthBox(), "0");
    EXPECT_EQ(hint(1).m_nWidth, 30);
    // While the width is bad, nothing else of the page is taken either.
    Retype(&page.ThickBox(), "2");
    EXPECT_EQ(hint(1).m_nBorderThick, 3);
    Retype(&page.WidthBox(), "40");
    EXPECT_EQ(hint(1).m_nWidth, 40);
    EXPECT_EQ(hint(1).m_nBorderThick, 2);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer between -1000 and 1000."));
    Retype(&page.XBox(), "-1001");
    EXPECT_EQ(hint(1).m_nLeft, -100);
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(MenuPages, TheLastChangeIsStoredWhenThePageIsLeftOrTheDesignerCloses) {
    SelectButton(1);
    CDlgHint& page = HintPage();
    page.DisplayBox().setChecked(true);
    EXPECT_EQ(hint(1).m_items.front()->m_bVisible, 0);
    sheet().SetActivePage(pageLabel);
    EXPECT_EQ(hint(1).m_items.front()->m_bVisible, 1);

    HintPage().DisplayBox().setChecked(false);
    dialog().close();
    EXPECT_EQ(hint(1).m_items.front()->m_bVisible, 0);
}

TEST_F(MenuPages, AutoSizeFitsTheTextInTheCanvasFontOrGivesTenByTen) {
    SelectButton(0);
    CDlgHint& page = HintPage();
    Retype(&page.LabelBox(), "");
    QTest::mouseClick(&page.AutoSizeButton(), Qt::LeftButton);
    EXPECT_EQ(hint(0).m_nWidth, 10);
    EXPECT_EQ(hint(0).m_nHeight, 10);
    EXPECT_EQ(page.WidthBox().text(), "10");

    Retype(&page.LabelBox(), "Home page");
    QTest::keyClick(&page.LabelBox(), Qt::Key_Return);
    QTest::keyClicks(&page.LabelBox(), "and more");
    Retype(&page.ThickBox(), "4");
    QTest::mouseClick(&page.AutoSizeButton(), Qt::LeftButton);
    // Two lines of 14-point Times: wider than either word alone, two lines high, plus the
    // border on each side.
    EXPECT_GT(hint(0).m_nWidth, 8 + 40);
    EXPECT_LT(hint(0).m_nWidth, 8 + 120);
    EXPECT_GT(hint(0).m_nHeight, 8 + 2 * 12);
    EXPECT_LT(hint(0).m_nHeight, 8 + 2 * 30);
    EXPECT_EQ(page.HeightBox().text(), QString::number(hint(0).m_nHeight));
}

TEST_F(MenuPages, EditLabelAndEditLinkPutTheFocusInTheirBoxWithTheTextSelected) {
    SelectButton(1);
    sheet().SetActivePage(pageHint);
    dialog().ShowAppletSheet();
    ASSERT_TRUE(Activate(designWindow()));
    dialog().EditLabelBox(LabelBox::Label);
    // The keyboard goes over to the dialog.
    EXPECT_TRUE(WaitUntilActive(dialog()));
    EXPECT_TRUE(dialog().IsMenuSheetShown());
    ASSERT_EQ(sheet().ActivePageIndex(), pageLabel);
    auto& page = dynamic_cast<CDlgMenuStyle&>(*sheet().ActivePage());
    EXPECT_TRUE(page.LabelBox().hasFocus());
    EXPECT_EQ(page.LabelBox().textCursor().selectedText(), "News");

    item(1).m_strUrl = "news.htm";
    dialog().RefreshActivePage();
    dialog().EditLabelBox(LabelBox::Link);
    EXPECT_TRUE(page.LinkBox().hasFocus());
    EXPECT_EQ(page.LinkBox().selectedText(), "news.htm");
}
