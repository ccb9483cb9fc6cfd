#pragma once
// Fonts need a QGuiApplication; tests that draw text create one, once per process.

#include <QGuiApplication>

namespace tb::test {

inline void EnsureGuiApp() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv); // lives until the process ends
}

} // namespace tb::test
