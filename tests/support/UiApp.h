#pragma once

#include <QApplication>

// The one QApplication that window tests need, made on first use (tests run offscreen).
inline QApplication& UiApp()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "tessella-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
