// Which formulation gives the viscosity and the thermal conductivity (and with
// them the kinematic viscosity and the Prandtl number) of a run.
#pragma once

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
