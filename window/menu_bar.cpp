// The menu bar: every command of the window under the names and keys desktop
// users look for.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "message_box.h"
#include "save_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

void TForm1::buildMenuBar() {
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Export states as CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                    &TForm1::exportStatesByDialog);
    file->addAction(QStringLiteral("&Save diagram as…"), this, &TForm1::saveDiagramByDialog);
    file->addSeparator();
    // Ctrl+Q on every desktop: Windows' key scheme has no key for Quit.
    file->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    edit->addAction(copyAllResultsAction);
    edit->addAction(copySelectedStatesAction);

    QMenu* view = menus->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Units…"), this, &TForm1::chooseUnits);
    view->addAction(QStringLiteral("&Quantities…"), this, &TForm1::chooseQuantities);
    QMenu* diagram = view->addMenu(QStringLiteral("&Diagram"));
    diagramKinds = new QActionGroup(this);
    for (const auto& [text, kind] :
         {std::pair{QStringLiteral("&T–s (temperature–entropy)"), DiagramChart::Kind::TemperatureEntropy},
          std::pair{QStringLiteral("&h–s (enthalpy–entropy, Mollier)"), DiagramChart::Kind::EnthalpyEntropy}}) {
        QAction* action = diagram->addAction(text, this, [this, kind] { setDiagramKind(kind); });
        action->setCheckable(true);
        action->setChecked(kind == ui->Chart_TS->kind());
        action->setData(int(kind));
        diagramKinds->addAction(action);
    }
    // No input takes Ctrl+L.
    view->addAction(QStringLiteral("&Lines"), QKeySequence(Qt::CTRL | Qt::Key_L), this, &TForm1::showLines);
    addTransportMenu(view);
    view->addSeparator();
    // The keys desktop programs switch tabs by; no input uses them.
    view->addAction(QStringLiteral("&Next page"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), this,
                    [this] { showRightPage(+1); });
    view->addAction(QStringLiteral("&Previous page"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), this,
                    [this] { showRightPage(-1); });

    QMenu* help = menus->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"), this, &TForm1::showAbout);
}

void TForm1::setDiagramKind(DiagramChart::Kind kind) {
    ui->Chart_TS->setKind(kind);
    for (QAction* action : diagramKinds->actions()) action->setChecked(action->data().toInt() == int(kind));
}

void TForm1::saveDiagramByDialog() {
    const QString path = AskSavePath(this, QStringLiteral("Save diagram as"), QStringLiteral("diagram.png"),
                                     QStringLiteral("PNG images (*.png);;SVG drawings (*.svg)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ui->Chart_TS->save(path, &error)) ShowMessage(this, QStringLiteral("The diagram was not saved: ") + error);
}
