// Pictures of the workbench for people to look at: the main window at the first start and
// with a widget loaded, and the Rename dialog, written into the build's screenshots folder.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>

#include "tests/workbench/workbenchtest.h"
#include "workbench/core/commandids.h"

using namespace tb;
using namespace tb::test;

namespace {

QString ShotPath(const char* name) {
    QDir().mkpath(QStringLiteral(TB_SCREENSHOT_DIR));
    return QStringLiteral(TB_SCREENSHOT_DIR "/%1").arg(QLatin1String(name));
}

// A window's picture under a plain title bar, as a window manager would frame it.
QImage Framed(QWidget& window) {
    const QImage content = window.grab().toImage();
    const int nTitle = 26;
    QImage framed(content.width() + 2, content.height() + nTitle + 1, QImage::Format_RGB32);
    framed.fill(QColor(0x3c, 0x46, 0x52));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(10, 0, framed.width() - 20, nTitle), Qt::AlignVCenter,
                     window.windowTitle().replace(QStringLiteral("[*]"), QString()));
    painter.drawImage(1, nTitle, content);
    return framed;
}

} // namespace

using Screenshots = WorkbenchFixture;

TEST_F(Screenshots, TheMainWindowAtTheFirstStart) {
    Start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(Frame()).save(ShotPath("workbench-first-start.png")));
    Exit();
}

TEST_F(Screenshots, TheMainWindowWithAWidgetLoaded) {
    // Registered as an installed program is, so that the status bar has nothing to report.
    RegisterBuiltComponent();
    const std::string path = dir.file("Blue Glass Bar.tsq");
    WriteFileBytes(path, ReadFileBytes(ProgramDir() + "/blueglassbar.tsq"));
    {
        const CDesignerDriver designer;
        Start({path});
    }
    Frame().UpdateCommandStates();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().StatusText(), "Ready");
    EXPECT_TRUE(Framed(Frame()).save(ShotPath("workbench-main.png")));
    ui.Expect(UiAnswer::Message(IDNO)); // the designer was closed with OK
    Exit();
}

TEST_F(Screenshots, TheRenameDialog) {
    Start();
    bool bSaved = false;
    const CDialogDriver driver("Rename", [&](QWidget& dialog) {
        QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        ASSERT_EQ(edits.size(), 2);
        edits[0]->setText(QStringLiteral("BlueGlassBar"));
        edits[1]->setText(QStringLiteral("Five glass buttons for the top of a page"));
        QCoreApplication::processEvents();
        bSaved = Framed(dialog).save(ShotPath("workbench-rename.png"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(ID_EDIT_RENAME)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_TRUE(bSaved);
    Exit();
}
