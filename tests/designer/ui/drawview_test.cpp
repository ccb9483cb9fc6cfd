// The design view under real mouse and key events: the same rules the tools follow as plain
// logic, now through Qt's events, the palette's buttons and the context menu.

#include "tests/designer/ui/designerfixture.h"

#include <QMenu>
#include <QPaintEvent>
#include <QTimer>
#include <QToolButton>

#include "designer/core/undosnapshot.h"
#include "platform/surface/qt/qtrect.h"

using namespace tb;
using namespace tb::test;

namespace {

class DrawView : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        ResetUndoHistory(applet());
    }
    std::vector<CDrawRect*> selection() { return applet().m_selection; }

    // Runs fn on the context menu once it is open, then closes it.
    void OnContextMenu(std::function<void(QMenu&)> fn) {
        QTimer::singleShot(0, [fn] {
            auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(pMenu, nullptr);
            fn(*pMenu);
            pMenu->close();
        });
    }
};

// Collects what the view repaints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(pEvent)->region();
        return false;
    }
    QRegion painted;
};

} // namespace

TEST_F(DrawView, PaletteButtonToolThenAClickGivesAnEightyByThirtyButtonWithHandles) {
    QToolButton* pTool = palette().Button(ID_TOOL_BUTTON);
    ASSERT_NE(pTool, nullptr);
    EXPECT_EQ(palette().IdleText(), "Select buttons");
    QTest::mouseClick(pTool, Qt::LeftButton);
    EXPECT_TRUE(pTool->isChecked());
    EXPECT_EQ(palette().IdleText(), "Hold and drag to draw a button");
    EXPECT_FALSE(palette().Button(ID_TOOL_SELECT)->isChecked());
    EXPECT_FALSE(dialog().IsMenuSheetShown());

    Click({200, 5});
    ASSERT_EQ(applet().m_buttons.size(), 4u);
    EXPECT_EQ(button(3)->bounds, (CRect{200, 5, 280, 35}));
    EXPECT_EQ(selection(), std::vector<CDrawRect*>{button(3)});
    EXPECT_EQ(snapshots(), 2u);
    EXPECT_TRUE(dialog().IsMenuSheetShown());
    EXPECT_TRUE(pTool->isChecked());

    // The handle at the new button's top-left corner is drawn inverted over the canvas.
    const QImage shown = view().grab().toImage();
    const QImage plain = [&] {
        view().Core().SetActive(false);
        QImage image = view().RenderClient(view().rect());
        view().Core().SetActive(true);
        return image;
    }();
    EXPECT_EQ(shown.pixel(200, 5) & 0xFFFFFF, ~plain.pixel(200, 5) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(240, 20), plain.pixel(240, 20));
}

TEST_F(DrawView, DragsWithTheButtonToolFollowTheAxisRule) {
    view().Core().Commands().Execute(ID_TOOL_BUTTON);
    Drag({250, 100}, {190, 100}); // along x only
    EXPECT_EQ(applet().m_buttons.back()->bounds, (CRect{190, 100, 330, 130}));
    Drag({60, 110}, {10, 85}); // both ways: exactly as dragged
    EXPECT_EQ(applet().m_buttons.back()->bounds, (CRect{10, 85, 60, 110}));
    EXPECT_EQ(snapshots(), 3u);
    EXPECT_EQ(view().cursor().shape(), Qt::CrossCursor);
}

TEST_F(DrawView, ClickSelectsShiftClickAddsAndAClickInPlaceTakesNoSnapshot) {
    Click({30, 60});
    EXPECT_EQ(selection(), std::vector<CDrawRect*>{button(0)});
    EXPECT_TRUE(dialog().IsMenuSheetShown());
    Click({240, 60}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (std::vector<CDrawRect*>{button(0), button(2)}));
    EXPECT_EQ(snapshots(), 1u);
    Drag({240, 60}, {240, 40});
    EXPECT_EQ(button(0)->bounds, (CRect{15, 25, 105, 55}));
    EXPECT_EQ(button(2)->bounds, (CRect{215, 25, 305, 55}));
    EXPECT_EQ(snapshots(), 2u);
}

TEST_F(DrawView, RubberBandOverEmptyCanvasEmptiesTheSelectionAndShowsTheAppletSheet) {
    Click({30, 60});
    ASSERT_TRUE(dialog().IsMenuSheetShown());
    QTest::mousePress(&view(), Qt::LeftButton, {}, {300, 110});
    QTest::mouseMove(&view(), {250, 90});
    QTest::mouseMove(&view(), {200, 85});
    // The band's frame shows every other pixel inverted while the button is down.
    view().Core().SetActive(true);
    const QImage during = view().grab().toImage();
    const QImage canvas = [&] {
        view().ShowFocusRect(nullptr);
        QImage image = view().RenderClient(view().rect());
        const CRect band{200, 85, 300, 110};
        view().ShowFocusRect(&band);
        return image;
    }();
    int nInverted = 0;
    for (int x = 200; x < 300; ++x)
        nInverted += (during.pixel(x, 85) & 0xFFFFFF) != (canvas.pixel(x, 85) & 0xFFFFFF);
    EXPECT_EQ(nInverted, 50);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, {200, 85});
    EXPECT_TRUE(selection().empty());
    EXPECT_FALSE(dialog().IsMenuSheetShown());
    EXPECT_EQ(view().grab().toImage(), view().RenderClient(view().rect()));
}

TEST_F(DrawView, HandlesShowTheirCursorsAndResizeAcrossTheOppositeEdge) {
    Click({30, 60});
    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {{{15, 45}, Qt::SizeFDiagCursor},  {{60, 45}, Qt::SizeVerCursor},
                 {{105, 45}, Qt::SizeBDiagCursor}, {{105, 60}, Qt::SizeHorCursor},
                 {{105, 75}, Qt::SizeFDiagCursor}, {{60, 75}, Qt::SizeVerCursor},
                 {{15, 75}, Qt::SizeBDiagCursor},  {{15, 60}, Qt::SizeHorCursor},
                 {{60, 60}, Qt::ArrowCursor}};
    for (const auto& c : cases) {
        QTest::mouseMove(&view(), c.at);
        EXPECT_EQ(view().cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
    }
    Drag({105, 60}, {5, 60}); // the right edge past the left one
    EXPECT_EQ(button(0)->bounds, (CRect{15, 45, 5, 75}));
    EXPECT_EQ(view().cursor().shape(), Qt::SizeHorCursor);
    EXPECT_EQ(snapshots(), 2u);
}

TEST_F(DrawView, RightPressSelectsTheButtonAloneAndOpensTheContextMenu) {
    Click({30, 60});
    Click({140, 60}, Qt::ShiftModifier);
    QStringList entries;
    bool bSelectedAloneFirst = false;
    OnContextMenu([&](QMenu& menu) {
        bSelectedAloneFirst = applet().m_selection == std::vector<CDrawRect*>{button(2)};
        for (QAction* pAction : menu.actions())
            entries << (pAction->isSeparator() ? QStringLiteral("|") : pAction->text());
    });
    QTest::mouseClick(&view(), Qt::RightButton, {}, {250, 60});
    EXPECT_TRUE(bSelectedAloneFirst);
    EXPECT_EQ(entries, (QStringList{"Edit L&able", "Edit &URL", "|", "&New Button", "D&elete", "|",
                                    "Cu&t", "&Copy", "&Paste", "|", "Center &Horizontal",
                                    "Center &Vertical", "|", "&Preview in Browser"}));
    EXPECT_EQ(applet().m_buttons.size(), 3u);
}

TEST_F(DrawView, NewButtonFromTheContextMenuLandsBesideTheClickOnEmptyCanvas) {
    OnContextMenu([](QMenu& menu) {
        for (QAction* pAction : menu.actions()) {
            if (pAction->text() == "&New Button")
                pAction->trigger();
        }
    });
    QTest::mouseClick(&view(), Qt::RightButton, {}, {200, 10});
    ASSERT_EQ(applet().m_buttons.size(), 4u);
    EXPECT_EQ(button(3)->bounds, (CRect{205, 15, 285, 45}));
    EXPECT_EQ(view().Core().ToolState().currentTool, kSelectTool);
    EXPECT_TRUE(palette().Button(ID_TOOL_SELECT)->isChecked());
}

TEST_F(DrawView, TabWalksUpTheStackAndWrapsAndShiftDoubleClickDeselects) {
    QTest::keyClick(&view(), Qt::Key_Tab);
    EXPECT_EQ(selection(), std::vector<CDrawRect*>{button(0)});
    Click({240, 60});
    QTest::keyClick(&view(), Qt::Key_Tab);
    EXPECT_EQ(selection(), std::vector<CDrawRect*>{button(0)});
    EXPECT_TRUE(view().hasFocus());

    Click({140, 60}, Qt::ShiftModifier);
    QTest::mouseDClick(&view(), Qt::LeftButton, Qt::ShiftModifier, {30, 60});
    EXPECT_EQ(selection(), std::vector<CDrawRect*>{button(1)});
}

TEST_F(DrawView, KeysOfTheCommandTableSwitchToolsAndEscapeReturnsToSelecting) {
    QTest::keyClick(&view(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(view().Core().ToolState().currentTool, kButtonTool);
    QTest::keyClick(&view(), Qt::Key_Escape);
    EXPECT_EQ(view().Core().ToolState().currentTool, kSelectTool);
    EXPECT_TRUE(dialog().isVisible());
    QTest::keyClick(&view(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(view().Core().ToolState().currentTool, kSelectTool);
}

TEST_F(DrawView, DraggingRepaintsOnlyWhereTheButtonWasAndIs) {
    Click({140, 60});
    QCoreApplication::processEvents();
    PaintRecorder recorder(view());
    QTest::mousePress(&view(), Qt::LeftButton, {}, {140, 60});
    for (int dx = 1; dx <= 10; ++dx) {
        QTest::mouseMove(&view(), {140 + dx, 60});
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, {150, 60});
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.painted.isEmpty());
    // The middle button with its handles, from where it was to where it is: nothing of the
    // other buttons or the rest of the canvas.
    EXPECT_EQ(recorder.painted.boundingRect(), QRect(QPoint(110, 39), QPoint(220, 79)));
    EXPECT_EQ(button(1)->bounds, (CRect{125, 45, 215, 75}));
}
