// Tabl1: one-argument correlations along the saturation line of water, fitted
// in technical units, and one older viscosity function of pressure and
// temperature. Independent of the IAPWS-IF97 unit TFS.
//
// A function whose name ends in T takes the saturation temperature t in °C,
// one ending in P the saturation pressure p in MPa. Each checks its argument
// against a range of its own; outside it the function gives the range warning
// and returns a quiet NaN. The warning is written to std::cout, and one line is
// read from std::cin and discarded; at the end of input, or when a write or the
// read fails, the function returns at once. No function throws.
#pragma once

namespace Tabl1 {

// Saturation line: temperature in °C from pressure, pressure in MPa from temperature
double TSP(double p);
double PST(double t);

// Saturated water (W) and steam (P) by saturation temperature:
// conductivity in W/(m·K), viscosity in µPa·s, Prandtl number, surface tension in mN/m
double LWST(double t);
double LPST(double t);
double MWST(double t);
double MPST(double t);
double PRWST(double t);
double PRPST(double t);
double SIGT(double t);

// The same correlations by saturation pressure, for p from PS_MIN to PS_MAX
// (both included; SIGP's range ends at PS_MAX too). The range is that of the
// decimals 0.00087 and 21.82: each end is the double on its inner side, so the
// double nearest 21.82, which lies above the decimal, is outside.
inline constexpr double PS_MIN = 0.00087;             // MPa; this double lies above 0.00087
inline constexpr double PS_MAX = 21.819999999999997;  // MPa; the last double below 21.82
double LWSP(double p);
double LPSP(double p);
double MWSP(double p);
double MPSP(double p);
double SIGP(double p);

// Viscosity of water or steam at (p, t), µPa·s, IAPS 1975 equation; no range check
double MPT(double p, double t);

// A warning of the library user's own, given instead of the console warning:
// the function's name, the argument's letter ('t' or 'p') and its value. It
// may be called from several threads at once.
using RangeWarning = void (*)(const char* function, char argument, double value);
// Installs the warning (nullptr: the console warning again) and returns the
// one installed before.
RangeWarning SetRangeWarning(RangeWarning warning);

}  // namespace Tabl1
