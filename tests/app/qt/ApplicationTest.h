#pragma once

#include <QApplication>
#include <QFont>
#include <QInputDevice>

#include <gtest/gtest.h>

namespace tarvo::test {

// The one Qt application of the test program, made at first use and ended with the tests,
// as a program's own ends before the exit: the print dialog leaves cleanups that need Qt's
// own statics, which the exit frees before a static application.
inline QApplication& ApplicationTest() {
    struct Fin : ::testing::Environment {
        explicit Fin(QApplication* a) : Application(a) {}
        void TearDown() override { delete Application; }
        QApplication* Application;
    };
    static int argc = 1;
    static char nom[] = "tests_fenetre_qt";
    static char* argv[] = {nom, nullptr};
    // The list of input devices outlives the application only when it exists first: the
    // application deletes the mouse device of the tests' events at exit.
    static const bool appareils = !QInputDevice::devices().isEmpty();
    static QApplication* application = [] {
        auto* a = new QApplication(argc, argv);
        ::testing::AddGlobalTestEnvironment(new Fin(a));
        return a;
    }();
    (void)appareils;
    QFont::insertSubstitution("Arial", "Liberation Sans");
    return *application;
}

} // namespace tarvo::test
