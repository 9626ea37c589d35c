// TFS: thermodynamic and transport properties of water and steam after the
// IAPWS Industrial Formulation 1997 (regions 1, 2, 3, 5 and the saturation
// line) with the IAPS 1985 viscosity and thermal conductivity, and the IAPWS
// 2008 viscosity and 2011 thermal conductivity beside them.
//
// Units at every interface: p in MPa, t in °C, h and u in kJ/kg, s, cp and
// cv in kJ/(kg·K), v in m³/kg, speed of sound w in m/s, the isentropic
// exponent κ = w²/(p·v) dimensionless; viscosity in µPa·s, conductivity in
// mW/(m·K).
// Pressure always comes first. Every function is pure; a state that cannot be
// served ends in TFS::FatalStop, whose what() is the exact message (UTF-8).
#pragma once

#include <limits>
#include <stdexcept>
#include <string>

namespace TFS {

// The fatal stop: no result is returned to the caller.
class FatalStop : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr double PKR = 22.064;   // critical pressure, MPa
inline constexpr double TKR = 373.946;  // critical temperature, °C
// What a state has no value of is NaN.
inline constexpr double NO_VALUE = std::numeric_limits<double>::quiet_NaN();

// Powers
double POWI(double x, int n);     // x^n by repeated multiplication
double POWR(double x, double y);  // exp(y·ln x), x > 0

// Region of a (p, t) state: 1, 2, 3, 31, 32, 4 or 5 (0 just before a stop).
// The domain: 0 °C to 800 °C at pressures up to 100 MPa, on to 2000 °C up
// to 50 MPa.
void REG_PT(double p, double t, int& region, std::string& caption);
// The same numbers by name, for a caller that switches on a region
// (State::region, REG_PT's region).
enum class Region : int {
    OUTSIDE = 0,
    WATER = 1,          // region 1
    STEAM = 2,          // region 2
    NEAR_CRITICAL = 3,  // region 3 above the critical pressure
    SATURATION_LINE = 4,
    HIGH_TEMPERATURE = 5,      // region 5
    NEAR_CRITICAL_WATER = 31,  // region 3 below the critical pressure, liquid side
    NEAR_CRITICAL_STEAM = 32,  // region 3 below the critical pressure, vapour side
};
// The region of a State of steam below its saturation temperature by the
// supplementary equation (STATE_PT_METASTABLE only; REG_PT never gives it).
inline constexpr int METASTABLE_STEAM = 6;

// Saturation line. TS_P stops where the line's equation has no temperature
// (p ≤ 0, below about 5.7e-9 MPa, p not finite), PS_T where it has no
// pressure (below absolute zero, above about 431.6 °C, t not finite).
double TS_P(double p);
double PS_T(double t);

// Region 1: compressed water
double HW_PT(double p, double t);
double SW_PT(double p, double t);
double VW_PT(double p, double t);
double VW0_PT(double p, double t);
double CpW_PT(double p, double t);
double UW_PT(double p, double t);
double CvW_PT(double p, double t);
double WW_PT(double p, double t);

// Region 2: superheated steam
double HP_PT(double p, double t);
double SP_PT(double p, double t);
double VP_PT(double p, double t);
double CpP_PT(double p, double t);
double UP_PT(double p, double t);
double CvP_PT(double p, double t);
double WP_PT(double p, double t);

// Region 3: near-critical; branch 1 liquid-like, 2 vapour-like
double ZKR_VT(double v, double t);
void VKR_PT(double p, double t, double& v1, double& v2);
double HKR_PT(double p, double t, int branch);
double SKR_PT(double p, double t, int branch);
double CpKR_PT(double p, double t, int branch);
double UKR_PT(double p, double t, int branch);
double CvKR_PT(double p, double t, int branch);
double WKR_PT(double p, double t, int branch);

// Region 5: high temperatures, 800 °C to 2000 °C up to 50 MPa (the revised
// release of 2007)
double H5_PT(double p, double t);
double S5_PT(double p, double t);
double V5_PT(double p, double t);
double Cp5_PT(double p, double t);
double U5_PT(double p, double t);
double Cv5_PT(double p, double t);
double W5_PT(double p, double t);

// Two-phase mixtures of dryness x at pressure p: the mean of the saturated
// phases by pressure, so that x = 0 and 1 give SSW_P (p), SSP_P (p), … bit
// for bit
double S_PX(double p, double x);
double V_PX(double p, double x);
double Cp_PX(double p, double x);
double H_PX(double p, double x);

// Any (p, t) state
double h_pt(double p, double t);
double S_PT(double p, double t);
double V_PT(double p, double t);
double Cp_PT(double p, double t);
double U_PT(double p, double t);
double Cv_PT(double p, double t);
double W_PT(double p, double t);
double K_PT(double p, double t);  // stops as V_PT where the volume is not finite

// Transport properties
double MIU_PT(double p, double t);  // µPa·s
double LMB_PT(double p, double t);  // mW/(m·K)
double PR_PT(double p, double t);

// The same by the current IAPWS releases in their forms for industrial use
// with IF97: the 2008 viscosity (R12-08, without the critical factor) and the
// 2011 thermal conductivity (R15-11, with its critical enhancement, none in
// region 5). The viscosity holds up to 900 °C (at the lowest pressures from
// the triple point), the conductivity from 0 °C to 900 °C, above 800 °C up to
// 50 MPa; beyond them the fatal stop.
double MIU08_PT(double p, double t);  // µPa·s
double LMB11_PT(double p, double t);  // mW/(m·K)

// Every property of one state at once, each equal bit for bit to its own
// function, from one classification and at most one region 3 search.
struct State {
    int region = 0;       // the REG_PT region of (p, t); 4 for a two-phase (p, h) state
    int code = 0;         // STATE_PH: the REG_PH code; STATE_PT: 0
    double x = NO_VALUE;  // dryness of a two-phase (p, h) state; NaN for a single-phase state
    double p = NO_VALUE;  // the pressure of the state, MPa
    double t = NO_VALUE, h = NO_VALUE, s = NO_VALUE, v = NO_VALUE, cp = NO_VALUE;
    // u of a two-phase state is h − p·v of its own h and mixture v (the
    // mass-weighted mean of the phases' u); cv, w and κ are NaN for it.
    double u = NO_VALUE, cv = NO_VALUE, w = NO_VALUE, kappa = NO_VALUE;
    double mu = NO_VALUE, lambda = NO_VALUE, pr = NO_VALUE;  // µPa·s, mW/(m·K); NaN for a two-phase state
};
// h_pt, S_PT, V_PT, Cp_PT, U_PT, Cv_PT, W_PT, K_PT, MIU_PT, LMB_PT and PR_PT
// at (p, t); stops as h_pt does, and as V_PT where the volume is not finite
// (the lowest pressures).
State STATE_PT(double p, double t);

// Temperature and properties from pressure and enthalpy. The domain: p from
// 1 kPa to 100 MPa, h from that of 0 °C to that of 2000 °C (800 °C above
// 50 MPa) at p.
void REG_PH(double p, double h, int& code, std::string& caption);
// The backward equations in °C: region 1, subregions 2a, 2b and 2c; each is
// valid in its own region only and meets the forward enthalpy to some
// hundredths of a kelvin.
double T_PH1(double p, double h);
double T_PH2A(double p, double h);
double T_PH2B(double p, double h);
double T_PH2C(double p, double h);
double T_PH3(double p, double h);
// The backward temperature: T_PH1 … T_PH2C by the REG_PH code, in region 3
// (T_PH3) and region 5 iterations on the forward enthalpy to 1e-12 and 1e-9
// of it; TS_P (p) for a two-phase state. Some hundredths of a kelvin off the
// temperature of STATE_PH outside regions 3 and 5.
double T_PH(double p, double h);
// The properties of STATE_PH.
double S_PH(double p, double h);
double V_PH(double p, double h);
double Cp_PH(double p, double h);
// The state whose forward enthalpy is h: a single-phase state is
// STATE_PT (p, t) but with the given h and the REG_PH code, at the temperature
// t where h_pt (p, t) meets h to 1e-12 of it (of 1 kJ/kg near 0 kJ/kg; next to
// the critical point, where the rounding of the pressure equation leaves the
// region 3 volume open by some 1e-11 of itself and h jumps between
// neighbouring doubles of t, as closely as the doubles near t allow, 1e-11
// at worst; the same holds for T_PH and T_PS there). It starts from the backward equations and closes on the forward
// enthalpy as T_PS does on the entropy. Where two regions meet their
// enthalpies can overlap by up to 0.1 kJ/kg (800 °C from 1 to 25 MPa, 350 °C
// and B23 above 16.5292 MPa): two temperatures up to 3.5 mK (350 °C), 19 mK
// (B23) and 38 mK (800 °C) apart share an enthalpy there, and STATE_PH gives
// one of them; at B23 region 2's (the region that holds the line, as T_PH
// where REG_PH tells region 3), so that a state on the line comes back as
// itself. A two-phase state
// (REG_PH code −1, 4, and 3 between the saturated enthalpies): region 4, x,
// t = TS_P (p), s, v and cp of the mixture (S_PX, V_PX, Cp_PX), u = h − p·v;
// cv, w, κ and the transport properties NaN.
State STATE_PH(double p, double h);

// Temperature and properties from pressure and entropy. The backward
// equations in °C: region 1, subregions 2a (p ≤ 4 MPa), 2b (s ≥ 5.85
// kJ/(kg·K)) and 2c, and region 3 below (3a) and above (3b) the critical
// entropy 4.41202148223476 kJ/(kg·K); each is valid in its own subregion only.
double T_PS1(double p, double s);
double T_PS2A(double p, double s);
double T_PS2B(double p, double s);
double T_PS2C(double p, double s);
double T_PS3A(double p, double s);
double T_PS3B(double p, double s);
// The temperature of any state of the (p, t) domain, exact to the forward
// equations: S_PT (p, T_PS (p, s)) meets s to 1e-12 of it (of 1 kJ/(kg·K)
// below that). TS_P (p) for a two-phase state and on the saturation line
// (as STATE_PS). Where two regions meet their entropies differ a little and
// can overlap: two temperatures up to 4.4 mK (350 °C), 19 mK (B23) and
// 61 mK (800 °C) apart share an entropy there, and T_PS gives one of them;
// at B23 region 2's, which holds the line.
double T_PS(double p, double s);
// A single-phase state: STATE_PT (p, T_PS (p, s)), code 0. A two-phase
// state (p ≤ PKR, s′ ≤ s ≤ s″ with s′ = S_PX (p, 0), s″ = S_PX (p, 1), the
// saturated entropies at TS_P (p)): region 4, code 0, x = (s − s′)/(s″ − s′),
// t = TS_P (p), the given s, h and v of the mixture (H_PX, V_PX); cp and the
// transport properties NaN.
State STATE_PS(double p, double s);
// Wet steam of dryness 0 ≤ x ≤ 1 (x = 0 and 1: the saturated phases) at a
// pressure below PKR or a temperature below TKR: region 4, code 0, x, t on
// the saturation line, h, s and v as H_PX, S_PX and V_PX give them at
// TS_P (p) (STATE_TX: at t itself); cp and the transport properties NaN.
State STATE_PX(double p, double x);
State STATE_TX(double t, double x);

// Pressure, temperature and state from enthalpy and entropy, over the whole
// (p, t) domain and the wet region, exact to the forward equations: the
// state's h and s meet the given ones to 1e-11 of them. A single-phase state
// is that of its region's equation at (p, t) (region 3: at its volume), code 0;
// every state of the (p, t) domain, its edges included, comes back from its
// own h and s. Where two regions' equations overlap at their boundary (within
// 3.2 mK of 350 °C, 18 mK of the B23 line, 37 mK of 800 °C) an (h, s) has a
// state in each region, each in its own (p, t) region: the one given is of
// the region that holds the boundary (region 1 at 350 °C, region 2 on B23
// and at 800 °C). Where two regions' equations leave a sliver at their
// boundary that neither reaches, the state of the boundary equations' region,
// just across it. A wet
// state (x from 0 to 1): region 4, code 0, the saturation temperature at
// which h and s give one dryness x, its pressure, the given h and s, v of the
// mixture; cp and the transport properties NaN.
double P_HS(double h, double s);
double T_HS(double h, double s);
State STATE_HS(double h, double s);

// States from other pairs: temperature and enthalpy, entropy or volume,
// pressure and volume, internal energy and volume. Each covers the (p, t)
// domain and wet steam as STATE_HS does and is exact to the forward
// equations like it: the given pair is met to 1e-11 of itself (of 1 kJ/kg
// and 1 kJ/(kg·K) where h, u or s near 0; v to 1e-11 of itself), so that the
// p and t of a (p, t) state come back to 1e-10 of themselves (where the pair
// hardly depends on p, as the pressure of compressed water by its volume or
// of a nearly ideal gas by its enthalpy, as far as the rounding of the pair
// tells it) and the dryness of wet steam below 22 MPa to 1e-9. The lines of
// (t, h), (t, s), (t, v) and (p, v) reach down to 1 Pa. A single-phase state is that of its
// region's equation (region 3: at its volume), code 0; a wet state region 4,
// code 0, x, the saturation state, the given pair, h, s, v and u of the
// mixture, cp and the transport properties NaN. Where two regions' equations
// leave a step in the quantity at their boundary (up to some 0.1 kJ/kg in h at
// the B23 line), a pair inside the step has the state on the boundary of the
// region that holds it; (u, v) in a sliver between two regions' equations
// that neither reaches has, as (h, s), the state of one of them just across
// its boundary. A pair outside the domain, or
// no finite number, ends in the stop of its own pair ("ЗАДАННЫЕ T И H ЗА
// ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:", likewise T И S, P И V, T И V, U И V).
//
// Where states share a pair, the branch chooses. Along a line the quantity
// can pass an extremum, and two single-phase states on either side of it
// share a value: LOWER and HIGHER give the one of the lower or of the higher
// value of the variable the pair leaves free (the pressure for (t, h) and
// (t, s), the temperature for (p, v)), and the only one where one has the
// pair. Wet steam of a small dryness can share a pair with compressed water:
// WET gives the wet state, which is also given whatever the branch where no
// single phase has the pair; a single phase is given before it otherwise.
enum class Branch : int { LOWER = 1, HIGHER = 2, WET = 3 };
// (t, h): along an isotherm of hot compressed water and of supercritical
// fluid h passes a minimum, and two pressures share an h near it; the h of
// compressed water that rises with pressure (below some 250 °C) lies above
// h′ and is also that of wet steam at the saturation pressure. Default: the
// lower pressure.
State STATE_TH(double t, double h, Branch branch = Branch::LOWER);
// (t, s): below about 4 °C (the density maximum) the entropy of water rises
// with pressure from s′ up to a maximum; two pressures share an s near it,
// and wet steam of a dryness up to some 1e-4 shares it too. Default: the
// lower pressure.
State STATE_TS(double t, double s, Branch branch = Branch::LOWER);
// (p, v): along an isobar the volume of water passes a minimum at the density
// maximum (about 4 °C at low pressures); two temperatures share a v near it,
// and below 1 kPa wet steam of a small dryness too. Default: the higher
// temperature.
State STATE_PV(double p, double v, Branch branch = Branch::HIGHER);
// (t, v) and (u, v): one state to a pair.
State STATE_TV(double t, double v);
State STATE_UV(double u, double v);

// Metastable steam: dry steam below its saturation temperature (supercooled
// vapour, as in a nozzle or the last stages of a turbine), by the
// supplementary equation of IF97 for it (its Eq. 18). Valid from the
// saturated-vapour line down to the 5 % equilibrium moisture line, where h
// at p and t equals h′ + 0.95·(h″ − h′) of the saturated phases at p, from
// the triple-point pressure to 10 MPa; elsewhere the stop "ЗАДАННЫЕ P И T ЗА
// ПРЕДЕЛАМИ ОБЛАСТИ МЕТАСТАБИЛЬНОГО ПАРА:". The properties by the names of
// region 2's with MS for P; the State of region METASTABLE_STEAM (6), code
// 0, transport properties NaN (their releases do not cover it).
double HMS_PT(double p, double t);
double SMS_PT(double p, double t);
double VMS_PT(double p, double t);
double CpMS_PT(double p, double t);
double UMS_PT(double p, double t);
double CvMS_PT(double p, double t);
double WMS_PT(double p, double t);
State STATE_PT_METASTABLE(double p, double t);

// The derivatives engineers read, of a State that one of the STATE_
// functions gave, from the derivatives of its region's equation (the Gibbs
// free energy of regions 1, 2, 5 and of metastable steam at its p and t, the
// Helmholtz free energy of region 3 at its v and t), not by differences.
// A wet state (region 4) has g, f and Z of the mixture (g = h − T·s, the
// phases' g, which agree to the equations' consistency of some 0.01 kJ/kg,
// mixed; f = u − T·s; Z of its v); the derivatives of a single phase
// are NaN for it. A State of no region (0) ends in the stop
// "DERIVATIVES: НЕТ СОСТОЯНИЯ".
struct Derivatives {
    double alpha_v = NO_VALUE;  // isobaric cubic expansion coefficient (1/v)·(∂v/∂T)p, 1/K
    double kappa_t = NO_VALUE;  // isothermal compressibility −(1/v)·(∂v/∂p)T, 1/MPa
    double dp_dt_v = NO_VALUE;  // pressure coefficient (∂p/∂T)v = α_v/κ_T, MPa/K
    double mu_jt = NO_VALUE;    // Joule–Thomson coefficient (∂T/∂p)h, K/MPa
    double delta_t = NO_VALUE;  // isothermal throttling coefficient (∂h/∂p)T, kJ/(kg·MPa)
    double g = NO_VALUE;        // specific Gibbs free energy h − T·s, kJ/kg
    double f = NO_VALUE;        // specific Helmholtz free energy u − T·s, kJ/kg
    double z = NO_VALUE;        // compressibility factor p·v/(R·T), R = 0.461526 kJ/(kg·K)
};
Derivatives DERIVATIVES(const State& state);

// Saturated water and steam at once, each value equal bit for bit to its own
// function below, with one region 3 search above 350 °C for both phases.
// u, cv and w are those of the phase's region function at the saturation
// state (UW_PT or UP_PT up to 350 °C, UKR_PT above, …); κ = w²/(p·v).
struct SaturatedPhase {
    double h = NO_VALUE, s = NO_VALUE, v = NO_VALUE, cp = NO_VALUE;
    double u = NO_VALUE, cv = NO_VALUE, w = NO_VALUE, kappa = NO_VALUE;
};
struct Saturation {
    double p, t;  // the saturation pressure and temperature the phases were computed at
    SaturatedPhase water, steam;
};
// HSW_P … CSP_P at p (t = TS_P (p)); a stop is the one the first of HSP_P,
// SSP_P, VSP_P, CSP_P, HSW_P, SSW_P, VSW_P, CSW_P to stop gives.
Saturation SATURATION_P(double p);
// HSW_T … CSP_T at t (p = PS_T (t)); a stop as with SATURATION_P, by the _T functions.
Saturation SATURATION_T(double t);

// Saturated water (SW) and steam (SP) by pressure and by temperature
double HSW_P(double p);
double SSW_P(double p);
double VSW_P(double p);
double CSW_P(double p);
double HSW_T(double t);
double SSW_T(double t);
double VSW_T(double t);
double CSW_T(double t);
double HSP_P(double p);
double SSP_P(double p);
double VSP_P(double p);
double CSP_P(double p);
double HSP_T(double t);
double SSP_T(double t);
double VSP_T(double t);
double CSP_T(double t);

// The 2008 viscosity (µPa·s) and 2011 conductivity (mW/(m·K)) of saturated
// water (SW) and steam (SP) by pressure and by temperature, each phase at
// the saturation state of SATURATION_P or SATURATION_T.
double MIU08SW_P(double p);
double MIU08SP_P(double p);
double MIU08SW_T(double t);
double MIU08SP_T(double t);
double LMB11SW_P(double p);
double LMB11SP_P(double p);
double LMB11SW_T(double t);
double LMB11SP_T(double t);

// Surface tension of saturated water, mN/m, by IAPWS R1-76(2014), at the
// saturation temperature t or that of the pressure p; 0 at the critical point.
// From −25 °C (supercooled water, as far as the release extrapolates) up.
double SIG14_T(double t);
double SIG14_P(double p);

}  // namespace TFS
