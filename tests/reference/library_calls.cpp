#include "library_calls.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "TFS.h"
#include "Tabl1.h"

namespace {

using Args = const std::vector<double>&;
using Call = std::function<std::string(Args)>;

std::string joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : " ") + part;
    return text;
}

Call one(double (*f)(double)) {
    return [f](Args a) { return exact_text(f(a.at(0))); };
}
Call two(double (*f)(double, double)) {
    return [f](Args a) { return exact_text(f(a.at(0), a.at(1))); };
}
Call with_branch(double (*f)(double, double, int)) {
    return [f](Args a) { return exact_text(f(a.at(0), a.at(1), static_cast<int>(a.at(2)))); };
}

// A whole state: its region and dryness, then p, t, h, s, v, u, cp, cv, w.
std::string state_text(const TFS::State& y) {
    return joined({std::to_string(y.region), exact_text(y.x), exact_text(y.p), exact_text(y.t), exact_text(y.h),
                   exact_text(y.s), exact_text(y.v), exact_text(y.u), exact_text(y.cp), exact_text(y.cv),
                   exact_text(y.w)});
}
Call state_of_two(TFS::State (*f)(double, double)) {
    return [f](Args a) { return state_text(f(a.at(0), a.at(1))); };
}
// A state by a pair with its branch (1 LOWER, 2 HIGHER, 3 WET).
Call state_with_branch(TFS::State (*f)(double, double, TFS::Branch)) {
    return [f](Args a) { return state_text(f(a.at(0), a.at(1), static_cast<TFS::Branch>(static_cast<int>(a.at(2))))); };
}
// The derivatives of a state: α_v, κ_T, (∂p/∂T)v, μ_JT, δ_T, g, f, Z.
Call derivatives_of(TFS::State (*f)(double, double)) {
    return [f](Args a) {
        const TFS::Derivatives d = TFS::DERIVATIVES(f(a.at(0), a.at(1)));
        return joined({exact_text(d.alpha_v), exact_text(d.kappa_t), exact_text(d.dp_dt_v), exact_text(d.mu_jt),
                       exact_text(d.delta_t), exact_text(d.g), exact_text(d.f), exact_text(d.z)});
    };
}

// The range warning writes to std::cout and waits for a line on std::cin: the
// call gets a line to read and its text becomes part of the result.
Call correlation(Call call) {
    return [call](Args a) {
        std::istringstream answer("\n");
        std::ostringstream warning;
        std::streambuf* const out = std::cout.rdbuf(warning.rdbuf());
        std::streambuf* const in = std::cin.rdbuf(answer.rdbuf());
        std::string result;
        try {
            result = call(a);
        } catch (...) {
            std::cout.rdbuf(out);
            std::cin.rdbuf(in);
            throw;
        }
        std::cout.rdbuf(out);
        std::cin.rdbuf(in);
        std::string text = warning.str();
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
            text.replace(at, 1, "\\n");
        return text.empty() ? result : result + " printed: " + text;
    };
}

const std::map<std::string, Call>& functions() {
    using namespace TFS;
    static const std::map<std::string, Call> table = {
        {"POWI", [](Args a) { return exact_text(POWI(a.at(0), static_cast<int>(a.at(1)))); }},
        {"POWR", two(POWR)},
        {"REG_PT",
         [](Args a) {
             int region = -1;
             std::string caption;
             REG_PT(a.at(0), a.at(1), region, caption);
             return joined({std::to_string(region), caption});
         }},
        {"TS_P", one(TS_P)},
        {"PS_T", one(PS_T)},
        {"HW_PT", two(HW_PT)},
        {"SW_PT", two(SW_PT)},
        {"VW_PT", two(VW_PT)},
        {"VW0_PT", two(VW0_PT)},
        {"CpW_PT", two(CpW_PT)},
        {"HP_PT", two(HP_PT)},
        {"SP_PT", two(SP_PT)},
        {"VP_PT", two(VP_PT)},
        {"CpP_PT", two(CpP_PT)},
        {"ZKR_VT", two(ZKR_VT)},
        {"VKR_PT",
         [](Args a) {
             double v1 = 0, v2 = 0;
             VKR_PT(a.at(0), a.at(1), v1, v2);
             return joined({exact_text(v1), exact_text(v2)});
         }},
        {"HKR_PT", with_branch(HKR_PT)},
        {"SKR_PT", with_branch(SKR_PT)},
        {"CpKR_PT", with_branch(CpKR_PT)},
        {"UKR_PT", with_branch(UKR_PT)},
        {"CvKR_PT", with_branch(CvKR_PT)},
        {"WKR_PT", with_branch(WKR_PT)},
        {"UW_PT", two(UW_PT)},
        {"CvW_PT", two(CvW_PT)},
        {"WW_PT", two(WW_PT)},
        {"UP_PT", two(UP_PT)},
        {"CvP_PT", two(CvP_PT)},
        {"WP_PT", two(WP_PT)},
        {"U5_PT", two(U5_PT)},
        {"Cv5_PT", two(Cv5_PT)},
        {"W5_PT", two(W5_PT)},
        {"U_PT", two(U_PT)},
        {"Cv_PT", two(Cv_PT)},
        {"W_PT", two(W_PT)},
        {"K_PT", two(K_PT)},
        {"H5_PT", two(H5_PT)},
        {"S5_PT", two(S5_PT)},
        {"V5_PT", two(V5_PT)},
        {"Cp5_PT", two(Cp5_PT)},
        {"S_PX", two(S_PX)},
        {"V_PX", two(V_PX)},
        {"Cp_PX", two(Cp_PX)},
        {"h_pt", two(h_pt)},
        {"S_PT", two(S_PT)},
        {"V_PT", two(V_PT)},
        {"Cp_PT", two(Cp_PT)},
        {"MIU_PT", two(MIU_PT)},
        {"LMB_PT", two(LMB_PT)},
        {"PR_PT", two(PR_PT)},
        {"REG_PH",
         [](Args a) {
             int code = -100;
             std::string caption;
             REG_PH(a.at(0), a.at(1), code, caption);
             return joined({std::to_string(code), caption});
         }},
        {"T_PH1", two(T_PH1)},
        {"T_PH2A", two(T_PH2A)},
        {"T_PH2B", two(T_PH2B)},
        {"T_PH2C", two(T_PH2C)},
        {"T_PH3", two(T_PH3)},
        {"T_PH", two(T_PH)},
        {"S_PH", two(S_PH)},
        {"V_PH", two(V_PH)},
        {"Cp_PH", two(Cp_PH)},
        {"HSW_P", one(HSW_P)},
        {"SSW_P", one(SSW_P)},
        {"VSW_P", one(VSW_P)},
        {"CSW_P", one(CSW_P)},
        {"HSW_T", one(HSW_T)},
        {"SSW_T", one(SSW_T)},
        {"VSW_T", one(VSW_T)},
        {"CSW_T", one(CSW_T)},
        {"HSP_P", one(HSP_P)},
        {"SSP_P", one(SSP_P)},
        {"VSP_P", one(VSP_P)},
        {"CSP_P", one(CSP_P)},
        {"HSP_T", one(HSP_T)},
        {"SSP_T", one(SSP_T)},
        {"VSP_T", one(VSP_T)},
        {"CSP_T", one(CSP_T)},
        {"H_PX", two(H_PX)},
        {"T_PS1", two(T_PS1)},
        {"T_PS2A", two(T_PS2A)},
        {"T_PS2B", two(T_PS2B)},
        {"T_PS2C", two(T_PS2C)},
        {"T_PS3A", two(T_PS3A)},
        {"T_PS3B", two(T_PS3B)},
        {"T_PS", two(T_PS)},
        {"P_HS", two(P_HS)},
        {"T_HS", two(T_HS)},
        {"STATE_TH", state_with_branch(STATE_TH)},
        {"STATE_TS", state_with_branch(STATE_TS)},
        {"STATE_PV", state_with_branch(STATE_PV)},
        {"STATE_TV", state_of_two(STATE_TV)},
        {"STATE_UV", state_of_two(STATE_UV)},
        {"HMS_PT", two(HMS_PT)},
        {"SMS_PT", two(SMS_PT)},
        {"VMS_PT", two(VMS_PT)},
        {"CpMS_PT", two(CpMS_PT)},
        {"UMS_PT", two(UMS_PT)},
        {"CvMS_PT", two(CvMS_PT)},
        {"WMS_PT", two(WMS_PT)},
        {"STATE_PT_METASTABLE", state_of_two(STATE_PT_METASTABLE)},
        {"DERIVATIVES(STATE_PT)", derivatives_of(STATE_PT)},
        {"DERIVATIVES(STATE_PT_METASTABLE)", derivatives_of(STATE_PT_METASTABLE)},
        {"Tabl1::TSP", correlation(one(Tabl1::TSP))},
        {"Tabl1::PST", correlation(one(Tabl1::PST))},
        {"Tabl1::LWST", correlation(one(Tabl1::LWST))},
        {"Tabl1::LPST", correlation(one(Tabl1::LPST))},
        {"Tabl1::MWST", correlation(one(Tabl1::MWST))},
        {"Tabl1::MPST", correlation(one(Tabl1::MPST))},
        {"Tabl1::PRWST", correlation(one(Tabl1::PRWST))},
        {"Tabl1::PRPST", correlation(one(Tabl1::PRPST))},
        {"Tabl1::SIGT", correlation(one(Tabl1::SIGT))},
        {"Tabl1::LWSP", correlation(one(Tabl1::LWSP))},
        {"Tabl1::LPSP", correlation(one(Tabl1::LPSP))},
        {"Tabl1::MWSP", correlation(one(Tabl1::MWSP))},
        {"Tabl1::MPSP", correlation(one(Tabl1::MPSP))},
        {"Tabl1::SIGP", correlation(one(Tabl1::SIGP))},
        {"Tabl1::MPT", correlation(two(Tabl1::MPT))},
    };
    return table;
}

}  // namespace

std::string exact_text(double x) {
    // The sign of a NaN is whatever the processor's operations leave in it,
    // which differs between platforms: every NaN is written alike.
    if (std::isnan(x)) return "nan";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

std::string call_library(const std::string& name, const std::vector<double>& args) {
    const auto f = functions().find(name);
    if (f == functions().end()) throw std::invalid_argument("no library function " + name);
    try {
        return f->second(args);
    } catch (const TFS::FatalStop& stop) {
        return std::string("stop: ") + stop.what();
    }
}
