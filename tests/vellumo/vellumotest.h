#pragma once
// A Vellumo window for one test, offscreen, with the page engine running, and the ways a
// person reaches it: clicks at elements, typing, the tabs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include <memory>
#include <string>

#include "platform/ui/web/browserpanewidget.h"
#include "tests/support/tempdir.h"
#include "vellumo/vellumoapp.h"
#include "vellumo/vellumowindow.h"

namespace tb::test {

class VellumoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "vellumo-test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            tb::PrepareWebEngine();
            new QApplication(argc, argv);
        }
    }

    void SetUp() override { OpenWindow(); }

    void OpenWindow() {
        m_pWindow = std::make_unique<vellumo::CVellumoWindow>(ProgramDir());
        m_pWindow->resize(900, 640);
        m_pWindow->show();
    }

    vellumo::CVellumoWindow& Window() { return *m_pWindow; }
    vellumo::CDesignView& Design() { return *m_pWindow->Design(); }

    // Copies the page from tests/data/pages into the test's folder and opens it there.
    std::string OpenFixture(const std::string& name) {
        std::string path = m_dir.file(name);
        WriteFileBytes(path, Fixture(name));
        EXPECT_TRUE(Window().OpenPage(path));
        WaitUntilEditable();
        return path;
    }

    static std::string Fixture(const std::string& name) {
        return ReadFileBytes(SourceDir() + "/tests/data/pages/" + name);
    }

    void WaitUntilEditable() {
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return Window().EditableDesign() != nullptr; }, 20000));
        QTest::qWait(50);
    }

    // Where the element with the id is in the view: its middle, or a little inside its start.
    QPoint CenterOf(const std::string& id) {
        QRectF rect = RectOf(id);
        return rect.center().toPoint();
    }
    QPoint StartOf(const std::string& id) {
        QRectF rect = RectOf(id);
        return QPointF(rect.left() + 2, rect.center().y()).toPoint();
    }
    QRectF RectOf(const std::string& id) {
        QString call = QStringLiteral("vellumo.rectOf(%1)")
                           .arg(vellumo::CDesignView::Literal(QString::fromStdString(id)));
        QVariantMap rect = Design().Call(call).toMap();
        EXPECT_FALSE(rect.isEmpty()) << "no element " << id;
        return QRectF(rect["x"].toDouble(), rect["y"].toDouble(), rect["width"].toDouble(),
                      rect["height"].toDouble());
    }

    void ClickAt(QPoint point) {
        QWidget* target = Design().focusProxy() ? Design().focusProxy() : &Design();
        QTest::mouseClick(target, Qt::LeftButton, {}, point);
        Settle();
    }

    void Type(const QString& text) {
        QWidget* target = Design().focusProxy() ? Design().focusProxy() : &Design();
        QTest::keyClicks(target, text);
        Settle();
    }

    // Lets the engine and the editor's queued events catch up.
    static void Settle() { QTest::qWait(150); }

    std::string Bytes() {
        std::optional<std::string> bytes = Window().CurrentBytes();
        EXPECT_TRUE(bytes.has_value());
        return bytes.value_or("");
    }

    void SaveScreenshot(QWidget& widget, const std::string& name) {
        QDir().mkpath(TB_SCREENSHOT_DIR);
        QImage image = widget.grab().toImage();
        EXPECT_TRUE(
            image.save(QString::fromStdString(std::string(TB_SCREENSHOT_DIR) + "/" + name)));
    }

    TempDir m_dir;
    std::unique_ptr<vellumo::CVellumoWindow> m_pWindow;
};

} // namespace tb::test
