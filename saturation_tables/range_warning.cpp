// The range warning that every one-argument correlation gives for an argument
// outside its range: two lines on standard output, then a pause for ENTER, or
// the library user's own warning instead.
#include "tabl1_internal.h"

#include <atomic>
#include <charconv>
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
// flushed before its state is checked. A warning that cannot be shown is not
// waited on: the stream is cleared for its next use.
bool written(std::ostream& out) {
    out.flush();
    if (out) return true;
    out.clear();
    return false;
}

// The specified warning: two lines on standard output, then a pause until the
// user presses ENTER. With standard input closed there is nobody to wait for:
// the end of input, like any failed read, ends the pause.
void console_warning(const char* name, char letter, double x) {
    std::ostream& out = std::cout;
    out << " Авост в " << name << ". Аргумент вне диапазона допус";
    if (!written(out)) return;
    out << "тимых значений ," << letter << '=';
    write_argument(out, x);
    out << '\n';
    if (!written(out)) return;
    out << " Для продолжения работы нажмите кл. ENTER\n";
    if (!written(out)) return;

    std::istream& in = std::cin;
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (in.fail()) in.clear();  // the caller's later reads are not failed by this one
}

std::atomic<RangeWarning> handler{nullptr};

}  // namespace

void range_warning(const char* name, char letter, double x) {
    const RangeWarning own = handler.load();
    (own != nullptr ? own : console_warning)(name, letter, x);
}

}  // namespace Tabl1::detail

namespace Tabl1 {

RangeWarning SetRangeWarning(RangeWarning warning) {
    return detail::handler.exchange(warning);
}

}  // namespace Tabl1
