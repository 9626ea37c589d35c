#include "labelled_edit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

QLabel* labelOf(const QLineEdit* edit)
{
  const QWidget* parent = edit->parentWidget();
  if (parent == nullptr) return nullptr;
  for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (label->buddy() == edit) return label;
  return nullptr;
}

void setLabelledVisible(QLineEdit* edit, bool visible)
{
  edit->setVisible(visible);
  if (QLabel* label = labelOf(edit)) label->setVisible(visible);
}

void setLabelledEnabled(QLineEdit* edit, bool enabled)
{
  edit->setEnabled(enabled);
  if (QLabel* label = labelOf(edit)) label->setEnabled(enabled);
}

void condenseLabelToFit(QLabel* label)
{
  label->ensurePolished();  // the style sheet sets the font at polish time
  const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
  const int room = label->contentsRect().width();
  if (needed <= room) return;
  // Glyph widths are hinted, so a width does not scale exactly with the stretch.
  QFont font = label->font();
  for (int stretch = 100 * room / needed; stretch >= 50; --stretch) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= room) break;
  }
  label->setFont(font);
}
