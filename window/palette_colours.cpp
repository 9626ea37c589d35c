#include "palette_colours.h"

#include <QPalette>

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

AccentColours AccentColoursOf(const QPalette& palette) {
    if (IsDarkPalette(palette)) return {QColor(0xa0, 0xb4, 0xff), QColor(0xff, 0xa0, 0xa0), QColor(0x70, 0xe0, 0x70)};
    return {QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00)};
}
