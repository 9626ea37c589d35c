// Two-phase mixtures of dryness x (mass fraction of vapour) at pressure p: the
// mass-weighted mean of saturated water and saturated steam at TS_P (p).
#include "internal.h"

namespace TFS {
namespace {

using BySaturationT = double (*)(double t);

using detail::Ext;

double mixture(double p, double x, const char* refusal, BySaturationT water, BySaturationT steam) {
    // Written so that a dryness that is not a number is refused as well.
    if (!(x >= 0 && x <= 1)) throw FatalStop(refusal);
    const double ts = TS_P(p);
    const double y_water = water(ts);
    const double y_steam = steam(ts);
    if (x == 0) return y_water;
    if (x == 1) return y_steam;
    return (1.0L - x) * y_water + Ext(x) * y_steam;
}

}  // namespace

double S_PX(double p, double x) { return mixture(p, x, "  X < 0 или X > 1  в  S_PX", SSW_T, SSP_T); }
double V_PX(double p, double x) { return mixture(p, x, "  X < 0 или X > 1 в V_PX", VSW_T, VSP_T); }
double Cp_PX(double p, double x) { return mixture(p, x, "  X < 0 или X > 1  в  Cp_PX", CSW_T, CSP_T); }

}  // namespace TFS
