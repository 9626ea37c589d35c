#include "text_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Below half its width a text is no longer comfortable to read; such a text
// scrolls instead.
constexpr int NarrowestStretch = 50;

// QLineEdit keeps this many pixels clear on either side of its text, and
// scrolls a text that leaves less than one pixel for the cursor.
constexpr int LineEditHorizontalMargin = 2;
constexpr int CursorWidth = 1;

// The font, unnarrowed or narrowed just enough that text fits room.
QFont narrowedToFit(QFont font, const QString& text, int room) {
    font.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    if (needed <= room) return font;
    // Glyph widths are hinted, so a width does not scale exactly with the stretch.
    for (int stretch = 100 * room / needed; stretch >= NarrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    return font;
}

void fitEditText(QLineEdit* edit) {
    edit->ensurePolished();  // the style sheet sets the font at polish time
    const QFont font = narrowedToFit(edit->font(), edit->text(), textRoom(edit));
    if (font != edit->font()) edit->setFont(font);
}

}  // namespace

void condenseLabelToFit(QLabel* label) {
    label->ensurePolished();  // the style sheet sets the font at polish time
    label->setFont(narrowedToFit(label->font(), label->text(), label->contentsRect().width()));
}

int textRoom(const QLineEdit* edit) {
    edit->ensurePolished();
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.rect = edit->rect();
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * LineEditHorizontalMargin - CursorWidth;
}

void keepTextWhole(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { fitEditText(edit); });
}
