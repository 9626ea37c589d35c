// The picture programs start the window as on a first start: offscreen
// (unless a platform is chosen), with settings and data folders of their own
// that go with the program, under the window's own application names.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

class PictureApplication {
public:
    // The environment is set before the application reads it.
    PictureApplication(int& argc, char** argv) : app((Prepare(home), argc), argv) {
        QApplication::setOrganizationName(QStringLiteral("H2O_ORV"));
        QApplication::setApplicationName(QStringLiteral("p_H2O_ORV"));
    }

private:
    static void Prepare(const QTemporaryDir& home) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }

    const QTemporaryDir home;
    QApplication app;
};
