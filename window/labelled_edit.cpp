#include "labelled_edit.h"

#include <QLabel>
#include <QLineEdit>

QLabel* labelOf(const QLineEdit* edit) {
    const QWidget* parent = edit->parentWidget();
    if (parent == nullptr) return nullptr;
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == edit) return label;
    return nullptr;
}

void setLabelledVisible(QLineEdit* edit, bool visible) {
    edit->setVisible(visible);
    if (QLabel* label = labelOf(edit)) label->setVisible(visible);
}

void setLabelledEnabled(QLineEdit* edit, bool enabled) {
    edit->setEnabled(enabled);
    if (QLabel* label = labelOf(edit)) label->setEnabled(enabled);
}
