// The file of the table of states: a versioned JSON document. Numbers are
// written as the shortest text that reads back as the same double; a value
// that is not defined (NaN) is written as null. Quantities are named by the
// symbols of their result rows, which tell every quantity apart, so that a
// quantity added to the table shifts no stored value.
#pragma once

#include "state_row.h"

#include <QByteArray>

#include <optional>

// `highest` is the largest number the table has ever given, kept when its rows
// are gone, so that numbering goes on after a clear; the last row's number when
// it is larger.
QByteArray StatesFileText(const QList<StateRow>& rows, qint64 highest = 0);

// The rows of a text StatesFileText wrote, in their order, and into *highest
// the largest number ever given (a file written before it was kept: the last
// row's); std::nullopt with the reason in *reason for any other bytes.
std::optional<QList<StateRow>> ReadStatesFile(const QByteArray& text, QString* reason, qint64* highest = nullptr);
