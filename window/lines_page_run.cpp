// The page's table: computed off the window's thread with its progress,
// shown, copied, exported, printed; the plot saved.
#include "lines_page.h"

#include "line_plot.h"
#include "line_print.h"
#include "line_table_model.h"
#include "message_box.h"
#include "save_dialog.h"

#include <QChartView>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// A table that takes longer than this shows its progress and a Cancel.
constexpr int ProgressAfterMilliseconds = 200;
constexpr int ProgressEveryMilliseconds = 50;
// Pages of more rows than this show their progress.
constexpr qsizetype RowsShowingPrintProgress = 2000;
}  // namespace

void LinesPage::makeTable() {
    if (busy()) return;
    const auto line = readDefinition();
    if (!line) return;
    const LinePoints points = PointsOf(*line);
    if (const auto* refusal = std::get_if<QString>(&points)) {
        refuse(step, *refusal);
        return;
    }
    saveSettings();
    const QList<LinePoint>& list = std::get<QList<LinePoint>>(points);
    cancelRequested = false;
    rowsDone = 0;
    rowsToDo = list.size();
    status->clear();
    make->setEnabled(false);
    watcher.setFuture(QtConcurrent::run([line = *line, list, this] {
        return ComputeLine(
            line, list, [this](qsizetype done) { rowsDone = done; }, &cancelRequested);
    }));
    QTimer::singleShot(ProgressAfterMilliseconds, this, [this] {
        if (!busy()) return;
        progress->setRange(0, int(rowsToDo));
        progress->setVisible(true);
        cancelButton->setVisible(true);
        progressTimer.start(ProgressEveryMilliseconds);
    });
}

void LinesPage::showProgress() {
    progress->setValue(int(rowsDone.load()));
}

void LinesPage::cancel() {
    cancelRequested = true;
}

bool LinesPage::busy() const {
    return watcher.isRunning();
}

void LinesPage::waitForTable() {
    watcher.waitForFinished();
    QCoreApplication::processEvents();  // the finished signal
}

// A cancelled table is dropped: the one shown before stays.
void LinesPage::finishTable() {
    progressTimer.stop();
    progress->setVisible(false);
    cancelButton->setVisible(false);
    make->setEnabled(true);
    const LineTable table = watcher.result();
    if (cancelRequested || table.rows.size() != rowsToDo) {
        status->setText(u"Cancelled"_s);
        return;
    }
    model->setTable(table, {}, units);
    model->setColumns(columns());
    view->resizeColumnsToContents();
    // The phase column as wide as the longest phase's name among the rows: a
    // refusal's longer text would push the values out of view; it is whole in
    // its tooltip.
    const QFontMetrics metrics = view->fontMetrics();
    int widestPhase = metrics.horizontalAdvance(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString());
    for (const LineRow& row : table.rows)
        if (std::holds_alternative<Outputs>(row.outcome))
            widestPhase = std::max(widestPhase, metrics.horizontalAdvance(RowNote(row)));
    view->setColumnWidth(0, std::min(view->columnWidth(0), widestPhase + 2 * metrics.averageCharWidth()));
    linePlot->setCurrent(table);
    qsizetype refused = 0;
    for (const LineRow& row : table.rows) refused += !std::holds_alternative<Outputs>(row.outcome);
    const qsizetype rows = table.rows.size();
    status->setText((rows == 1 ? u"1 row"_s : u"%1 rows"_s.arg(rows)) +
                    (refused == 0 ? QString() : u", %1 refused"_s.arg(refused)));
    emit tableReady();
}

const LineTable& LinesPage::table() const {
    return model->table();
}

QString LinesPage::tableText() const {
    QList<qsizetype> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return LineText(table(), model->columns(), units, rows);
}

void LinesPage::copyTable() {
    if (!table().rows.isEmpty()) QGuiApplication::clipboard()->setText(tableText());
}

bool LinesPage::exportCsv(const QString& path, QString* error) const {
    return WriteWhole(path, LineCsv(table(), model->columns(), units), error);
}

void LinesPage::exportCsvByDialog() {
    if (table().rows.isEmpty()) return;
    const QString path = AskSavePath(this, u"Export the line as CSV"_s, LineFileName(table().line) + u".csv"_s,
                                     u"CSV files (*.csv)"_s);
    if (path.isEmpty()) return;
    QString error;
    if (!exportCsv(path, &error)) ShowMessage(this, u"The line was not exported: "_s + error);
}

namespace {

// Wide tables read best across the page.
void Prepare(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

}  // namespace

// A long line's pages take a second or more: a busy cursor and a bar show
// the work meanwhile.
bool LinesPage::print(QPrinter& printer) {
    if (table().rows.size() < RowsShowingPrintProgress) return PrintLineTable(printer, table(), model->columns(), units);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QProgressDialog bar(u"Making the pages of the line…"_s, QString(), 0, 1, this);
    bar.setWindowModality(Qt::WindowModal);
    bar.setMinimumDuration(0);
    bar.setCancelButton(nullptr);
    const bool printed = PrintLineTable(printer, table(), model->columns(), units, [&bar](qsizetype done, qsizetype total) {
        bar.setMaximum(int(total));
        bar.setValue(int(done));
    });
    QGuiApplication::restoreOverrideCursor();
    return printed;
}

bool LinesPage::savePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(LineTitle(table().line));
    Prepare(printer);
    return print(printer);
}

void LinesPage::savePdfByDialog() {
    if (table().rows.isEmpty()) return;
    const QString path = AskSavePath(this, u"Save the line as PDF"_s, LineFileName(table().line) + u".pdf"_s,
                                     u"PDF files (*.pdf)"_s);
    if (!path.isEmpty() && !savePdf(path)) ShowMessage(this, u"The PDF was not written: cannot write "_s + path);
}

void LinesPage::printTable() {
    if (table().rows.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    // The print dialog proposes the document's name as the file printed to.
    printer.setDocName(LineFileName(table().line));
    Prepare(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!print(printer)) ShowMessage(this, u"The printer could not start"_s);
}

namespace {

// The size and resolution of a PNG of the plot: twice the screen's by default,
// the same plot, sharper.
std::optional<std::pair<QSize, int>> AskPictureSize(QWidget* parent, QSize onScreen) {
    QDialog dialog(parent);
    dialog.setWindowTitle(u"Size of the picture"_s);
    auto* width = new QSpinBox, *height = new QSpinBox, *resolution = new QSpinBox;
    for (QSpinBox* box : {width, height}) {
        box->setRange(100, 20000);
        box->setSuffix(u" px"_s);
    }
    resolution->setRange(48, 1200);
    resolution->setSuffix(u" dpi"_s);
    width->setValue(2 * onScreen.width());
    height->setValue(2 * onScreen.height());
    resolution->setValue(192);
    auto* form = new QFormLayout(&dialog);
    form->addRow(u"Width"_s, width);
    form->addRow(u"Height"_s, height);
    form->addRow(u"Resolution"_s, resolution);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::pair{QSize(width->value(), height->value()), resolution->value()};
}

}  // namespace

void LinesPage::savePlotByDialog() {
    const QString path = AskSavePath(this, u"Save plot as"_s, u"plot.png"_s,
                                     u"PNG images (*.png);;PDF documents (*.pdf);;SVG drawings (*.svg)"_s);
    if (path.isEmpty()) return;
    std::optional<std::pair<QSize, int>> size = std::pair{QSize(), 96};
    if (!path.endsWith(u".svg"_s, Qt::CaseInsensitive) && !path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        size = AskPictureSize(this, linePlot->chartView()->size());
    if (!size) return;
    QString error;
    if (!linePlot->save(path, &error, size->first, size->second)) ShowMessage(this, u"The plot was not saved: "_s + error);
}

