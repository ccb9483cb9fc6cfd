#pragma once
// Pictures of windows for people to look at, written into the build's screenshots folder
// (TB_SCREENSHOT_DIR, defined by each test program that takes them).

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace tb::test {

#ifdef TB_SCREENSHOT_DIR
// name may lie in a subfolder ("help/dfont.png"); the folder is made.
inline QString ShotPath(const char* name) {
    const QString path = QStringLiteral(TB_SCREENSHOT_DIR "/%1").arg(QLatin1String(name));
    QDir().mkpath(QFileInfo(path).path());
    return path;
}
#endif

// A window's picture under a plain title bar, as a window manager would frame it; the title
// without Qt's "[*]" placeholder for unsaved changes.
inline QImage Framed(QWidget& window) {
    const QImage content = window.grab().toImage();
    const int nTitle = 24;
    QImage framed(content.width() + 2, content.height() + nTitle + 1, QImage::Format_RGB32);
    framed.fill(QColor(0x3c, 0x46, 0x52));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, framed.width() - 16, nTitle), Qt::AlignVCenter,
                     window.windowTitle().remove(QStringLiteral("[*]")));
    painter.drawImage(1, nTitle, content);
    return framed;
}

} // namespace tb::test
