#include <gtest/gtest.h>

#include <QApplication>

// Windows are created for real on the offscreen platform, so no screen is needed.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
