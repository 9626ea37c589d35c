// Start-up of the water and steam properties calculator: one window, opened in
// the (p, t) mode, until it is closed.

#include "u_H2O_ORV.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings and the table of states are kept under these names.
    QApplication::setOrganizationName(QStringLiteral("H2O_ORV"));
    QApplication::setApplicationName(QStringLiteral("p_H2O_ORV"));
    // The desktop matches the window to its menu entry, and so to the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("p_H2O_ORV"));
    TForm1 form;
    form.show();
    app.exec();
    return 0;
}
