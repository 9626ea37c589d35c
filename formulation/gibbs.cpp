// Caloric and acoustic properties from the derivatives of a dimensionless
// Gibbs free energy γ(π, τ), common to regions 1, 2 and 5.
#include "tfs_internal.h"

#include <cmath>

namespace TFS {

namespace {

// π·(γ_π − τ·γ_πτ), the term by which cv falls below cp.
double expansion_term(const detail::GibbsDerivatives& d) {
    return d.pi_g_p - d.tau_pi_g_pt;
}

}  // namespace

double detail::gibbs_u(const GibbsDerivatives& d) {
    return d.T * R_WATER * (d.tau_g_t - d.pi_g_p);
}

double detail::gibbs_cv(const GibbsDerivatives& d) {
    const double b = expansion_term(d);
    return R_WATER * (-d.tau2_g_tt + b * b / d.pi2_g_pp);
}

double detail::gibbs_w(const GibbsDerivatives& d) {
    const double b = expansion_term(d);
    return std::sqrt(R_WATER * J_PER_KJ * d.T * d.pi_g_p * d.pi_g_p / (b * b / d.tau2_g_tt - d.pi2_g_pp));
}

double detail::isentropic_exponent(double p, double v, double w) {
    return w * w / (p * PA_PER_MPA * v);
}

}  // namespace TFS
