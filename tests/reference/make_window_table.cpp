// Writes the window reference table: for typed inputs of every input mode,
// including refusals and library stops, the texts of every output edit and of
// the messages after one click of Calculate. One line per input: mode, the
// two typed texts and the result, separated by tabs.
//
// Regenerate after a deliberate change of values:
//   cmake --build build --target make_window_table
//   QT_QPA_PLATFORM=offscreen build/tests/reference/make_window_table tests/reference/window_table.tsv
#include "TFS.h"
#include "u_H2O_ORV.h"
#include "window_calls.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <fstream>
#include <iostream>

namespace {

QString exact(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return QString::fromLatin1(text);
}

struct Input {
    QString mode, first, second;
};

QList<Input> pt_inputs() {
    const QStringList p = {"0.0005", "0.00049999", "0.001",   "0.01", "0.1",     "1",    "3",      "5",
                           "10",     "10.0000001", "16.5292", "18",   "20",      "21.5", "22.064", "23",
                           "25",     "30",         "40",      "50",   "50.0001", "60",   "100",    "100.0001"};
    const QStringList t = {"0.1", "0.09",  "1",   "20",     "60",       "99.6", "100",     "150",
                           "200", "250",   "300", "350",    "350.0001", "360",  "373.946", "375",
                           "380", "390",   "400", "450",    "500",      "600",  "651",     "651.01",
                           "0",   "-0.01", "800", "800.01", "1000",     "1500", "2000",    "2000.01"};
    QList<Input> inputs;
    for (const QString& x : p)
        for (const QString& y : t) inputs.push_back({"p,t", x, y});
    // On the saturation line itself the library stops.
    for (const double x : {0.1, 1.0, 10.0, 20.0}) inputs.push_back({"p,t", exact(x), exact(TFS::TS_P(x))});
    for (const auto& [x, y] : std::initializer_list<std::pair<QString, QString>>{{"", "100"},
                                                                                 {"1", ""},
                                                                                 {"", ""},
                                                                                 {"abc", "100"},
                                                                                 {"1", "1.2.3"},
                                                                                 {"1e400", "100"},
                                                                                 {"1,5", "200,5"},
                                                                                 {" 2 ", " 300 "},
                                                                                 {"-1", "100"},
                                                                                 {"1", "-5"},
                                                                                 {"1E-3", "1e2"},
                                                                                 {"+3", "+250"},
                                                                                 {".5", "5."}})
        inputs.push_back({"p,t", x, y});
    return inputs;
}

QList<Input> ph_inputs() {
    const QStringList p = {"0.001",  "0.0009", "0.01",    "0.1", "1",  "3",     "4",  "5",   "6.5467",
                           "10",     "15",     "16.5292", "17",  "19", "20",    "21", "22",  "22.05",
                           "22.064", "23",     "25",      "30",  "50", "50.01", "60", "100", "100.01"};
    const QStringList h = {"5",    "10",   "50",    "100",  "500",  "1000", "1500", "1700", "1800",
                           "2000", "2100", "2200",  "2334", "2400", "2600", "2800", "3000", "3300",
                           "3615", "3616", "-0.05", "4000", "5000", "7000", "7400"};
    QList<Input> inputs;
    for (const QString& x : p)
        for (const QString& y : h) inputs.push_back({"p,h", x, y});
    // Exactly at the enthalpies of 0 °C and of the hottest state.
    for (const double x : {0.001, 1.0, 50.0, 60.0, 100.0})
        for (const double t : {0.0, x <= 50 ? 2000.0 : 800.0})
            inputs.push_back({"p,h", exact(x), exact(TFS::h_pt(x, t))});
    // Exactly on the saturated enthalpies.
    for (const double x : {0.1, 1.0, 10.0, 20.0}) {
        inputs.push_back({"p,h", exact(x), exact(TFS::HSW_P(x))});
        inputs.push_back({"p,h", exact(x), exact(TFS::HSP_P(x))});
    }
    for (const auto& [x, y] : std::initializer_list<std::pair<QString, QString>>{{"", "100"},
                                                                                 {"1", ""},
                                                                                 {"x", "100"},
                                                                                 {"1", "1e999"},
                                                                                 {"30", "31.1"},
                                                                                 {"30", "31.3"},
                                                                                 {"0,5", "2500,5"},
                                                                                 {"22.05", "2334"},
                                                                                 {"-1", "100"},
                                                                                 {"1", "-100"}})
        inputs.push_back({"p,h", x, y});
    return inputs;
}

QList<Input> saturation_inputs() {
    QList<Input> inputs;
    for (const char* x : {"0.00087",  "0.00086", "0.001", "0.002", "0.005", "0.01",    "0.02", "0.05", "0.1",
                          "0.101325", "0.2",     "0.5",   "1",     "2",     "3",       "5",    "7",    "9.99",
                          "10",       "10.01",   "12",    "14",    "16",    "16.5292", "17",   "18",   "19",
                          "20",       "21",      "21.5",  "21.82", "21.83", "",        "abc",  "1,5",  "-1"})
        inputs.push_back({"ps", x, ""});
    for (double x = 0.001; x < 21.9; x *= 1.08) inputs.push_back({"ps", exact(x), ""});
    for (const char* x : {"0.01", "0.009", "0.1",   "1",       "5",      "10",  "20",  "25",     "50",  "75",     "100",
                          "120",  "150",   "180",   "200",     "250",    "300", "330", "349.99", "350", "350.01", "360",
                          "370",  "373",   "373.9", "373.946", "373.95", "",    "x",   "99,5",   "-3"})
        inputs.push_back({"ts", x, ""});
    for (double x = 0.02; x < 374; x *= 1.08) inputs.push_back({"ts", exact(x), ""});
    return inputs;
}

// The (p, s), (p, x) and (t, x) modes: states of every region and wet steam,
// the bounds of each input and typed faults.
QList<Input> entropy_and_dryness_inputs() {
    QList<Input> inputs;
    for (const char* p :
         {"0.001", "0.0009", "0.1", "1", "10", "16.5292", "20", "22.064", "25", "50", "50.01", "100", "100.01"})
        for (const char* s :
             {"-0.01", "0", "0.5", "2", "3.5", "4.2", "4.41", "4.6", "5", "6", "7", "8", "9.5", "12", "13.5", "14"})
            inputs.push_back({"p,s", p, s});
    for (const double p : {0.001, 1.0, 22.0, 50.0, 60.0, 100.0})
        for (const double t : {0.0, p <= 50 ? 2000.0 : 800.0})
            inputs.push_back({"p,s", exact(p), exact(TFS::S_PT(p, t))});
    for (const char* p : {"0.001", "0.0009", "0.1", "1", "10", "16.5292", "20", "22", "22.0639", "22.064", "30"})
        for (const char* x : {"-0.0001", "0", "0.001", "0.25", "0.5", "0.9999", "1", "1.0001"})
            inputs.push_back({"p,x", p, x});
    for (const char* t : {"0.009", "0.01", "1", "20", "100", "200", "300", "350", "370", "373.9", "373.946", "400"})
        for (const char* x : {"-0.0001", "0", "0.5", "1", "1.5"}) inputs.push_back({"t,x", t, x});
    for (const char* mode : {"p,s", "p,x", "t,x"})
        for (const auto& [x, y] : std::initializer_list<std::pair<QString, QString>>{
                 {"", "0.5"}, {"1", ""}, {"abc", "0.5"}, {"1", "0,5"}, {"1", "1e999"}})
            inputs.push_back({mode, x, y});
    return inputs;
}

// The (h, s) mode: states of every region and wet steam, the bounds of the
// entropy and of the enthalpy at an entropy, and typed faults.
QList<Input> mollier_inputs() {
    QList<Input> inputs;
    for (const char* h : {"-10", "0", "100", "500", "1000", "1500", "1700", "2000", "2100", "2500", "2800", "3000",
                          "3500", "4000", "5000"})
        for (const char* s :
             {"-0.01", "0", "0.5", "2", "3.5", "4.2", "4.41", "5", "5.2", "6", "7", "8", "9", "10", "12", "13"})
            inputs.push_back({"h,s", h, s});
    for (const auto& [x, y] : std::initializer_list<std::pair<QString, QString>>{
             {"", "6"}, {"3000", ""}, {"abc", "6"}, {"3000", "6,5"}, {"1e999", "6"}})
        inputs.push_back({"h,s", x, y});
    return inputs;
}

// The modes by (t, h), (t, s), (p, v), (t, v) and (u, v) with their default
// branches: states of every region and wet steam, the bounds of each input,
// pairs no state has and typed faults.
QList<Input> new_pair_inputs() {
    QList<Input> inputs;
    const QStringList t = {"-0.01", "0",   "1",   "3",   "20",   "100",  "200",
                           "300",   "373", "400", "600", "1000", "2000", "2000.01"};
    for (const QString& x : t) {
        for (const char* h : {"-10", "0", "100", "500", "1000", "1500", "2000", "2600", "2800", "3500", "5000", "8000"})
            inputs.push_back({"t,h", x, h});
        for (const char* s : {"-0.01", "0", "0.3", "1", "3", "4.4", "6", "7", "8", "9", "10", "12"})
            inputs.push_back({"t,s", x, s});
        for (const char* v : {"-1", "0", "0.0009", "0.001", "0.0012", "0.002", "0.01", "0.1", "1", "10", "100", "1000"})
            inputs.push_back({"t,v", x, v});
    }
    for (const char* p : {"0.0004", "0.0005", "0.001", "0.1", "1", "10", "22.064", "30", "50", "100", "100.01"})
        for (const char* v : {"-1", "0", "0.0009", "0.001", "0.0012", "0.002", "0.01", "0.1", "1", "10", "100", "1000"})
            inputs.push_back({"p,v", p, v});
    for (const char* u : {"-10", "0", "100", "500", "1000", "1500", "2000", "2500", "2600", "3000", "4000", "6000"})
        for (const char* v : {"-1", "0", "0.001", "0.0012", "0.002", "0.01", "0.1", "1", "10", "100", "1000"})
            inputs.push_back({"u,v", u, v});
    for (const char* mode : {"t,h", "t,s", "p,v", "t,v", "u,v"})
        for (const auto& [x, y] : std::initializer_list<std::pair<QString, QString>>{
                 {"", "1"}, {"1", ""}, {"abc", "1"}, {"1", "0,5"}, {"1e999", "1"}})
            inputs.push_back({mode, x, y});
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: make_window_table <output.tsv>\n";
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::ofstream out(argv[1], std::ios::binary);
    out << "# Texts of the window after Calculate: mode, typed texts, the 45 output edits joined by '|', then\n"
        << "# every message shown. Written by tests/reference/make_window_table.cpp; checked by window_table_test.\n";
    TForm1 form;
    form.show();
    int count = 0;
    for (const Input& in : pt_inputs() + ph_inputs() + saturation_inputs() + entropy_and_dryness_inputs() +
                               mollier_inputs() + new_pair_inputs()) {
        const QString result = calculate_in_window(form, in.mode, in.first, in.second);
        out << QStringList{in.mode, in.first, in.second, result}.join(QLatin1Char('\t')).toStdString() << '\n';
        ++count;
    }
    out.close();
    if (!out) {
        std::cerr << "make_window_table: writing " << argv[1] << " failed\n";
        return 1;
    }
    std::cout << count << " entries written to " << argv[1] << '\n';
    return 0;
}
