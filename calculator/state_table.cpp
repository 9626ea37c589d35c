#include "state_table.h"

#include "decimal_separator.h"
#include "text_to_real.h"

#include "state_file.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A thousand rows take about 2 MB; a file many times larger is no table of
// ours and is not read into memory.
constexpr qint64 LargestFile = 64 << 20;

// A lock file that names no program is one that a save killed between
// creating and filling it left behind (a program writes its name into its
// lock at once), and one this old is taken over. A lock that names a program
// is taken over as soon as that program is gone.
constexpr std::chrono::milliseconds NamelessLockAge{1000};

// Where a damaged file is kept: "<name>.damaged", or "<name>.damaged.2", ...
// when an earlier one is kept there already.
QString FreeDamagedName(const QString& path) {
    const QString base = path + u".damaged"_s;
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n) name = base + u'.' + QString::number(n);
    return name;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The user keeps the damaged rows (to mend or send them) and a working table;
// `afterwards` tells what the table holds then.
LoadResult SetAside(const QString& path, const QString& reason, const QString& afterwards) {
    const QString aside = FreeDamagedName(path);
    const QString head = u"The table of states in "_s + Shown(path) + u" could not be read ("_s + reason + u")"_s;
    if (!QFile::rename(path, aside))
        return {LoadResult::Status::Damaged,
                head + u"; it could not be renamed either and will be replaced when the table is saved."_s};
    return {LoadResult::Status::Damaged, head + u". It was renamed to "_s + Shown(aside) + afterwards};
}

// QLockFile's own wait sleeps 100 ms at first, doubling; a save holds the lock
// for the milliseconds of writing its file, so it is asked for again sooner.
// QLockFile takes a lock older than its stale time over only when no living
// program holds it.
bool Lock(QLockFile& lock, const QString& path, std::chrono::milliseconds wait, QString* message, bool* busy) {
    lock.setStaleLockTime(NamelessLockAge);
    const QDeadlineTimer deadline(wait);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) break;
        QThread::msleep(2);
    }
    if (busy != nullptr) *busy = !lock.isLocked() && lock.error() == QLockFile::LockFailedError;
    if (lock.isLocked()) return true;
    if (message != nullptr)
        *message = lock.error() == QLockFile::LockFailedError
                       ? u"The table of states in "_s + Shown(path) + u" is held by another program."_s
                       : u"The table of states in "_s + Shown(path) + u" could not be locked: "_s +
                             Shown(lock.fileName()) + u" could not be written."_s;
    return false;
}

// The file as it is now, read under the lock; a damaged one not yet set aside.
struct FileContents {
    LoadResult::Status status;
    QString reason;  // why it is unreadable (a message) or damaged
    QList<StateRow> rows = {};
    qint64 highest = 0;
};

FileContents ReadContents(const QString& path) {
    QFile file(path);
    if (!file.exists()) return {LoadResult::Status::NoFile, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {LoadResult::Status::Unreadable,
                u"The table of states in "_s + Shown(path) + u" could not be opened: "_s + file.errorString()};
    if (file.size() > LargestFile) return {LoadResult::Status::Damaged, u"far too large"_s};
    FileContents contents{LoadResult::Status::Loaded, {}};
    std::optional<QList<StateRow>> rows = ReadStatesFile(file.readAll(), &contents.reason, &contents.highest);
    if (!rows) return {LoadResult::Status::Damaged, contents.reason};
    contents.rows = std::move(*rows);
    return contents;
}

// QSaveFile writes "<name>.XXXXXX", six letters or digits, and renames it over
// the file when complete: a save killed halfway leaves it behind.
void RemoveKilledSaves(const QString& path) {
    const QFileInfo info(path);
    const QDir folder = info.dir();
    for (const QString& name : folder.entryList({info.fileName() + u".??????"_s}, QDir::Files | QDir::Hidden)) {
        const QStringView suffix = QStringView(name).right(6);
        if (std::all_of(suffix.begin(), suffix.end(),
                        [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            QFile::remove(folder.filePath(name));
    }
}

void DropOldest(QList<StateRow>& rows) {
    if (rows.size() > StateTable::MaxRows) rows.remove(0, rows.size() - StateTable::MaxRows);
}

QString LockPath(const QString& path) {
    return path + u".lock"_s;
}

// Where a closing window whose last save was refused keeps its new rows:
// "<name>.unsaved-<process id>", one file per program.
const QString UnsavedSuffix = u".unsaved-"_s;

QStringList UnsavedFiles(const QString& path) {
    const QFileInfo info(path);
    QStringList files;
    for (const QString& name : info.dir().entryList({info.fileName() + UnsavedSuffix + u'*'}, QDir::Files))
        files.append(info.dir().filePath(name));
    return files;
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0 && file.commit();
}

// Puts the rows kept by closing windows into the file, under the lock, after
// its own, numbered on from the largest number it has held; an unreadable
// kept file stays for a later load. False when the file could not be written:
// the kept files stay then, too.
bool AdoptUnsaved(const QString& path, FileContents& now) {
    const QStringList files = UnsavedFiles(path);
    QStringList adopted;
    QList<StateRow> merged = now.rows;
    qint64 highest = now.highest;
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly) || file.size() > LargestFile) continue;
        const std::optional<QList<StateRow>> rows = ReadStatesFile(file.readAll(), nullptr);
        if (!rows) continue;
        for (StateRow row : *rows) {
            if (highest == LargestStateNumber) break;
            row.number = ++highest;
            merged.append(std::move(row));
        }
        adopted.append(name);
    }
    if (adopted.isEmpty()) return true;
    DropOldest(merged);
    if (!WriteWhole(path, StatesFileText(merged, highest))) return false;
    for (const QString& name : adopted) QFile::remove(name);
    now = {LoadResult::Status::Loaded, {}, std::move(merged), highest};
    return true;
}

}  // namespace

bool StateTable::Append(const CalculationRequest& request, const Outputs& outputs) {
    if (highest_ == LargestStateNumber) return false;
    StateRow row{++highest_,
                 {request.mode, request.saturationInput, {}, {}, request.transport, {}, request.options},
                 outputs.phaseName,
                 {}};
    // The table keeps the inputs in the core's units: typed in others, they are
    // converted (the run read them, so they are numbers), to twelve digits. The
    // white space a pasted cell brings ("12.5\r\n") is not kept.
    for (const Quantity input : InputsOf(request.mode, request.saturationInput)) {
        const QString typed = request.typed.value(input).trimmed();
        row.request.typed.insert(
            input, request.units.core() ? typed
                                        : QString::number(FromShown(input, TextToReal(typed), request.units), 'g', 12));
    }
    for (const Output& output : outputs.values) row.values.append({output.quantity, output.phase, output.value});
    if (!std::isnan(outputs.dryness)) row.values.append({Quantity::Dryness, Phase::State, outputs.dryness});
    rows_.append(row);
    DropOldest(rows_);
    return true;
}

QString StateTable::NumbersUsedUp() {
    return u"The table of states has given its last number, "_s + QString::number(LargestStateNumber) +
           u", and takes no new states; remove its file to number them from 1 again."_s;
}

QString InputText(const StateRow& row, Quantity input, const Units& units) {
    const QString stored = row.request.typed.value(input);
    if (units.core() || stored.isEmpty()) return stored;
    return QString::number(ToShown(input, TextToReal(stored), units), 'g', 12).replace(u'.', LocaleDecimalSeparator());
}

void StateTable::Remove(QList<qsizetype> indexes) {
    // From the last, so that the indexes still to come keep their rows.
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (const qsizetype index : indexes) {
        if (index < 0 || index >= rows_.size()) continue;
        if (rows_[index].number <= savedHighest_) removed_.insert(rows_[index].number);
        rows_.removeAt(index);
    }
}

void StateTable::Clear() {
    rows_.clear();
    removed_.clear();
    clearedUpTo_ = savedHighest_;
}

bool StateTable::KeepUnsaved(const QString& path) const {
    QList<StateRow> fresh;
    for (const StateRow& row : rows_)
        if (row.number > savedHighest_) fresh.append(row);
    if (fresh.isEmpty()) return true;
    return WriteWhole(path + UnsavedSuffix + QString::number(QCoreApplication::applicationPid()),
                      StatesFileText(fresh));
}

bool StateTable::Save(const QString& path, QString* message, std::chrono::milliseconds wait, bool* busy) {
    QLockFile lock(LockPath(path));
    if (!Lock(lock, path, wait, message, busy)) return false;
    FileContents now = ReadContents(path);
    if (now.status == LoadResult::Status::Unreadable) {
        if (message != nullptr) *message = now.reason;
        return false;
    }
    QStringList notes;
    if (now.status == LoadResult::Status::Damaged)
        notes << SetAside(path, now.reason, u"; the table goes on with the states not saved before."_s).message;

    QList<StateRow> merged;
    for (StateRow& row : now.rows)
        if (row.number > clearedUpTo_ && !removed_.contains(row.number)) merged.append(std::move(row));
    // A new row keeps the number it was shown with unless another table gave
    // it meanwhile; then it takes the next free one. A file removed meanwhile
    // does not bring back numbers this table has given.
    qint64 highest = std::max(now.highest, savedHighest_);
    qsizetype unnumbered = 0;
    for (const StateRow& row : std::as_const(rows_)) {
        if (row.number <= savedHighest_) continue;  // in the file already, or removed from it
        if (highest == LargestStateNumber) {
            ++unnumbered;
            continue;
        }
        merged.append(row);
        merged.back().number = highest = std::max(row.number, highest + 1);
    }
    DropOldest(merged);

    QSaveFile file(path);
    if (!(file.open(QIODevice::WriteOnly) && file.write(StatesFileText(merged, highest)) >= 0 && file.commit())) {
        if (message != nullptr) *message = file.errorString();
        return false;
    }
    rows_ = std::move(merged);
    highest_ = savedHighest_ = highest;
    clearedUpTo_ = 0;
    removed_.clear();
    if (unnumbered > 0) notes << u"States left out: "_s + QString::number(unnumbered) + u". "_s + NumbersUsedUp();
    if (message != nullptr) *message = notes.join(u' ');
    return true;
}

LoadResult StateTable::Load(const QString& path) {
    rows_.clear();
    removed_.clear();
    clearedUpTo_ = highest_ = savedHighest_ = 0;
    // The first start: no folder to lock in yet.
    if (!QFileInfo(path).dir().exists()) return {LoadResult::Status::NoFile, {}};
    QLockFile lock(LockPath(path));
    QString message;
    if (!Lock(lock, path, LockWait, &message, nullptr)) return {LoadResult::Status::Unreadable, message};
    RemoveKilledSaves(path);
    FileContents now = ReadContents(path);
    if (now.status == LoadResult::Status::Damaged) return SetAside(path, now.reason, u" and the table starts empty."_s);
    if (now.status != LoadResult::Status::Unreadable && !AdoptUnsaved(path, now))
        return {LoadResult::Status::Unreadable,
                u"The states a closed window kept beside "_s + Shown(path) + u" could not be put into it."_s};
    if (now.status != LoadResult::Status::Loaded) return {now.status, now.reason};
    rows_ = std::move(now.rows);
    DropOldest(rows_);
    highest_ = savedHighest_ = now.highest;
    return {LoadResult::Status::Loaded, {}};
}
