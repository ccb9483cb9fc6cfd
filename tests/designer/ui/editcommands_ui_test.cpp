// The editing commands in the design window under real mouse and key events: the keys, the
// palette's and the context menu's enabled states as the selection changes, Ctrl+drag, the
// desktop clipboard between two designers of one process, and pastes it refuses.

#include "tests/designer/ui/designerfixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>

#include "designer/core/undosnapshot.h"
#include "designer/ui/buttonclipboardqt.h"
#include "designer/ui/commandactions.h"
#include "designer/ui/dlgmenustyle.h"
#include "designer/ui/menupropertysheet.h"
#include "model/archive.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

// Home at x 15, News at 115, Contact at 215, all from y 45 to 75.
class EditWindow : public DesignerFixture {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->clear();
        DesignerFixture::SetUp();
        ResetUndoHistory(applet());
        designWindow().UpdateCommandStates();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&view(), key, modifiers);
    }
    bool PaletteEnabled(unsigned nId) { return palette().Button(nId)->isEnabled(); }
    std::string Label(size_t i) { return button(i)->menu->m_items.front()->m_strLabel; }
    std::string Design() {
        return StoreArchive([this](CArchive& ar) { applet().Serialize(ar); });
    }
    // Context-menu entries as "text" or "text (off)", after a right press at the point.
    QStringList ContextMenuAt(QPoint at) {
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!pMenu)
                return;
            for (QAction* pAction : pMenu->actions()) {
                if (!pAction->isSeparator())
                    entries << pAction->text() + (pAction->isEnabled() ? "" : " (off)");
            }
            pMenu->close();
        });
        QTest::mouseClick(&view(), Qt::RightButton, {}, at);
        return entries;
    }
};

void PutOnClipboard(const QString& mimeType, const QByteArray& bytes) {
    auto* pData = new QMimeData;
    pData->setData(mimeType, bytes);
    QGuiApplication::clipboard()->setMimeData(pData);
}

} // namespace

TEST_F(EditWindow, PaletteButtonsFollowTheSelectionTheClipboardAndTheHistory) {
    EXPECT_FALSE(PaletteEnabled(ID_EDIT_COPY));
    EXPECT_FALSE(PaletteEnabled(ID_MOVE_TO_FRONT));
    EXPECT_FALSE(PaletteEnabled(ID_EDIT_PASTE));

    Click({30, 60});
    for (unsigned nId :
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_DUPLICATE, ID_MOVE_BACKWARD, ID_MOVE_FORWARD,
          ID_MOVE_TO_BACK, ID_MOVE_TO_FRONT, ID_CENTER_VERTICAL, ID_CENTER_HORIZONTAL})
        EXPECT_TRUE(PaletteEnabled(nId)) << nId;
    for (unsigned nId : {ID_ALIGN_LEFT, ID_SAME_SIZE, ID_SPACE_ACROSS, ID_UNDO, ID_REDO})
        EXPECT_FALSE(PaletteEnabled(nId)) << nId;

    Click({130, 60}, Qt::ShiftModifier);
    EXPECT_TRUE(PaletteEnabled(ID_ALIGN_LEFT));
    EXPECT_TRUE(PaletteEnabled(ID_SAME_SIZE));
    EXPECT_FALSE(PaletteEnabled(ID_SPACE_ACROSS));
    EXPECT_FALSE(PaletteEnabled(ID_MOVE_TO_FRONT));
    Click({230, 60}, Qt::ShiftModifier);
    EXPECT_TRUE(PaletteEnabled(ID_SPACE_DOWN));

    // Copying brings Paste up; a change brings Undo up, and undoing it Redo.
    Key(Qt::Key_C);
    EXPECT_TRUE(PaletteEnabled(ID_EDIT_PASTE));
    Key(Qt::Key_Up); // align top: nothing moves, still a step
    EXPECT_TRUE(PaletteEnabled(ID_UNDO));
    Key(Qt::Key_Z);
    EXPECT_TRUE(PaletteEnabled(ID_REDO));
    EXPECT_FALSE(PaletteEnabled(ID_UNDO));
    // Another program taking the clipboard takes Paste away.
    QGuiApplication::clipboard()->setText("plain text");
    EXPECT_FALSE(PaletteEnabled(ID_EDIT_PASTE));
}

TEST_F(EditWindow, ContextMenuEntriesAreEnabledByTheButtonUnderThePointer) {
    EXPECT_EQ(ContextMenuAt({130, 60}),
              (QStringList{"Edit L&able", "Edit &URL", "&New Button", "D&elete", "Cu&t", "&Copy",
                           "&Paste (off)", "Center &Horizontal", "Center &Vertical",
                           "&Preview in Browser"}));
    EXPECT_EQ(ContextMenuAt({10, 10}),
              (QStringList{"Edit L&able (off)", "Edit &URL (off)", "&New Button", "D&elete (off)",
                           "Cu&t (off)", "&Copy (off)", "&Paste (off)", "Center &Horizontal (off)",
                           "Center &Vertical (off)", "&Preview in Browser"}));
}

TEST_F(EditWindow, EditLabelFromTheContextMenuShowsTheButtonsSheet) {
    button(2)->menu->m_items.front()->m_strUrl = "contact.htm";
    QTimer::singleShot(0, [this] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(pMenu, nullptr);
        // The right press on the button has shown its sheet already: start from the applet's.
        dialog().ShowAppletSheet();
        for (QAction* pAction : pMenu->actions()) {
            if (pAction->text() == "Edit &URL")
                pAction->trigger();
        }
        pMenu->close();
    });
    QTest::mouseClick(&view(), Qt::RightButton, {}, {230, 60});
    EXPECT_TRUE(dialog().IsMenuSheetShown());
    EXPECT_EQ(applet().m_selection, std::vector<CDrawRect*>{button(2)});
    // On the "Label" page, the link ready to be typed over.
    ASSERT_EQ(dialog().MenuSheet().ActivePageIndex(), pageLabel);
    auto& page = dynamic_cast<CDlgMenuStyle&>(*dialog().MenuSheet().ActivePage());
    EXPECT_EQ(dialog().focusWidget(), &page.LinkBox());
    EXPECT_EQ(page.LinkBox().selectedText(), "contact.htm");
}

TEST_F(EditWindow, KeysRunTheLayoutClipboardAndHistoryCommands) {
    Drag({130, 60}, {130, 80}); // News 20 lower
    ASSERT_EQ(button(1)->bounds, (CRect{115, 65, 205, 95}));
    Click({30, 60});
    Click({130, 70}, Qt::ShiftModifier);
    Key(Qt::Key_Up);
    EXPECT_EQ(button(1)->bounds, (CRect{115, 45, 205, 75}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Z);
    Key(Qt::Key_Z);
    EXPECT_EQ(button(1)->bounds, (CRect{115, 65, 205, 95}));
    Key(Qt::Key_Y);
    EXPECT_EQ(button(1)->bounds, (CRect{115, 45, 205, 75}));

    // Alt+Up spaces down: Home, News, Contact at tops 0, 45 and 100 give News its place.
    button(0)->bounds = {15, 0, 105, 30};
    button(2)->bounds = {215, 100, 305, 130};
    Key(Qt::Key_A);
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(button(1)->bounds, (CRect{115, 50, 205, 80}));
    // Ctrl+Shift+F9 centres across: 15..345 in 320 moves by (15 + 320 - 345) / 2 - 15 = -20.
    button(2)->bounds = {215, 100, 345, 130};
    Key(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(button(0)->bounds.left, -5);
    EXPECT_EQ(button(2)->bounds.right, 325);

    Key(Qt::Key_D);
    EXPECT_EQ(applet().m_buttons.size(), 6u);
    Key(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(applet().m_buttons.size(), 3u);
    Key(Qt::Key_A);
    Key(Qt::Key_X);
    EXPECT_TRUE(applet().m_buttons.empty());
    Key(Qt::Key_V);
    EXPECT_EQ(applet().m_buttons.size(), 3u);
    EXPECT_EQ(applet().m_selection.size(), 3u);
    EXPECT_EQ(Label(0), "Home");
}

TEST_F(EditWindow, CtrlDragWithTheMouseMovesACopyAndLeavesTheSource) {
    Drag({30, 60}, {40, 100}, Qt::ControlModifier);
    ASSERT_EQ(applet().m_buttons.size(), 4u);
    EXPECT_EQ(button(0)->bounds, (CRect{15, 45, 105, 75}));
    EXPECT_EQ(button(3)->bounds, (CRect{25, 85, 115, 115}));
    EXPECT_EQ(Label(3), "Home");
    EXPECT_EQ(applet().m_selection, std::vector<CDrawRect*>{button(3)});
    EXPECT_EQ(snapshots(), 2u);
    const QMimeData* pData = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(pData, nullptr);
    EXPECT_TRUE(pData->hasFormat(ButtonMimeType()));
    EXPECT_EQ(pData->text(), "Home\n");
    // One undo takes the copy away again.
    Key(Qt::Key_Z);
    EXPECT_EQ(applet().m_buttons.size(), 3u);
}

TEST_F(EditWindow, ButtonsCopiedInOneDesignerPasteIntoAnother) {
    Click({230, 60});
    Key(Qt::Key_C);

    CInterfacePtr<CBrisko> other = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    TempDir otherScratch;
    CDesignerDialog otherDialog(other->applet, other.Get(), otherScratch.path());
    otherDialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(otherDialog.DesignWindow()));
    CPaletteWnd& otherPalette = otherDialog.DesignWindow()->Palette();
    ASSERT_TRUE(otherPalette.Button(ID_EDIT_PASTE)->isEnabled());
    QTest::mouseClick(otherPalette.Button(ID_EDIT_PASTE), Qt::LeftButton, {}, QPoint(4, 4));

    ASSERT_EQ(other->applet.m_buttons.size(), 1u);
    const CDrawRect& pasted = *other->applet.m_buttons.front();
    EXPECT_EQ(pasted.bounds, (CRect{215, 45, 305, 75}));
    EXPECT_EQ(pasted.menu->m_items.front()->m_strLabel, "Contact");
    EXPECT_EQ(pasted.owner, &other->applet);
    EXPECT_EQ(other->applet.m_selection, std::vector<CDrawRect*>{other->applet.m_buttons[0].get()});
    EXPECT_EQ(applet().m_buttons.size(), 3u);
    otherDialog.close();
}

TEST_F(EditWindow, RefusedPastesLeaveTheDesignAsItWasAndSayWhy) {
    Click({130, 60});
    Key(Qt::Key_C);
    const QByteArray good = QGuiApplication::clipboard()->mimeData()->data(ButtonMimeType());
    const std::string before = Design();

    // Nothing, or only another program's formats: Paste is off and Ctrl+V does nothing.
    {
        ExpectUi ui;
        QGuiApplication::clipboard()->clear();
        EXPECT_FALSE(PaletteEnabled(ID_EDIT_PASTE));
        Key(Qt::Key_V);
        PutOnClipboard(QStringLiteral("text/html"), "<b>Home</b>");
        EXPECT_FALSE(PaletteEnabled(ID_EDIT_PASTE));
        Key(Qt::Key_V);
    }
    // Under the buttons' own type but from an older run (another schema) or damaged: one
    // message each, nothing inserted.
    QByteArray older = good;
    older[4] = '\x01';
    QByteArray noise(512, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    for (const QByteArray& bytes : {older, good.left(good.size() - 3), good.left(5), noise}) {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDOK));
        PutOnClipboard(ButtonMimeType(), bytes);
        EXPECT_TRUE(PaletteEnabled(ID_EDIT_PASTE));
        Key(Qt::Key_V);
        ASSERT_EQ(ui.calls().size(), 1u);
        EXPECT_EQ(ui.calls()[0].caption, "Button Properties");
        EXPECT_EQ(ui.calls()[0].icon, MbIcon::Warning);
        EXPECT_EQ(Design(), before);
        EXPECT_EQ(snapshots(), 1u);
    }
}
