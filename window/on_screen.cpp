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

namespace {

int asideSpan(int place, int step, int length, int first, int room) {
    if (place + step + length <= first + room) return place + step;
    if (place - step >= first) return place - step;
    return placeSpan(place + step, length, first, room);
}

}  // namespace

QPoint asideOnScreen(QPoint place, QSize frameSize, const QRect& available, QPoint step) {
    return {asideSpan(place.x(), step.x(), frameSize.width(), available.x(), available.width()),
            asideSpan(place.y(), step.y(), frameSize.height(), available.y(), available.height())};
}
