#pragma once

#include <QGuiApplication>

namespace tarvo::test {

// One graphical application for the whole test program, on the offscreen platform (set
// by the test runner): fonts and images need it.
inline QGuiApplication& ApplicationQt() {
    static int argc = 1;
    static char nom[] = "tests";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

} // namespace tarvo::test
