// The results as a table for the clipboard: tab-separated cells, one line per
// row, so that a spreadsheet pastes them as columns.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

QString TabSeparatedLines(const QList<QStringList>& rows);

// The quantity a caption names, without the trailing " =": "p, MPa".
QString QuantityOfCaption(const QString& caption);

// The saturation sheets end each symbol in the phase letter (hw, Row, Prw); the
// quantity without it: "Enthalpy h, kJ/kg", "Prandtl number Pr".
QString QuantityWithoutPhaseLetter(const QString& quantity, QChar phaseLetter);
