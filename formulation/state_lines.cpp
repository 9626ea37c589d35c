// States from a pair of which one is the pressure or the temperature: along
// the isotherm of t (STATE_TH, STATE_TS, STATE_TV) or the isobar of p
// (STATE_PV) the other quantity is met on the forward equations. The line
// runs through the regions in pieces, one equation each; in a piece the
// quantity has at most one extremum (h of hot compressed water and of
// supercritical fluid passes a minimum along the isotherm, s of water below
// 4 °C a maximum, v of water a minimum along the isobar). Each piece gives
// the states of its stretches that reach the target, wet steam its own, and
// the branch picks one where two share the pair.
#include "state_lines.h"

#include "backward_region3.h"
#include "boundary_holder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace TFS {
namespace {

using detail::KELVIN;
using detail::Quantity;
using detail::LineOf;
using detail::KJ_PER_MPA_M3;
using detail::Region;

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// The lowest pressure of the lines: the ideal-gas limit of steam is reached
// long before; 1 Pa.
constexpr double P_LOWEST = 1e-6;  // MPa
// The target is met to this part of itself (of 1 kJ/kg and 1 kJ/(kg·K) near
// 0), then steps go on while they still move the state by more than
// STEP_SETTLED of itself: where the quantity hardly depends on the free
// variable (the pressure of compressed water by its entropy), the rounding of
// the equation is what is left.
constexpr double TOLERANCE = 1e-11;
constexpr double SCALE = 1.0;
constexpr double STEP_SETTLED = 1e-15;
constexpr int MAX_POLISH = 3;
constexpr double POLISH_SETTLED = 1e-12;
constexpr double LOG_STEP = 3;
constexpr int MAX_STEPS = 200;
// A single-phase state this close to the wet state on the line (in its free
// variable) is that saturated phase.
constexpr double SAME_STATE = 1e-9;
// A saturated phase by another function of it can differ in its last digits:
// a dryness this close to 0 or 1 is that phase.
constexpr double DRYNESS_ROUNDING = 1e-12;
// The equations of steam and water meet the saturated phases to far better
// than this part of them.
constexpr double SIDE_MARGIN = 1e-6;

// The equation of a piece.
enum class Equation { Water, Steam, HighTemperature, NearCritical };

struct Piece {
    Equation equation;
    int branch;  // region 3: 1 liquid-like, 2 vapour-like
    double low, high;
    Region region;
    // Region 3 volumes near those at the ends, where known (the saturated
    // phases): the root there closes from them at once.
    double v_low = NOT_A_NUMBER, v_high = NOT_A_NUMBER;
};

// A state of a piece at the free variable x: the quantity and its derivative
// along the line, with the region 3 volume.
struct Trial {
    double x, value, slope, v;
};

class Line {
public:
    Line(const LineOf& of, double fixed, double target) : of_(of), fixed_(fixed), target_(target) {
        tolerance_ = TOLERANCE * std::fmax(std::fabs(target), of.quantity == Quantity::Volume ? 0.0 : SCALE);
    }

    double p(double x) const { return of_.isotherm ? x : fixed_; }
    double t(double x) const { return of_.isotherm ? fixed_ : x; }

    Trial at(const Piece& piece, double x, double v_near) const {
        const double p_ = p(x), t_ = t(x), T = t_ + KELVIN;
        if (piece.equation != Equation::NearCritical) {
            if (of_.isotherm && of_.quantity == Quantity::Volume) {
                // (∂v/∂p)T = −v·κ_T, κ_T = v·cp/(cv·w²) from the same evaluation.
                const detail::SinglePhase y = gibbs_phase(piece.equation, p_, t_);
                return {x, y.v, -y.v * y.v * y.cp / (y.cv * y.w * y.w) * detail::PA_PER_MPA, NOT_A_NUMBER};
            }
            const detail::Slopes y = gibbs(piece.equation, p_, t_);
            switch (of_.quantity) {
                case Quantity::Enthalpy: return {x, y.h, of_.isotherm ? y.h_x : y.h_t, NOT_A_NUMBER};
                case Quantity::Entropy: return {x, y.s, of_.isotherm ? y.s_x : y.s_t, NOT_A_NUMBER};
                default: return {x, y.v, -y.s_x / KJ_PER_MPA_M3, NOT_A_NUMBER};  // (∂v/∂T)p = −(∂s/∂p)T
            }
        }
        // From the previous trial's volume, else from the backward equation
        // v(p, T), which ends at the B23 line: there from steam's, which the
        // region 3 equation meets closely.
        if (std::isnan(v_near)) v_near = detail::backward_v_pt3(p_, T, piece.branch == 1);
        if (std::isnan(v_near)) v_near = detail::steam(p_, t_, detail::volume);
        double v = std::isnan(v_near) ? NOT_A_NUMBER : detail::volume_kr_near(p_, t_, v_near);
        if (std::isnan(v)) v = detail::volume_kr(p_, t_, piece.branch);
        const detail::Slopes y = detail::near_critical(v, t_, detail::slopes);
        // In (T, v), p in kPa: ∂p/∂T = ∂s/∂v, ∂p/∂v = (∂h/∂v − T·∂p/∂T)/v; along
        // the isotherm d/dp = (∂/∂v)/(∂p/∂v), along the isobar d/dT = ∂/∂T − (∂/∂v)·(∂p/∂T)/(∂p/∂v).
        const double p_t = y.s_x, p_v = (y.h_x - T * y.s_x) / v;
        const double dv = of_.isotherm ? KJ_PER_MPA_M3 / p_v : -p_t / p_v;
        switch (of_.quantity) {
            case Quantity::Enthalpy: return {x, y.h, of_.isotherm ? y.h_x * dv : y.h_t + y.h_x * dv, v};
            case Quantity::Entropy: return {x, y.s, of_.isotherm ? y.s_x * dv : y.s_t + y.s_x * dv, v};
            default: return {x, v, dv, v};
        }
    }

    // Region 3 along an isotherm is searched in its own variable, the volume:
    // each trial one evaluation of its equation, with no root for the volume.
    bool by_volume(const Piece& piece) const { return piece.equation == Equation::NearCritical && of_.isotherm; }

    Trial at_volume(double v) const {
        const detail::Slopes y = detail::near_critical(v, fixed_, detail::slopes);
        switch (of_.quantity) {
            case Quantity::Enthalpy: return {v, y.h, y.h_x, v};
            case Quantity::Entropy: return {v, y.s, y.s_x, v};
            default: return {v, v, 1.0, v};
        }
    }

    // A trial at the free variable x of the search: p or t, or v in region 3 along an isotherm.
    Trial eval(const Piece& piece, double x, double v_near) const {
        return by_volume(piece) ? at_volume(x) : at(piece, x, v_near);
    }

    // The free variable of the state in [a, b] (whose values enclose the
    // target) that meets it: safeguarded Newton steps, a step that leaves the
    // enclosing interval halving it (in the logarithm where the ends lie
    // decades apart), polished until the steps settle.
    Trial root(const Piece& piece, Trial a, Trial b) const {
        const bool rising = b.value > a.value;
        Trial best = std::fabs(a.value - target_) <= std::fabs(b.value - target_) ? a : b;
        Trial x = best;
        // The first trial between the ends, as the quantity would lie on a
        // straight line between them (in the logarithm of the pressure over decades).
        const bool decades = a.x > 0 && b.x > 0 && (a.x > 10 * b.x || b.x > 10 * a.x);
        if (a.value != b.value) {
            const double f = (target_ - a.value) / (b.value - a.value);
            const double first = decades ? a.x * std::pow(b.x / a.x, f) : a.x + f * (b.x - a.x);
            if ((a.x < first && first < b.x) || (b.x < first && first < a.x)) x = eval(piece, first, best.v);
        }
        int polish = 0;
        for (int step = 0; step < MAX_STEPS; ++step) {
            const double residual = target_ - x.value;
            if (std::fabs(residual) < std::fabs(target_ - best.value)) best = x;
            if (std::fabs(residual) <= tolerance_ && ++polish > MAX_POLISH) break;
            if (residual == 0) break;
            ((residual > 0) == rising ? a : b) = x;
            // Over decades of pressure in the logarithm, where steam's s and v go.
            double next = decades ? x.x * std::exp(std::clamp(residual / (x.slope * x.x), -LOG_STEP, LOG_STEP))
                                  : x.x + residual / x.slope;
            const bool inside = (a.x < next && next < b.x) || (b.x < next && next < a.x);
            if (!inside) next = midpoint(a.x, b.x);
            // Met, a step within the rounding of the quantity (which, where it
            // hardly changes with the free variable, moves it by some 1e-12 of
            // itself) gains nothing.
            if (std::fabs(residual) <= tolerance_ && std::fabs(next - x.x) <= POLISH_SETTLED * std::fabs(x.x)) break;
            if (next == a.x || next == b.x || std::fabs(next - x.x) <= STEP_SETTLED * std::fabs(x.x)) {
                if (std::fabs(residual) <= tolerance_) break;
                if (next == a.x || next == b.x) break;
            }
            x = eval(piece, next, x.v);
        }
        return best;
    }

    // The extremum of the quantity between a and b, whose slopes differ in
    // sign: halving on the sign of the slope.
    Trial extremum(const Piece& piece, Trial a, Trial b) const {
        for (int i = 0; i < MAX_STEPS; ++i) {
            const double middle = midpoint(a.x, b.x);
            if (middle == a.x || middle == b.x) break;
            const Trial m = eval(piece, middle, NOT_A_NUMBER);
            ((m.slope > 0) == (a.slope > 0) ? a : b) = m;
        }
        return std::fabs(a.slope) < std::fabs(b.slope) ? a : b;
    }

    // The states of the piece that meet the target, lowest free variable
    // first; its ends kept in `ends` for the slivers between pieces.
    void roots(const Piece& piece, std::vector<std::pair<Piece, Trial>>& found,
               std::vector<std::pair<Piece, std::pair<Trial, Trial>>>& ends) const {
        Trial a = at(piece, piece.low, piece.v_low);
        Trial b = at(piece, piece.high, std::isnan(piece.v_high) ? a.v : piece.v_high);
        ends.push_back({piece, {a, b}});
        if (by_volume(piece)) a = at_volume(a.v), b = at_volume(b.v);
        // A state found by volume takes its pressure from the equation.
        const auto keep = [&](Trial x) {
            if (by_volume(piece)) x.x = detail::near_critical(x.v, fixed_, detail::slopes).p;
            found.emplace_back(piece, x);
        };
        // Within the tolerance: an end's quantity can differ from the (p, t)
        // function's in its last digits, and a state at the end is met.
        const auto between = [this](const Trial& u, const Trial& w) {
            const double low = std::fmin(u.value, w.value), high = std::fmax(u.value, w.value);
            return low - tolerance_ <= target_ && target_ <= high + tolerance_;
        };
        // Region 3 along an isobar by its volume, which rises with t there: the
        // temperature interpolated between the ends; the state closes it at
        // the given volume itself (state_of).
        if (piece.equation == Equation::NearCritical && !of_.isotherm && of_.quantity == Quantity::Volume) {
            if (between(a, b))
                keep({a.x + (target_ - a.value) / (b.value - a.value) * (b.x - a.x), target_, a.slope, target_});
            return;
        }
        const bool turns = (a.slope > 0) != (b.slope > 0);
        // At or beyond the nearer end on the side of an extremum: none, or
        // one on each side of it (an end itself among them).
        const bool beyond = turns && (a.slope < 0 ? target_ <= std::fmin(a.value, b.value) + tolerance_
                                                  : target_ >= std::fmax(a.value, b.value) - tolerance_);
        if (beyond) {
            const Trial m = extremum(piece, a, b);
            if (!between(a, m)) return;
            keep(root(piece, a, m));
            keep(root(piece, m, b));
        } else if (between(a, b)) {
            keep(root(piece, a, b));
        }
    }

    double tolerance() const { return tolerance_; }

private:
    static detail::Slopes gibbs(Equation e, double p, double t) {
        switch (e) {
            case Equation::Water: return detail::water(p, t, detail::slopes);
            case Equation::Steam: return detail::steam(p, t, detail::slopes);
            default: return detail::high_temperature(p, t, detail::slopes);
        }
    }
    static detail::SinglePhase gibbs_phase(Equation e, double p, double t) {
        switch (e) {
            case Equation::Water: return detail::water(p, t, detail::phase);
            case Equation::Steam: return detail::steam(p, t, detail::phase);
            default: return detail::high_temperature(p, t, detail::phase);
        }
    }
    // Halves the interval, in the logarithm where its ends lie a decade apart or more.
    static double midpoint(double a, double b) {
        if (a > 0 && b > 0 && (a > 10 * b || b > 10 * a)) return std::sqrt(a * b);
        return (a + b) / 2.0;
    }

    const LineOf& of_;
    double fixed_, target_, tolerance_;
};

// The pieces of the isotherm t, by pressure: steam below the saturation
// pressure or the B23 line, region 3 above B23 (split at the saturation
// pressure below the critical temperature), water above the saturation
// pressure up to 350 °C; region 5 above 800 °C up to 50 MPa.
std::vector<Piece> isotherm(double t) {
    const double T = t + KELVIN;
    if (t > detail::T25_C) return {{Equation::HighTemperature, 0, P_LOWEST, detail::P5_MAX_MPA, Region::HIGH_TEMPERATURE}};
    const double top = 100.0;
    if (T <= detail::T13_K) {
        const double ps = PS_T(t);
        return {{Equation::Steam, 0, P_LOWEST, ps, Region::STEAM}, {Equation::Water, 0, ps, top, Region::WATER}};
    }
    const double p23 = detail::pB23(T);
    if (!(p23 < top)) return {{Equation::Steam, 0, P_LOWEST, top, Region::STEAM}};
    std::vector<Piece> pieces{{Equation::Steam, 0, P_LOWEST, p23, Region::STEAM}};
    if (t < TKR) {
        const Saturation y = SATURATION_T(t);
        pieces.push_back({Equation::NearCritical, 2, p23, y.p, Region::NEAR_CRITICAL_STEAM, NOT_A_NUMBER, y.steam.v});
        pieces.push_back({Equation::NearCritical, 1, y.p, top, Region::NEAR_CRITICAL_WATER, y.water.v});
    } else {
        pieces.push_back({Equation::NearCritical, 1, p23, top, Region::NEAR_CRITICAL});
    }
    return pieces;
}

// The pieces of the isobar p, by temperature.
std::vector<Piece> isobar(double p) {
    std::vector<Piece> pieces;
    const double ts = TS_P(p);
    const double t_max = p <= detail::P5_MAX_MPA ? detail::T5_MAX_C : detail::T25_C;
    if (p < detail::P_CORNER_MPA) {
        if (ts > 0) pieces.push_back({Equation::Water, 0, 0.0, ts, Region::WATER});
        pieces.push_back({Equation::Steam, 0, std::fmax(ts, 0.0), detail::T25_C, Region::STEAM});
    } else {
        const double t23 = detail::TB23(p) - KELVIN;
        pieces.push_back({Equation::Water, 0, 0.0, detail::T13_C, Region::WATER});
        if (p < PKR) {
            const Saturation y = SATURATION_P(p);
            pieces.push_back(
                {Equation::NearCritical, 1, detail::T13_C, ts, Region::NEAR_CRITICAL_WATER, NOT_A_NUMBER, y.water.v});
            pieces.push_back({Equation::NearCritical, 2, ts, t23, Region::NEAR_CRITICAL_STEAM, y.steam.v});
        } else {
            pieces.push_back({Equation::NearCritical, 1, detail::T13_C, t23, Region::NEAR_CRITICAL});
        }
        pieces.push_back({Equation::Steam, 0, t23, detail::T25_C, Region::STEAM});
    }
    if (t_max > detail::T25_C)
        pieces.push_back({Equation::HighTemperature, 0, detail::T25_C, t_max, Region::HIGH_TEMPERATURE});
    return pieces;
}

// The sides of the saturation line the pieces lie on.
bool steam_side(Region r) {
    return r == Region::STEAM || r == Region::NEAR_CRITICAL_STEAM;
}
bool water_side(Region r) {
    return r == Region::WATER || r == Region::NEAR_CRITICAL_WATER;
}

double quantity_of(const SaturatedPhase& y, Quantity q) {
    switch (q) {
        case Quantity::Enthalpy: return y.h;
        case Quantity::Entropy: return y.s;
        default: return y.v;
    }
}

// The whole state of a piece's root: its equation's state at (p, t), region 3
// at its volume. A region 3 state of a given volume is the equation's at that
// volume itself: along an isotherm its pressure the equation's, along an
// isobar its temperature closed on the given pressure by Newton steps at that
// volume.
State state_of(const Line& line, const LineOf& of, double target, const Piece& piece, Trial x) {
    double p = line.p(x.x), t = line.t(x.x);
    if (piece.equation == Equation::NearCritical && of.quantity == Quantity::Volume) {
        x.v = target;
        for (int step = 0; step < MAX_STEPS && !of.isotherm; ++step) {
            const detail::Slopes y = detail::near_critical(target, t, detail::slopes);
            const double dt = (p - y.p) * KJ_PER_MPA_M3 / y.s_x;
            t += dt;
            if (!(std::fabs(dt) > STEP_SETTLED * (t + KELVIN))) break;
        }
        if (of.isotherm) p = detail::near_critical(target, t, detail::slopes).p;
    }
    detail::SinglePhase y{};
    switch (piece.equation) {
        case Equation::Water: y = detail::water(p, t, detail::phase); break;
        case Equation::Steam: y = detail::steam(p, t, detail::phase); break;
        case Equation::HighTemperature: y = detail::high_temperature(p, t, detail::phase); break;
        default: y = detail::near_critical(p, x.v, t, detail::phase); break;
    }
    // Region 3 by the (p, t) classification, which tells its sides below the critical pressure.
    Region region = piece.region;
    if (detail::in_region3(region) && detail::in_region3(detail::region_pt(p, t).region))
        region = detail::region_pt(p, t).region;
    return detail::single_phase_state(region, 0, p, t, y.h, y);
}

}  // namespace

State detail::state_on_line(const LineOf& of, double fixed, double target, Branch branch) {
    const bool finite = std::isfinite(fixed) && std::isfinite(target);
    const bool inside = of.isotherm ? fixed >= T_MIN_C && fixed <= T5_MAX_C : fixed >= P_LOWEST && fixed <= P_MAX_MPA;
    if (!(finite && inside && (of.quantity != Quantity::Volume || target > 0))) throw FatalStop(of.outside);
    const Line line(of, fixed, target);
    // Wet steam: between the saturated phases of the line's saturation state.
    const bool wet_line = of.isotherm ? fixed >= T_TRIPLE_C && fixed < TKR : fixed >= P_TRIPLE_MPA && fixed < PKR;
    std::optional<State> wet;
    double wet_at = NOT_A_NUMBER, vapour = NOT_A_NUMBER;
    if (wet_line) {
        const Saturation y = of.isotherm ? SATURATION_T(fixed) : SATURATION_P(fixed);
        const double low = quantity_of(y.water, of.quantity), high = quantity_of(y.steam, of.quantity);
        vapour = high;
        const double x = target == low ? 0.0 : target == high ? 1.0 : (target - low) / (high - low);
        if (x >= -DRYNESS_ROUNDING && x <= 1 + DRYNESS_ROUNDING) {
            const SaturatedPhase m = mixture_of(y, std::clamp(x, 0.0, 1.0));
            wet = two_phase_state(0, std::clamp(x, 0.0, 1.0), y.p, y.t, m.h, m.s, m.v, NOT_A_NUMBER);
            wet_at = of.isotherm ? y.p : y.t;
        }
    }
    // Along the line steam's h, s and v lie above those of saturated steam,
    // water's below them: a piece on the other side is not searched.
    const double margin = SIDE_MARGIN * std::fabs(vapour);
    std::vector<std::pair<Piece, Trial>> found;
    std::vector<std::pair<Piece, std::pair<Trial, Trial>>> ends;
    for (const Piece& piece : of.isotherm ? isotherm(fixed) : isobar(fixed)) {
        if ((steam_side(piece.region) && target < vapour - margin) ||
            (water_side(piece.region) && target > vapour + margin))
            continue;
        if (piece.low < piece.high) line.roots(piece, found, ends);
    }

    // The single-phase states in the order of the free variable (one at the
    // wet state is that saturated phase); the branch picks the first or last,
    // wet steam is given where it is asked for or no single phase has the pair.
    std::vector<std::pair<Piece, Trial>> single;
    for (const auto& f : found) {
        if (wet && std::fabs(f.second.x - wet_at) <= SAME_STATE * std::fabs(wet_at)) continue;
        if (std::fabs(f.second.value - target) <= line.tolerance()) single.push_back(f);
    }
    if (wet && (branch == Branch::WET || single.empty())) return *wet;
    if (single.empty()) {
        // Where two regions' equations meet, their quantities step by a little,
        // and a target inside the step is met by no state: the state on the
        // boundary of the region that holds it (steam B23 and 800 °C, water 350 °C).
        // Water and steam meeting at the saturation pressure or temperature
        // are no such step: their gap is wet steam, given above, and below the
        // triple point (0 to 0.01 °C) nothing, no state has the pair.
        for (std::size_t i = 1; i < ends.size(); ++i) {
            const auto& [left, l] = ends[i - 1];
            const auto& [right, r] = ends[i];
            const Trial &u = l.second, &w = r.first;
            const bool phase_change = (water_side(left.region) && steam_side(right.region)) ||
                                      (steam_side(left.region) && water_side(right.region));
            if (phase_change ||
                !(u.x == w.x && std::fmin(u.value, w.value) <= target && target <= std::fmax(u.value, w.value)))
                continue;
            const bool left_holds = detail::holds_boundary(left.region) < detail::holds_boundary(right.region);
            return state_of(line, of, target, left_holds ? left : right, left_holds ? u : w);
        }
        throw FatalStop(of.outside);
    }
    std::sort(single.begin(), single.end(), [](const auto& a, const auto& b) { return a.second.x < b.second.x; });
    const auto& chosen = branch == Branch::HIGHER ? single.back() : branch == Branch::LOWER ? single.front()
                         : of.isotherm ? single.front() : single.back();
    return state_of(line, of, target, chosen.first, chosen.second);
}

}  // namespace TFS

namespace TFS {
namespace {

constexpr detail::LineOf TH{true, Quantity::Enthalpy, "ЗАДАННЫЕ T И H ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:"};
constexpr detail::LineOf TS{true, Quantity::Entropy, "ЗАДАННЫЕ T И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:"};
constexpr detail::LineOf TV{true, Quantity::Volume, "ЗАДАННЫЕ T И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:"};
constexpr detail::LineOf PV{false, Quantity::Volume, "ЗАДАННЫЕ P И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:"};

}  // namespace

State STATE_TH(double t, double h, Branch branch) {
    return detail::state_on_line(TH, t, h, branch);
}

State STATE_TS(double t, double s, Branch branch) {
    return detail::state_on_line(TS, t, s, branch);
}

State STATE_TV(double t, double v) {
    return detail::state_on_line(TV, t, v, Branch::LOWER);  // one state to the pair
}

State STATE_PV(double p, double v, Branch branch) {
    return detail::state_on_line(PV, p, v, branch);
}

}  // namespace TFS
