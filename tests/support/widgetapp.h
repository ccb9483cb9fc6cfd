#pragma once
// For tests of windows (they link Qt Widgets themselves): one QApplication per process, and
// the top-level windows by their titles.

#include <QApplication>
#include <QWidget>

namespace tb::test {

inline void EnsureWidgetApp() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QApplication(argc, argv); // lives until the process ends
}

// The visible top-level window with that title, or null.
inline QWidget* VisibleWindow(const QString& title) {
    for (QWidget* pWindow : QApplication::topLevelWidgets()) {
        if (pWindow->isVisible() && pWindow->windowTitle() == title)
            return pWindow;
    }
    return nullptr;
}

} // namespace tb::test
