// What the equipment's files share: the states as streams, the checks that
// refuse what an operation is asked, and the balances. Internal to the core.
#pragma once

#include "equipment.h"

#include "TFS.h"

// The state of the formulation with a flow; x only for a two-phase state.
Stream StreamFromState(const TFS::State& state, double massFlow);
// Saturated water and steam at a pressure below the critical one.
struct SaturatedStreams {
    Stream water, steam;
};
SaturatedStreams SaturatedAt(double p);

[[noreturn]] void Refuse(const QString& input, const QString& message);

// A state the formulation cannot serve refuses the whole operation, naming the
// input that led to it, with the library's reason in English.
[[noreturn]] void RefuseStop(const QString& input, const TFS::FatalStop& stop);
template <class Compute>
auto Served(const QString& input, Compute compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const TFS::FatalStop& stop) {
        RefuseStop(input, stop);
    }
}

// A stream given to an operation: a state and a flow that is not negative.
// `name` is how the messages call it: "inlet", "spray water".
void CheckStream(const Stream& stream, const QString& key, const QString& name);
// A pressure within the formulation's range of (p, h) states, 1 kPa to 100 MPa.
void CheckPressure(double p, const QString& key, const QString& name);
// An efficiency in (0, 1]; a fraction in [0, 1).
void CheckEfficiency(double value, const QString& key, const QString& name);
void CheckFraction(double value, const QString& key, const QString& name);

// The balances of an operation from the streams and the energy crossing its
// boundary, each relative to the larger of its two sides.
class BalanceSheet {
public:
    BalanceSheet& in(const Stream& s);
    BalanceSheet& out(const Stream& s);
    BalanceSheet& energyIn(double kW);
    BalanceSheet& energyOut(double kW);
    Balance balance() const;

private:
    double massIn = 0, massOut = 0, energyInSum = 0, energyOutSum = 0;
};
