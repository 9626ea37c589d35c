#include "results_text.h"

#include <QStringList>

namespace {

QString TabSeparatedLines(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

}  // namespace

QString ResultsText(const CalculationRequest& request, const Outputs& outputs) {
    const bool saturation = request.saturation();
    QList<QStringList> rows;
    for (const Quantity input : InputsOf(request.mode, request.saturationInput))
        rows.append({InputCaption(input, saturation, request.units), request.typed.value(input).trimmed()});
    if (!saturation) rows.append({QStringLiteral("Phase"), outputs.phaseName});
    rows.append({QStringLiteral("Transport properties"), TransportName(request.transport)});
    // The outputs come in the order of the rows, the water's before the steam's.
    QMap<Quantity, qsizetype> rowOf;
    for (const Output& output : outputs.values) {
        if (!rowOf.contains(output.quantity)) {
            rowOf.insert(output.quantity, rows.size());
            rows.append({ResultCaption(output.quantity, saturation, request.units)});
        }
        rows[rowOf.value(output.quantity)].append(output.text);
    }
    return TabSeparatedLines(rows);
}
