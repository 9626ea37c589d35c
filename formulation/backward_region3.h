// Backward equations of region 3 from the two supplementary releases on it:
// v(p, T) with its 26 subregions (SR5-05), and T(p, h), v(p, h), v(p, s) with
// the boundary h3ab(p) between their subregions 3a and 3b (SR3-03). They
// meet the forward (Helmholtz) equation only to about 1e-5 of the volume (up
// to 2 % right at the critical point) and some hundredths of a kelvin: they
// serve as starts for Newton steps on it, never as results.
//
// Plain double arithmetic throughout. Units: p in MPa, T in K, h in kJ/kg,
// s in kJ/(kg·K), v in m³/kg.
#pragma once

namespace TFS::detail {

// The boundaries between the subregions of v(p, T), each T(p) in kelvin.
enum class Boundary3 { AB, CD, EF, GH, IJ, JK, MN, OP, QU, RX, UV, WX };
double boundary_t3(Boundary3 boundary, double p);

// The subregion ('a' … 'z') of the region 3 state (p, T) in which the release
// uses that subregion's equation. Below the critical pressure the subregions
// on either side of the saturation line both include the line itself: there
// `liquid` picks the side; elsewhere it has to agree with T < Tsat (p) or
// T > Tsat (p), which decides it. 0 outside the range of the equations:
// T ≤ 623.15 K, T > 863.15 K, p ≤ pB23 (T) or p > 100 MPa.
char subregion_v_pt3(double p, double T, bool liquid);

// The volume that the equation of `subregion` gives at (p, T).
double v_pt3(char subregion, double p, double T);

// The volume of the state in its subregion: NaN outside the equations' range.
double backward_v_pt3(double p, double T, bool liquid);

// SR3-03: the 3a/3b boundary h3ab(p) (above the critical pressure the
// critical isentrope), then T and v from (p, h) of the subregion h picks,
// and v from (p, s), where the critical entropy picks.
double h3ab(double p);
double backward_t_ph3(double p, double h);
double backward_v_ph3(double p, double h);
double backward_v_ps3(double p, double s);

}  // namespace TFS::detail
