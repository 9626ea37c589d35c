#include "converted_input.h"

#include "text_to_real.h"

QString InputNumberText(double value) {
    return QString::number(value, 'g', 10);
}

QString ConvertedInput(const QString& typed, Quantity quantity, const Units& from, const Units& to) {
    if (from == to) return typed;
    try {
        return InputNumberText(ToShown(quantity, FromShown(quantity, TextToReal(typed), from), to));
    } catch (const InvalidNumber&) {
        return typed;
    }
}
