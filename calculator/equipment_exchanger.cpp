// The counterflow heat exchanger: the largest duty that keeps the hot stream
// at least the minimum approach hotter than the cold one all along.
//
// Where the cold stream reaches a temperature t it has taken
// m_c (h_c(t) − h_c,in) from its inlet; the hot stream there has given the
// rest of the duty from its own inlet and must still be at t + ΔT or hotter.
// So the duty is at most
//     F(t) = m_c (h_c(t) − h_c,in) + m_h (h_h,in − h_h(t + ΔT))
// for every t from the cold inlet to the hot inlet less ΔT, and the largest
// duty is the least F: at an end, where a stream starts to boil or condense,
// or inside a single phase where the streams' heat capacity rates cross (steam
// near saturation or near the critical point).
#include "equipment_parts.h"

#include <algorithm>
#include <array>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// At the saturation temperature the enthalpy runs over the whole dome: a
// stream that must stay at or above a temperature needs at least the liquid's
// enthalpy, one that must stay at or below it at most the vapour's.
enum class Side { Liquid, Vapour };

// Inside a single phase F is smooth: samples find its least value's
// neighbourhood, and Brent's search (parabolas through the three best points,
// golden sections where they do not serve) closes on it.
constexpr int SamplesPerPiece = 16;
constexpr int MostSteps = 100;
constexpr double ClosedWithin = 1e-4;                 // K
constexpr double Nudge = 1e-3;                        // K, off an end to see F's slope there
constexpr double GoldenRatio = 0.6180339887498949;    // (√5 − 1)/2
constexpr double GoldenSection = 1 - GoldenRatio;     // (3 − √5)/2
constexpr double PeakWithin = 0.01;                   // K
constexpr double Jump = std::numeric_limits<double>::infinity();
// The (p, t) domain above the critical point: to 800 °C at up to 100 MPa.
constexpr double HighestPressure = 100.0, HighestTemperatureAbove = 800.0;

// A temperature where F changes its phase, with F's value as t is
// approached from below and from above it (Jump where F leaps up there).
struct Bound {
    double t, below, above;
};

struct Profile {
    const Stream &hot, &cold;
    double approach;
    double coldSaturation, hotSaturation;  // °C; NaN above the critical pressure

    double EnthalpyAt(const Stream& stream, double saturation, double t, Side side) const {
        if (t == saturation) {
            const SaturatedStreams sat = SaturatedAt(stream.p);
            return side == Side::Liquid ? sat.water.h : sat.steam.h;
        }
        return TFS::h_pt(stream.p, t);
    }

    // F(t); the hot stream's side at its saturation temperature given.
    double Limit(double t, Side hotSide = Side::Liquid) const {
        return cold.massFlow * (EnthalpyAt(cold, coldSaturation, t, Side::Liquid) - cold.h) +
               hot.massFlow * (hot.h - EnthalpyAt(hot, hotSaturation, t + approach, hotSide));
    }

    // The least F strictly between two bounds, and where it lies.
    double LeastInside(const Bound& from, const Bound& to, double& at) const {
        const double step = (to.t - from.t) / SamplesPerPiece;
        std::array<double, SamplesPerPiece> f{};
        int best = 1;
        for (int k = 1; k < SamplesPerPiece; ++k) {
            f[k] = Limit(from.t + k * step);
            if (f[k] < f[best]) best = k;
        }
        at = from.t + best * step;
        // F falling on to an end it reaches there, and rising as it leaves
        // it: that end's value is F's least here.
        const auto endHolds = [&](double end, double value, double inward) {
            return value <= f[best] && Limit(end + inward) >= value;
        };
        if ((best == 1 && endHolds(from.t, from.above, Nudge)) ||
            (best == SamplesPerPiece - 1 && endHolds(to.t, to.below, -Nudge)))
            return f[best];
        // Within the bracket around the best sample (a, b): x the best point,
        // w the second best, v the one before; e the step before last.
        double a = at - step, b = at + step;
        double x = at, w = x, v = x, fx = f[best], fw = fx, fv = fx;
        double d = 0, e = 0;
        for (int i = 0; i < MostSteps; ++i) {
            const double middle = 0.5 * (a + b);
            if (std::abs(x - middle) <= 2 * ClosedWithin - 0.5 * (b - a)) break;
            bool golden = true;
            if (std::abs(e) > ClosedWithin) {
                // The vertex of the parabola through x, w and v, if it falls
                // inside the bracket by less than half the step before last.
                const double r = (x - w) * (fx - fv);
                double q = (x - v) * (fx - fw);
                double p = (x - v) * q - (x - w) * r;
                q = 2 * (q - r);
                if (q > 0) p = -p;
                q = std::abs(q);
                if (std::abs(p) < std::abs(0.5 * q * e) && p > q * (a - x) && p < q * (b - x)) {
                    e = d;
                    d = p / q;
                    golden = false;
                    if (x + d - a < 2 * ClosedWithin || b - (x + d) < 2 * ClosedWithin)
                        d = middle > x ? ClosedWithin : -ClosedWithin;
                }
            }
            if (golden) {
                e = x >= middle ? a - x : b - x;
                d = GoldenSection * e;
            }
            const double u = std::abs(d) >= ClosedWithin ? x + d : x + (d > 0 ? ClosedWithin : -ClosedWithin);
            const double fu = Limit(u);
            if (fu <= fx) {
                (u >= x ? a : b) = x;
                v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
            } else {
                (u < x ? a : b) = u;
                if (fu <= fw || w == x) {
                    v = w, fv = fw, w = u, fw = fu;
                } else if (fu <= fv || v == x || v == w) {
                    v = u, fv = fu;
                }
            }
        }
        at = x;
        return fx;
    }
};

// Above the critical pressure the heat capacity peaks at the pseudo-critical
// temperature, between the critical temperature and the top of the (p, t)
// domain; F bends sharply there. NaN below the critical pressure.
double PseudoCritical(double p) {
    if (!(p >= TFS::PKR && p <= HighestPressure)) return NotDefined;
    double a = TFS::TKR, b = HighestTemperatureAbove;
    double c = b - GoldenRatio * (b - a), d = a + GoldenRatio * (b - a);
    double fc = TFS::Cp_PT(p, c), fd = TFS::Cp_PT(p, d);
    while (b - a > PeakWithin) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - GoldenRatio * (b - a), fc = TFS::Cp_PT(p, c);
        } else {
            a = c, c = d, fc = fd;
            d = a + GoldenRatio * (b - a), fd = TFS::Cp_PT(p, d);
        }
    }
    return 0.5 * (a + b);
}

double SaturationOf(const Stream& stream) {
    return stream.p < TFS::PKR ? TFS::TS_P(stream.p) : NotDefined;
}

}  // namespace

Exchanging Exchange(const Stream& hot, const Stream& cold, double minimumApproach) {
    const QString hotKey = u"hot"_s, coldKey = u"cold"_s, approachKey = u"minimumApproach"_s;
    CheckStream(hot, hotKey, u"hot stream"_s);
    CheckStream(cold, coldKey, u"cold stream"_s);
    if (!(hot.massFlow > 0)) Refuse(hotKey + u".massFlow"_s, u" The hot stream has no flow: it carries no heat"_s);
    if (!(cold.massFlow > 0)) Refuse(coldKey + u".massFlow"_s, u" The cold stream has no flow: it takes no heat"_s);
    if (!(minimumApproach >= 0) || !std::isfinite(minimumApproach))
        Refuse(approachKey, u" Inadequately set minimum approach: it is negative"_s);
    if (!(hot.t > cold.t + minimumApproach))
        Refuse(hotKey, u" The hot stream is not the minimum approach hotter than the cold inlet: no heat can pass"_s);
    return Served(approachKey, [&] {
        const Profile profile{hot, cold, minimumApproach, SaturationOf(cold), SaturationOf(hot)};
        // The ends: the hot outlet against the cold inlet, the cold outlet
        // against the hot inlet; F there is one stream's share alone.
        const double first = cold.t, last = hot.t - minimumApproach;
        const double coldEnd =
            hot.massFlow * (hot.h - profile.EnthalpyAt(hot, profile.hotSaturation, first + minimumApproach, Side::Liquid));
        const double hotEnd = cold.massFlow * (profile.EnthalpyAt(cold, profile.coldSaturation, last, Side::Vapour) - cold.h);
        // Where the cold stream starts to boil (F leaps up past it), where the
        // hot one starts to condense (F leaps down to it), and where either's
        // heat capacity peaks above the critical pressure: they part F's pieces.
        std::array<Bound, 6> bounds{Bound{first, Jump, coldEnd}};
        int count = 1;
        const auto part = [&](Bound bound) {
            int i = count++;
            for (; bounds[i - 1].t > bound.t; --i) bounds[i] = bounds[i - 1];
            bounds[i] = bound;
        };
        const double boiling = profile.coldSaturation, condensing = profile.hotSaturation - minimumApproach;
        const auto inside = [&](double t) { return t > first && t < last; };
        if (inside(boiling)) part({boiling, profile.Limit(boiling), Jump});
        if (inside(condensing)) part({condensing, Jump, profile.Limit(condensing, Side::Vapour)});
        for (const double peak : {PseudoCritical(cold.p), PseudoCritical(hot.p) - minimumApproach})
            if (inside(peak)) part({peak, profile.Limit(peak), profile.Limit(peak)});
        bounds[count++] = {last, hotEnd, Jump};
        double duty = Jump, pinch = first;
        for (int i = 0; i < count; ++i) {
            const double value = std::min(bounds[i].below, bounds[i].above);
            if (value < duty) duty = value, pinch = bounds[i].t;
            if (i + 1 == count) break;
            double at = 0;
            const double least = profile.LeastInside(bounds[i], bounds[i + 1], at);
            if (least < duty) duty = least, pinch = at;
        }
        Exchanging x;
        x.duty = duty;
        x.pinchTemperature = pinch;
        x.hotOutlet = StreamFromState(TFS::STATE_PH(hot.p, hot.h - duty / hot.massFlow), hot.massFlow);
        x.coldOutlet = StreamFromState(TFS::STATE_PH(cold.p, cold.h + duty / cold.massFlow), cold.massFlow);
        x.balance = BalanceSheet().in(hot).in(cold).out(x.hotOutlet).out(x.coldOutlet).balance();
        return x;
    });
}
