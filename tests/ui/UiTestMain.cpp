#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// UI tests run on Qt's offscreen platform so they need no display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // What a seat remembers of its data folders goes to a test location, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
