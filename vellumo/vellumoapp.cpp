#include "vellumo/vellumoapp.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdlib>
#include <unistd.h>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/uiservices.h"
#include "vellumo/vellumowindow.h"

namespace tb::vellumo {

void PrepareWebEngine() {
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

int RunVellumo(int argc, char** argv) {
    PrepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellumo");
    QCommandLineParser parser;
    parser.setApplicationDescription("Edits web pages and hosts page editor add-ins.");
    parser.addHelpOption();
    parser.addPositionalArgument("page", "The page to open.", "[page]");
    parser.process(app);

    tb::QtUiServices ui;
    tb::ScopedUi scope(ui);
    CVellumoWindow window(ToUtf8(QCoreApplication::applicationDirPath()));
    window.show();
    window.ConnectStartupAddIns();
    if (!parser.positionalArguments().isEmpty())
        window.OpenPage(ToUtf8(parser.positionalArguments().first()));
    return app.exec();
}

} // namespace tb::vellumo
