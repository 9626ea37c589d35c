// The range warning that every one-argument correlation gives for an argument
// outside its range: two lines on standard output, then a pause for ENTER.
#include "internal.h"

#include <charconv>
#include <ios>
#include <iostream>
#include <limits>
#include <string_view>

namespace Tabl1::detail {
namespace {

// The argument in fixed notation with three decimals, right-aligned in eight
// characters (wider when needed). to_chars ignores the locale, so the decimal
// separator is always a point, whatever the window's locale says.
void write_argument(std::ostream& out, double x) {
    char digits[400];  // the widest double in fixed notation needs 309 digits + sign + decimals
    const auto end = std::to_chars(digits, digits + sizeof digits, x, std::chars_format::fixed, 3).ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    for (std::size_t width = text.size(); width < 8; ++width) out << ' ';
    out << text;
}

// A buffered write fails only when it reaches the device, so every piece is
// flushed before its state is checked.
void check_written(std::ostream& out) {
    out.flush();
    if (!out) throw std::ios_base::failure("Tabl1: writing the range warning to standard output failed");
}

}  // namespace

void range_warning(const char* name, char letter, double x) {
    std::ostream& out = std::cout;
    out << " Авост в " << name << ". Аргумент вне диапазона допус";
    check_written(out);
    out << "тимых значений ," << letter << '=';
    write_argument(out, x);
    out << '\n';
    check_written(out);
    out << " Для продолжения работы нажмите кл. ENTER\n";
    check_written(out);

    std::istream& in = std::cin;
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    // Nothing at all to read (end of input) counts as a failed read, like a
    // line read that finds no line.
    if (!in || (in.eof() && in.gcount() == 0))
        throw std::ios_base::failure("Tabl1: reading the line after the range warning failed");
}

}  // namespace Tabl1::detail
