// The extension installed into a LibreOffice of its own (a profile and a
// shared-extension folder in a temporary directory, so that the machine's
// office is left as it was), a column of formulas typed as a user types them
// converted to CSV by the headless office, and each cell compared with the
// library's value.
#include "TFS.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Call {
    const char* formula;      // as typed in a cell
    double (*expected)();     // the library's call; nullptr where the cell is refused
};

// Each function in each kind of state, a transport release by name, and refusals.
const Call Calls[] = {
    {"=H2O_H_PT(1;200)", [] { return TFS::h_pt(1, 200); }},
    {"=H2O_H_PT(30;20)", [] { return TFS::h_pt(30, 20); }},
    {"=H2O_S_PT(10;500)", [] { return TFS::S_PT(10, 500); }},
    {"=H2O_V_PT(25;400)", [] { return TFS::V_PT(25, 400); }},
    {"=H2O_CP_PT(0.1;1500)", [] { return TFS::Cp_PT(0.1, 1500); }},
    {"=H2O_T_PH(3;500)", [] { return TFS::STATE_PH(3, 500).t; }},
    {"=H2O_T_PH(25;2100)", [] { return TFS::STATE_PH(25, 2100).t; }},
    {"=H2O_T_PS(0.01;8)", [] { return TFS::STATE_PS(0.01, 8).t; }},
    {"=H2O_X_PH(0.01;2300)", [] { return TFS::STATE_PH(0.01, 2300).x; }},
    {"=H2O_H_PX(1;0.9)", [] { return TFS::H_PX(1, 0.9); }},
    {"=H2O_TS_P(0.101325)", [] { return TFS::TS_P(0.101325); }},
    {"=H2O_PS_T(300)", [] { return TFS::PS_T(300); }},
    {"=H2O_P_HS(2800;6.5)", [] { return TFS::P_HS(2800, 6.5); }},
    {"=H2O_T_HS(2282.4531;7.203832)", [] { return TFS::T_HS(2282.4531, 7.203832); }},
    {"=H2O_MU_PT(1;200)", [] { return TFS::MIU_PT(1, 200); }},
    {"=H2O_MU_PT(1;200;2008)", [] { return TFS::MIU08_PT(1, 200); }},
    {"=H2O_LAMBDA_PT(10;300)", [] { return TFS::LMB_PT(10, 300); }},
    {"=h2o_lambda_pt(10,300,2011)", [] { return TFS::LMB11_PT(10, 300); }},
    {"=H2O_H_PT(1;3000)", nullptr},
    {"=H2O_X_PH(1;3000)", nullptr},
    {"=H2O_MU_PT(1;200;1990)", nullptr},
};

// Where the office, its profile and the files of one run live.
class Office {
public:
    Office() {
        char name[] = "/tmp/h2o-calc-XXXXXX";
        dir_ = mkdtemp(name);
        env_ = " -env:UserInstallation=file://" + dir_.string() + "/profile -env:UNO_SHARED_PACKAGES_CACHE=file://" +
               dir_.string() + "/extensions";
    }
    ~Office() { fs::remove_all(dir_); }

    bool Install() const {
        return Run(std::string(UNOPKG) + " add --shared" + env_ + " '" + H2O_OXT + "'");
    }
    // The cells of a sheet of one column of formulas, as the office computes them.
    std::vector<std::string> Computed(const std::vector<std::string>& formulas) const {
        const fs::path in = dir_ / "formulas.csv";
        std::ofstream(in) << [&] {
            std::string text;
            for (const std::string& formula : formulas) text += formula + "\n";
            return text;
        }();
        // Tab-separated, UTF-8, en-US, formulas evaluated; written back as full-precision values.
        Run(std::string(SOFFICE) + env_ +
            " --headless --infilter='CSV:9,34,76,1,,1033,false,false,false,false,false,-1,true'"
            " --convert-to 'csv:Text - txt - csv (StarCalc):9,34,76,1,,0,false,true,false,false'"
            " --outdir '" + (dir_ / "out").string() + "' '" + in.string() + "'");
        std::vector<std::string> cells;
        std::ifstream out(dir_ / "out" / "formulas.csv");
        for (std::string line; std::getline(out, line);) cells.push_back(line);
        return cells;
    }

private:
    static bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

    fs::path dir_;
    std::string env_;
};

TEST(CalcFunctions, EveryCellIsTheLibrarysValueOrItsRefusal) {
    const Office office;
    ASSERT_TRUE(office.Install()) << "unopkg could not add " << H2O_OXT;
    std::vector<std::string> formulas;
    for (const Call& call : Calls) formulas.push_back(call.formula);
    formulas.push_back("=H2O_WHY(\"H2O_X_PH\";1;3000)");
    const std::vector<std::string> cells = office.Computed(formulas);
    ASSERT_EQ(cells.size(), formulas.size());

    for (std::size_t i = 0; i < std::size(Calls); ++i) {
        const Call& call = Calls[i];
        if (call.expected == nullptr) {
            EXPECT_EQ(cells[i], "Err:502") << call.formula;
            continue;
        }
        const double expected = call.expected();
        EXPECT_NEAR(std::strtod(cells[i].c_str(), nullptr), expected, 1e-12 * std::abs(expected))
            << call.formula << " gave " << cells[i];
    }
    EXPECT_EQ(cells.back(), "The state is not wet steam: it has no dryness.");
}

}  // namespace
