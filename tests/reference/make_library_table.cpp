// Writes the library reference table: every public function of TFS and Tabl1
// at states over every region, the boundaries and their neighbouring doubles,
// the saturation line, region 3 near the critical point and every (p, h) code.
// One line per call: name, arguments and result, separated by tabs.
//
// Regenerate after a deliberate change of values:
//   cmake --build build --target make_library_table
//   build/tests/reference/make_library_table tests/reference/library_table.tsv
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "TFS.h"
#include "library_calls.h"

namespace {

using List = std::vector<double>;

double below(double x) {
    return std::nextafter(x, -INFINITY);
}
double above(double x) {
    return std::nextafter(x, INFINITY);
}

// x with its two neighbouring doubles.
void add_with_neighbours(List& list, double x) {
    list.insert(list.end(), {below(x), x, above(x)});
}

// The value of a function, or none where it stops.
template <class F>
bool value_of(F f, double& x) {
    try {
        x = f();
        return true;
    } catch (const TFS::FatalStop&) {
        return false;
    }
}

// Where a classification changes between neighbouring values of a sorted
// list, halve down to the two neighbouring doubles on either side of the change
// and add them: every region boundary is found without writing it down.
template <class Classify>
void add_boundaries(List& list, Classify classify) {
    List sorted;
    for (const double x : list)
        if (!std::isnan(x)) sorted.push_back(x);
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        double a = sorted[i - 1], b = sorted[i];
        const int side = classify(a);
        if (classify(b) == side) continue;
        while (above(a) < b) {
            const double m = a + (b - a) / 2;
            if (m <= a || m >= b) break;
            (classify(m) == side ? a : b) = m;
        }
        list.insert(list.end(), {a, b});
    }
}

class Table {
public:
    explicit Table(std::ostream& out) : out_(out) {}

    void call(const std::string& name, const List& args) {
        out_ << name;
        for (const double a : args) out_ << '\t' << exact_text(a);
        out_ << '\t' << call_library(name, args) << '\n';
        ++count_;
    }
    void call_each(const std::vector<std::string>& names, const List& args) {
        for (const std::string& name : names) call(name, args);
    }
    int count() const { return count_; }

private:
    std::ostream& out_;
    int count_ = 0;
};

int region_pt(double p, double t) {
    int region = 0;
    std::string caption;
    try {
        TFS::REG_PT(p, t, region, caption);
    } catch (const TFS::FatalStop&) {
    }
    return region;
}

int code_ph(double p, double h) {
    int code = 0;
    std::string caption;
    try {
        TFS::REG_PH(p, h, code, caption);
    } catch (const TFS::FatalStop&) {
    }
    return code;
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

// Pressures (MPa) of the (p, t) states: the bounds 10 MPa (region 5 of 1997),
// 16.5292 MPa (B23 meets the saturation line), PKR, 50 MPa (region 5) and
// 100 MPa with neighbours.
List pt_pressures() {
    List p = {0.0006, 0.001,           0.01, 0.1, 1, 3, 5, 8, 12, 15, 17, 19, 20, 21.5, 22.06, 23, 25, 30, 50,
              70,     100.00000000001, 120,  NaN};
    for (const double bound : {10.0, 16.5292, TFS::PKR, 50.0, 100.0}) add_with_neighbours(p, bound);
    return p;
}

// Temperatures (°C) of the (p, t) states: a grid with the bounds 0 °C,
// 350 °C (regions 1 and 3), 800 °C (region 2 and 5), 1000 °C (region 5 of
// 1997) and 2000 °C with neighbours.
List pt_temperatures() {
    List t = {-0.5,    -1e-9, 0.01, 10,   50,  100, 200, 300, 340, 360, 370,
              373.946, 375,   380,  390,  400, 420, 450, 500, 600, 700, 800.000000000001,
              900,     1200,  1500, 1800, NaN};
    for (const double bound : {0.0, 350.0, 800.0, 1000.0, 2000.0}) add_with_neighbours(t, bound);
    return t;
}

void pt_states(Table& table) {
    const std::vector<std::string> everywhere = {"REG_PT", "h_pt",  "S_PT", "V_PT",  "Cp_PT", "MIU_PT",
                                                 "LMB_PT", "PR_PT", "U_PT", "Cv_PT", "W_PT",  "K_PT"};
    const std::vector<std::string> region1 = {"HW_PT",  "SW_PT", "VW_PT",  "VW0_PT",
                                              "CpW_PT", "UW_PT", "CvW_PT", "WW_PT"};
    const std::vector<std::string> region2 = {"HP_PT", "SP_PT", "VP_PT", "CpP_PT", "UP_PT", "CvP_PT", "WP_PT"};
    const std::vector<std::string> region5 = {"H5_PT", "S5_PT", "V5_PT", "Cp5_PT", "U5_PT", "Cv5_PT", "W5_PT"};
    const std::vector<std::string> by_branch = {"HKR_PT", "SKR_PT", "CpKR_PT", "UKR_PT", "CvKR_PT", "WKR_PT"};

    for (const double p : pt_pressures()) {
        const List grid = pt_temperatures();
        List t = grid;
        double ts = 0;
        if (value_of([&] { return TFS::TS_P(p); }, ts)) {
            add_with_neighbours(t, ts);
            t.insert(t.end(), {ts - 0.0001, ts + 0.0001, ts - 0.01, ts + 0.01});
        }
        add_boundaries(t, [p](double x) { return region_pt(p, x); });
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double x = t[i];
            table.call_each(everywhere, {p, x});
            // The equation of each region at its own states and just beyond
            // (a region 1 function guards against steam, for one).
            if (!(x > 380)) table.call_each(region1, {p, x});
            if (!(x < -0.1) && !(x > 850)) table.call_each(region2, {p, x});
            if (!(x < 750)) table.call_each(region5, {p, x});
            if (i < grid.size()) table.call("Tabl1::MPT", {p, x});
            // Region 3 and its surroundings: the root searches are slow, so
            // only the states where they can apply.
            if (p >= 16.5 && p <= 100.00000000001 && x >= 340 && x <= 450) {
                table.call("VKR_PT", {p, x});
                for (const double branch : {1.0, 2.0})
                    for (const std::string& name : by_branch) table.call(name, {p, x, branch});
            }
        }
    }
    // A branch that is neither 1 nor 2.
    for (const std::string& name : by_branch) table.call(name, {25, 380, 3});
    // The saturation line just below the critical point, where both roots meet.
    for (const double p : {20.0, 21.0, 21.5, 21.9, 22.0, 22.05, 22.06, 22.063}) {
        const double ts = TFS::TS_P(p);
        for (const double t : {below(ts), ts, above(ts), ts - 0.1, ts + 0.1}) {
            table.call("VKR_PT", {p, t});
            for (const double branch : {1.0, 2.0})
                for (const std::string& name : by_branch) table.call(name, {p, t, branch});
        }
    }
}

// Region 3 volumes by (v, t).
void volume_states(Table& table) {
    for (const double v : {0.0015, 0.002, 0.0031, 0.004, 0.006, 0.008})
        for (const double t : {350.0, 374.0, 400.0, 500.0}) table.call("ZKR_VT", {v, t});
}

void power_states(Table& table) {
    for (const double x : {0.0, 0.5, -1.3, 2.0, 1.0000001, 10.0, 0.1, NaN})
        for (const double n : {-41.0, -5.0, -2.0, -1.0, 0.0, 1.0, 2.0, 7.0, 32.0, 58.0}) table.call("POWI", {x, n});
    for (const double x : {0.0, 0.5, 1.0, 2.0, 647.2, -1.0})
        for (const double y : {-0.6, 0.0, 0.6, 1.5, 2.8}) table.call("POWR", {x, y});
}

// Saturated states by pressure and by temperature, and mixtures.
void saturation_states(Table& table) {
    List p = {-1, 0,  0.0005, 0.000611657, 0.001, 0.005, 0.01, 0.05,  0.1,    0.101325, 0.2, 0.5,
              1,  2,  3,      5,           7,     10,    12,   14,    16,     16.52916, 17,  18,
              19, 20, 21,     21.5,        21.8,  21.9,  22,   22.05, 22.063, 22.1,     NaN};
    add_with_neighbours(p, 16.5292);
    add_with_neighbours(p, TFS::PKR);
    const std::vector<std::string> by_pressure = {"TS_P",  "HSW_P", "SSW_P", "VSW_P", "CSW_P",
                                                  "HSP_P", "SSP_P", "VSP_P", "CSP_P"};
    for (const double x : p) table.call_each(by_pressure, {x});

    List t = {-1,  0,   0.01, 1,   5,   10,  20,  30,  40,  50,  60,  80,  100,   120,   150, 180, 200,
              220, 250, 280,  300, 320, 340, 345, 360, 365, 370, 372, 373, 373.5, 373.9, 374, NaN};
    add_with_neighbours(t, 350);
    add_with_neighbours(t, TFS::TKR);
    const std::vector<std::string> by_temperature = {"PS_T",  "HSW_T", "SSW_T", "VSW_T", "CSW_T",
                                                     "HSP_T", "SSP_T", "VSP_T", "CSP_T"};
    for (const double x : t) table.call_each(by_temperature, {x});

    for (const double x : {0.001, 0.1, 1.0, 10.0, 16.0, 20.0, 22.0})
        for (const double dryness : {-0.1, 0.0, 0.3, 0.5, 0.99, 1.0, 1.1, NaN})
            table.call_each({"S_PX", "V_PX", "Cp_PX"}, {x, dryness});
}

// Tabl1's one-argument correlations, mostly in range.
void correlation_states(Table& table) {
    const List t = {-1, 0.01, 1, 10, 25, 50, 75, 100, 150, 200, 250, 300, 330, 350, 360, 370, 373, 373.9, 375};
    for (const double x : t)
        table.call_each({"Tabl1::PST", "Tabl1::LWST", "Tabl1::LPST", "Tabl1::MWST", "Tabl1::MPST", "Tabl1::PRWST",
                         "Tabl1::PRPST", "Tabl1::SIGT"},
                        {x});
    const List p = {0.0005, 0.00087, 0.001, 0.01, 0.1, 0.5, 1, 2, 5, 10, 15, 18, 20, 21, 21.82, 22};
    for (const double x : p)
        table.call_each({"Tabl1::TSP", "Tabl1::LWSP", "Tabl1::LPSP", "Tabl1::MWSP", "Tabl1::MPSP", "Tabl1::SIGP"}, {x});
}

// (p, h) states: every code, the saturated enthalpies, the enthalpy at 350 °C
// and on B23 above 16.5292 MPa, the B2bc line, all with neighbouring doubles.
void ph_states(Table& table) {
    List p = {0.0009, 0.000999999999,  0.001, 0.01, 0.1, 1, 3, 5, 8, 12, 16, 17, 18, 19, 20, 21, 22, 22.06, 23, 25, 30,
              50,     100.00000000001, 101,   NaN};
    for (const double bound : {4.0, 6.5467, 10.0, 16.5292, TFS::PKR, 50.0, 100.0}) add_with_neighbours(p, bound);
    const List grid = {-1,
                       -1e-13,
                       0,
                       10,
                       100,
                       500,
                       1000,
                       1500,
                       1700,
                       1900,
                       2000,
                       2100,
                       2200,
                       2300,
                       2400,
                       2600,
                       2800,
                       3000,
                       3300,
                       3600,
                       4000,
                       4400,
                       4642.8000000001,
                       4643,
                       5000,
                       6000,
                       7000,
                       7400,
                       NaN};
    const std::vector<std::string> everywhere = {"REG_PH", "T_PH", "S_PH", "V_PH", "Cp_PH"};
    const std::vector<std::string> steam = {"T_PH2A", "T_PH2B", "T_PH2C"};
    for (const double x : p) {
        List h = grid;
        double value = 0;
        // The bounds of the domain (0 °C, and 2000 °C or 800 °C above 50 MPa),
        // the saturated enthalpies, the enthalpy at 350 °C and on B23.
        if (value_of([&] { return TFS::HW_PT(x, -1e-9); }, value)) add_with_neighbours(h, value);
        if (value_of([&] { return x <= 50 ? TFS::H5_PT(x, 2000) : TFS::HP_PT(x, 800); }, value))
            add_with_neighbours(h, value);
        if (value_of([&] { return TFS::HSW_P(x); }, value)) add_with_neighbours(h, value);
        if (value_of([&] { return TFS::HSP_P(x); }, value)) add_with_neighbours(h, value);
        if (x > 16.5292 && x <= 100 && value_of([&] { return TFS::h_pt(x, 350); }, value))
            add_with_neighbours(h, value);
        add_boundaries(h, [x](double y) { return code_ph(x, y); });
        for (const double y : h) {
            table.call_each(everywhere, {x, y});
            const int code = code_ph(x, y);
            if (code == 1 || code == -1 || code == 4) table.call("T_PH1", {x, y});
            if (code == 21 || code == 22 || code == 23 || code == -1 || code == 4) table.call_each(steam, {x, y});
            if (code == 3 || (x > 16 && x <= 100 && y > 1500 && y < 2900)) table.call("T_PH3", {x, y});
        }
    }
}

// (p, s) states: an entropy grid and, at each pressure, the entropies of
// the domain's and the regions' bound temperatures and the saturated
// entropies of the mixtures, all with neighbouring doubles; the mixtures'
// enthalpies beside their entropies.
void ps_states(Table& table) {
    List p = {0.0005, 0.001, 0.01, 0.1, 1, 3, 5, 8, 12, 16, 17, 18, 20, 21, 22, 22.06, 23, 25, 30, 50, 0, NaN};
    for (const double bound : {4.0, 10.0, 16.5292, TFS::PKR, 100.0}) add_with_neighbours(p, bound);
    const List grid = {-1, -0.0001, 0, 0.5, 1, 2, 3,  3.5, 3.8, 4,  4.2, 4.41202148223476, 4.6, 5, 5.2, 5.5, 5.85,
                       6,  6.5,     7, 7.5, 8, 9, 10, 11,  12,  13, NaN};
    for (const double x : p) {
        List s = grid;
        double value = 0;
        for (const double t : {-1e-9, 350.0, 800.0, 1000.0, 2000.0})
            if (value_of([&] { return TFS::S_PT(x, t); }, value)) add_with_neighbours(s, value);
        // The saturated entropies at TS_P (p) also below the triple point, where S_PX stops.
        if (value_of([&] { return TFS::SSW_T(TFS::TS_P(x)); }, value)) add_with_neighbours(s, value);
        if (value_of([&] { return TFS::SSP_T(TFS::TS_P(x)); }, value)) add_with_neighbours(s, value);
        for (const double y : s) table.call("T_PS", {x, y});
    }
    const std::vector<std::string> backward = {"T_PS1", "T_PS2A", "T_PS2B", "T_PS2C", "T_PS3A", "T_PS3B"};
    for (const double x : {0.1, 3.0, 8.0, 20.0, 50.0, 100.0})
        for (const double y : {0.5, 3.0, 3.8, 4.5, 5.0, 5.75, 6.0, 7.5, 8.0}) table.call_each(backward, {x, y});
    for (const double x : {0.001, 1.0, 20.0, 22.0})
        for (const double dryness : {-0.1, 0.0, 0.3, 1.0, 1.1, NaN}) table.call("H_PX", {x, dryness});
}

// (h, s) states: a grid over every region, wet steam and beyond the domain,
// and the saturated phases at a few pressures, with neighbouring doubles.
void hs_states(Table& table) {
    const List h = {-10, 0, 100, 500, 1000, 1500, 1700, 2000, 2100, 2500, 2800, 3000, 3500, 4000, 5000, 6000, NaN};
    const List s = {-0.01, 0, 0.5, 2, 3.5, 4.2, 4.41202148223476, 5, 5.2, 6, 7, 8, 9, 10, 12, 14, NaN};
    for (const double x : h)
        for (const double y : s) table.call_each({"P_HS", "T_HS"}, {x, y});
    for (const double p : {0.001, 1.0, 20.0})
        for (const double dryness : {0.0, 1.0}) {
            const TFS::State wet = TFS::STATE_PX(p, dryness);
            List hs;
            add_with_neighbours(hs, wet.h);
            for (const double x : hs) table.call_each({"P_HS", "T_HS"}, {x, wet.s});
        }
}

// States by (t, h), (t, s), (p, v), (t, v) and (u, v) of (p, t) states over
// every region, their edges and wet steam, each branch, and pairs beyond the
// domain; the derivatives of the (p, t) states.
void pair_states(Table& table) {
    const List p = {0.001, 0.1, 1, 10, 16.5292, 20, 22.064, 25, 50, 100};
    const List t = {0, 2, 20, 100, 300, 350, 360, 373.946, 400, 500, 590, 700, 800, 801, 1500, 2000};
    for (const double x : p)
        for (const double y : t) {
            TFS::State a;
            try {
                a = TFS::STATE_PT(x, y);
            } catch (const TFS::FatalStop&) {
                continue;
            }
            table.call("DERIVATIVES(STATE_PT)", {x, y});
            for (const double branch : {1.0, 2.0, 3.0}) {
                table.call("STATE_TH", {a.t, a.h, branch});
                table.call("STATE_TS", {a.t, a.s, branch});
                table.call("STATE_PV", {a.p, a.v, branch});
            }
            table.call("STATE_TV", {a.t, a.v});
            table.call("STATE_UV", {a.u, a.v});
        }
    for (const double y : {0.01, 50.0, 200.0, 370.0})
        for (const double dryness : {0.0, 0.3, 1.0}) {
            const TFS::State w = TFS::STATE_TX(y, dryness);
            for (const double branch : {1.0, 3.0}) {
                table.call("STATE_TH", {w.t, w.h, branch});
                table.call("STATE_TS", {w.t, w.s, branch});
                table.call("STATE_PV", {w.p, w.v, branch});
            }
            table.call("STATE_TV", {w.t, w.v});
            table.call("STATE_UV", {w.u, w.v});
        }
    for (const auto& [x, y] : {std::pair{NaN, 1.0}, {20.0, NaN}, {-1.0, 100.0}, {2001.0, 5000.0}, {20.0, 3000.0}}) {
        table.call_each({"STATE_TV", "STATE_UV"}, {x, y});
        for (const char* name : {"STATE_TH", "STATE_TS", "STATE_PV"}) table.call(name, {x, y, 1});
    }
}

// Metastable steam from the saturated-vapour line down past the 5 % moisture
// line, from below the triple-point pressure to beyond 10 MPa.
void metastable_states(Table& table) {
    for (const double p : {0.0006, 0.000611657, 0.001, 0.1, 1.0, 5.0, 10.0, 10.1})
        for (const double below : {0.0, 1.0, 10.0, 30.0, 60.0, 100.0, -1.0}) {
            double ts = 100;
            value_of([&] { return TFS::TS_P(p); }, ts);
            table.call_each({"HMS_PT", "SMS_PT", "VMS_PT", "CpMS_PT", "UMS_PT", "CvMS_PT", "WMS_PT",
                             "STATE_PT_METASTABLE", "DERIVATIVES(STATE_PT_METASTABLE)"},
                            {p, ts - below});
        }
    table.call("STATE_PT_METASTABLE", {NaN, 100});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_library_table <output.tsv>\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "# Reference results of the public TFS and Tabl1 functions: name, arguments, result (%.17g).\n"
        << "# Written by tests/reference/make_library_table.cpp; checked by the library_table test.\n";
    Table table(out);
    power_states(table);
    saturation_states(table);
    pt_states(table);
    volume_states(table);
    correlation_states(table);
    ph_states(table);
    ps_states(table);
    hs_states(table);
    pair_states(table);
    metastable_states(table);
    out.close();
    if (!out) {
        std::cerr << "make_library_table: writing " << argv[1] << " failed\n";
        return 1;
    }
    std::cout << table.count() << " entries written to " << argv[1] << '\n';
    return 0;
}
