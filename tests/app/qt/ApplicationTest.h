#pragma once

#include <QApplication>
#include <QFont>

namespace tarvo::test {

// The one Qt application of the test program, made at first use.
inline QApplication& ApplicationTest() {
    static int argc = 1;
    static char nom[] = "tests_fenetre_qt";
    static char* argv[] = {nom, nullptr};
    static QApplication application(argc, argv);
    QFont::insertSubstitution("Arial", "Liberation Sans");
    return application;
}

} // namespace tarvo::test
