// Fitted pieces of the transport properties of saturated water and steam, in
// θ = t / 100 with t the saturation temperature in °C. Each row: interval of t,
// factor, coefficients of θ⁰, θ¹, … (absent powers hold 0).
#pragma once

#include "piecewise.h"

namespace Tabl1::detail {

// Thermal conductivity of saturated water, W/(m·K)
// clang-format off
inline constexpr Piece LWST_PIECES[] = {
    {half_open(0.01L, 10.0L), 1, {0.56399L, 0.100301L, 0.39799323L}},
    {half_open(10.0L, 360.0L), 1,
     {0.5545458L, 0.2634837L, -0.20592187L, 0.085436366L, -0.021168897L, 0.001910679L}},
    {half_open(360.0L, 372.0L), 1, {-14411.378L, 11846.778L, -3245.8929L, 296.42858L}},
    {closed(372.0L, 374.0L), 1, {43199.16L, -23200.35L, 3115.0L}},
};
// clang-format on

// Thermal conductivity of saturated steam, W/(m·K)
// clang-format off
inline constexpr Piece LPST_PIECES[] = {
    {half_open(0.01L, 230.0L), 1, {0.0170898L, 0.00532879L, 0.002392831L, 0, 0.000377635L, -0.000102261L}},
    {half_open(230.0L, 340.0L), 1, {0.436329L, 0, -0.59614754L, 0.457302094L, -0.13082266L, 0.013365865L}},
    {half_open(340.0L, 370.0L), 1, {-767.5836L, 659.7938L, -189.075L, 18.06666L}},
    {half_open(370.0L, 372.0L), 1, {1541.9713L, -836.605L, 113.5L}},
    {closed(372.0L, 374.0L), 1, {65924.99L, -35410.25L, 4755.001L}},
};
// clang-format on

// Dynamic viscosity of saturated water, µPa·s
// clang-format off
inline constexpr Piece MWST_PIECES[] = {
    {half_open(0.01L, 10.0L), 10, {179.36147L, -614.84415L, 1272.2944L}},
    {half_open(10.0L, 255.0L), 100,
     {17.7386L, -57.19327L, 122.69488L, -178.14206L, 169.9626L, -103.42953L, 38.37286L, -7.877789L,
      0.68430805L}},
    {half_open(255.0L, 360.0L), 100, {1.141098L, 0, 0, 0.2087345L, -0.1331148L, 0, 0.01225829L, -0.00186353L}},
    {half_open(360.0L, 371.0L), 10, {4189.6028L, -3421.0417L, 934.72514L, -85.345305L}},
    {closed(371.0L, 374.0L), 10, {-1889553.4L, 1523319.6L, -409349.94L, 36666.661L}},
};
// clang-format on

// Dynamic viscosity of saturated steam, µPa·s
// clang-format off
inline constexpr Piece MPST_PIECES[] = {
    {half_open(0.01L, 10.0L), 10, {0.91575688L, 0.43129362L, -0.88862L}},
    {half_open(10.0L, 360.0L), 10,
     {0.9543699L, 0, 0.5780068L, -0.4102951L, 0.1103238L, 0, 0, -0.00223434L, 0.000433153L}},
    {half_open(360.0L, 371.0L), 10, {-1458.044L, 1195.0918L, -326.95695L, 29.913143L}},
    {closed(371.0L, 374.0L), 10, {-3685188.4L, 2973031.0L, -799500.05L, 71666.671L}},
};
// clang-format on

// Prandtl number of saturated water
// clang-format off
inline constexpr Piece PRWST_PIECES[] = {
    {half_open(0.01L, 100.0L), 1,
     {13.2523908L, -46.124897L, 95.78741693L, -119.457519L, 80.804241L, -22.505794L}},
    {half_open(100.0L, 300.0L), 1, {5.530539L, -6.5074301L, 3.5582878L, -0.9230141L, 0.096125938L}},
    {half_open(300.0L, 340.0L), 1, {78.068844L, -69.003038L, 20.273333L, -1.9485048L}},
    {half_open(340.0L, 370.0L), 1, {-23908.41L, 20564.816L, -5895.4999L, 563.33333L}},
    {half_open(370.0L, 373.0L), 1, {-4490750.1L, 3682292.4L, -1006348.4L, 91666.523L}},
    {closed(373.0L, 374.0L), 1, {-36234.19L, 9719.8367L}},
};
// clang-format on

// Prandtl number of saturated steam; t = 370 °C belongs to the second piece.
// clang-format off
inline constexpr Piece PRPST_PIECES[] = {
    {half_open(0.01L, 340.0L), 1,
     {1.00266367L, 0, -0.13255954L, 0.3019767L, -0.30828047L, 0.17276001L, -0.046347439L, 0.004829057L}},
    {closed(340.0L, 370.0L), 1, {-30153.53L, 25950.433L, -7443.4999L, 711.66666L}},
    {open(370.0L, 373.0L), 1, {77965.791L, -12781.913L, -10198.132L, 2150.8902L}},
    {closed(373.0L, 374.0L), 1, {-44361.232L, 11899.794L}},
};
// clang-format on

}  // namespace Tabl1::detail
