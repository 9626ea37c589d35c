// The temperature at which the forward equations give a single-phase state
// of pressure p a given enthalpy or entropy: Newton steps from a backward
// estimate on the property of the (p, t) region each trial temperature lies
// in, kept inside an interval that encloses the answer.
#pragma once

#include "derivatives.h"

namespace TFS::detail {

// The property met, with what the search needs to know of it.
struct MatchedProperty {
    // It with cp, from one state: in regions 1, 2 and 5, and in region 3.
    SinglePhase (*gibbs_with_cp)(const GibbsState&);
    // It alone in regions 1, 2 and 5, for a trial that steps on an earlier cp.
    SinglePhase (*gibbs_alone)(const GibbsState&);
    SinglePhase (*helmholtz_with_cp)(const HelmholtzState&);
    double SinglePhase::*member;  // where a whole state keeps it
    bool per_kelvin;              // ∂x/∂T at constant p is cp/T (entropy), not cp (enthalpy)
    // It is met to 1e-12 of itself, or of `scale` where it nears 0 (the
    // coldest water), whose last digits the equations do not resolve.
    double scale;
    double (*backward_v3)(double p, double x);  // the region 3 volume v(p, x) that starts a root
    const char* outside;                        // the stop for a target beyond the domain
    const char* no_convergence;
    const char* dispatcher;  // whose stop a trial on the saturation line gives
};

extern const MatchedProperty MATCHED_ENTHALPY;
extern const MatchedProperty MATCHED_ENTROPY;

// The temperatures searched, °C. A target beyond an end that ends the domain
// is refused; beyond the other (the saturation temperature) the state is
// wet or within rounding of the line, and that end is the answer.
struct TemperatureRange {
    double low, high;
    bool low_ends_domain, high_ends_domain;
};

// The temperature in `range` whose (p, t) state has the property x, from the
// estimate t0; ts is TS_P (p), by which each trial is classified. Where two
// regions meet their properties step by a little, and a target inside such a
// step is met by no temperature: the trial nearest it, on the boundary, is
// the answer.
double forward_temperature(double p, double x, double ts, double t0, const TemperatureRange& range,
                           const MatchedProperty& m);

// Region 2 holds the B23 line, and its equation overlaps region 3's there by
// some millikelvin: the region 2 state at p that has the property x of a
// region 3 temperature t found within the overlap, where there is one; else t.
double region2_in_overlap(double p, double x, double t, const MatchedProperty& m);

}  // namespace TFS::detail
