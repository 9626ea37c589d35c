// The Calculate command without its window. The mode's row says which values
// to read, how to check them and what to compute; every output is then
// formatted. A refused value ends the run by throwing its Refusal.
#include "calculation.h"

#include "TFS.h"
#include "calculation_values.h"
#include "phase_text.h"
#include "stop_explanation.h"
#include "text_to_real.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// The typed number of an input; an empty input is refused with its "Insert"
// message (" Insert the p value", " Insert the ts value"), a text that is no
// number with the conversion's message.
double ReadTyped(const CalculationRequest& request, Quantity input) {
    const QString text = request.typed.value(input);
    if (text.isEmpty()) {
        const QuantityRow& row = RowOf(input);
        const char* symbol = request.saturation() ? row.saturationSymbol : row.inputSymbol;
        throw Refusal{u" Insert the "_s + QLatin1String(symbol) + u" value"_s, input};
    }
    try {
        return FromShown(input, TextToReal(text), request.units);
    } catch (const InvalidNumber& e) {
        throw Refusal{e.message(), input};
    }
}

// Every quantity shown in the place, in the order of the rows.
void AddValues(Outputs& out, const QuantityValues& values, Phase phase, Place place, const Units& units,
               Written written) {
    for (int q = 0; q < QuantityCount; ++q) {
        const Format& format = FormatOf(Quantity(q), place);
        if (format.kind == Format::Kind::None) continue;
        const double value = values[Quantity(q)];
        out.values.append({Quantity(q), phase, value,
                           written == Written::Texts ? OutputText(Quantity(q), value, place, units) : QString()});
    }
}

// The result panel and the state panel. A wet-steam mixture has no heat
// capacity or transport properties: their edits are emptied. The diagram's
// isobar costs more than the state itself: a line of states goes without it.
Outputs StateOutputs(const StateValues& s, Place place, const Units& units, Transport transport, bool withDiagram,
                     Written written) {
    Outputs out;
    AddValues(out, s.values, Phase::State, place, units, written);
    for (Output& output : out.values)
        if (std::isnan(output.value))
            output.note =
                TransportGap(transport, output.quantity, s.values[Q::Pressure], s.values[Q::Temperature]);
    out.phaseName = PhaseOf(s);
    out.dryness = s.values[Q::Dryness];
    if (withDiagram)
        out.diagram = StateDiagramOf(s.values[Q::Pressure], s.values[Q::Entropy], s.values[Q::Temperature],
                                     s.values[Q::Enthalpy]);
    return out;
}

// Both sheets.
Outputs SaturationOutputs(const SaturationValues& r, const Units& units, Written written) {
    Outputs out;
    AddValues(out, r.water, Phase::SaturatedWater, Place::SaturatedWater, units, written);
    AddValues(out, r.steam, Phase::SaturatedSteam, Place::SaturatedSteam, units, written);
    return out;
}

// Checks the mode's values, computes; the exergy of each state or phase
// against the dead state.
Outputs RunValues(const ModeRow& mode, const InputValues& values, const Units& units, Transport transport,
                  const DeadState& dead, ModeOptions options, bool withDiagram, Written written) {
    mode.check(values, units, transport);
    if (options.branch == StateBranch::Default && !mode.branches.isEmpty()) options.branch = mode.branches.front();
    ModeValues computed = mode.compute(values, transport, options);
    if (auto* state = std::get_if<StateValues>(&computed.values)) {
        SetExergy(state->values, dead);
        return StateOutputs(*state, mode.place, units, transport, withDiagram, written);
    }
    auto& sheets = std::get<SaturationValues>(computed.values);
    SetExergy(sheets.water, dead);
    SetExergy(sheets.steam, dead);
    return SaturationOutputs(sheets, units, written);
}

// Reads the mode's values in their order, checks them, computes.
Outputs RunMode(const CalculationRequest& request) {
    const ModeRow* mode = ModeOf(request.mode, request.saturationInput);
    if (mode == nullptr) return {};  // no item selected: nothing to calculate
    InputValues values{};
    for (qsizetype i = 0; i < mode->inputs.size(); ++i) values[i] = ReadTyped(request, mode->inputs[i]);
    return RunValues(*mode, values, request.units, request.transport, request.dead, request.options, true,
                     Written::Texts);
}

// A library failure abandons the run. The report keeps the number the users
// of this calculator know, and adds the library's own reason.
const QString IoErrorReport = u"I/O error 105"_s;

template <class Run>
Outcome Caught(Run run) {
    try {
        return run();
    } catch (const Refusal& refusal) {
        return refusal;
    } catch (const TFS::FatalStop& e) {
        const QString reason = QString::fromUtf8(e.what());
        return Stop{IoErrorReport, ExplanationOfStop(reason), reason};
    }
}

}  // namespace

Outcome Calculate(const CalculationRequest& request) {
    return Caught([&] { return RunMode(request); });
}

Outcome CalculateValues(const ModeRow& mode, const InputValues& values, const Units& units, Transport transport,
                        const DeadState& dead, const ModeOptions& options, Written written) {
    return Caught([&] { return RunValues(mode, values, units, transport, dead, options, false, written); });
}

Place PlaceOf(const CalculationRequest& request, Phase phase) {
    switch (phase) {
        case Phase::SaturatedWater: return Place::SaturatedWater;
        case Phase::SaturatedSteam: return Place::SaturatedSteam;
        case Phase::State: break;
    }
    return ModeOf(request.mode, request.saturationInput)->place;
}

QString OutputText(Quantity quantity, double value, Place place, const Units& units) {
    return Formatted(ToShown(quantity, value, units), FormatOf(quantity, place));
}

void RewriteOutputs(Outputs& outputs, const CalculationRequest& request) {
    for (Output& output : outputs.values)
        output.text = OutputText(output.quantity, output.value, PlaceOf(request, output.phase), request.units);
}
