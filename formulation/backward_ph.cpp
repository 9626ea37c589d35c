// Backward equations T(p, h) of IAPWS-IF97 for region 1 (equation 11) and the
// subregions 2a, 2b and 2c (equations 22, 23 and 24). Each is a polynomial
// θ = Σ n·(π + shift)^I·(η + shift)^J in the reduced pressure and enthalpy.
#include "internal.h"

#include <algorithm>
#include <iterator>

namespace TFS {
namespace {

using detail::Ext;

// The smallest exponent of a table (at most 0) and the largest (at least 0).
template <std::size_t N>
constexpr int lowest(const int (&E)[N]) {
    return std::min(0, *std::min_element(std::begin(E), std::end(E)));
}

template <std::size_t N>
constexpr int highest(const int (&E)[N]) {
    return std::max(0, *std::max_element(std::begin(E), std::end(E)));
}

// One backward equation: θ = Σ nᵢ·(π + pi_shift)^Iᵢ·(h/h_star + eta_shift)^Jᵢ, T = θ·1 K.
// The powers come from one table per variable.
template <const auto& I, const auto& J, std::size_t N>
double backward_t(const double (&n)[N], double p, double h, Ext h_star, Ext pi_shift, Ext eta_shift) {
    const double pi = p / 1.0L;
    const double eta = h / h_star;
    const double a = pi + pi_shift;
    const double b = eta + eta_shift;
    const detail::PowerTable<lowest(I), highest(I)> A(a);
    const detail::PowerTable<lowest(J), highest(J)> B(b);
    const double theta = detail::sum_terms<N>([&](std::size_t i) { return Ext(n[i]) * A[I[i]] * B[J[i]]; });
    return Ext(theta) * 1.0L - detail::KELVIN;
}

// IAPWS-IF97 Table 6, region 1: 20 terms, in the order of the published table.
namespace table6 {
constexpr int I[20] = {
      0,   0,   0,   0,   0,   0,   1,   1,   1,   1,  // 1..10
      1,   1,   1,   2,   2,   3,   3,   4,   5,   6,  // 11..20
};
constexpr int J[20] = {
      0,   1,   2,   6,  22,  32,   0,   1,   2,   3,  // 1..10
      4,  10,  32,  10,  32,  10,  32,  32,  32,  32,  // 11..20
};
constexpr double n[20] = {
         -238.72489924521,       404.21188637945,       113.49746881718,      -5.8457616048039,  // 1..4
      -0.0001528548241314,  -1.0866707695377e-06,      -13.391744872602,       43.211039183559,  // 5..8
         -54.010067170506,       30.535892203916,      -6.5964749423638,    0.0093965400878363,  // 9..12
       1.157364750534e-07,  -2.5858641282073e-05,  -4.0644363084799e-09,   6.6456186191635e-08,  // 13..16
      8.0670734103027e-11,  -9.3477771213947e-13,   5.8265442020601e-15,  -1.5020185953503e-17,  // 17..20
};
}  // namespace table6

// IAPWS-IF97 Table 20, subregion 2a: 34 terms, in the order of the published table.
namespace table20 {
constexpr int I[34] = {
      0,   0,   0,   0,   0,   0,   1,   1,   1,   1,  // 1..10
      1,   1,   1,   1,   1,   2,   2,   2,   2,   2,  // 11..20
      2,   2,   2,   3,   3,   4,   4,   4,   5,   5,  // 21..30
      5,   6,   6,   7,  // 31..34
};
constexpr int J[34] = {
      0,   1,   2,   3,   7,  20,   0,   1,   2,   3,  // 1..10
      7,   9,  11,  18,  44,   0,   2,   7,  36,  38,  // 11..20
     40,  42,  44,  24,  44,  12,  32,  44,  32,  36,  // 21..30
     42,  34,  44,  28,  // 31..34
};
constexpr double n[34] = {
          1089.8952318288,       849.51654495535,      -107.81748091826,       33.153654801263,  // 1..4
         -7.4232016790248,       11.765048724356,        1.844574935579,      -4.1792700549624,  // 5..8
          6.2478196935812,      -17.344563108114,      -200.58176862096,       271.96065473796,  // 9..12
         -455.11318285818,       3091.9688604755,       252266.40357872,   -0.0061707422868339,  // 13..16
        -0.31078046629583,       11.670873077107,       128127984.04046,      -985549096.23276,  // 17..20
          2822454697.3002,      -3594897141.0703,       1722734991.3197,      -13551.334240775,  // 21..24
           12848734.66465,       1.3865724283226,       235988.32556514,      -13105236.545054,  // 25..28
          7399.9835474766,       -551966.9703006,       3715408.5996233,        19127.72923966,  // 29..32
         -415351.64835634,      -62.459855192507,  // 33..34
};
}  // namespace table20

// IAPWS-IF97 Table 21, subregion 2b: 38 terms, in the order of the published table.
namespace table21 {
constexpr int I[38] = {
      0,   0,   0,   0,   0,   0,   0,   0,   1,   1,  // 1..10
      1,   1,   1,   1,   1,   1,   2,   2,   2,   2,  // 11..20
      3,   3,   3,   3,   4,   4,   4,   4,   4,   4,  // 21..30
      5,   5,   5,   6,   7,   7,   9,   9,  // 31..38
};
constexpr int J[38] = {
      0,   1,   2,  12,  18,  24,  28,  40,   0,   2,  // 1..10
      6,  12,  18,  24,  28,  40,   2,   8,  18,  40,  // 11..20
      1,   2,  12,  24,   2,  12,  18,  24,  28,  40,  // 21..30
     18,  24,  40,  28,   2,  28,   1,  40,  // 31..38
};
constexpr double n[38] = {
          1489.5041079516,       743.07798314034,      -97.708318797837,       2.4742464705674,  // 1..4
        -0.63281320016026,       1.1385952129658,     -0.47811863648625,    0.0085208123431544,  // 5..8
         0.93747147377932,       3.3593118604916,       3.3809355601454,      0.16844539671904,  // 9..12
         0.73875745236695,     -0.47128737436186,      0.15020273139707,    -0.002176411421975,  // 13..16
       -0.021810755324761,     -0.10829784403677,    -0.046333324635812,   7.1280351959551e-05,  // 17..20
      0.00011032831789999,   0.00018955248387902,    0.0030891541160537,    0.0013555504554949,  // 21..24
      2.8640237477456e-07,  -1.0779857357512e-05,  -7.6462712454814e-05,   1.4052392818316e-05,  // 25..28
     -3.1083814331434e-05,  -1.0302738212103e-06,    2.821728163504e-07,   1.2704902271945e-06,  // 29..32
      7.3803353468292e-08,  -1.1030139238909e-08,  -8.1456365207833e-14,  -2.5180545682962e-11,  // 33..36
     -1.7565233969407e-18,   8.6934156344163e-15,  // 37..38
};
}  // namespace table21

// IAPWS-IF97 Table 22, subregion 2c: 23 terms, in the order of the published table.
// The negative exponents I make the first ten terms reciprocal powers of π + 25.
namespace table22 {
constexpr int I[23] = {
     -7,  -7,  -6,  -6,  -5,  -5,  -2,  -2,  -1,  -1,  // 1..10
      0,   0,   1,   1,   2,   6,   6,   6,   6,   6,  // 11..20
      6,   6,   6,  // 21..23
};
constexpr int J[23] = {
      0,   4,   0,   2,   0,   2,   0,   1,   0,   2,  // 1..10
      0,   1,   4,   8,   4,   0,   1,   4,  10,  12,  // 11..20
     16,  20,  22,  // 21..23
};
constexpr double n[23] = {
         -3236839855524.2,       7326335090218.1,       358250899454.47,       -583401318515.9,  // 1..4
          -10783068217.47,       20825544563.171,       610747.83564516,        859777.2253558,  // 5..8
          -25745.72360417,       31081.088422714,       1208.2315865936,       482.19755109255,  // 9..12
          3.7966001272486,      -10.842984880077,     -0.04536417267666,   1.4559115658698e-13,  // 13..16
       1.126159740723e-12,  -1.7804982240686e-11,   1.2324579690832e-07,  -1.1606921130984e-06,  // 17..20
      2.7846367088554e-05,  -0.00059270038474176,    0.0012918582991878,  // 21..23
};
}  // namespace table22

}  // namespace

double T_PH1(double p, double h) {
    return backward_t<table6::I, table6::J>(table6::n, p, h, 2500.0L, 0.0L, 1.0L);
}

double T_PH2A(double p, double h) {
    return backward_t<table20::I, table20::J>(table20::n, p, h, 2000.0L, 0.0L, -2.1L);
}

double T_PH2B(double p, double h) {
    return backward_t<table21::I, table21::J>(table21::n, p, h, 2000.0L, -2.0L, -2.6L);
}

double T_PH2C(double p, double h) {
    return backward_t<table22::I, table22::J>(table22::n, p, h, 2000.0L, 25.0L, -1.8L);
}

}  // namespace TFS
