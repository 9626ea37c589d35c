#include "radio_group.h"

#include <QGroupBox>
#include <QRadioButton>

#include <algorithm>

namespace {

QList<QRadioButton*> itemsOf(const QGroupBox* group) {
    return group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

}  // namespace

int itemIndex(const QGroupBox* group) {
    const QList<QRadioButton*> items = itemsOf(group);
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void setItemIndex(QGroupBox* group, int index) {
    const QList<QRadioButton*> items = itemsOf(group);
    if (index >= 0 && index < items.size()) {
        items[index]->setChecked(true);  // auto-exclusive: unchecks the previous item
        return;
    }
    // An auto-exclusive button refuses to be unchecked while it is the checked one.
    for (QRadioButton* item : items) {
        if (!item->isChecked()) continue;
        item->setAutoExclusive(false);
        item->setChecked(false);
        item->setAutoExclusive(true);
    }
}

void keepCheckedItemOnTabChain(QGroupBox* group) {
    // Qt's arrow keys move within an auto-exclusive group whatever the items'
    // focus policies; Tab passes items that take the focus by click only.
    const auto update = [group] {
        for (QRadioButton* item : itemsOf(group))
            item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* item : itemsOf(group)) QObject::connect(item, &QRadioButton::toggled, group, update);
    update();
}

void onItemIndexChanged(QGroupBox* group, std::function<void()> handler) {
    for (QRadioButton* item : itemsOf(group))
        QObject::connect(item, &QRadioButton::toggled, group, [handler](bool checked) {
            if (checked) handler();  // the unchecked partner's toggle is the same change
        });
}

void addItem(QGroupBox* group, const QString& text) {
    auto* added = new QRadioButton(text, group);
    added->setObjectName(group->objectName() + QStringLiteral("Item") + QString::number(itemsOf(group).size() - 1));
    const QList<QRadioButton*> items = itemsOf(group);
    const QRect first = items.front()->geometry();
    const int columns = int(items.size() + 1) / 2;
    // Each column as wide as its widest item; the group widens if need be.
    int x = first.x();
    for (int column = 0; column < columns; ++column) {
        int width = 0;
        for (qsizetype i = column; i < items.size(); i += columns)
            width = std::max(width, items[i]->sizeHint().width());
        for (qsizetype i = column; i < items.size(); i += columns)
            items[i]->setGeometry(x, first.y() + int(i / columns) * first.height(), width, first.height());
        x += width;
    }
    group->resize(std::max(group->width(), x + first.x()), group->height());
}
