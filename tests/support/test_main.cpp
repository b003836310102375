// Every suite runs inside one Qt application on the offscreen platform. Suites of the model
// and of export get a QGuiApplication (painting, fonts and events, and nothing may need a
// widget); suites of the interface and the programs a QApplication (QARN_TEST_WIDGETS).
#include <gtest/gtest.h>
#include <QStandardPaths>
#include <cstdlib>

#ifdef QARN_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Settings written by a test never reach the user's own.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
