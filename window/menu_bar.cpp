// The menu bar: every command of the window under the names and keys desktop
// users look for.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "chart_page.h"
#include "lines_page.h"
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
    const LinesPage::Commands& line = lines->commands();
    file->addSeparator();
    file->addActions({line.csv, line.pdf, line.print});
    file->addSeparator();
    file->addAction(QStringLiteral("E&xport chart…"), chart, &ChartPage::exportByDialog);
    file->addAction(QStringLiteral("&Print chart…"), chart, &ChartPage::printByDialog);
    file->addSeparator();
    // Ctrl+Q on every desktop: Windows' key scheme has no key for Quit.
    file->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    edit->addAction(copyAllResultsAction);
    edit->addAction(copySelectedStatesAction);
    edit->addAction(line.copy);

    QMenu* view = menus->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Units…"), this, &TForm1::chooseUnits);
    view->addAction(QStringLiteral("&Quantities…"), this, &TForm1::chooseQuantities);
    QMenu* diagram = view->addMenu(QStringLiteral("&Diagram"));
    diagramKinds = new QActionGroup(this);
    for (const ChartKindRow& row : ChartKinds()) {
        QAction* action = diagram->addAction(QString::fromUtf8(row.menuText), this,
                                             [this, kind = row.kind] { setChartKind(kind); });
        action->setCheckable(true);
        action->setChecked(row.kind == chart->kind());
        action->setData(int(row.kind));
        diagramKinds->addAction(action);
    }
    // No input takes Ctrl+L.
    view->addAction(QStringLiteral("&Lines"), QKeySequence(Qt::CTRL | Qt::Key_L), this, &TForm1::showLines);
    // M for machines: no input takes Ctrl+M.
    view->addAction(QStringLiteral("E&quipment"), QKeySequence(Qt::CTRL | Qt::Key_M), this, &TForm1::showEquipment);
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
}

void TForm1::saveDiagramByDialog() {
    const QString path = AskSavePath(this, QStringLiteral("Save diagram as"), QStringLiteral("diagram.png"),
                                     QStringLiteral("PNG images (*.png);;SVG drawings (*.svg)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ui->Chart_TS->save(path, &error)) ShowMessage(this, QStringLiteral("The diagram was not saved: ") + error);
}
