#include "stretch_layout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

void StretchLayout::add(QWidget* control, Shares shares) {
    rules.append({control, control->geometry(), shares});
}

void StretchLayout::apply(QSize size) const {
    const int least = shrinks ? std::numeric_limits<int>::min() : 0;
    const int dw = std::max(least, size.width() - designed.width());
    const int dh = std::max(least, size.height() - designed.height());
    const auto share = [](double fraction, int extra) { return int(std::lround(fraction * extra)); };
    for (const Rule& r : rules) {
        const int x = r.designed.x() + share(r.shares.x, dw), y = r.designed.y() + share(r.shares.y, dh);
        r.control->setGeometry(x, y, r.designed.width() + share(r.shares.width, dw),
                               r.designed.height() + share(r.shares.height, dh));
    }
}
