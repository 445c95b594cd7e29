#pragma once

#include <QApplication>
#include <QTest>

// Window tests run headless, and no platform theme may open a native dialog.
#define PARL_QTEST_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        qunsetenv("QT_QPA_PLATFORMTHEME");                                                         \
        QApplication app(argc, argv);                                                              \
        TestClass tc;                                                                              \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
