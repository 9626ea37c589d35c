// The menu bar: every command of the window under the names and keys desktop
// users look for.
#include "u_H2O_ORV.h"

#include <QAction>
#include <QMenuBar>

void TForm1::buildMenuBar() {
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    edit->addAction(copyAllResultsAction);

    QMenu* help = menus->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"), this, &TForm1::showAbout);
}
