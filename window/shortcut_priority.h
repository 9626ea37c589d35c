// The window's own shortcuts come first, wherever the focus is. An edit on an
// X11 desktop takes Ctrl+E as "end of line", so the export would otherwise
// never run from an input.
#pragma once

class QWidget;

// From now on a key that is the shortcut of one of the window's actions or
// QShortcut objects runs it, whichever of the window's controls has the focus.
// A shortcut of one control alone (Qt::WidgetShortcut, as Ctrl+C of the table
// of states) leaves the other controls their own meaning of the key.
void GiveShortcutsPriority(QWidget* window);
