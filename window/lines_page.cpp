#include "lines_page.h"

#include "converted_input.h"
#include "line_plot.h"
#include "line_print.h"
#include "line_table_model.h"
#include "message_box.h"
#include "save_dialog.h"
#include "text_to_real.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// A table that takes longer than this shows its progress and a Cancel.
constexpr int ProgressAfterMilliseconds = 200;
constexpr int ProgressEveryMilliseconds = 50;

bool OnSaturationLine(LineKind kind) {
    return kind == LineKind::SaturationByT || kind == LineKind::SaturationByP;
}

bool FromStartState(LineKind kind) {
    return kind == LineKind::Isentrope || kind == LineKind::Isenthalp;
}

QString Group(const QString& key) {
    return u"lines/"_s + key;
}

QString SymbolOf(Quantity q) {
    return QLatin1String(RowOf(q).inputSymbol);
}

// A quantity in the settings: its result symbol, which no two quantities share
// ("Cp", "Cv"; their names are both "Heat capacity").
QString KeyOf(Quantity q) {
    return QLatin1String(RowOf(q).symbol);
}

// The value of a quantity in a row of the table of states.
std::optional<double> StoredOf(const StateRow& row, Quantity q) {
    for (const StoredValue& v : row.values)
        if (v.phase == Phase::State && v.quantity == q && !std::isnan(v.value)) return v.value;
    return std::nullopt;
}

// The range each kind of line shows before it is first made, in the core's
// units, and the key its kept range has in the settings. Pressures run by a
// number of points, which means the same spaced evenly or logarithmically.
struct FirstRange {
    const char16_t *key, *fixed, *from, *to, *step;
    StepKind stepKind;
};
constexpr FirstRange FirstRanges[LineKindCount] = {
    {u"isobar", u"1", u"20", u"300", u"10", StepKind::Increment},
    {u"isotherm", u"300", u"1", u"20", u"20", StepKind::Points},
    {u"saturationByT", u"", u"20", u"370", u"10", StepKind::Increment},
    {u"saturationByP", u"", u"1", u"21", u"21", StepKind::Points},
    {u"isentrope", u"", u"10", u"0.1", u"10", StepKind::Points},
    {u"isenthalp", u"", u"10", u"0.1", u"10", StepKind::Points},
};

// A step of a line in other units: an increment converted as a difference; a
// factor or a number of points as it is.
QString ConvertedStep(const QString& typed, Quantity q, bool increment, const Units& before, const Units& after) {
    if (!increment || before == after) return typed;
    try {
        const double core = FromShown(q, TextToReal(typed), before) - FromShown(q, 0, before);
        return InputNumberText(ToShown(q, core, after) - ToShown(q, 0, after));
    } catch (const InvalidNumber&) {
        return typed;
    }
}

// "s = 6.597 kJ/(kg.C)": the start state's s or h as the calculator writes it.
QString StartText(Quantity q, double value, const Units& units) {
    return SymbolOf(q) + u" = "_s + OutputText(q, value, Place::ByPT, units) + u' ' + UnitText(q, units);
}

}  // namespace

LinesPage::LinesPage(QWidget* parent)
    : QWidget(parent),
      kind(new QComboBox),
      fixedCaption(new QLabel),
      fixed(new QLineEdit),
      startCaption(new QLabel),
      startP(new QLineEdit),
      startTCaption(new QLabel),
      startT(new QLineEdit),
      fromSelected(new QPushButton(u"From selected state"_s)),
      startResult(new QLabel),
      rangeCaption(new QLabel),
      from(new QLineEdit),
      to(new QLineEdit),
      rangeUnit(new QLabel),
      stepKind(new QComboBox),
      step(new QLineEdit),
      logarithmic(new QCheckBox(u"logarithmic"_s)),
      columnsButton(new QToolButton),
      make(new QPushButton(u"Make table"_s)),
      cancelButton(new QPushButton(u"Cancel"_s)),
      progress(new QProgressBar),
      status(new QLabel),
      tableAndPlot(new QTabWidget),
      view(new QTableView),
      model(new LineTableModel(this)),
      linePlot(new LinePlot) {
    for (int k = 0; k < LineKindCount; ++k) kind->addItem(LineKindName(LineKind(k)), k);
    stepKind->addItem(u"Step"_s, int(StepKind::Increment));
    stepKind->addItem(u"Points"_s, int(StepKind::Points));
    stepKind->setToolTip(u"A step from the first value, or a number of points evenly spaced"_s);
    logarithmic->setToolTip(u"Pressures evenly spaced in their logarithm; a step is then a factor"_s);
    startResult->setObjectName(u"startResult"_s);
    status->setObjectName(u"status"_s);
    fromSelected->setToolTip(u"The start state from the selected row of the table of states"_s);
    columnsButton->setText(u"Columns"_s);
    columnsButton->setPopupMode(QToolButton::InstantPopup);
    columnsButton->setMenu(new QMenu(columnsButton));
    make->setDefault(true);
    for (QLineEdit* edit : {fixed, startP, startT, from, to, step}) {
        edit->setMinimumWidth(60);
        connect(edit, &QLineEdit::returnPressed, this, &LinesPage::makeTable);
    }
    // A typed start state is no longer the one taken from the table.
    for (QLineEdit* edit : {startP, startT})
        connect(edit, &QLineEdit::textEdited, this, [this] {
            start.reset();
            startResult->clear();
        });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"Line"_s), 0, 0);
    grid->addWidget(kind, 0, 1, 1, 3);
    grid->addWidget(fixedCaption, 1, 0);
    grid->addWidget(fixed, 1, 1);
    grid->addWidget(startCaption, 1, 0);
    grid->addWidget(startP, 1, 1);
    grid->addWidget(startTCaption, 1, 2);
    grid->addWidget(startT, 1, 3);
    grid->addWidget(fromSelected, 0, 4, 1, 2);
    grid->addWidget(startResult, 1, 4, 1, 2);
    grid->addWidget(rangeCaption, 2, 0);
    grid->addWidget(from, 2, 1);
    grid->addWidget(new QLabel(u"to"_s), 2, 2, Qt::AlignRight);
    grid->addWidget(to, 2, 3);
    grid->addWidget(rangeUnit, 2, 4);
    grid->addWidget(stepKind, 3, 0);
    grid->addWidget(step, 3, 1);
    grid->addWidget(logarithmic, 3, 2, 1, 2);
    grid->addWidget(columnsButton, 3, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* run = new QHBoxLayout;
    run->addWidget(make);
    run->addWidget(cancelButton);
    run->addWidget(progress, 1);
    run->addWidget(status, 1);
    progress->setVisible(false);
    cancelButton->setVisible(false);

    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    auto* tablePage = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(2, 2, 2, 2);
    tableLayout->addWidget(view, 1);
    auto* tableButtons = new QHBoxLayout;
    for (const auto& [text, slot] :
         {std::pair{u"Copy"_s, &LinesPage::copyTable}, std::pair{u"CSV…"_s, &LinesPage::exportCsvByDialog},
          std::pair{u"Print…"_s, &LinesPage::printTable}, std::pair{u"PDF…"_s, &LinesPage::savePdfByDialog}}) {
        auto* button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, slot);
        tableButtons->addWidget(button);
    }
    tableLayout->addLayout(tableButtons);
    auto* plotPage = new QWidget;
    auto* plotLayout = new QVBoxLayout(plotPage);
    plotLayout->setContentsMargins(2, 2, 2, 2);
    plotLayout->addWidget(linePlot, 1);
    auto* savePlot = new QPushButton(u"Save plot…"_s);
    connect(savePlot, &QPushButton::clicked, this, &LinesPage::savePlotByDialog);
    plotLayout->addWidget(savePlot, 0, Qt::AlignRight);
    tableAndPlot->addTab(tablePage, u"Table"_s);
    tableAndPlot->addTab(plotPage, u"Plot"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(grid);
    layout->addLayout(run);
    layout->addWidget(tableAndPlot, 1);

    connect(kind, &QComboBox::currentIndexChanged, this, [this] {
        keepRange();
        showRange();
        showKind();
        saveSettings();
    });
    connect(stepKind, &QComboBox::currentIndexChanged, this, [this] { showUnits(); });
    connect(logarithmic, &QCheckBox::toggled, this, [this](bool on) {
        if (logarithmic->isEnabled()) logarithmicChosen = on;
        showUnits();
    });
    connect(make, &QPushButton::clicked, this, &LinesPage::makeTable);
    connect(cancelButton, &QPushButton::clicked, this, &LinesPage::cancel);
    connect(fromSelected, &QPushButton::clicked, this, &LinesPage::takeSelectedState);
    connect(&watcher, &QFutureWatcher<LineTable>::finished, this, &LinesPage::finishTable);
    connect(linePlot, &LinePlot::settingsChanged, this, &LinesPage::saveSettings);
    progressTimer.setInterval(ProgressEveryMilliseconds);
    connect(&progressTimer, &QTimer::timeout, this, &LinesPage::showProgress);

    loadSettings();
    showKind();
}

LinesPage::~LinesPage() {
    cancelRequested = true;
    watcher.waitForFinished();
}

LineKind LinesPage::lineKind() const {
    return LineKind(kind->currentData().toInt());
}

void LinesPage::setSelectedStateSource(std::function<std::optional<StateRow>()> source) {
    selectedState = std::move(source);
}

// The inputs the kind of line reads, their captions and its columns.
void LinesPage::showKind() {
    const LineKind k = lineKind();
    const bool start = FromStartState(k);
    const auto fixedQuantity = FixedQuantity(k);
    fixedCaption->setVisible(fixedQuantity.has_value() && !start);
    fixed->setVisible(fixedQuantity.has_value() && !start);
    for (QWidget* w : std::initializer_list<QWidget*>{startCaption, startP, startTCaption, startT, startResult})
        w->setVisible(start);
    fromSelected->setEnabled(!OnSaturationLine(k));
    logarithmic->setEnabled(CanBeLogarithmic(k));
    {
        const QSignalBlocker quiet(logarithmic);
        logarithmic->setChecked(CanBeLogarithmic(k) && logarithmicChosen);
    }
    rebuildColumnMenu();
    showUnits();
    showStart();
}

void LinesPage::keepRange() {
    ranges[int(shownKind)] = {fixed->text(), from->text(), to->text(), step->text(),
                              StepKind(stepKind->currentData().toInt())};
}

void LinesPage::showRange() {
    shownKind = lineKind();
    const Range& range = ranges[int(shownKind)];
    fixed->setText(range.fixed);
    from->setText(range.from);
    to->setText(range.to);
    step->setText(range.step);
    stepKind->setCurrentIndex(std::max(0, stepKind->findData(int(range.stepKind))));
}

// "s = 6.597 kJ/(kg.C) (state 3)": the start state's s or h, in the shown units.
void LinesPage::showStart() {
    const auto q = FixedQuantity(lineKind());
    const auto value = start && q ? StoredOf(*start, *q) : std::nullopt;
    if (!value) {
        startResult->clear();
        return;
    }
    startResult->setText(StartText(*q, *value, units) +
                         (start->number > 0 ? u" (state %1)"_s.arg(start->number) : QString()));
}

void LinesPage::showUnits() {
    const LineKind k = lineKind();
    if (const auto q = FixedQuantity(k)) fixedCaption->setText(InputCaption(*q, false, units) + u" ="_s);
    startCaption->setText(u"start "_s + InputCaption(Q::Pressure, false, units));
    startTCaption->setText(InputCaption(Q::Temperature, false, units));
    const Quantity running = RunningQuantity(k);
    rangeCaption->setText(SymbolOf(running) + (OnSaturationLine(k) ? u"s"_s : QString()) + u" from"_s);
    rangeUnit->setText(UnitText(running, units));
    // What the step edit wants: a number of points, a factor or an increment in the unit.
    const bool factor = logarithmic->isChecked() && CanBeLogarithmic(k);
    QString wanted = factor ? u"factor"_s : UnitText(running, units);
    if (StepKind(stepKind->currentData().toInt()) == StepKind::Points) wanted = u"points"_s;
    step->setPlaceholderText(wanted);
    model->setUnits(units);
}

void LinesPage::rebuildColumnMenu() {
    QMenu* menu = columnsButton->menu();
    menu->clear();
    for (const Quantity q : ShowableQuantities(lineKind())) {
        QAction* action = menu->addAction(ResultCaption(q, OnSaturationLine(lineKind()), units));
        action->setCheckable(true);
        action->setChecked(chosen.contains(q));
        connect(action, &QAction::toggled, this, [this, q](bool on) {
            QList<Quantity> now = chosen;
            if (on && !now.contains(q)) now.append(q);
            if (!on) now.removeAll(q);
            setChosenQuantities(now);
        });
    }
}

void LinesPage::setChosenQuantities(const QList<Quantity>& quantities) {
    // In the order of the calculator's rows, whatever the order of choosing.
    chosen.clear();
    for (int q = 0; q < QuantityCount; ++q)
        if (quantities.contains(Quantity(q))) chosen.append(Quantity(q));
    model->setColumns(columns());
    saveSettings();
}

QList<LineColumn> LinesPage::columns() const {
    const LineKind k = model->table().rows.isEmpty() ? lineKind() : model->table().line.kind;
    QList<Quantity> shown;
    for (const Quantity q : chosen)
        if (ShowableQuantities(k).contains(q)) shown.append(q);
    return ColumnsOf(k, shown);
}

void LinesPage::setUnits(const Units& shown) {
    // The texts kept from the last start were typed in the units kept with them.
    if (unitsKnown && shown != units) convertTyped(units, shown);
    unitsKnown = true;
    units = shown;
    showUnits();
    showStart();
    rebuildColumnMenu();
    linePlot->setUnits(units);
    saveSettings();
}

// The typed values say the same in the new units: a value converted, a step
// converted as a difference; the kept ranges of the other kinds as well.
void LinesPage::convertTyped(const Units& before, const Units& after) {
    keepRange();
    for (int k = 0; k < LineKindCount; ++k) {
        Range& range = ranges[k];
        const LineKind line = LineKind(k);
        if (const auto q = FixedQuantity(line); q && !FromStartState(line))
            range.fixed = ConvertedInput(range.fixed, *q, before, after);
        const Quantity running = RunningQuantity(line);
        range.from = ConvertedInput(range.from, running, before, after);
        range.to = ConvertedInput(range.to, running, before, after);
        const bool factor = logarithmicChosen && CanBeLogarithmic(line);
        range.step =
            ConvertedStep(range.step, running, range.stepKind == StepKind::Increment && !factor, before, after);
    }
    startP->setText(ConvertedInput(startP->text(), Q::Pressure, before, after));
    startT->setText(ConvertedInput(startT->text(), Q::Temperature, before, after));
    showRange();
}

void LinesPage::refuse(QLineEdit* edit, const QString& message) {
    ShowMessage(this, message);
    if (edit != nullptr) {
        edit->setFocus();
        edit->selectAll();
    }
}

std::optional<double> LinesPage::readValue(QLineEdit* edit, const QString& symbol) {
    if (edit->text().trimmed().isEmpty()) {
        refuse(edit, u" Insert the "_s + symbol + u" value"_s);
        return std::nullopt;
    }
    try {
        return TextToReal(edit->text());
    } catch (const InvalidNumber& e) {
        refuse(edit, e.message());
        return std::nullopt;
    }
}

// The s or h of the start state, in the shown units: taken from the table of
// states, or the calculator's run of the typed (p, t), refused as it refuses.
std::optional<double> LinesPage::startValue(Quantity fixedQuantity) {
    if (start) {
        if (const auto value = StoredOf(*start, fixedQuantity)) return ToShown(fixedQuantity, *value, units);
    }
    const auto p = readValue(startP, u"p"_s);
    if (!p) return std::nullopt;
    const auto t = readValue(startT, u"t"_s);
    if (!t) return std::nullopt;
    const ModeRow* mode = ModeOf(InputMode::ByPT, SaturationInput::ByPs);
    const Outcome outcome = CalculateValues(
        *mode, {FromShown(Q::Pressure, *p, units), FromShown(Q::Temperature, *t, units)}, units, transport, dead);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        refuse(refusal->input == Q::Pressure ? startP : startT, refusal->message);
        return std::nullopt;
    }
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        ShowErrorReport(this, stop->explanation, stop->reason);
        return std::nullopt;
    }
    start = StateRow{0, {}, {}, {}};
    for (const Output& output : std::get<Outputs>(outcome).values)
        start->values.append({output.quantity, output.phase, output.value});
    showStart();
    if (const auto value = StoredOf(*start, fixedQuantity)) return ToShown(fixedQuantity, *value, units);
    return std::nullopt;
}

std::optional<LineDefinition> LinesPage::readDefinition() {
    LineDefinition line;
    line.kind = lineKind();
    line.units = units;
    line.transport = transport;
    line.dead = dead;
    if (const auto q = FixedQuantity(line.kind)) {
        const auto value = FromStartState(line.kind) ? startValue(*q) : readValue(fixed, SymbolOf(*q));
        if (!value) return std::nullopt;
        line.fixed = *value;
    }
    const QString symbol = SymbolOf(RunningQuantity(line.kind));
    const auto a = readValue(from, symbol + u" from"_s);
    if (!a) return std::nullopt;
    const auto b = readValue(to, symbol + u" to"_s);
    if (!b) return std::nullopt;
    line.from = *a;
    line.to = *b;
    line.stepKind = StepKind(stepKind->currentData().toInt());
    line.logarithmic = logarithmic->isChecked();
    const auto s = readValue(step, line.stepKind == StepKind::Points ? u"number of points"_s : u"step"_s);
    if (!s) return std::nullopt;
    if (line.stepKind == StepKind::Points) {
        if (*s != std::floor(*s) || std::abs(*s) > 1e9) {
            refuse(step, u" The number of points must be a whole number"_s);
            return std::nullopt;
        }
        line.points = int(*s);
    } else {
        line.step = *s;
    }
    return line;
}

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
        progressTimer.start();
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
    // The phase column as wide as the longest phase's name: a refusal's longer
    // text would push the values out of view; it is whole in its tooltip.
    const int widestPhase = view->fontMetrics().horizontalAdvance(u"Water near the critical point (IF97 region 3)"_s) +
                            2 * view->fontMetrics().averageCharWidth();
    view->setColumnWidth(0, std::min(view->columnWidth(0), widestPhase));
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

void LinesPage::takeSelectedState() {
    const std::optional<StateRow> row = selectedState ? selectedState() : std::nullopt;
    const LineKind k = lineKind();
    if (!row || !StoredOf(*row, Q::Entropy)) {
        ShowMessage(this, u" Select a state of a state mode in the table of states"_s);
        return;
    }
    const auto shown = [&](Quantity q) { return InputNumberText(ToShown(q, StoredOf(*row, q).value_or(NAN), units)); };
    if (k == LineKind::Isobar) fixed->setText(shown(Q::Pressure));
    if (k == LineKind::Isotherm) fixed->setText(shown(Q::Temperature));
    if (!FromStartState(k)) return;
    startP->setText(shown(Q::Pressure));
    startT->setText(shown(Q::Temperature));
    start = row;
    showStart();
}

QString LinesPage::tableText() const {
    return LineText(table(), model->columns(), units);
}

void LinesPage::copyTable() {
    if (!table().rows.isEmpty()) QGuiApplication::clipboard()->setText(tableText());
}

bool LinesPage::exportCsv(const QString& path, QString* error) const {
    return WriteWhole(path, LineCsv(table(), model->columns(), units), error);
}

void LinesPage::exportCsvByDialog() {
    if (table().rows.isEmpty()) return;
    const QString path = AskSavePath(this, u"Export the line as CSV"_s, u"line.csv"_s, u"CSV files (*.csv)"_s);
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

bool LinesPage::savePdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(LineTitle(table().line));
    Prepare(printer);
    return PrintLineTable(printer, table(), model->columns(), units);
}

void LinesPage::savePdfByDialog() {
    if (table().rows.isEmpty()) return;
    const QString path = AskSavePath(this, u"Save the line as PDF"_s, u"line.pdf"_s, u"PDF files (*.pdf)"_s);
    if (!path.isEmpty() && !savePdf(path)) ShowMessage(this, u"The PDF was not written: cannot write "_s + path);
}

void LinesPage::printTable() {
    if (table().rows.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(LineTitle(table().line));
    Prepare(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintLineTable(printer, table(), model->columns(), units)) ShowMessage(this, u"The printer could not start"_s);
}

void LinesPage::savePlotByDialog() {
    const QString path =
        AskSavePath(this, u"Save plot as"_s, u"plot.png"_s, u"PNG images (*.png);;SVG drawings (*.svg)"_s);
    if (path.isEmpty()) return;
    QString error;
    if (!linePlot->save(path, &error)) ShowMessage(this, u"The plot was not saved: "_s + error);
}

void LinesPage::saveSettings() const {
    if (loading) return;
    QSettings settings;
    settings.setValue(Group(u"kind"_s), int(lineKind()));
    for (int k = 0; k < LineKindCount; ++k) {
        const Range range = LineKind(k) == shownKind ? Range{fixed->text(), from->text(), to->text(), step->text(),
                                                             StepKind(stepKind->currentData().toInt())}
                                                     : ranges[k];
        const QString key = QString::fromUtf16(FirstRanges[k].key) + u'/';
        settings.setValue(Group(key + u"fixed"_s), range.fixed);
        settings.setValue(Group(key + u"from"_s), range.from);
        settings.setValue(Group(key + u"to"_s), range.to);
        settings.setValue(Group(key + u"step"_s), range.step);
        settings.setValue(Group(key + u"stepKind"_s), int(range.stepKind));
    }
    settings.setValue(Group(u"startP"_s), startP->text());
    settings.setValue(Group(u"startT"_s), startT->text());
    settings.setValue(Group(u"logarithmic"_s), logarithmicChosen);
    QStringList keys;
    for (const Quantity q : chosen) keys.append(KeyOf(q));
    settings.setValue(Group(u"columns"_s), keys);
    settings.setValue(Group(u"plotX"_s), KeyOf(linePlot->xQuantity()));
    settings.setValue(Group(u"plotY"_s), KeyOf(linePlot->yQuantity()));
    settings.setValue(Group(u"plotLogX"_s), linePlot->xLogarithmic());
    settings.setValue(Group(u"plotLogY"_s), linePlot->yLogarithmic());
}

namespace {

std::optional<Quantity> QuantityKeyed(const QString& key) {
    for (int q = 0; q < QuantityCount; ++q)
        if (key == KeyOf(Quantity(q))) return Quantity(q);
    return std::nullopt;
}

}  // namespace

// A first start shows a heater's isobar: water at 1 MPa from 20 °C to 300 °C.
// The texts kept are in the units kept with the window's; a kind of line never
// made shows its first range in them.
void LinesPage::loadSettings() {
    loading = true;
    QSettings settings;
    const Units kept = LoadUnits(settings);
    logarithmicChosen = settings.value(Group(u"logarithmic"_s), false).toBool();
    for (int k = 0; k < LineKindCount; ++k) {
        const FirstRange& first = FirstRanges[k];
        const LineKind line = LineKind(k);
        const Quantity running = RunningQuantity(line);
        const QString key = QString::fromUtf16(first.key) + u'/';
        const auto text = [&](const QString& name, const char16_t* initial, std::optional<Quantity> q) {
            const QString firstText =
                q ? ConvertedInput(QString::fromUtf16(initial), *q, {}, kept) : QString::fromUtf16(initial);
            return settings.value(Group(key + name), firstText).toString();
        };
        Range& range = ranges[k];
        range.stepKind = StepKind(settings.value(Group(key + u"stepKind"_s), int(first.stepKind)).toInt());
        range.fixed = text(u"fixed"_s, first.fixed, FixedQuantity(line));
        range.from = text(u"from"_s, first.from, running);
        range.to = text(u"to"_s, first.to, running);
        const bool increment = first.stepKind == StepKind::Increment && !(logarithmicChosen && CanBeLogarithmic(line));
        range.step = settings
                         .value(Group(key + u"step"_s),
                                ConvertedStep(QString::fromUtf16(first.step), running, increment, {}, kept))
                         .toString();
    }
    startP->setText(settings.value(Group(u"startP"_s), ConvertedInput(u"10"_s, Q::Pressure, {}, kept)).toString());
    startT->setText(settings.value(Group(u"startT"_s), ConvertedInput(u"500"_s, Q::Temperature, {}, kept)).toString());
    {
        const QSignalBlocker quiet(kind);
        kind->setCurrentIndex(std::max(0, kind->findData(settings.value(Group(u"kind"_s), 0).toInt())));
    }
    showRange();
    QList<Quantity> quantities;
    const QStringList keys = settings.value(Group(u"columns"_s)).toStringList();
    for (const QString& key : keys)
        if (const auto q = QuantityKeyed(key)) quantities.append(*q);
    // None known (nothing kept yet, or the names an earlier build kept): the defaults.
    const bool known = !quantities.isEmpty() || (settings.contains(Group(u"columns"_s)) && keys.isEmpty());
    setChosenQuantities(known ? quantities
                              : DefaultQuantities(LineKind::Isobar) + DefaultQuantities(LineKind::SaturationByT));
    const auto x = QuantityKeyed(settings.value(Group(u"plotX"_s)).toString());
    const auto y = QuantityKeyed(settings.value(Group(u"plotY"_s)).toString());
    linePlot->setAxes(x.value_or(Q::Entropy), y.value_or(Q::Enthalpy));
    linePlot->setLogarithmic(settings.value(Group(u"plotLogX"_s), false).toBool(),
                             settings.value(Group(u"plotLogY"_s), false).toBool());
    loading = false;
}
