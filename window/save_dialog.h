// The dialog that asks where to save a file. It opens in the user's Documents
// folder the first time, then in the folder last saved into, which the
// settings keep (key files/lastFolder) from one start to the next.
#pragma once

#include <QString>

class QWidget;

// The chosen path, or "" when the user cancelled; `fileName` is proposed in
// the folder the dialog opens in.
QString AskSavePath(QWidget* parent, const QString& title, const QString& fileName, const QString& filters);
