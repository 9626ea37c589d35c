#include "spreadsheet_functions.h"

#include "TFS.h"

#include <cmath>
#include <strings.h>

namespace {

using Args = SpreadsheetArguments;

const SpreadsheetArgument Pressure{"p", "pressure, MPa", false};
const SpreadsheetArgument Temperature{"t", "temperature, °C", false};
const SpreadsheetArgument Enthalpy{"h", "specific enthalpy, kJ/kg", false};
const SpreadsheetArgument Entropy{"s", "specific entropy, kJ/(kg·K)", false};
const SpreadsheetArgument Dryness{"x", "dryness, 0 to 1", false};
const SpreadsheetArgument Release{"release", "1985 (or left out) for IAPS 1985, 2008 or 2011 for the IAPWS releases",
                                  true};

// The transport releases: IAPS 1985 unless the formula names the newer one.
bool NewerRelease(double release) {
    if (std::isnan(release) || release == 1985) return false;
    if (release == 2008 || release == 2011) return true;
    throw SpreadsheetRefusal{"The release is 1985, 2008 or 2011."};
}

double Dryness_PH(const Args& a) {
    const double x = TFS::STATE_PH(a[0], a[1]).x;
    if (std::isnan(x)) throw SpreadsheetRefusal{"The state is not wet steam: it has no dryness."};
    return x;
}

// clang-format off
const std::vector<SpreadsheetFunction> Functions = {
    {"H2O_H_PT", "hPT", "Specific enthalpy at pressure and temperature, kJ/kg", {Pressure, Temperature},
     [](const Args& a) { return TFS::h_pt(a[0], a[1]); }},
    {"H2O_S_PT", "sPT", "Specific entropy at pressure and temperature, kJ/(kg·K)", {Pressure, Temperature},
     [](const Args& a) { return TFS::S_PT(a[0], a[1]); }},
    {"H2O_V_PT", "vPT", "Specific volume at pressure and temperature, m³/kg", {Pressure, Temperature},
     [](const Args& a) { return TFS::V_PT(a[0], a[1]); }},
    {"H2O_CP_PT", "cpPT", "Isobaric heat capacity at pressure and temperature, kJ/(kg·K)", {Pressure, Temperature},
     [](const Args& a) { return TFS::Cp_PT(a[0], a[1]); }},
    {"H2O_T_PH", "tPH", "Temperature at pressure and specific enthalpy, °C", {Pressure, Enthalpy},
     [](const Args& a) { return TFS::STATE_PH(a[0], a[1]).t; }},
    {"H2O_T_PS", "tPS", "Temperature at pressure and specific entropy, °C", {Pressure, Entropy},
     [](const Args& a) { return TFS::STATE_PS(a[0], a[1]).t; }},
    {"H2O_X_PH", "xPH", "Dryness of wet steam at pressure and specific enthalpy", {Pressure, Enthalpy}, Dryness_PH},
    {"H2O_H_PX", "hPX", "Specific enthalpy of wet steam at pressure and dryness, kJ/kg", {Pressure, Dryness},
     [](const Args& a) { return TFS::H_PX(a[0], a[1]); }},
    {"H2O_TS_P", "tsP", "Saturation temperature at pressure, °C", {Pressure},
     [](const Args& a) { return TFS::TS_P(a[0]); }},
    {"H2O_PS_T", "psT", "Saturation pressure at temperature, MPa", {Temperature},
     [](const Args& a) { return TFS::PS_T(a[0]); }},
    {"H2O_P_HS", "pHS", "Pressure at specific enthalpy and entropy, MPa", {Enthalpy, Entropy},
     [](const Args& a) { return TFS::P_HS(a[0], a[1]); }},
    {"H2O_T_HS", "tHS", "Temperature at specific enthalpy and entropy, °C", {Enthalpy, Entropy},
     [](const Args& a) { return TFS::T_HS(a[0], a[1]); }},
    {"H2O_MU_PT", "muPT", "Dynamic viscosity at pressure and temperature, µPa·s", {Pressure, Temperature, Release},
     [](const Args& a) { return NewerRelease(a[2]) ? TFS::MIU08_PT(a[0], a[1]) : TFS::MIU_PT(a[0], a[1]); }},
    {"H2O_LAMBDA_PT", "lambdaPT", "Thermal conductivity at pressure and temperature, mW/(m·K)",
     {Pressure, Temperature, Release},
     [](const Args& a) { return NewerRelease(a[2]) ? TFS::LMB11_PT(a[0], a[1]) : TFS::LMB_PT(a[0], a[1]); }},
};
// clang-format on

}  // namespace

const std::vector<SpreadsheetFunction>& SpreadsheetFunctions() {
    return Functions;
}

const SpreadsheetFunction* SpreadsheetFunctionNamed(const std::string& name) {
    for (const SpreadsheetFunction& f : Functions)
        if (strcasecmp(name.c_str(), f.displayName) == 0 || strcasecmp(name.c_str(), f.programmaticName) == 0)
            return &f;
    return nullptr;
}

double Evaluate(const SpreadsheetFunction& function, const SpreadsheetArguments& arguments, std::string* message) {
    try {
        for (std::size_t i = 0; i < function.arguments.size(); ++i)
            if (!function.arguments[i].optional && !std::isfinite(arguments[i]))
                throw SpreadsheetRefusal{std::string("The argument ") + function.arguments[i].name + " is no number."};
        return function.compute(arguments);
    } catch (const SpreadsheetRefusal& refusal) {
        *message = refusal.message;
    } catch (const TFS::FatalStop& stop) {
        *message = stop.what();
    }
    return std::nan("");
}
