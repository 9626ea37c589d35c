// The page's form: the kinds of line, their inputs and the start state, read
// into a definition or refused with the input named.
#include "lines_page.h"

#include "converted_input.h"
#include "line_plot.h"
#include "line_table_model.h"
#include "message_box.h"
#include "text_to_real.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

QString SymbolOf(Quantity q) {
    return QLatin1String(RowOf(q).inputSymbol);
}

// The value of a quantity in a row of the table of states.
std::optional<double> StoredOf(const StateRow& row, Quantity q) {
    for (const StoredValue& v : row.values)
        if (v.phase == Phase::State && v.quantity == q && !std::isnan(v.value)) return v.value;
    return std::nullopt;
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
    for (QWidget* control : std::initializer_list<QWidget*>{kind, stepKind, logarithmic})
        control->installEventFilter(this);
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
    // Tab leaves the table, as it leaves the table of states.
    view->setTabKeyNavigation(false);
    auto* tableButtons = new QHBoxLayout;
    // The keys: none an input or another command takes (Ctrl+P and Ctrl+T
    // choose the saturation inputs, Ctrl+E exports the states).
    const struct {
        QString button, entry;
        QKeySequence keys;
        void (LinesPage::*slot)();
        QAction* Commands::*action;
    } commandRows[] = {
        {u"Copy"_s, u"Copy &line table"_s, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), &LinesPage::copyTable,
         &Commands::copy},
        {u"CSV…"_s, u"Export line as CS&V…"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         &LinesPage::exportCsvByDialog, &Commands::csv},
        {u"Print…"_s, u"&Print line…"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &LinesPage::printTable,
         &Commands::print},
        {u"PDF…"_s, u"Save line as P&DF…"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
         &LinesPage::savePdfByDialog, &Commands::pdf},
    };
    for (const auto& row : commandRows) {
        QAction* action = new QAction(row.entry, this);
        action->setShortcut(row.keys);
        connect(action, &QAction::triggered, this, row.slot);
        tableCommands.*row.action = action;
        auto* button = new QPushButton(row.button);
        button->setToolTip(row.keys.toString(QKeySequence::NativeText));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        tableButtons->addWidget(button);
    }
    // Ctrl+C in the table copies its selected rows, as in the table of states.
    auto* copyRows = new QAction(u"Copy selected rows"_s, view);
    copyRows->setShortcut(QKeySequence::Copy);
    copyRows->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copyRows);
    connect(copyRows, &QAction::triggered, this, &LinesPage::copyTable);
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
    connect(&progressTimer, &QTimer::timeout, this, &LinesPage::showProgress);

    loadSettings();
    showKind();
}

LinesPage::~LinesPage() {
    cancelRequested = true;
    watcher.waitForFinished();
}

bool LinesPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            makeTable();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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

LinesPage::Range LinesPage::shownRange() const {
    return {fixed->text(), from->text(),   to->text(), step->text(), StepKind(stepKind->currentData().toInt()),
            startP->text(), startT->text(), start,      logarithmicChosen};
}

void LinesPage::keepRange() {
    ranges[int(shownKind)] = shownRange();
}

void LinesPage::showRange() {
    shownKind = lineKind();
    const Range& range = ranges[int(shownKind)];
    fixed->setText(range.fixed);
    from->setText(range.from);
    to->setText(range.to);
    step->setText(range.step);
    stepKind->setCurrentIndex(std::max(0, stepKind->findData(int(range.stepKind))));
    startP->setText(range.startP);
    startT->setText(range.startT);
    start = range.start;
    logarithmicChosen = range.logarithmic;
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

