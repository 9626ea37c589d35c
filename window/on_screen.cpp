#include "on_screen.h"

#include <algorithm>

namespace {

// The start of a span of `length` placed near `designed` within [first, first + room).
int placeSpan(int designed, int length, int first, int room) {
    return std::max(first, std::min(designed, first + room - length));
}

}  // namespace

QPoint placeOnScreen(QPoint designed, QSize frameSize, const QRect& available) {
    return {placeSpan(designed.x(), frameSize.width(), available.x(), available.width()),
            placeSpan(designed.y(), frameSize.height(), available.y(), available.height())};
}
