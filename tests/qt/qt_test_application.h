#pragma once

#include <QApplication>

namespace palvo {

// The one QApplication of a Qt test program, created on first use on the offscreen platform.
// It is never destroyed: at exit Qt's own globals (input devices) are gone before a static
// application would be, and destroying it then crashes.
inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "palvo_qt_test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace palvo
