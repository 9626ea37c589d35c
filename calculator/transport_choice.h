// Which formulation gives the viscosity and the thermal conductivity (and with
// them the kinematic viscosity and the Prandtl number) of a run.
#pragma once

#include "quantities.h"

#include <QString>
#include <QStringView>

#include <optional>

enum class Transport : int {
    // The IAPS 1985 equations for (p, t) states, the saturation-line
    // correlations on the sheets: the calculator as it was designed.
    IAPS1985,
    // The IAPWS 2008 viscosity and 2011 conductivity in their forms for
    // industrial use, everywhere; the sheets wholly from IF97 at the
    // saturation state.
    IAPWS2008_2011,
};

// As the settings and the table's file keep it: "IAPS1985", "IAPWS2008-2011".
QString TransportKey(Transport transport);
std::optional<Transport> TransportOfKey(QStringView key);
// As the menu, the table of states and the copied results name it:
// "IAPS 1985", "IAPWS 2008/2011".
QString TransportName(Transport transport);

// Which transport properties are given at (p in MPa, t in °C): the ranges of
// the IAPWS 2008 viscosity and 2011 conductivity for industrial use, the
// viscosity up to 900 °C (and from the triple-point temperature below the
// triple-point pressure), the conductivity from 0 °C to 900 °C, above 800 °C
// up to 50 MPa. The IAPS 1985 equations, which those releases replace, are
// held to the same range: beyond it they extrapolate unphysically (the
// conductivity levels off towards IF97's 2000 °C).
struct TransportCoverage {
    bool viscosity, conductivity;
};
TransportCoverage TransportCoverageAt(double p, double t);

// Why a transport value (μ, ν, λ or Pr) of a single-phase state at (p, t) is
// not given under the formulation, for a tooltip of its empty cell; empty
// where it is given or the quantity is no transport property.
QString TransportGap(Transport transport, Quantity quantity, double p, double t);
