#include "equipment_page.h"

#include "cycle_form.h"
#include "equipment_form.h"
#include "equipment_print.h"
#include "message_box.h"
#include "process_diagram.h"
#include "save_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString OperationKey = u"equipment/operation"_s;
const QString CycleName = u"Rankine cycle"_s;

QTableWidget* NewTable(const QString& name) {
    auto* table = new QTableWidget;
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    return table;
}

void Fill(QTableWidget* table, const QStringList& header, const QList<QStringList>& rows) {
    table->clear();
    table->setColumnCount(int(header.size()));
    table->setRowCount(int(rows.size()));
    table->setHorizontalHeaderLabels(header);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(r, c, item);
        }
    table->resizeColumnsToContents();
}

// A name of the operation a file is proposed under: "Turbine" → "turbine".
QString FileStem(const QString& title) {
    return title.toLower().replace(u' ', u'_');
}

}  // namespace

EquipmentPage::EquipmentPage(QWidget* parent)
    : QWidget(parent),
      operation(new QComboBox),
      fromSelected(new QPushButton(u"From selected s&tates"_s)),
      calculateCommand(new QPushButton(u"Calc&ulate"_s)),
      forms(new QStackedWidget),
      cycle(new CycleForm),
      resultViews(new QTabWidget),
      streams(NewTable(u"streams"_s)),
      figures(NewTable(u"figures"_s)),
      processDiagram(new ProcessDiagram),
      addToTable(new QPushButton(u"&Add to table of states"_s)) {
    setObjectName(u"Equipment"_s);
    operation->setObjectName(u"operation"_s);
    for (const OperationRow& row : Operations()) {
        operation->addItem(QLatin1String(row.name));
        auto* form = new OperationForm(row);
        operationForms.append(form);
        forms->addWidget(form);
    }
    operation->addItem(CycleName);
    forms->addWidget(cycle);
    fromSelected->setToolTip(u"The inlet states from the selected rows of the table of states, in their order"_s);
    addToTable->setToolTip(u"The streams of the selected rows of the results as new states of the table"_s);
    calculateCommand->setDefault(true);
    for (QLineEdit* edit : forms->findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::returnPressed, this, &EquipmentPage::calculate);

    auto* top = new QHBoxLayout;
    auto* operationCaption = new QLabel(u"&Operation"_s);
    operationCaption->setBuddy(operation);
    top->addWidget(operationCaption);
    top->addWidget(operation);
    top->addWidget(fromSelected);
    top->addStretch();
    top->addWidget(calculateCommand);

    auto* tablesPage = new QWidget;
    auto* tables = new QVBoxLayout(tablesPage);
    tables->setContentsMargins(2, 2, 2, 2);
    tables->addWidget(streams, 3);
    tables->addWidget(figures, 2);
    resultViews->addTab(tablesPage, u"Streams and figures"_s);
    resultViews->addTab(processDiagram, u"Diagram"_s);
    resultViews->setCornerWidget(processDiagram->kindBox());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addToTable);
    buttons->addStretch();
    for (const auto& [text, slot] :
         {std::pair{u"Cop&y"_s, &EquipmentPage::copyReport}, std::pair{u"C&SV…"_s, &EquipmentPage::exportCsvByDialog},
          std::pair{u"&Print…"_s, &EquipmentPage::printReport},
          std::pair{u"P&DF…"_s, &EquipmentPage::savePdfByDialog}}) {
        auto* button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(forms);
    layout->addWidget(resultViews, 1);
    layout->addLayout(buttons);

    connect(operation, &QComboBox::currentIndexChanged, this, [this](int index) {
        showForm(index);
        if (!loading) QSettings().setValue(OperationKey, operation->currentText());
    });
    connect(calculateCommand, &QPushButton::clicked, this, &EquipmentPage::calculate);
    connect(fromSelected, &QPushButton::clicked, this, &EquipmentPage::takeSelectedStates);
    connect(addToTable, &QPushButton::clicked, this, &EquipmentPage::addSelectedStreams);

    loading = true;
    QSettings settings;
    units = LoadUnits(settings);
    for (OperationForm* form : operationForms) form->load(units);
    cycle->load(units);
    processDiagram->setUnits(units);
    operation->setCurrentIndex(std::max(0, operation->findText(settings.value(OperationKey).toString())));
    showForm(operation->currentIndex());
    loading = false;
}

EquipmentPage::~EquipmentPage() = default;

// The form area is as tall as the form shown: the results get the rest.
void EquipmentPage::showForm(int index) {
    for (int i = 0; i < forms->count(); ++i)
        forms->widget(i)->setSizePolicy(i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                                        i == index ? QSizePolicy::Maximum : QSizePolicy::Ignored);
    forms->setCurrentIndex(index);
    forms->adjustSize();
}

bool EquipmentPage::cycleShown() const {
    return operation->currentIndex() == operationForms.size();
}

void EquipmentPage::showOperation(int index) {
    operation->setCurrentIndex(index);
}

void EquipmentPage::setUnits(const Units& shown) {
    if (shown == units) return;
    units = shown;
    for (OperationForm* form : operationForms) form->setUnits(units);
    cycle->setUnits(units);
    processDiagram->setUnits(units);
    showReport();
}

void EquipmentPage::setSelectedStatesSource(std::function<QList<StateRow>()> source) {
    selectedStates = std::move(source);
}

void EquipmentPage::refuse(QWidget* field, const QString& message) {
    ShowMessage(this, message);
    if (field == nullptr) return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void EquipmentPage::calculate() {
    const int index = operation->currentIndex();
    try {
        if (cycleShown()) {
            const RankineDefinition definition = cycle->read(units);
            const QList<ReportInput> inputs = cycle->reportInputs(units);
            cycle->save();
            try {
                shownReport = ReportOf(inputs, RankineCycle(definition));
            } catch (const EquipmentRefusal& refusal) {
                refuse(cycle->fieldOf(refusal.input), refusal.message);
                return;
            }
            shownLines = CycleLines(shownReport->streams);
        } else {
            OperationForm* form = operationForms[index];
            try {
                const OperationInput input = form->read(units);
                form->save();
                const OperationRow& row = form->row();
                shownReport = ReportOf(QLatin1String(row.name), form->reportInputs(units), row.run(input));
            } catch (const EquipmentRefusal& refusal) {
                refuse(form->fieldOf(refusal.input), refusal.message);
                return;
            }
            shownLines = ProcessLinesOf(form->row().operation, shownReport->streams.size());
        }
    } catch (const FormRefusal& refusal) {
        refuse(refusal.field, refusal.message);
        return;
    }
    processDiagram->showStreams(shownReport->streams, shownLines);
    showReport();
    emit processShown();
}

void EquipmentPage::showReport() {
    if (!shownReport) return;
    QList<QStringList> streamRows, figureRows;
    for (const NamedStream& stream : shownReport->streams) streamRows.append(StreamCells(stream, units, Digits::Shown));
    for (const ReportFigure& figure : shownReport->figures)
        figureRows.append(FigureCells(figure, units, Digits::Shown));
    Fill(streams, StreamHeader(units), streamRows);
    Fill(figures, FigureHeader(), figureRows);
    resultViews->setTabText(0, shownReport->title + u": streams and figures"_s);
}

void EquipmentPage::takeSelectedStates() {
    const QList<StateRow> rows = selectedStates ? selectedStates() : QList<StateRow>();
    QList<StateRow> states;
    for (const StateRow& row : rows)
        if (!row.request.saturation()) states.append(row);
    if (cycleShown() || states.isEmpty()) {
        ShowMessage(this, u" Select states of a state mode in the table of states"_s);
        return;
    }
    operationForms[operation->currentIndex()]->take(states, units);
}

void EquipmentPage::addSelectedStreams() {
    QList<int> rows;
    for (const QModelIndex& index : streams->selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (!shownReport || rows.isEmpty()) {
        ShowMessage(this, u" Select a stream in the results"_s);
        return;
    }
    for (const int row : rows) emit streamToTable(shownReport->streams.value(row).stream);
}

QString EquipmentPage::reportText() const {
    return shownReport ? ReportText(*shownReport, units) : QString();
}

void EquipmentPage::copyReport() {
    if (shownReport) QGuiApplication::clipboard()->setText(reportText());
}

bool EquipmentPage::exportCsv(const QString& path, QString* error) const {
    return shownReport && WriteWhole(path, ReportCsv(*shownReport, units), error);
}

void EquipmentPage::exportCsvByDialog() {
    if (!shownReport) return;
    const QString path = AskSavePath(this, u"Export the result as CSV"_s, FileStem(shownReport->title) + u".csv"_s,
                                     u"CSV files (*.csv)"_s);
    if (path.isEmpty()) return;
    QString error;
    if (!exportCsv(path, &error)) ShowMessage(this, u"The result was not exported: "_s + error);
}

// The diagram as the user last saw it, in black on white for paper.
QImage EquipmentPage::diagramPicture() const {
    DiagramChart* chart = processDiagram->chart();
    if (chart->width() < 200) chart->resize(640, 420);  // never shown yet
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"diagram.png"_s);
    QString error;
    return folder.isValid() && chart->save(path, &error) ? QImage(path) : QImage();
}

bool EquipmentPage::savePdf(const QString& path) const {
    if (!shownReport) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(shownReport->title);
    return PrintReport(printer, *shownReport, units, diagramPicture());
}

void EquipmentPage::savePdfByDialog() {
    if (!shownReport) return;
    const QString path = AskSavePath(this, u"Save the result as PDF"_s, FileStem(shownReport->title) + u".pdf"_s,
                                     u"PDF files (*.pdf)"_s);
    if (!path.isEmpty() && !savePdf(path)) ShowMessage(this, u"The PDF was not written: cannot write "_s + path);
}

void EquipmentPage::printReport() {
    if (!shownReport) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(shownReport->title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintReport(printer, *shownReport, units, diagramPicture()))
        ShowMessage(this, u"The printer could not start"_s);
}
