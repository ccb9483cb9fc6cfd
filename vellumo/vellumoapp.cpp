#include "vellumo/vellumoapp.h"

#include <QApplication>
#include <QCommandLineParser>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/uiservices.h"
#include "platform/ui/web/browserpanewidget.h"
#include "vellumo/vellumowindow.h"

namespace tb::vellumo {

int RunVellumo(int argc, char** argv) {
    tb::PrepareWebEngine();
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
