// The table of states: the good runs of the Calculate command, numbered, so
// that the user can compare them, copy or export them, and find them again
// after a restart.
#pragma once

#include "calculation.h"
#include "state_row.h"

#include <QList>
#include <QSet>
#include <QString>

#include <chrono>

// A stored input as the user would type it in `units`: as typed when they are
// the core's, else converted, to twelve digits with the locale's decimal
// separator.
QString InputText(const StateRow& row, Quantity input, const Units& units);

// What Load found. The message is for the user; it is empty when the file was
// loaded or there was none.
struct LoadResult {
    enum class Status {
        Loaded,
        NoFile,      // the first start: the table starts empty
        Unreadable,  // the file could not be opened or locked; it is left as it is
        Damaged,     // the file was renamed aside to keep it, the table starts empty
    };
    Status status;
    QString message;
};

// One file is the table of every window that runs: each window keeps the rows
// it loaded or saved last and its own changes since, and each save merges
// those changes into the file as it is then. Loads and saves take turns by a
// lock file beside the table's file, so that none reads a file half replaced.
class StateTable {
public:
    // Enough to compare a day's runs; the oldest rows give way first.
    static constexpr qsizetype MaxRows = 1000;
    // A load or save holds the lock for milliseconds: one held this long is
    // another program's that hangs.
    static constexpr std::chrono::milliseconds LockWait{2000};

    const QList<StateRow>& rows() const { return rows_; }

    // A good run: its inputs (those of its mode only) and every output value.
    // Its number is provisional until the next save. False, and the table as it
    // was, once the largest number has been given.
    bool Append(const CalculationRequest& request, const Outputs& outputs);
    static QString NumbersUsedUp();
    // Indexes into rows(); repeated and out-of-range ones are passed over.
    void Remove(QList<qsizetype> indexes);
    // Every row this table shows or has passed over for MaxRows; rows another
    // window adds meanwhile stay.
    void Clear();

    // Merges into the file as it is now the changes since the last Load or
    // Save: the rows removed or cleared leave it, the rows appended join it
    // with their numbers, or, where another table gave those meanwhile, with
    // the next after the largest number the file has ever held; the merged
    // rows become this table's. The file is replaced through a QSaveFile: it
    // stays whole until the new one is complete. False when the file was not
    // written, with the reason in *message; a damaged file is set aside first
    // as by Load, and a row that found no number left out: *message says so.
    // It waits up to `wait` for a lock another program holds; *busy (where
    // given) says whether that was why nothing was written, so that a window
    // can try again a moment later instead of waiting.
    bool Save(const QString& path, QString* message, std::chrono::milliseconds wait = LockWait,
              bool* busy = nullptr);
    // Where the last save of a closing window was refused: keeps the rows not
    // yet in the file beside it, for the next Load of any window to put into
    // it. False when they could not be written.
    bool KeepUnsaved(const QString& path) const;
    // Replaces the rows by those of the file, into which it first puts the
    // rows closing windows kept beside it; numbering continues after the
    // largest number the file has ever held. Temporary files that saves killed
    // halfway left beside it are removed.
    LoadResult Load(const QString& path);

private:
    QList<StateRow> rows_;
    qint64 highest_ = 0;       // the largest number given, provisionally or not
    qint64 savedHighest_ = 0;  // the file's at the last Load or Save: rows above it are new
    qint64 clearedUpTo_ = 0;   // rows of the file numbered up to it are cleared
    QSet<qint64> removed_;     // numbers of rows of the file removed since
};
