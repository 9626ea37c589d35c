#include "equipment_form.h"

#include "converted_input.h"
#include "state_table.h"
#include "text_to_real.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

using K = ParameterKind;
using O = Operation;

ValueUnit UnitOfQuantity(Quantity q) {
    return {RowOf(q).unit};
}

QString Shown(const ValueUnit& unit, double core, const Units& units) {
    return InputNumberText(ToShown(unit, core, units));
}

// The state a stream's form shows before anything is typed: what such
// equipment commonly takes, in the core's units.
struct FirstState {
    Operation operation;
    const char* key;
    const char* mode;
    double first, second, flow;
};
// clang-format off
constexpr FirstState FirstStates[] = {
    {O::Pump,          "inlet",  "p,x", 0.01, 0,   10},
    {O::TurbineTest,   "outlet", "p,t", 1,    240, 10},
    {O::Desuperheater, "inlet",  "p,t", 4,    400, 10},
    {O::Desuperheater, "spray",  "p,t", 6,    105, 0},
    {O::Heater,        "inlet",  "p,t", 1,    20,  10},
    {O::Header,        "inlet1", "p,t", 1,    250, 5},
    {O::Header,        "inlet2", "p,t", 1.2,  300, 3},
    {O::HeatLoss,      "inlet",  "p,t", 1,    250, 10},
    {O::FlashTank,     "inlet",  "p,t", 5,    250, 10},
    {O::Deaerator,     "water",  "p,t", 0.5,  60,  0},
    {O::Deaerator,     "steam",  "p,t", 0.3,  200, 0},
    {O::Boiler,        "feedwater", "p,t", 12, 200, 0},
    {O::Boiler,        "steam",  "p,t", 10,   500, 50},
    {O::Exchanger,     "hot",    "p,t", 1,    250, 2},
    {O::Exchanger,     "cold",   "p,t", 1.5,  20,  5},
};
// clang-format on
constexpr FirstState SteamAtTurbineInlet{O::Turbine, "", "p,t", 10, 500, 10};

const FirstState& FirstStateOf(Operation operation, const char* key) {
    for (const FirstState& state : FirstStates)
        if (state.operation == operation && QLatin1String(state.key) == QLatin1String(key)) return state;
    return SteamAtTurbineInlet;
}

// The extra inlets of a header, after the row's two.
constexpr int MostInlets = 5;
constexpr StreamRow ExtraInlets[] = {
    {"inlet3", "Inlet 3", true}, {"inlet4", "Inlet 4", true}, {"inlet5", "Inlet 5", true}};

}  // namespace

QString SettingsGroup(const QString& name) {
    return u"equipment/"_s + name + u'/';
}

bool NamesParameter(const QString& input, const char* key) {
    const QString first = input.section(u'.', 0, 0);
    return !first.isEmpty() && QLatin1String(key).startsWith(first);
}

double ReadNumber(QLineEdit* edit, const QString& name, const ValueUnit& unit, const Units& units) {
    if (edit->text().trimmed().isEmpty()) throw FormRefusal{u" Insert the "_s + name + u" value"_s, edit};
    try {
        return FromShown(unit, TextToReal(edit->text()), units);
    } catch (const InvalidNumber& e) {
        throw FormRefusal{e.message(), edit};
    }
}

// ---------------------------------------------------------------- a stream

StreamInput::StreamInput(const StreamRow& row, QGridLayout* grid, int line)
    : mode(new QComboBox),
      first(new QLineEdit),
      second(new QLineEdit),
      flow(row.flowGiven ? new QLineEdit : nullptr),
      streamRow(row),
      caption(new QLabel(u"<b>%1</b>"_s.arg(QLatin1String(row.caption)))),
      firstCaption(new QLabel),
      secondCaption(new QLabel) {
    for (qsizetype i = 0; i < Modes().size(); ++i)
        if (!Modes()[i].saturation()) mode->addItem(QString::fromLatin1(Modes()[i].item).remove(u"- "_s), int(i));
    mode->setToolTip(
        u"The state mode the values of %1 are typed in"_s.arg(QLatin1String(row.caption).toString().toLower()));
    grid->addWidget(caption, line, 0, 1, 2);
    grid->addWidget(mode, line, 2, 1, 2);
    grid->addWidget(firstCaption, line + 1, 0, Qt::AlignRight);
    grid->addWidget(first, line + 1, 1);
    grid->addWidget(secondCaption, line + 1, 2, Qt::AlignRight);
    grid->addWidget(second, line + 1, 3);
    if (flow != nullptr) {
        flowCaption = new QLabel;
        grid->addWidget(flowCaption, line, 4, Qt::AlignRight);
        grid->addWidget(flow, line, 5);
    }
    for (QLineEdit* edit : {first, second, flow})
        if (edit != nullptr) edit->setMinimumWidth(56);
    QObject::connect(mode, &QComboBox::currentIndexChanged, mode, [this] { showCaptions(); });
    showCaptions();
}

StreamInput::~StreamInput() = default;

const ModeRow& StreamInput::modeRow() const {
    return Modes()[mode->currentData().toInt()];
}

void StreamInput::showCaptions() {
    const QList<Quantity>& inputs = modeRow().inputs;
    firstCaption->setText(InputCaption(inputs.value(0), false, units));
    secondCaption->setText(InputCaption(inputs.value(1), false, units));
    if (flowCaption != nullptr) flowCaption->setText(u"Flow, "_s + UnitText(ValueUnit{UnitKind::MassFlow}, units));
}

Stream StreamInput::read(const Units& shown) const {
    const ModeRow& row = modeRow();
    InputValues values{};
    for (int i = 0; i < 2; ++i) {
        const Quantity q = row.inputs.value(i);
        values[i] = ReadNumber(i == 0 ? first : second, QLatin1String(RowOf(q).inputSymbol), UnitOfQuantity(q), shown);
    }
    const double massFlow = flow != nullptr ? ReadNumber(flow, u"mass flow"_s, {UnitKind::MassFlow}, shown) : 0;
    return StreamOf(row, values, massFlow, shown, QLatin1String(streamRow.key));
}

QList<ReportInput> StreamInput::reportInputs(const Units& shown) const {
    const QString name = QLatin1String(streamRow.caption);
    QList<ReportInput> inputs{{name + u" mode"_s, {}, NotDefined, mode->currentText()}};
    const ModeRow& row = modeRow();
    for (int i = 0; i < 2; ++i) {
        const Quantity q = row.inputs.value(i);
        QLineEdit* edit = i == 0 ? first : second;
        inputs.append({name + u' ' + QLatin1String(RowOf(q).inputSymbol),
                       UnitOfQuantity(q),
                       FromShown(q, TextToReal(edit->text()), shown),
                       {}});
    }
    if (flow != nullptr)
        inputs.append({name + u" mass flow"_s,
                       {UnitKind::MassFlow},
                       FromShown(ValueUnit{UnitKind::MassFlow}, TextToReal(flow->text()), shown),
                       {}});
    return inputs;
}

void StreamInput::take(const StateRow& row, const Units& shown) {
    if (row.request.saturation()) return;  // two phases, not one stream
    const ModeRow* taken = ModeOf(row.request.mode, row.request.saturationInput);
    const int at = taken != nullptr ? mode->findData(int(taken - Modes().data())) : -1;
    if (at < 0) return;
    mode->setCurrentIndex(at);
    first->setText(InputText(row, modeRow().inputs.value(0), shown));
    second->setText(InputText(row, modeRow().inputs.value(1), shown));
}

void StreamInput::setUnits(const Units& before, const Units& after) {
    const ModeRow& row = modeRow();
    first->setText(ConvertedInput(first->text(), row.inputs.value(0), before, after));
    second->setText(ConvertedInput(second->text(), row.inputs.value(1), before, after));
    if (flow != nullptr) flow->setText(ConvertedText(flow->text(), {UnitKind::MassFlow}, before, after));
    units = after;
    showCaptions();
}

void StreamInput::save(QSettings& settings, const QString& group) const {
    const QString key = group + QLatin1String(streamRow.key) + u'/';
    settings.setValue(key + u"mode"_s, QLatin1String(modeRow().key));
    settings.setValue(key + u"first"_s, first->text());
    settings.setValue(key + u"second"_s, second->text());
    if (flow != nullptr) settings.setValue(key + u"flow"_s, flow->text());
}

void StreamInput::load(QSettings& settings, const QString& group, Operation operation, const Units& shown) {
    const FirstState& state = FirstStateOf(operation, streamRow.key);
    const QString key = group + QLatin1String(streamRow.key) + u'/';
    const ModeRow* row = ModeByKey(settings.value(key + u"mode"_s, QLatin1String(state.mode)).toString());
    if (row == nullptr || row->saturation()) row = ModeByKey(QString::fromLatin1(state.mode));
    mode->setCurrentIndex(std::max(0, mode->findData(int(row - Modes().data()))));
    units = shown;
    showCaptions();
    const ModeRow* firstRow = ModeByKey(QString::fromLatin1(state.mode));
    const bool firstMode = row == firstRow;
    const auto text = [&](const QString& name, Quantity q, double value) {
        return settings.value(key + name, firstMode ? Shown(UnitOfQuantity(q), value, shown) : QString()).toString();
    };
    first->setText(text(u"first"_s, row->inputs.value(0), state.first));
    second->setText(text(u"second"_s, row->inputs.value(1), state.second));
    if (flow != nullptr)
        flow->setText(settings.value(key + u"flow"_s, Shown({UnitKind::MassFlow}, state.flow, shown)).toString());
}

QWidget* StreamInput::fieldOf(const QString& input) const {
    const QString key = QLatin1String(streamRow.key);
    if (input == key) return first;
    if (input == key + u".massFlow"_s) return flow;
    const ModeRow& row = modeRow();
    for (int i = 0; i < 2; ++i)
        if (input == key + u'.' + QLatin1String(RowOf(row.inputs.value(i)).inputSymbol)) return i == 0 ? first : second;
    return nullptr;
}

void StreamInput::setVisible(bool visible) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{caption, mode, firstCaption, first, secondCaption, second, flowCaption, flow})
        if (w != nullptr) w->setVisible(visible);
}

QList<QWidget*> StreamInput::focusOrder() const {
    QList<QWidget*> order{mode, first, second};
    if (flow != nullptr) order.append(flow);
    return order;
}

// ---------------------------------------------------------------- a parameter

ParameterInput::ParameterInput(const ParameterRow& row, QGridLayout* grid, int line, int column)
    : choice(row.choices.isEmpty() ? nullptr : new QComboBox),
      edit(new QLineEdit),
      parameterRow(row),
      caption(new QLabel(QLatin1String(row.caption))),
      unitLabel(new QLabel) {
    if (choice != nullptr) {
        for (const ParameterChoice& c : row.choices) choice->addItem(QLatin1String(c.caption));
        grid->addWidget(choice, line, column);
        // The choice names the parameter; the caption stays in the grid, hidden,
        // so that the form owns it.
        grid->addWidget(caption, line, column);
        caption->hide();
        QObject::connect(choice, &QComboBox::currentIndexChanged, edit, [this] { showUnit(); });
    } else {
        grid->addWidget(caption, line, column);
    }
    edit->setMinimumWidth(56);
    grid->addWidget(edit, line, column + 1);
    grid->addWidget(unitLabel, line, column + 2);
    showUnit();
}

ValueUnit ParameterInput::unit() const {
    const ParameterKind kind =
        choice != nullptr ? parameterRow.choices.value(choice->currentIndex()).kind : parameterRow.kind;
    return UnitOf(kind);
}

QString CaptionOf(const ParameterInput& input) {
    return input.choice != nullptr ? input.choice->currentText() : QLatin1String(input.row().caption);
}

OperationInput::Value ParameterInput::read(const Units& shown) const {
    return {ReadNumber(edit, CaptionOf(*this).toLower(), unit(), shown),
            choice != nullptr ? choice->currentIndex() : 0};
}

ReportInput ParameterInput::reportInput(const Units& shown) const {
    return {CaptionOf(*this), unit(), FromShown(unit(), TextToReal(edit->text()), shown), {}};
}

void ParameterInput::showUnit() {
    unitLabel->setText(UnitText(unit(), units));
}

void ParameterInput::setUnits(const Units& before, const Units& after) {
    edit->setText(ConvertedText(edit->text(), unit(), before, after));
    units = after;
    showUnit();
}

void ParameterInput::save(QSettings& settings, const QString& group) const {
    const QString key = group + QLatin1String(parameterRow.key);
    settings.setValue(key, edit->text());
    if (choice != nullptr) settings.setValue(key + u"Choice"_s, choice->currentIndex());
}

void ParameterInput::load(QSettings& settings, const QString& group, const Units& shown) {
    const QString key = group + QLatin1String(parameterRow.key);
    units = shown;
    if (choice != nullptr)
        choice->setCurrentIndex(std::clamp(settings.value(key + u"Choice"_s, 0).toInt(), 0, int(choice->count() - 1)));
    edit->setText(settings.value(key, Shown(UnitOf(parameterRow.kind), parameterRow.typical, shown)).toString());
    showUnit();
}

void ParameterInput::captionBy(QCheckBox* box, const QString& text, QGridLayout* grid, int line, int column) {
    caption->hide();
    box->setText(text);
    grid->addWidget(box, line, column);
}

void ParameterInput::setEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{caption, choice, edit, unitLabel})
        if (w != nullptr) w->setEnabled(enabled);
}

// ---------------------------------------------------------------- an operation

OperationForm::OperationForm(const OperationRow& row, QWidget* parent)
    : QWidget(parent), operationRow(row), streamGrid(new QGridLayout), inlets(int(row.streams.size())) {
    setObjectName(QLatin1String(row.function));
    auto* parameterGrid = new QGridLayout;
    for (QGridLayout* grid : {streamGrid, parameterGrid}) grid->setVerticalSpacing(3);
    int line = 0;
    for (const StreamRow& stream : row.streams) {
        streamInputs.push_back(std::make_unique<StreamInput>(stream, streamGrid, line));
        line += 2;
    }
    if (row.anyNumberOfStreams) {
        for (const StreamRow& extra : ExtraInlets) {
            if (int(streamInputs.size()) == MostInlets) break;
            streamInputs.push_back(std::make_unique<StreamInput>(extra, streamGrid, line));
            line += 2;
        }
        moreInlets = new QPushButton(u"&More inlets"_s);
        fewerInlets = new QPushButton(u"Fe&wer inlets"_s);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(moreInlets);
        buttons->addWidget(fewerInlets);
        buttons->addStretch();
        streamGrid->addLayout(buttons, line, 0, 1, 6);
        connect(moreInlets, &QPushButton::clicked, this, [this] { setInletCount(inlets + 1); });
        connect(fewerInlets, &QPushButton::clicked, this, [this] { setInletCount(inlets - 1); });
    }
    for (int i = 0; i < int(row.parameters.size()); ++i)
        parameterInputs.push_back(std::make_unique<ParameterInput>(row.parameters[i], parameterGrid, i));
    streamGrid->setRowStretch(line + 1, 1);
    parameterGrid->setRowStretch(int(row.parameters.size()), 1);
    parameterGrid->setColumnStretch(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(streamGrid, 3);
    layout->addSpacing(12);
    layout->addLayout(parameterGrid, 2);
    showInlets();
}

OperationForm::~OperationForm() = default;

QString OperationForm::group() const {
    return SettingsGroup(QLatin1String(operationRow.function));
}

void OperationForm::setInletCount(int count) {
    inlets = std::clamp(count, int(operationRow.streams.size()), int(streamInputs.size()));
    showInlets();
}

void OperationForm::showInlets() {
    for (int i = 0; i < int(streamInputs.size()); ++i) streamInputs[i]->setVisible(i < inlets);
    if (moreInlets != nullptr) {
        moreInlets->setEnabled(inlets < int(streamInputs.size()));
        fewerInlets->setEnabled(inlets > int(operationRow.streams.size()));
    }
    orderFocus();
}

// Tab runs down the streams, then the parameters.
void OperationForm::orderFocus() {
    QList<QWidget*> order;
    for (int i = 0; i < inlets; ++i) order += streamInputs[i]->focusOrder();
    if (moreInlets != nullptr) order << moreInlets << fewerInlets;
    for (const auto& parameter : parameterInputs) {
        if (parameter->choice != nullptr) order.append(parameter->choice);
        order.append(parameter->edit);
    }
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* OperationForm::firstField() const {
    return streamInputs.front()->first;
}

OperationInput OperationForm::read(const Units& shown) const {
    OperationInput input;
    for (int i = 0; i < inlets; ++i) input.streams.append(streamInputs[i]->read(shown));
    for (const auto& parameter : parameterInputs) input.parameters.append(parameter->read(shown));
    return input;
}

QList<ReportInput> OperationForm::reportInputs(const Units& shown) const {
    QList<ReportInput> inputs;
    for (int i = 0; i < inlets; ++i) inputs += streamInputs[i]->reportInputs(shown);
    for (const auto& parameter : parameterInputs) inputs.append(parameter->reportInput(shown));
    return inputs;
}

QWidget* OperationForm::fieldOf(const QString& input) const {
    for (int i = 0; i < inlets; ++i)
        if (QWidget* field = streamInputs[i]->fieldOf(input)) return field;
    for (const auto& parameter : parameterInputs)
        if (input == QLatin1String(parameter->row().key)) return parameter->edit;
    for (const auto& parameter : parameterInputs)
        if (NamesParameter(input, parameter->row().key)) return parameter->edit;
    return nullptr;
}

void OperationForm::take(const QList<StateRow>& rows, const Units& shown) {
    if (operationRow.anyNumberOfStreams) setInletCount(int(rows.size()));
    for (int i = 0; i < inlets && i < rows.size(); ++i) streamInputs[i]->take(rows[i], shown);
}

void OperationForm::setUnits(const Units& shown) {
    for (const auto& stream : streamInputs) stream->setUnits(units, shown);
    for (const auto& parameter : parameterInputs) parameter->setUnits(units, shown);
    units = shown;
}

void OperationForm::save() const {
    QSettings settings;
    for (const auto& stream : streamInputs) stream->save(settings, group());
    for (const auto& parameter : parameterInputs) parameter->save(settings, group());
    if (operationRow.anyNumberOfStreams) settings.setValue(group() + u"inlets"_s, inlets);
}

void OperationForm::load(const Units& shown) {
    QSettings settings;
    units = shown;
    for (const auto& stream : streamInputs) stream->load(settings, group(), operationRow.operation, shown);
    for (const auto& parameter : parameterInputs) parameter->load(settings, group(), shown);
    setInletCount(settings.value(group() + u"inlets"_s, int(operationRow.streams.size())).toInt());
}
