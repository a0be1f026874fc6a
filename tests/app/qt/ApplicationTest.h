#pragma once

#include <QApplication>
#include <QFont>
#include <QInputDevice>

namespace tarvo::test {

// The one Qt application of the test program, made at first use.
inline QApplication& ApplicationTest() {
    static int argc = 1;
    static char nom[] = "tests_fenetre_qt";
    static char* argv[] = {nom, nullptr};
    // The list of input devices outlives the application only when it exists first: the
    // application deletes the mouse device of the tests' events at exit.
    static const bool appareils = !QInputDevice::devices().isEmpty();
    static QApplication application(argc, argv);
    (void)appareils;
    QFont::insertSubstitution("Arial", "Liberation Sans");
    return application;
}

} // namespace tarvo::test
