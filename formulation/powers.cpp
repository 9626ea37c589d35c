#include "internal.h"

#include <cmath>

namespace TFS {

double POWI(double x, int n) {
    if (n == 0) return 1.0;
    // Each partial product is rounded to a double, as the tables were fitted with.
    double product = 1.0;
    for (int k = n < 0 ? -n : n; k > 0; --k) product *= x;
    if (n > 0) return product;
    return 1.0L / product;
}

double POWR(double x, double y) {
    return std::exp(y * std::log(static_cast<detail::Ext>(x)));
}

}  // namespace TFS
