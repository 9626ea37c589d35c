// The window tests need a QApplication; they run without a display, and with
// settings and data folders of their own, so that neither the user's settings
// nor another test process running beside them can change what they see.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Test discovery runs this program without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SCREEN);
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("H2O_ORV"));
    QApplication::setApplicationName(QStringLiteral("p_H2O_ORV"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
