// Shared pieces of the formulation's own sources; not part of the public interface.
//
// Every expression of the unit is evaluated in IEEE double, rounded after each
// operation (no fused multiply-add), so that every platform gives the same
// doubles.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <optional>
#include <type_traits>
#include <utility>

#include "TFS.h"

namespace TFS::detail {

inline constexpr double KELVIN = 273.15;         // t in °C + KELVIN = T in K
inline constexpr double R_WATER = 0.461526;      // specific gas constant, kJ/(kg·K)
inline constexpr double KJ_PER_MPA_M3 = 1000.0;  // p·v in MPa·m³/kg → kJ/kg
inline constexpr double J_PER_KJ = 1000.0;       // R·T in kJ/kg → m²/s²
inline constexpr double PA_PER_MPA = 1e6;

// Bounds that several parts of the formulation test.
// The (p, t) domain: 0 °C (a rounding error below it taken in) up to 800 °C
// at pressures above 0 up to 100 MPa (a rounding error above it taken in),
// and on to 2000 °C up to 50 MPa in region 5.
inline constexpr double T_MIN_C = -1e-9;              // °C
inline constexpr double P_MAX_MPA = 100.00000000001;  // MPa
// The triple point: below it the saturation line divides ice from vapour,
// and no two-phase state of water lies there.
inline constexpr double T_TRIPLE_C = 0.01;           // °C
inline constexpr double P_TRIPLE_MPA = 0.000611657;  // MPa
// Regions 1 and 3 meet at 350 °C; above it the saturated states lie in region 3.
inline constexpr double T13_C = 350.0;           // °C
inline constexpr double T13_K = T13_C + KELVIN;  // K
static_assert(T13_K == 623.15);
// B23 meets the saturation line at T13: above this pressure region 3 borders region 1.
inline constexpr double P_CORNER_MPA = 16.5292;  // MPa
// Region 5 lies at pressures up to 50 MPa, above 800 °C, where region 2 ends.
inline constexpr double P5_MAX_MPA = 50.0;       // MPa
inline constexpr double T25_C = 800.0;           // °C
inline constexpr double T25_K = T25_C + KELVIN;  // K
static_assert(T25_K == 1073.15);
// Subregion 2a lies at pressures up to 4 MPa, 2b and 2c above.
inline constexpr double P_2AB_MPA = 4.0;  // MPa
// Region 5, and the whole domain, ends at 2000 °C.
inline constexpr double T5_MAX_C = 2000.0;             // °C
inline constexpr double T5_MAX_K = T5_MAX_C + KELVIN;  // K
static_assert(T5_MAX_K == 2273.15);

// TS_P and PS_T without their refusal: NaN (or a value far outside the
// line) where the line has no state; for callers that refuse such a result
// with their own stop, or classify the state as outside.
double saturation_temperature(double p);
double saturation_pressure(double t);

// Regions of a (p, t) state, by the names of the public enumeration.
using Region = TFS::Region;

// Region 3: above the critical pressure, or on its liquid or vapour side below it.
inline bool in_region3(Region region) {
    return region == Region::NEAR_CRITICAL || region == Region::NEAR_CRITICAL_WATER ||
           region == Region::NEAR_CRITICAL_STEAM;
}

// Codes of a (p, h) state as REG_PH gives them.
enum class CodePH : int {
    WET = -1,
    OUTSIDE = 0,
    WATER = 1,          // region 1
    NEAR_CRITICAL = 3,  // region 3
    SATURATION_LINE = 4,
    STEAM_2A = 21,  // subregions of region 2
    STEAM_2B = 22,
    STEAM_2C = 23,
};

// Σ term(i) for i = 0 … N-1 in table order, starting from 0; every partial sum
// is rounded to a double, as a running sum held in a double variable would be.
// The loop is unrolled, so that each term's exponents are constants to the
// compiler; the order of the additions stays that of the table.
template <std::size_t N, class Term>
double sum_terms(Term term) {
    double sum = 0.0;
#pragma GCC unroll 64
    for (std::size_t i = 0; i < N; ++i) sum += term(i);
    return sum;
}

// Several such sums over the same N terms side by side, in one pass through
// the table: each is the double sum_terms gives for its own terms.
template <std::size_t N, class... Term>
std::array<double, sizeof...(Term)> sum_terms_together(Term... term) {
    std::array<double, sizeof...(Term)> sums{};
#pragma GCC unroll 64
    for (std::size_t i = 0; i < N; ++i) {
        std::size_t k = 0;
        ((sums[k++] += term(i)), ...);
    }
    return sums;
}

// The coefficients of a derivative's sum: n·k for each term, where the whole
// number k (an exponent, or a product of two) is exact, so that each is n·k
// rounded once, formed by the compiler from the published table. A term
// whose k is 0 adds nothing to the sum and is left out of it.
template <std::size_t N, class Factor>
constexpr std::array<double, N> scaled(const double (&n)[N], Factor factor) {
    std::array<double, N> c{};
    for (std::size_t i = 0; i < N; ++i) c[i] = n[i] * factor(i);
    return c;
}

// The smallest exponent of a table (at most 0) and the largest (at least 0).
template <class Exponents>
constexpr int lowest(const Exponents& E) {
    return std::min(0, *std::min_element(std::begin(E), std::end(E)));
}

template <class Exponents>
constexpr int highest(const Exponents& E) {
    return std::max(0, *std::max_element(std::begin(E), std::end(E)));
}

// x^k for k = LOW … HIGH (LOW ≤ 0 ≤ HIGH). An equation needs many powers of
// one argument; one pass builds them all. x^1 … x^8 come step by step, every
// higher power as x^8 times the one eight below it: eight short chains of
// products that the processor overlaps, where one chain of up to 58 would
// make each product wait on the one before. A negative power is the same
// power of 1/x, so that one division serves them all. Every product is
// rounded to a double, the same on every platform.
template <int LOW, int HIGH>
class PowerTable {
    static_assert(LOW <= 0 && HIGH >= 0);

public:
    PowerTable() = default;
    explicit PowerTable(double x) {
        powers<HIGH>(x, up_);
        if constexpr (LOW < 0) powers<-LOW>(1.0 / x, down_);
    }
    double operator[](int k) const { return k >= 0 ? up_[k] : down_[-k]; }

private:
    static constexpr int STRIDE = 8;

    // y^0 … y^COUNT into at[0 … COUNT]; the eight running products stay in registers.
    template <int COUNT>
    static void powers(double y, double* at) {
        at[0] = 1.0;
        double run[STRIDE];
        double product = 1.0;
#pragma GCC unroll 8
        for (int k = 1; k <= STRIDE; ++k) {
            product *= y;
            run[k % STRIDE] = product;
            if (k <= COUNT) at[k] = product;
        }
        const double stride = run[0];  // y^8
#pragma GCC unroll 64
        for (int k = STRIDE + 1; k <= COUNT; ++k) {
            run[k % STRIDE] *= stride;
            at[k] = run[k % STRIDE];
        }
    }

    double up_[HIGH + 1];
    double down_[-LOW + 1];
};

// Σ c[i]·x^(I[i]+SHIFT)·y(i) over a table whose rows run by rising I, taken
// as Σ over each I of x^(I+SHIFT)·(Σ c·y over that I's rows): one product by a
// power of x per I rather than per row, and the short sums of the rows of one
// I run side by side. A row whose coefficient is 0 is left out, and an I
// whose rows are all left out adds nothing. Every partial sum is rounded to
// a double; the rows go in table order.
template <const auto& I, const auto& c, int SHIFT, class XPowers, class Y>
double sum_by_exponent(const XPowers& X, Y y) {
    constexpr std::size_t N = std::size(c);
    // Whether row i is the last of its I, and whether that I keeps a row.
    static constexpr auto LAST = [] {
        std::array<bool, N> last{};
        for (std::size_t i = 0; i < N; ++i) last[i] = i + 1 == N || I[i + 1] != I[i];
        return last;
    }();
    static constexpr auto KEPT = [] {
        std::array<bool, N> kept{};
        bool any = false;
        for (std::size_t i = 0; i < N; ++i) {
            any = any || c[i] != 0.0;
            kept[i] = any;
            if (i + 1 == N || I[i + 1] != I[i]) any = false;
        }
        return kept;
    }();
    double total = 0.0;
    double inner = 0.0;
#pragma GCC unroll 64
    for (std::size_t i = 0; i < N; ++i) {
        if (c[i] != 0.0) inner += c[i] * y(i);
        if (LAST[i]) {
            if (KEPT[i]) total += X[I[i] + SHIFT] * inner;
            inner = 0.0;
        }
    }
    return total;
}

// The exponents LOW … HIGH (LOW ≤ 0 ≤ HIGH) of one variable that the terms
// of an equation and of its derivatives take.
template <int LOW_, int HIGH_>
struct Exponents {
    static_assert(LOW_ <= 0 && HIGH_ >= 0);
    static constexpr int LOW = LOW_, HIGH = HIGH_;
    bool taken[HIGH - LOW + 1] = {};
    constexpr void add(int k) { taken[k - LOW] = true; }
    constexpr bool has(int k) const { return taken[k - LOW]; }
};

// The exponents of one table of exponents.
template <const auto& E>
inline constexpr auto exponents_of = [] {
    Exponents<lowest(E), highest(E)> set;
    for (const int k : E) set.add(k);
    return set;
}();

// x^k for the exponents k of SET only (an Exponents), where an equation
// takes a few powers of a wide range. Each power is a product of two lower
// ones, so that no power waits on a long chain of products: x^k for k ≤ 8 as
// x^h·x^(k−h) with h the largest power of two below k (x^2 = x·x,
// x^3 = x^2·x, x^4 = x^2·x^2, …, x^8 = x^4·x^4), x^(8m) the same way from
// x^8 (x^16 = x^8·x^8, x^24 = x^16·x^8, …), and any other x^(8m+r) as
// x^(8m)·x^r. A negative power is the same power of 1/x (or of `reciprocal`
// where the caller has it at hand), so that one division serves them all. A
// power outside SET is not formed and must not be asked for.
template <const auto& SET>
class PowerSet {
    static constexpr int LOW = std::remove_cvref_t<decltype(SET)>::LOW;
    static constexpr int HIGH = std::remove_cvref_t<decltype(SET)>::HIGH;

public:
    explicit PowerSet(double x) : PowerSet(x, LOW < 0 ? 1.0 / x : 0.0) {}
    PowerSet(double x, double reciprocal) {
        powers<1>(x, up_, std::make_integer_sequence<int, HIGH + 1>{});
        if constexpr (LOW < 0) powers<-1>(reciprocal, down_, std::make_integer_sequence<int, -LOW + 1>{});
    }
    double operator[](int k) const { return k >= 0 ? up_[k] : down_[-k]; }

private:
    static constexpr int STRIDE = 8;

    // The largest power of two below k (k ≥ 2).
    static constexpr int half_of(int k) {
        int h = 1;
        while (2 * h < k) h *= 2;
        return h;
    }

    // y^K into at[K] for each K whose SIGN·K is in SET; products nothing takes are dropped.
    template <int SIGN, int... K>
    static void powers(double y, double* at, std::integer_sequence<int, K...>) {
        constexpr int COUNT = sizeof...(K) - 1;
        double low[STRIDE + 1];  // y^0 … y^8
        low[0] = 1.0;
        low[1] = y;
#pragma GCC unroll 8
        for (int k = 2; k <= STRIDE; ++k) low[k] = low[half_of(k)] * low[k - half_of(k)];
        double strides[COUNT / STRIDE + 2];  // y^0, y^8, y^16, …
        strides[0] = 1.0;
        strides[1] = low[STRIDE];
#pragma GCC unroll 8
        for (int m = 2; m <= COUNT / STRIDE; ++m) strides[m] = strides[half_of(m)] * strides[m - half_of(m)];
        ((SET.has(SIGN * K) ? void(at[K] = power<K>(low, strides)) : void()), ...);
    }

    template <int K>
    static double power(const double* low, const double* strides) {
        if constexpr (K <= STRIDE) {
            return low[K];
        } else if constexpr (K % STRIDE == 0) {
            return strides[K / STRIDE];
        } else {
            return strides[K / STRIDE] * low[K % STRIDE];
        }
    }

    double up_[HIGH + 1];
    double down_[-LOW + 1];
};

// The sum Σ nᵢ·a^Iᵢ·b^Jᵢ of a backward or boundary equation in table order,
// where a and b are its shifted reduced variables; the powers come from one
// table per variable.
template <const auto& I, const auto& J, std::size_t N>
double backward_sum(const double (&n)[N], double a, double b) {
    const PowerTable<lowest(I), highest(I)> A(a);
    const PowerTable<lowest(J), highest(J)> B(b);
    return sum_terms<N>([&](std::size_t i) { return n[i] * A[I[i]] * B[J[i]]; });
}

// One backward equation T(p, h) or T(p, s): θ = Σ nᵢ·a^Iᵢ·b^Jᵢ, where a and b
// are the equation's shifted reduced pressure and enthalpy or entropy;
// T = θ·T*, returned in °C.
template <const auto& I, const auto& J, std::size_t N>
double backward_t(const double (&n)[N], double a, double b, double T_star) {
    return backward_sum<I, J>(n, a, b) * T_star - KELVIN;
}

// Isentropic exponent κ = w² / (p·v) at p (MPa) of the state of volume v (m³/kg)
// and speed of sound w (m/s); for an ideal gas it is cp/cv.
double isentropic_exponent(double p, double v, double w);

// The stop of a function of one region or subregion (or one branch of an
// equation) for arguments it has no result for.
[[noreturn]] void refuse_arguments(const char* function);
// Such a function has none where an argument is not a number or infinite.
inline void require_finite(double a, double b, const char* function) {
    if (!(std::isfinite(a) && std::isfinite(b))) refuse_arguments(function);
}

// A region 1 state may lie at most 0.0001 °C above ts;
// `function` names the public function in the stop.
void region1_guard(double ts, double t, const char* function);
// The same test at pressure p, against TS_P (p).
void region1_guard_at(double p, double t, const char* function);

// Boundary between regions 2 and 3 (IAPWS-IF97 equations 5 and 6).
inline constexpr double B23_N[5] = {348.05185628969, -1.1671859879975, 0.0010192970039326, 572.54459862746,
                                    13.91883977887};

// Pressure on the B23 line at T in kelvin, MPa.
double pB23(double T);
// Temperature on the B23 line at p in MPa, in kelvin.
double TB23(double p);
// Region 2 holds the B23 line, and its equation overlaps region 3's there by
// some millikelvin: a state of region 2's equation that a search closes on
// the line itself lands within the rounding of the line, on region 3's side
// as often as not. Such a temperature (°C, within a microkelvin of the line
// at p) is moved to the nearest one at p that the (p, t) classification puts
// in region 2; nothing for a state farther off. The caller checks that the
// state there still meets its pair.
std::optional<double> onto_b23(double p, double t);

// The captions REG_PT and REG_PH share.
inline constexpr const char* CAPTION_OUTSIDE = "  ОБЛАСТЬ НЕДОПУСТИМЫХ ЗНАЧЕНИЙ ПАРАМЕТРОВ";
inline constexpr const char* CAPTION_1 = " ЖИДКОСТЬ (область 1)";
inline constexpr const char* CAPTION_3 = " ОКОЛОКРИТИЧЕСКАЯ (область 3)";
inline constexpr const char* CAPTION_4 = "  ЛИНИЯ НАСЫЩЕНИЯ (область 4)";

// The stop for a (p, t) state outside the domain.
inline constexpr const char* MESSAGE_OUTSIDE_PT = "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
// The stop for a (p, h) state outside the domain.
inline constexpr const char* MESSAGE_OUTSIDE_PH = "ЗАДАННЫЕ P И H ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
// The stop for a (p, s) state outside the domain.
inline constexpr const char* MESSAGE_OUTSIDE_PS = "ЗАДАННЫЕ P И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
// The stop for an (h, s) state outside the domain.
inline constexpr const char* MESSAGE_OUTSIDE_HS = "ЗАДАННЫЕ H И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
// The stops for a wet-steam state given by p or t and the dryness x: no
// saturation line at or above the critical point, x outside 0 … 1.
inline constexpr const char* MESSAGE_OUTSIDE_PX = "ЗАДАННЫЕ P И X ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
inline constexpr const char* MESSAGE_OUTSIDE_TX = "ЗАДАННЫЕ T И X ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";

// The stops of a saturated function `name` whose pressure or temperature has
// no saturation state.
[[noreturn]] void refuse_pressure(const char* name);
[[noreturn]] void refuse_temperature(const char* name);

// The mixture of dryness x of the two saturated phases, property by
// property, as H_PX, S_PX, V_PX and Cp_PX form it from the phases at TS_P (p);
// u as h and v are mixed, cv, w and κ not defined (NaN).
SaturatedPhase mixture_of(const Saturation& saturation, double x);

// A two-phase State: region 4, the (p, h) code (0 outside the (p, h) functions),
// dryness x at the saturation pressure p and temperature t, the given h, s, v
// and cp, and u = h − p·v. h and v of the mixture are both the mass-weighted
// means of the phases at one pressure, so h − p·v is that mean of their u.
// Mixing changes cv, and the speed of sound depends on how the phases exchange
// heat: a two-phase state has neither, nor κ, nor transport properties.
State two_phase_state(int code, double x, double p, double t, double h, double s, double v, double cp);

// Region number of a (p, t) state without the caption text; 0 outside the
// domain. The dispatchers use it on their hot path, REG_PT wraps it.
struct RegionPT {
    Region region;
    const char* caption;  // nullptr where the region has no caption of its own (31, 32)
};
RegionPT region_pt(double p, double t);
// The same with the saturation temperature TS_P (p) already at hand, for a
// search that classifies many temperatures of one pressure.
RegionPT region_pt(double p, double t, double ts);

// As region_pt, but a state outside the domain ends in the fatal stop.
Region checked_region_pt(double p, double t);

// Every property of one state of a region from one evaluation of its equation.
using SinglePhase = SaturatedPhase;

// Every property of a single-phase (p, t) state in the given REG_PT region,
// as h_pt, S_PT, V_PT, Cp_PT, U_PT, Cv_PT, W_PT and K_PT give them, with one
// region 3 search at most. On the saturation line (region 4) it stops as the
// dispatcher `name` does.
SinglePhase single_phase(double p, double t, Region region, const char* name);
// The same with only v, cp, cv and w (the rest NaN), for the 2011 conductivity.
SinglePhase transport_inputs(double p, double t, Region region, const char* name);

// Transport properties at t of the state of volume v, as MIU_PT and LMB_PT
// give them (µPa·s, mW/(m·K)), and the Prandtl number of PR_PT.
double viscosity(double t, double v);
double conductivity(double t, double v);
double prandtl(double mu, double cp, double lambda);

// The State of a single-phase state at (p, t) of the given (p, t) region and
// (p, h) code: its properties with the transport properties they imply.
State single_phase_state(Region region, int code, double p, double t, double h, const SinglePhase& x);

// Specific volume of any (p, t) state as its region's equation gives it,
// infinite at the lowest pressures; V_PT refuses such a state.
double volume_pt(double p, double t);

// The region 3 branch of a REG_PT region: 2 (vapour-like) for 32, else 1;
// above the critical pressure (3) the liquid-like and vapour-like roots coincide.
int branch_of(Region region);

// VKR_PT by the walk and halving alone, without its start from the
// backward equations: the root search it falls back on.
void searched_volumes(double p, double t, double& v1, double& v2);

// Region 3 volume of branch 1 (v1 of VKR_PT, liquid-like) or 2 (v2, vapour-like).
double volume_kr(double p, double t, int branch);
// The region 3 volume at (p, t) of the branch of v0, a root of a temperature
// close to t or a backward estimate: Newton steps on the pressure from v0,
// without the search. NaN
// where they leave the stable stretch of the isotherm, move by more than a
// percent or do not settle; the search is then needed.
double volume_kr_near(double p, double t, double v0);

// One property of saturated water and steam: HSW_P (p) and HSP_P (p), or
// SSW_P (p) and SSP_P (p), with one saturation temperature; above 350 °C
// with one region 3 search for both volumes. A stop is the one HSP_P (p) or
// SSP_P (p), called first, would give where the pressure lies beyond the
// critical point.
struct SaturatedValues {
    double water, steam;
};
SaturatedValues saturated_enthalpies(double p);
SaturatedValues saturated_entropies(double p);

// Code of a (p, h) state (-1, 1, 21, 22, 23, 3 or 4) without the caption
// text; 0 outside the domain. Below the critical pressure it carries the
// saturated enthalpies it compared with (h1 = HSW_P, h2 = HSP_P) for the
// (p, h) functions to reuse; above it they are 0. Above 16.5292 MPa a state
// well below the enthalpy of 350 °C or above that of B23 is told without
// them: there they are NaN (the state is neither wet nor saturated, and lies
// on the side of its code, 1 or 23). REG_PH wraps it.
struct RegionPH {
    CodePH code;
    const char* caption;
    double h1, h2;
};
RegionPH region_ph(double p, double h);

// As region_ph, but a state outside the domain ends in the fatal stop.
RegionPH checked_region_ph(double p, double h);

// The enthalpies of the coldest and the hottest (p, t) state at p, the
// bounds of the (p, h) domain there (p from 1 kPa).
double lowest_enthalpy(double p);
double highest_enthalpy(double p);

}  // namespace TFS::detail
