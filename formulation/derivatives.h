// One state of a region's equation and the properties its derivatives give.
//
// A region computes each sum of its derivatives when a property first asks
// for it, and keeps it: a single property costs only the sums it needs, a
// whole state each sum once. The regions hold their coefficients and sums;
// state_properties.cpp forms the properties from them, one formula for the
// Gibbs form of regions 1, 2 and 5 and one for region 3's Helmholtz form.
#pragma once

#include <new>

#include "tfs_internal.h"

namespace TFS::detail {

// A value computed on first use and kept. It is built where it is kept, so
// that a value of several numbers is not copied there from another place.
template <class T>
class Once {
public:
    template <class Compute>
    const T& operator()(Compute compute) const {
        if (!known_) {
            ::new (static_cast<void*>(&value_)) T(compute());
            known_ = true;
        }
        return value_;
    }

private:
    mutable bool known_ = false;

public:
    bool known() const { return known_; }

private:
    mutable T value_{};
};

// A state of region 1, 2 or 5 at p (MPa): the dimensionless Gibbs free energy
// γ(π, τ) at T (K) with its derivatives.
class GibbsState {
public:
    const double p, T, pi, tau;

    // π·γ_π, π²·γ_ππ and τ·π·γ_πτ, each multiplied by the powers of π and τ
    // it is taken by: the ideal-gas term ln π of regions 2 and 5 then adds
    // exactly 1 to π·γ_π and −1 to π²·γ_ππ, with no reciprocal of π.
    struct PiTerms {
        double pi_g_p, pi2_g_pp, tau_pi_g_pt;
    };

    double gamma() const {
        return gamma_([this] { return sum_gamma(); });
    }
    double gamma_tau() const {
        return gamma_tau_([this] { return sum_gamma_tau(); });
    }
    double gamma_pi() const {
        return gamma_pi_([this] { return sum_gamma_pi(); });
    }
    double gamma_tau_tau() const {
        return gamma_tau_tau_([this] { return sum_gamma_tau_tau(); });
    }
    const PiTerms& pi_terms() const {
        return pi_terms_([this] { return sum_pi_terms(); });
    }

    // Every sum above, each the same double as alone.
    struct All {
        double gamma, gamma_tau, gamma_pi, gamma_tau_tau;
        PiTerms pi_terms;
    };
    // A whole state takes every sum, in as few passes through the table as
    // its region allows; a property asked for afterwards finds its sum kept.
    void take_all() const {
        if (gamma_known()) return;
        const All a = sum_all();
        gamma_([&] { return a.gamma; });
        gamma_tau_([&] { return a.gamma_tau; });
        gamma_pi_([&] { return a.gamma_pi; });
        gamma_tau_tau_([&] { return a.gamma_tau_tau; });
        pi_terms_([&] { return a.pi_terms; });
    }

protected:
    GibbsState(double p, double T, double pi, double tau) : p(p), T(T), pi(pi), tau(tau) {}
    ~GibbsState() = default;

    virtual double sum_gamma() const = 0;
    virtual double sum_gamma_tau() const = 0;
    virtual double sum_gamma_pi() const = 0;
    virtual double sum_gamma_tau_tau() const = 0;
    virtual PiTerms sum_pi_terms() const = 0;
    virtual All sum_all() const = 0;

private:
    bool gamma_known() const { return gamma_.known(); }

    Once<double> gamma_, gamma_tau_, gamma_pi_, gamma_tau_tau_;
    Once<PiTerms> pi_terms_;
};

// π·γ_π, π²·γ_ππ and τ·π·γ_πτ of a region whose γ = ln π + γ0(τ) + γr, with
// the residual part γr = Σ n·π^I·x^J in π and x (τ or a shift of it) and the
// powers of π and x at hand: π·γr_π = Σ n·I·π^I·x^J, π²·γr_ππ =
// Σ n·I·(I−1)·π^I·x^J and τ·π·γr_πτ = τ·Σ n·I·J·π^I·x^(J−1); the ideal-gas
// term ln π adds 1 and −1.
// The tables are template arguments, so that each term's exponents are
// constants to the compiler.
template <const auto& n, const auto& I, const auto& J, class PiPowers, class XPowers>
GibbsState::PiTerms ideal_gas_pi_terms(const PiPowers& Pi, const XPowers& X, double tau) {
    // n·I, n·I·(I−1) and n·I·J, formed by the compiler; a term whose factor
    // is 0 adds nothing. The table runs by rising I: the sums go by the powers of π.
    static constexpr auto nI = scaled(n, [](std::size_t i) { return I[i]; });
    static constexpr auto nII = scaled(n, [](std::size_t i) { return I[i] * (I[i] - 1); });
    static constexpr auto nIJ = scaled(n, [](std::size_t i) { return I[i] * J[i]; });
    const double pi_gr_p = sum_by_exponent<I, nI, 0>(Pi, [&](std::size_t i) { return X[J[i]]; });
    const double pi2_gr_pp = sum_by_exponent<I, nII, 0>(Pi, [&](std::size_t i) { return X[J[i]]; });
    const double pi_gr_pt = sum_by_exponent<I, nIJ, 0>(Pi, [&](std::size_t i) { return X[J[i] - 1]; });
    return {1.0 + pi_gr_p, -1.0 + pi2_gr_pp, tau * pi_gr_pt};
}

// The reduced variables of a region's state, formed in place before the
// GibbsState that takes T, π and τ from them (a base is built before the next).
template <class R>
struct ReducedOf {
    const R r;
};

// The Gibbs state of a region from its reduced variables R (with T, π and τ),
// formed by REDUCE (p, t), and the functions that form its sums; PI_TERMS may
// take γ_π from the state.
template <class R, R (*REDUCE)(double p, double t), double (*GAMMA)(const R&), double (*GAMMA_TAU)(const R&),
          double (*GAMMA_PI)(const R&), double (*GAMMA_TAU_TAU)(const R&),
          GibbsState::PiTerms (*PI_TERMS)(const R&, const GibbsState&),
          GibbsState::All (*ALL)(const R&) = nullptr>
class GibbsOf final : private ReducedOf<R>, public GibbsState {
public:
    GibbsOf(double p, double t) : ReducedOf<R>{REDUCE(p, t)}, GibbsState(p, this->r.T, this->r.pi, this->r.tau) {}

private:
    double sum_gamma() const override { return GAMMA(this->r); }
    double sum_gamma_tau() const override { return GAMMA_TAU(this->r); }
    double sum_gamma_pi() const override { return GAMMA_PI(this->r); }
    double sum_gamma_tau_tau() const override { return GAMMA_TAU_TAU(this->r); }
    PiTerms sum_pi_terms() const override { return PI_TERMS(this->r, *this); }
    // A region without a pass of its own takes the sums one by one.
    All sum_all() const override {
        if constexpr (ALL != nullptr) {
            return ALL(this->r);
        } else {
            return {gamma(), gamma_tau(), gamma_pi(), gamma_tau_tau(), pi_terms()};
        }
    }
};

// A state of region 3 at p (MPa), the volume v (m³/kg) and T (K): the
// dimensionless Helmholtz free energy φ(δ, τ) with its derivatives.
class HelmholtzState {
public:
    const double p, v, T, delta, tau;

    // The second derivatives φ_δδ, φ_δτ and φ_ττ.
    struct Second {
        double phi_dd, phi_dt, phi_tt;
    };

    double phi() const {
        return phi_([this] { return sum_phi(); });
    }
    double phi_delta() const {
        return phi_delta_([this] { return sum_phi_delta(); });
    }
    double tau_phi_tau() const {
        return tau_phi_tau_([this] { return sum_tau_phi_tau(); });
    }  // τ·φ_τ
    const Second& second() const {
        return second_([this] { return sum_second(); });
    }

    // Every sum above, each the same double as alone, in one pass through the
    // table; a property asked for afterwards finds its sum kept.
    struct All {
        double phi, phi_delta, tau_phi_tau;
        Second second;
    };
    void take_all() const {
        if (phi_.known()) return;
        const All a = sum_all();
        phi_([&] { return a.phi; });
        phi_delta_([&] { return a.phi_delta; });
        tau_phi_tau_([&] { return a.tau_phi_tau; });
        second_([&] { return a.second; });
    }

protected:
    HelmholtzState(double p, double v, double T, double delta, double tau) : p(p), v(v), T(T), delta(delta), tau(tau) {}
    ~HelmholtzState() = default;

    virtual double sum_phi() const = 0;
    virtual double sum_phi_delta() const = 0;
    virtual double sum_tau_phi_tau() const = 0;
    virtual Second sum_second() const = 0;
    virtual All sum_all() const = 0;

private:
    Once<double> phi_, phi_delta_, tau_phi_tau_;
    Once<Second> second_;
};

// The properties of a Gibbs state and of a Helmholtz state, in the units of
// TFS.h (state_properties.cpp); `phase` gives every one of them.
using GibbsProperty = double (*)(const GibbsState&);
using HelmholtzProperty = double (*)(const HelmholtzState&);
double enthalpy(const GibbsState& g);
double enthalpy(const HelmholtzState& f);
double entropy(const GibbsState& g);
double entropy(const HelmholtzState& f);
double volume(const GibbsState& g);
double volume(const HelmholtzState& f);
double heat_capacity(const GibbsState& g);
double heat_capacity(const HelmholtzState& f);
double internal_energy(const GibbsState& g);
double internal_energy(const HelmholtzState& f);
double isochoric_heat_capacity(const GibbsState& g);
double isochoric_heat_capacity(const HelmholtzState& f);
double speed_of_sound(const GibbsState& g);
double speed_of_sound(const HelmholtzState& f);
SinglePhase phase(const GibbsState& g);
SinglePhase phase(const HelmholtzState& f);
// h or s with cp, what a search for a temperature of given h or s takes from
// each trial state; the rest NaN.
SinglePhase enthalpy_and_cp(const GibbsState& g);
SinglePhase enthalpy_and_cp(const HelmholtzState& f);
SinglePhase entropy_and_cp(const GibbsState& g);
SinglePhase entropy_and_cp(const HelmholtzState& f);
// h or s alone, for a trial whose cp the search does not take; the rest NaN.
SinglePhase enthalpy_alone(const GibbsState& g);
SinglePhase entropy_alone(const GibbsState& g);
// Only v, cp, cv and w, what the 2011 conductivity needs; the rest NaN.
SinglePhase transport_phase(const GibbsState& g);
SinglePhase transport_phase(const HelmholtzState& f);

// One property, or every property, of the state at (p, t) of region 1
// (without its test against steam), 2 or 5, and of region 3 at (p, v, t).
double water(double p, double t, GibbsProperty of);
SinglePhase water(double p, double t, SinglePhase (*of)(const GibbsState&));
double steam(double p, double t, GibbsProperty of);
SinglePhase steam(double p, double t, SinglePhase (*of)(const GibbsState&));
double high_temperature(double p, double t, GibbsProperty of);
SinglePhase high_temperature(double p, double t, SinglePhase (*of)(const GibbsState&));
double near_critical(double p, double v, double t, HelmholtzProperty of);
SinglePhase near_critical(double p, double v, double t, SinglePhase (*of)(const HelmholtzState&));

// h and s of a state with their slopes over the two variables a search for a
// given (h, s) moves: (T, p) in the Gibbs form (x = p in MPa), (T, v) in the
// Helmholtz form (x = v in m³/kg); p and v of the state. T in K.
struct Slopes {
    double p, v, h, s;
    double h_t, h_x, s_t, s_x;
};
Slopes slopes(const GibbsState& g);
Slopes slopes(const HelmholtzState& f);
Slopes water(double p, double t, Slopes (*of)(const GibbsState&));
Slopes steam(double p, double t, Slopes (*of)(const GibbsState&));
Slopes high_temperature(double p, double t, Slopes (*of)(const GibbsState&));
// Region 3 at (v, t) before its pressure is known: the state's own p is NaN.
Slopes near_critical(double v, double t, Slopes (*of)(const HelmholtzState&));

// The region 3 volume of branch 1 or 2 at (p, t), as VKR_PT gives it; another
// branch number ends in the stop that names `caller`.
double branch_volume(double p, double t, int branch, const char* caller);

}  // namespace TFS::detail
