// The spreadsheet functions of water and steam, one row each: the name Calc
// shows, the name it calls, what the function and its arguments are, and the
// library call. Plain C++: the add-in (h2o_calc_addin.cpp) turns the rows into
// the office's methods and texts.
#pragma once

#include <array>
#include <string>
#include <vector>

struct SpreadsheetArgument {
    const char* name;         // "p"
    const char* description;  // "pressure, MPa"
    bool optional;            // may be left out of the formula
};

// The arguments of a call: the numbers given, NaN for an optional one left out.
using SpreadsheetArguments = std::array<double, 3>;

struct SpreadsheetFunction {
    const char* displayName;       // "H2O_H_PT", as a formula writes it
    const char* programmaticName;  // "hPT", the add-in's method
    const char* description;
    std::vector<SpreadsheetArgument> arguments;
    // The value in the library's units; throws SpreadsheetRefusal or the
    // library's TFS::FatalStop for a state it cannot serve.
    double (*compute)(const SpreadsheetArguments& arguments);
};

// A call that no state answers, with the reason in English or in the library's words.
struct SpreadsheetRefusal {
    std::string message;
};

const std::vector<SpreadsheetFunction>& SpreadsheetFunctions();
// The row of a display or programmatic name, in any case; nullptr for none.
const SpreadsheetFunction* SpreadsheetFunctionNamed(const std::string& name);

// The value of the call, or the message of its refusal in *message (then NaN).
double Evaluate(const SpreadsheetFunction& function, const SpreadsheetArguments& arguments, std::string* message);
