#include <gtest/gtest.h>

#include <QGuiApplication>

// Text on pictures needs the fonts of a GUI application; no screen is used.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
