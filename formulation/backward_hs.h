// Backward and boundary equations of the variables (h, s): the supplementary
// releases SR2-01 (p(h, s) of regions 1 and 2 with the boundary h2ab(s)) and
// SR4-04 (p(h, s) of region 3, the region boundaries as functions of s,
// TB23(h, s) and Tsat(h, s) of wet steam). They meet the forward equations to
// some 1e-5 of the pressure and a few millikelvin: they pick the region of an
// (h, s) state and start the search on the forward equations, never results.
//
// Units: p in MPa, T in K, h in kJ/kg, s in kJ/(kg·K).
#pragma once

namespace TFS::detail {

// The pressure of a state of region 1, of subregions 2a (p ≤ 4 MPa), 2b
// (p > 4 MPa, s ≥ 5.85) and 2c (s < 5.85), and of subregions 3a (s at most
// the critical entropy) and 3b (above it).
double p_hs1(double h, double s);
double p_hs2a(double h, double s);
double p_hs2b(double h, double s);
double p_hs2c(double h, double s);
double p_hs3a(double h, double s);
double p_hs3b(double h, double s);

// The isobar 4 MPa between subregions 2a (below it) and 2b.
double h2ab(double s);

// The saturated liquid from 0 °C to 350 °C (h′1) and from there to the
// critical point (h′3a); the saturated vapour from the critical point to
// s = 5.85 (h″2c3b) and from there to 0 °C (h″2ab).
double h_liquid1(double s);
double h_liquid3a(double s);
double h_vapour2c3b(double s);
double h_vapour2ab(double s);

// The isotherm 350 °C between regions 1 (below it) and 3.
double hB13(double s);
// The temperature of the B23 line near (h, s), only to tell regions 2 and 3
// apart: 5.048096828 ≤ s ≤ 5.260578707, 2563.592004 ≤ h ≤ 2812.942061.
double TB23_hs(double h, double s);

// The saturation temperature of wet steam of entropy s ≥ s″(350 °C) = 5.210887825.
double Tsat_hs(double h, double s);

}  // namespace TFS::detail
