// Suites of the model and of export run inside a QGuiApplication on the offscreen platform:
// painting, fonts and events work without a display, and nothing may need a widget.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Settings written by a test never reach the user's own.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
