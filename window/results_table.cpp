#include "results_table.h"

QString TabSeparatedLines(const QList<QStringList>& rows)
{
  QString text;
  for (const QStringList& row : rows) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
  return text;
}

QString QuantityOfCaption(const QString& caption)
{
  const QString separator = QStringLiteral(" =");
  return caption.endsWith(separator) ? caption.chopped(separator.size()) : caption;
}

QString QuantityWithoutPhaseLetter(const QString& quantity, QChar phaseLetter)
{
  // The symbol is the word before the unit's comma, or the last word.
  const qsizetype comma = quantity.indexOf(QLatin1Char(','));
  const qsizetype symbolEnd = comma < 0 ? quantity.size() : comma;
  if (symbolEnd == 0 || quantity[symbolEnd - 1] != phaseLetter) return quantity;
  return QString(quantity).remove(symbolEnd - 1, 1);
}
