// Fitted pieces of the transport properties of saturated water and steam, in
// θ = t / 100 with t the saturation temperature in °C. Each row: interval of t,
// factor, coefficients of θ⁰, θ¹, … (absent powers hold 0).
#pragma once

#include "piecewise.h"

namespace Tabl1::detail {

// Thermal conductivity of saturated water, W/(m·K)
// clang-format off
inline constexpr Piece LWST_PIECES[] = {
    {half_open(0.01, 10.0), 1, {0.56399, 0.100301, 0.39799323}},
    {half_open(10.0, 360.0), 1,
     {0.5545458, 0.2634837, -0.20592187, 0.085436366, -0.021168897, 0.001910679}},
    {half_open(360.0, 372.0), 1, {-14411.378, 11846.778, -3245.8929, 296.42858}},
    {closed(372.0, 374.0), 1, {43199.16, -23200.35, 3115.0}},
};
// clang-format on

// Thermal conductivity of saturated steam, W/(m·K)
// clang-format off
inline constexpr Piece LPST_PIECES[] = {
    {half_open(0.01, 230.0), 1, {0.0170898, 0.00532879, 0.002392831, 0, 0.000377635, -0.000102261}},
    {half_open(230.0, 340.0), 1, {0.436329, 0, -0.59614754, 0.457302094, -0.13082266, 0.013365865}},
    {half_open(340.0, 370.0), 1, {-767.5836, 659.7938, -189.075, 18.06666}},
    {half_open(370.0, 372.0), 1, {1541.9713, -836.605, 113.5}},
    {closed(372.0, 374.0), 1, {65924.99, -35410.25, 4755.001}},
};
// clang-format on

// Dynamic viscosity of saturated water, µPa·s
// clang-format off
inline constexpr Piece MWST_PIECES[] = {
    {half_open(0.01, 10.0), 10, {179.36147, -614.84415, 1272.2944}},
    {half_open(10.0, 255.0), 100,
     {17.7386, -57.19327, 122.69488, -178.14206, 169.9626, -103.42953, 38.37286, -7.877789,
      0.68430805}},
    {half_open(255.0, 360.0), 100, {1.141098, 0, 0, 0.2087345, -0.1331148, 0, 0.01225829, -0.00186353}},
    {half_open(360.0, 371.0), 10, {4189.6028, -3421.0417, 934.72514, -85.345305}},
    {closed(371.0, 374.0), 10, {-1889553.4, 1523319.6, -409349.94, 36666.661}},
};
// clang-format on

// Dynamic viscosity of saturated steam, µPa·s
// clang-format off
inline constexpr Piece MPST_PIECES[] = {
    {half_open(0.01, 10.0), 10, {0.91575688, 0.43129362, -0.88862}},
    {half_open(10.0, 360.0), 10,
     {0.9543699, 0, 0.5780068, -0.4102951, 0.1103238, 0, 0, -0.00223434, 0.000433153}},
    {half_open(360.0, 371.0), 10, {-1458.044, 1195.0918, -326.95695, 29.913143}},
    {closed(371.0, 374.0), 10, {-3685188.4, 2973031.0, -799500.05, 71666.671}},
};
// clang-format on

// Prandtl number of saturated water
// clang-format off
inline constexpr Piece PRWST_PIECES[] = {
    {half_open(0.01, 100.0), 1,
     {13.2523908, -46.124897, 95.78741693, -119.457519, 80.804241, -22.505794}},
    {half_open(100.0, 300.0), 1, {5.530539, -6.5074301, 3.5582878, -0.9230141, 0.096125938}},
    {half_open(300.0, 340.0), 1, {78.068844, -69.003038, 20.273333, -1.9485048}},
    {half_open(340.0, 370.0), 1, {-23908.41, 20564.816, -5895.4999, 563.33333}},
    {half_open(370.0, 373.0), 1, {-4490750.1, 3682292.4, -1006348.4, 91666.523}},
    {closed(373.0, 374.0), 1, {-36234.19, 9719.8367}},
};
// clang-format on

// Prandtl number of saturated steam; t = 370 °C belongs to the second piece.
// clang-format off
inline constexpr Piece PRPST_PIECES[] = {
    {half_open(0.01, 340.0), 1,
     {1.00266367, 0, -0.13255954, 0.3019767, -0.30828047, 0.17276001, -0.046347439, 0.004829057}},
    {closed(340.0, 370.0), 1, {-30153.53, 25950.433, -7443.4999, 711.66666}},
    {open(370.0, 373.0), 1, {77965.791, -12781.913, -10198.132, 2150.8902}},
    {closed(373.0, 374.0), 1, {-44361.232, 11899.794}},
};
// clang-format on

}  // namespace Tabl1::detail
