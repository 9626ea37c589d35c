// The table of states: the good runs of the Calculate command, numbered, so
// that the user can compare them, copy or export them, and find them again
// after a restart.
#pragma once

#include "calculation.h"

#include <QList>
#include <QString>

// One computed value in the core's units; NaN where it is not defined (the heat
// capacity of wet steam). A two-phase state keeps its dryness, too.
struct StoredValue {
    Quantity quantity;
    Phase phase;
    double value;
};

struct StateRow {
    int number;                  // 1, 2, ...: never given twice while the table lives
    CalculationRequest request;  // the mode and the inputs the run read, as typed
    QString phaseName;           // empty on the saturation line
    QList<StoredValue> values;   // in the order of the run's outputs
};

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
        Unreadable,  // the file could not be opened; it is left as it is
        Damaged,     // the file was renamed aside to keep it, the table starts empty
    };
    Status status;
    QString message;
};

class StateTable {
public:
    // Enough to compare a day's runs; the oldest rows give way first.
    static constexpr qsizetype MaxRows = 1000;

    const QList<StateRow>& rows() const { return rows_; }

    // A good run: its inputs (those of its mode only) and every output value.
    void Append(const CalculationRequest& request, const Outputs& outputs);
    // Indexes into rows(); repeated and out-of-range ones are passed over.
    void Remove(QList<qsizetype> indexes);
    void Clear();

    // Writes the rows through a QSaveFile: the old file stays whole until the new
    // one is complete. On failure returns false with the reason in *error.
    bool Save(const QString& path, QString* error) const;
    // Replaces the rows by those of the file; numbering continues after the
    // highest number the table has given or read.
    LoadResult Load(const QString& path);

private:
    void DropOldest();

    QList<StateRow> rows_;
    int nextNumber_ = 1;
};
