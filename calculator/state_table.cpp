#include "state_table.h"

#include "decimal_separator.h"
#include "text_to_real.h"

#include "state_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A thousand rows take about 2 MB; a file many times larger is no table of
// ours and is not read into memory.
constexpr qint64 LargestFile = 64 << 20;

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

// The user keeps the damaged rows (to mend or send them) and a working table.
LoadResult SetAside(const QString& path, const QString& reason) {
    const QString aside = FreeDamagedName(path);
    const QString head = u"The table of states in "_s + Shown(path) + u" could not be read ("_s + reason + u")"_s;
    if (!QFile::rename(path, aside))
        return {LoadResult::Status::Damaged,
                head + u"; it could not be renamed either and will be replaced when the table is saved."_s};
    return {LoadResult::Status::Damaged,
            head + u". It was renamed to "_s + Shown(aside) + u" and the table starts empty."_s};
}

}  // namespace

void StateTable::Append(const CalculationRequest& request, const Outputs& outputs) {
    StateRow row{nextNumber_++, {request.mode, request.saturationInput, {}}, outputs.phaseName, {}};
    // The table keeps the inputs in the core's units: typed in others, they are
    // converted (the run read them, so they are numbers), to twelve digits. The
    // white space a pasted cell brings ("12.5\r\n") is not kept.
    for (const Quantity input : InputsOf(request.mode, request.saturationInput)) {
        const QString typed = request.typed.value(input).trimmed();
        row.request.typed.insert(input,
                                 request.units == Units{}
                                     ? typed
                                     : QString::number(FromShown(input, TextToReal(typed), request.units), 'g', 12));
    }
    for (const Output& output : outputs.values) row.values.append({output.quantity, output.phase, output.value});
    if (!std::isnan(outputs.dryness)) row.values.append({Quantity::Dryness, Phase::State, outputs.dryness});
    rows_.append(row);
    DropOldest();
}

QString InputText(const StateRow& row, Quantity input, const Units& units) {
    const QString stored = row.request.typed.value(input);
    if (units == Units{} || stored.isEmpty()) return stored;
    return QString::number(ToShown(input, TextToReal(stored), units), 'g', 12).replace(u'.', LocaleDecimalSeparator());
}

void StateTable::Remove(QList<qsizetype> indexes) {
    // From the last, so that the indexes still to come keep their rows.
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (const qsizetype index : indexes)
        if (index >= 0 && index < rows_.size()) rows_.removeAt(index);
}

void StateTable::Clear() {
    rows_.clear();
}

void StateTable::DropOldest() {
    if (rows_.size() > MaxRows) rows_.remove(0, rows_.size() - MaxRows);
}

bool StateTable::Save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(StatesFileText(rows_)) >= 0 && file.commit()) return true;
    if (error != nullptr) *error = file.errorString();
    return false;
}

LoadResult StateTable::Load(const QString& path) {
    rows_.clear();
    QFile file(path);
    if (!file.exists()) return {LoadResult::Status::NoFile, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {LoadResult::Status::Unreadable,
                u"The table of states in "_s + Shown(path) + u" could not be opened: "_s + file.errorString()};
    if (file.size() > LargestFile) {
        file.close();
        return SetAside(path, u"far too large"_s);
    }
    const QByteArray text = file.readAll();
    file.close();
    QString reason;
    std::optional<QList<StateRow>> rows = ReadStatesFile(text, &reason);
    if (!rows) return SetAside(path, reason);
    rows_ = std::move(*rows);
    DropOldest();
    if (!rows_.isEmpty()) nextNumber_ = std::max(nextNumber_, rows_.back().number + 1);
    return {LoadResult::Status::Loaded, {}};
}
