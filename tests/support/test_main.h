#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

// Like QTEST_MAIN, but with Qt's own dialogs (a native dialog is no QWidget a test can
// answer) and with the settings kept away from the real user's.
#define KELVRA_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
