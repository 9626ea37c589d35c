// The public functions of TFS and Tabl1 by name, for the reference table: each
// call's result as text, so that "the same doubles" is a string comparison.
#pragma once

#include <string>
#include <vector>

// A double as written in the table: %.17g, which reads back to the same double;
// a NaN of either sign as "nan".
std::string exact_text(double x);

// Calls the public function `name` with `args` (an int argument is given as a
// double) and returns its result: the double(s) and caption it yields, or
// "stop: " and the message of the fatal stop it ends in. Tabl1's range warning
// is answered from a line of our own and its text appended to the result.
std::string call_library(const std::string& name, const std::vector<double>& args);
