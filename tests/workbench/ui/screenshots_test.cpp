// Pictures of the workbench for people to look at: the main window with a widget loaded,
// written into the build's screenshots folder.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QDir>
#include <QPainter>

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

TEST_F(Screenshots, TheMainWindowWithAWidgetLoaded) {
    const std::string path = dir.file("Blue Glass Bar.tsq");
    WriteFileBytes(path, ReadFileBytes(ProgramDir() + "/blueglassbar.tsq"));
    {
        const CDesignerDriver designer;
        Start({path});
    }
    Frame().UpdateCommandStates();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(Frame()).save(ShotPath("workbench-main.png")));
    ui.Expect(UiAnswer::Message(IDNO));
    Exit();
}
