#include "shortcut_priority.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

bool IsShortcutOfWindow(const QWidget* window, const QKeySequence& keys) {
    for (const QAction* action : window->findChildren<QAction*>())
        if (action->shortcutContext() != Qt::WidgetShortcut && action->isEnabled() &&
            action->shortcuts().contains(keys))
            return true;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->isEnabled() && shortcut->keys().contains(keys)) return true;
    return false;
}

// Before any control sees it, a key is offered to the controls as a
// ShortcutOverride: a control that accepts it takes the key as typed, and the
// shortcut does not run. The application's filters see the offer first.
class ShortcutPriority : public QObject {
public:
    explicit ShortcutPriority(QWidget* window) : QObject(window), window(window) {
        QApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget == nullptr || widget->window() != window) return false;
        if (!IsShortcutOfWindow(window, QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) return false;
        event->ignore();  // no control takes it: the shortcut runs
        return true;
    }

private:
    QWidget* const window;
};

}  // namespace

void GiveShortcutsPriority(QWidget* window) {
    new ShortcutPriority(window);
}
