#include "state_file.h"

#include "text_to_real.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString FormatName = u"H2O_ORV table of states"_s;
// Raised when the layout changes; a file of another version is not read.
constexpr int FormatVersion = 1;

// By Phase.
const QString PhaseKeys[] = {u"state"_s, u"water"_s, u"steam"_s};

QString KeyOf(Quantity quantity) {
    return QLatin1String(RowOf(quantity).symbol);
}

QJsonObject TypedObject(const QMap<Quantity, QString>& typed) {
    QJsonObject object;
    for (auto it = typed.begin(); it != typed.end(); ++it) object.insert(KeyOf(it.key()), it.value());
    return object;
}

QJsonObject ValuesObject(const QList<StoredValue>& values) {
    QJsonObject byPhase[std::size(PhaseKeys)];
    for (const StoredValue& v : values)
        byPhase[int(v.phase)].insert(KeyOf(v.quantity),
                                     std::isfinite(v.value) ? QJsonValue(v.value) : QJsonValue(QJsonValue::Null));
    QJsonObject object;
    for (std::size_t phase = 0; phase < std::size(PhaseKeys); ++phase)
        if (!byPhase[phase].isEmpty()) object.insert(PhaseKeys[phase], byPhase[phase]);
    return object;
}

QJsonObject RowObject(const StateRow& row) {
    QJsonObject object{{u"number"_s, row.number},
                       {u"mode"_s, int(row.request.mode)},
                       {u"saturationInput"_s, int(row.request.saturationInput)},
                       {u"typed"_s, TypedObject(row.request.typed)},
                       {u"transport"_s, TransportKey(row.request.transport)},
                       {u"phase"_s, row.phaseName},
                       {u"values"_s, ValuesObject(row.values)}};
    // The mode's options where they are not the default, so that a recall
    // computes the same state.
    const ModeOptions& options = row.request.options;
    if (options.branch != StateBranch::Default) object.insert(u"branch"_s, int(options.branch));
    if (options.metastable) object.insert(u"metastable"_s, true);
    return object;
}

// Reading: the first thing that is not as StatesFileText writes it ends the
// reading with its reason.
struct Damage {
    QString reason;
};

QJsonObject ObjectOf(const QJsonValue& value, const QString& what) {
    if (!value.isObject()) throw Damage{what + u" is not an object"_s};
    return value.toObject();
}

// A whole number in [lowest, highest]. Qt reads a JSON integer as a 64-bit
// one, exactly also beyond 2^53; toInteger gives its default for a fraction,
// a number beyond 64 bits or no number, so two defaults disagree on those.
qint64 IntegerOf(const QJsonValue& value, const QString& what, qint64 lowest, qint64 highest) {
    const qint64 number = value.toInteger(0);
    if (number != value.toInteger(1) || number < lowest || number > highest)
        throw Damage{what + u" is no whole number from "_s + QString::number(lowest) + u" to "_s +
                     QString::number(highest)};
    return number;
}

Quantity QuantityNamed(const QString& key) {
    for (int q = 0; q < QuantityCount; ++q)
        if (key == KeyOf(Quantity(q))) return Quantity(q);
    throw Damage{u"unknown quantity \""_s + key + u'"'};
}

CalculationRequest RequestOf(const QJsonObject& object) {
    constexpr int anyInt = std::numeric_limits<int>::max();
    CalculationRequest request{
        InputMode(IntegerOf(object[u"mode"_s], u"a mode"_s, 0, anyInt)),
        SaturationInput(IntegerOf(object[u"saturationInput"_s], u"a saturation input"_s, 0, anyInt)),
        {}};
    const QList<Quantity> inputs = InputsOf(request.mode, request.saturationInput);
    if (inputs.isEmpty()) throw Damage{u"unknown input mode"_s};
    // Rows written before the choice existed were computed by IAPS 1985.
    if (object.contains(u"transport"_s)) {
        const std::optional<Transport> transport = TransportOfKey(object[u"transport"_s].toString());
        if (!transport) throw Damage{u"unknown transport formulation"_s};
        request.transport = *transport;
    }
    // Rows without them were computed with the defaults.
    if (object.contains(u"branch"_s))
        request.options.branch = StateBranch(
            IntegerOf(object[u"branch"_s], u"a branch"_s, int(StateBranch::Default), int(StateBranch::Wet)));
    request.options.metastable = object[u"metastable"_s].toBool(false);
    const QJsonObject typed = ObjectOf(object[u"typed"_s], u"the typed inputs"_s);
    for (auto it = typed.begin(); it != typed.end(); ++it) {
        const Quantity input = QuantityNamed(it.key());
        if (!inputs.contains(input) || !it.value().isString()) throw Damage{u"a typed input is not the mode's"_s};
        // The run read it: a text that is no number was not written by a run.
        try {
            TextToReal(it.value().toString());
        } catch (const InvalidNumber&) {
            throw Damage{u"a typed input is not a number"_s};
        }
        request.typed.insert(input, it.value().toString());
    }
    return request;
}

// The values in the order of the run's outputs: by phase, then by row.
QList<StoredValue> ValuesOf(const QJsonObject& object) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (std::find(std::begin(PhaseKeys), std::end(PhaseKeys), it.key()) == std::end(PhaseKeys))
            throw Damage{u"unknown phase \""_s + it.key() + u'"'};
    QList<StoredValue> values;
    for (std::size_t phase = 0; phase < std::size(PhaseKeys); ++phase) {
        if (!object.contains(PhaseKeys[phase])) continue;
        const QJsonObject byQuantity = ObjectOf(object[PhaseKeys[phase]], u"a phase's values"_s);
        for (auto it = byQuantity.begin(); it != byQuantity.end(); ++it) {
            if (!it.value().isDouble() && !it.value().isNull()) throw Damage{u"a value is no number"_s};
            values.append(
                {QuantityNamed(it.key()), Phase(phase), it.value().toDouble(std::numeric_limits<double>::quiet_NaN())});
        }
    }
    std::sort(values.begin(), values.end(), [](const StoredValue& a, const StoredValue& b) {
        return std::pair(a.phase, a.quantity) < std::pair(b.phase, b.quantity);
    });
    return values;
}

// Numbers rise from row to row, as the table gives them.
StateRow StateRowOf(const QJsonValue& value, qint64 previousNumber) {
    const QJsonObject object = ObjectOf(value, u"a state"_s);
    const QJsonValue phase = object[u"phase"_s];
    if (!phase.isString()) throw Damage{u"a phase name is no text"_s};
    const qint64 number = IntegerOf(object[u"number"_s], u"a number"_s, 1, LargestStateNumber);
    if (number <= previousNumber) throw Damage{u"the numbers do not rise"_s};
    return {number, RequestOf(object), phase.toString(), ValuesOf(ObjectOf(object[u"values"_s], u"the values"_s))};
}

}  // namespace

QByteArray StatesFileText(const QList<StateRow>& rows, qint64 highest) {
    QJsonArray states;
    for (const StateRow& row : rows) states.append(RowObject(row));
    if (!rows.isEmpty()) highest = std::max(highest, rows.back().number);
    return QJsonDocument(QJsonObject{{u"format"_s, FormatName},
                                     {u"version"_s, FormatVersion},
                                     {u"highest"_s, highest},
                                     {u"states"_s, states}})
        .toJson();
}

std::optional<QList<StateRow>> ReadStatesFile(const QByteArray& text, QString* reason, qint64* highest) {
    try {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError) throw Damage{error.errorString()};
        if (!document.isObject()) throw Damage{u"the file is not an object"_s};
        const QJsonObject root = document.object();
        if (root[u"format"_s] != FormatName) throw Damage{u"not a table of states"_s};
        if (root[u"version"_s] != FormatVersion) throw Damage{u"a version this program does not read"_s};
        const QJsonValue states = root[u"states"_s];
        if (!states.isArray()) throw Damage{u"no list of states"_s};
        QList<StateRow> rows;
        for (const QJsonValue& state : states.toArray())
            rows.append(StateRowOf(state, rows.isEmpty() ? 0 : rows.back().number));
        const qint64 last = rows.isEmpty() ? 0 : rows.back().number;
        // Older files do not keep it.
        const qint64 kept = root.contains(u"highest"_s)
                                ? IntegerOf(root[u"highest"_s], u"the largest number"_s, last, LargestStateNumber)
                                : last;
        if (highest != nullptr) *highest = kept;
        return rows;
    } catch (const Damage& damage) {
        if (reason != nullptr) *reason = damage.reason;
        return std::nullopt;
    }
}
