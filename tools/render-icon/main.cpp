// tb-render-icon SVG FOLDER SIZE...: renders the program's icon at each size into
// FOLDER/SIZExSIZE/apps/<name of the SVG>.png, the layout of an icon theme, for installing.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: tb-render-icon SVG FOLDER SIZE...\n");
        return 2;
    }
    // Painting into images needs no screen; the offscreen platform keeps it that way.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tb-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(svg).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        const int nSize = QString::fromLocal8Bit(argv[i]).toInt();
        if (nSize <= 0 || nSize > 1024) {
            std::fprintf(stderr, "tb-render-icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(nSize);
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !image.save(path)) {
            std::fprintf(stderr, "tb-render-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
