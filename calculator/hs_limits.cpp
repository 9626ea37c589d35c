#include "hs_limits.h"

#include "TFS.h"

namespace {

// The lowest pressure of the (p, t) mode; the highest of the formulation; its
// coldest temperature.
constexpr double LowestPressure = 0.0005;   // MPa
constexpr double HighestPressure = 100.0;   // MPa
constexpr double ColdestTemperature = 0.0;  // °C
// Halvings that bring an end to the double it lies at.
constexpr int Halvings = 64;
// Farther than any state of the domain from another of the same entropy.
constexpr double EnthalpySpan = 8000.0;  // kJ/kg

// The edge between `inside`, where `accepted` holds, and `outside`, where it does not.
template <class Accepted>
double Edge(double inside, double outside, Accepted accepted) {
    for (int i = 0; i < Halvings; ++i) {
        const double middle = (inside + outside) / 2.0;
        if (middle == inside || middle == outside) break;
        (accepted(middle) ? inside : outside) = middle;
    }
    return inside;
}

// The enthalpy of an accepted state of entropy s: the isentrope meets one
// of these isobars inside the domain if it meets the domain at all.
std::optional<double> EnthalpyOfSomeState(double s) {
    for (const double p : {LowestPressure, 0.01, 1.0, 10.0, HighestPressure}) {
        try {
            return TFS::STATE_PS(p, s).h;
        } catch (const TFS::FatalStop&) {
        }
    }
    return std::nullopt;
}

}  // namespace

// The coldest water at the highest pressure.
double LowestEntropyHS() {
    return TFS::S_PT(HighestPressure, ColdestTemperature);
}

// The hottest steam at the lowest pressure, as far as the formulation reaches.
double HighestEntropyHS() {
    static const double highest = Edge(TFS::S_PT(LowestPressure, 100.0), 30.0, [](double s) {
        try {
            TFS::STATE_PS(LowestPressure, s);
            return true;
        } catch (const TFS::FatalStop&) {
            return false;
        }
    });
    return highest;
}

bool AcceptedHS(double h, double s) {
    try {
        return TFS::P_HS(h, s) >= LowestPressure;
    } catch (const TFS::FatalStop&) {
        return false;
    }
}

std::optional<EnthalpyRange> EnthalpiesAt(double s) {
    const std::optional<double> h = EnthalpyOfSomeState(s);
    if (!h) return std::nullopt;
    const auto accepted = [s](double x) { return AcceptedHS(x, s); };
    return EnthalpyRange{Edge(*h, *h - EnthalpySpan, accepted), Edge(*h, *h + EnthalpySpan, accepted)};
}

bool AboveEnthalpies(double h, const EnthalpyRange& range) {
    return h > range.high || (h >= range.low && h - range.low > range.high - h);
}
