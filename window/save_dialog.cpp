#include "save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString LastFolderKey = QStringLiteral("files/lastFolder");

// A folder removed since, or a desktop without a Documents folder, leaves the
// home folder.
QString StartFolder() {
    const QString last = QSettings().value(LastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

QString AskSavePath(QWidget* parent, const QString& title, const QString& fileName, const QString& filters) {
    const QString path = QFileDialog::getSaveFileName(parent, title, QDir(StartFolder()).filePath(fileName), filters);
    if (!path.isEmpty()) QSettings().setValue(LastFolderKey, QFileInfo(path).absolutePath());
    return path;
}
