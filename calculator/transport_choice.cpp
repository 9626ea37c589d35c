#include "transport_choice.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Names {
    Transport transport;
    QString key, name;
};

const Names Choices[] = {
    {Transport::IAPS1985, u"IAPS1985"_s, u"IAPS 1985"_s},
    {Transport::IAPWS2008_2011, u"IAPWS2008-2011"_s, u"IAPWS 2008/2011"_s},
};

const Names& NamesOf(Transport transport) {
    return Choices[transport == Transport::IAPS1985 ? 0 : 1];
}

}  // namespace

QString TransportKey(Transport transport) {
    return NamesOf(transport).key;
}

std::optional<Transport> TransportOfKey(QStringView key) {
    for (const Names& c : Choices)
        if (key == c.key) return c.transport;
    return std::nullopt;
}

QString TransportName(Transport transport) {
    return NamesOf(transport).name;
}

namespace {

// As the releases bound them, in kelvins.
constexpr double Kelvin = 273.15;
constexpr double HottestTransport = 1173.15;     // 900 °C
constexpr double HottestFullPressure = 1073.15;  // 800 °C: the conductivity up to 100 MPa
constexpr double ConductivityHotPressure = 50;   // MPa, above it
constexpr double TriplePressure = 0.000611657;   // MPa
constexpr double TripleTemperature = 0.01 + Kelvin;

}  // namespace

TransportCoverage TransportCoverageAt(double p, double t) {
    const double T = t + Kelvin;
    const bool viscosity = T <= HottestTransport && (p >= TriplePressure || T >= TripleTemperature);
    const bool conductivity =
        T >= Kelvin && T <= HottestTransport && (T <= HottestFullPressure || p <= ConductivityHotPressure);
    return {viscosity, conductivity};
}

QString TransportGap(Transport transport, Quantity quantity, double p, double t) {
    using Q = Quantity;
    const TransportCoverage covered = TransportCoverageAt(p, t);
    const bool needsViscosity = quantity == Q::DynamicViscosity || quantity == Q::KinematicViscosity ||
                                quantity == Q::Prandtl;
    const bool needsConductivity = quantity == Q::Conductivity || quantity == Q::Prandtl;
    QStringList beyond;
    if (needsViscosity && !covered.viscosity) beyond.append(u"viscosity (up to 900 C)"_s);
    if (needsConductivity && !covered.conductivity)
        beyond.append(u"thermal conductivity (0 to 900 C, above 800 C up to 50 MPa)"_s);
    if (beyond.isEmpty()) return {};
    return u"Not given: the state lies outside the range in which the "_s + TransportName(transport) + u' ' +
           beyond.join(u" and the "_s) + (beyond.size() == 1 ? u" is used."_s : u" are used."_s);
}
