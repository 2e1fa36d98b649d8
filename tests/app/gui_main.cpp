#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Windows are created for real on the offscreen platform, so no screen is needed.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The viewer that tests start speaks Polish whatever the developer's locale.
    qputenv("LC_MESSAGES", "C");
    // Settings and desktop registrations of the windows under test stay out of the home folder.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
