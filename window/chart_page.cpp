#include "chart_page.h"

#include "chart_print.h"
#include "chart_settings.h"
#include "isolines_dialog.h"
#include "message_box.h"
#include "save_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {


QPushButton* NewButton(const QString& text, const QString& name, QLayout* row) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

ChartPage::ChartPage(QWidget* parent)
    : QWidget(parent), view(new ChartView), status(new QStatusBar), cursorText(new QLabel), busy(new QProgressBar) {
    setObjectName(QStringLiteral("Chart_Page"));
    view->setObjectName(QStringLiteral("Chart_View"));
    status->setObjectName(QStringLiteral("Chart_Status"));
    status->setSizeGripEnabled(false);
    status->addPermanentWidget(cursorText);
    busy->setRange(0, 0);
    busy->setMaximumWidth(80);
    busy->setMaximumHeight(12);
    busy->hide();
    status->addPermanentWidget(busy);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 0);
    column->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    connect(NewButton(QStringLiteral("Isolines…"), QStringLiteral("Chart_Isolines"), buttons), &QPushButton::clicked,
            this, &ChartPage::chooseIsolines);
    connect(NewButton(QStringLiteral("Reset view"), QStringLiteral("Chart_ResetView"), buttons), &QPushButton::clicked,
            view, &ChartView::resetView);
    connect(NewButton(QStringLiteral("Export…"), QStringLiteral("Chart_Export"), buttons), &QPushButton::clicked,
            this, &ChartPage::exportByDialog);
    buttons->addStretch();
    column->addLayout(buttons);
    column->addWidget(view, 1);
    column->addWidget(status);

    connect(view, &ChartView::cursorMoved, cursorText, &QLabel::setText);
    connect(view, &ChartView::busyChanged, busy, &QWidget::setVisible);
    setKind(ChartKind::TemperatureEntropy);
}

void ChartPage::setKind(ChartKind kind) {
    QSettings settings;
    view->setKind(kind, LoadIsolineChoice(settings, kind));
}

void ChartPage::setUnits(const Units& shown) {
    units = shown;
    view->setUnits(shown);
}

void ChartPage::chooseIsolines() {
    IsolinesDialog dialog(view->kind(), view->isolineIds(), units, this);
    if (dialog.exec() == QDialog::Accepted) setIsolines(dialog.chosen());
}

void ChartPage::setIsolines(const std::vector<IsolineId>& ids) {
    QSettings settings;
    SaveIsolineChoice(settings, view->kind(), ids);
    view->setIsolineIds(ids);
}

void ChartPage::exportByDialog() {
    const QString path =
        AskSavePath(this, QStringLiteral("Export chart as"), QStringLiteral("chart.png"),
                    QStringLiteral("PNG images (*.png);;SVG drawings (*.svg);;PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!ExportChart(view->shownScene(), path, &error)) ShowMessage(this, QStringLiteral("The chart was not exported: ") + error);
}

void ChartPage::printByDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print chart"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintChart(printer, view->shownScene(), view->isolineIds()))
        ShowMessage(this, QStringLiteral("The chart was not printed: the printer could not be opened"));
}
