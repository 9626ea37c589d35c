// The sums Σ nᵢ·x^Iᵢ·y^Jᵢ of the supplementary backward equations, in plain
// double arithmetic: one row {I, J, n} per term, in the order of the
// published table, and the powers of x and y from one table each.
#pragma once

#include <algorithm>
#include <cstddef>

namespace TFS::detail {

struct Term {
    int I, J;
    double n;
};

// x^k for k = LOW … HIGH (LOW ≤ 0 ≤ HIGH): step-by-step products from 1,
// the negative powers from the reciprocal of x.
template <int LOW, int HIGH>
class Powers {
    static_assert(LOW <= 0 && HIGH >= 0);

public:
    explicit Powers(double x) {
        of_[-LOW] = 1.0;
        double up = 1.0;
        for (int k = 1; k <= HIGH; ++k) of_[k - LOW] = up *= x;
        const double reciprocal = 1.0 / x;
        double down = 1.0;
        for (int k = -1; k >= LOW; --k) of_[k - LOW] = down *= reciprocal;
    }
    double operator[](int k) const { return of_[k - LOW]; }

private:
    double of_[HIGH - LOW + 1];
};

// The smallest (at most 0) and largest (at least 0) exponent of a table's I or J.
template <std::size_t N>
constexpr int lowest_exponent(const Term (&terms)[N], int Term::*exponent) {
    int low = 0;
    for (const Term& t : terms) low = std::min(low, t.*exponent);
    return low;
}

template <std::size_t N>
constexpr int highest_exponent(const Term (&terms)[N], int Term::*exponent) {
    int high = 0;
    for (const Term& t : terms) high = std::max(high, t.*exponent);
    return high;
}

// Σ n·x^I·y^J over the table's rows in order.
template <const auto& TERMS>
double term_sum(double x, double y) {
    const Powers<lowest_exponent(TERMS, &Term::I), highest_exponent(TERMS, &Term::I)> X(x);
    const Powers<lowest_exponent(TERMS, &Term::J), highest_exponent(TERMS, &Term::J)> Y(y);
    double sum = 0.0;
    for (const Term& t : TERMS) sum += t.n * X[t.I] * Y[t.J];
    return sum;
}

}  // namespace TFS::detail
