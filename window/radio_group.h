#pragma once

#include <functional>

class QGroupBox;
class QString;

// A radio group is a group box whose radio buttons, in creation order, are its
// items. Its item index is the position of the checked button, -1 when none is.
int itemIndex(const QGroupBox* group);

// Checks the item at index (-1 or out of range unchecks every item). A change of
// the checked item runs the group's click handler, as a click by the user does.
void setItemIndex(QGroupBox* group, int index);

// Runs handler whenever the checked item of the group changes, by the user or
// by setItemIndex; not when the checked item is clicked again.
void onItemIndexChanged(QGroupBox* group, std::function<void()> handler);

// Tab reaches the group at its checked item alone; the arrow keys move from
// item to item, selecting each.
void keepCheckedItemOnTabChain(QGroupBox* group);

// Adds an item after the last, named as the designed items are ("RG_1Item6"),
// and sets every item out anew in two rows of as many columns as they need
// across the group.
void addItem(QGroupBox* group, const QString& text);
