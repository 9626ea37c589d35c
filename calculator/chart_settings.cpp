#include "chart_settings.h"

#include <QSettings>

#include <cmath>

namespace {

QString KeyOf(ChartKind kind, IsolineFamily family) {
    return QStringLiteral("chart/%1/%2").arg(QLatin1String(KindRow(kind).key), QLatin1String(FamilyRow(family).key));
}

const QString Off = QStringLiteral("off");

}  // namespace

std::vector<IsolineId> LoadIsolineChoice(QSettings& settings, ChartKind kind) {
    std::vector<IsolineId> ids;
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        const QVariant stored = settings.value(KeyOf(kind, row.family));
        if (!stored.isValid()) {
            if (KindRow(kind).defaultFamilies.contains(row.family))
                for (const double value : row.values) ids.push_back({row.family, value});
            continue;
        }
        if (stored.toString() == Off) continue;
        for (const QString& text : stored.toString().split(u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            const double value = text.toDouble(&ok);
            if (ok && std::isfinite(value)) ids.push_back({row.family, value});
        }
    }
    return ids;
}

void SaveIsolineChoice(QSettings& settings, ChartKind kind, const std::vector<IsolineId>& ids) {
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        QStringList values;
        for (const IsolineId& id : ids)
            if (id.family == row.family) values.append(QString::number(id.value, 'g', 17));
        settings.setValue(KeyOf(kind, row.family), values.isEmpty() ? Off : values.join(u' '));
    }
}
