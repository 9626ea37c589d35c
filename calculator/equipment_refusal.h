// The refusals and balances the equipment's files share. Internal to the core.
#pragma once

#include "equipment.h"

#include "TFS.h"
#include "stop_explanation.h"

#include <initializer_list>

[[noreturn]] inline void Refuse(const QString& input, const QString& message) {
    throw EquipmentRefusal{message, input};
}

// A state the formulation cannot serve refuses the whole operation, naming the
// input that led to it, with the library's reason explained in English.
template <class Compute>
auto Served(const QString& input, Compute compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const TFS::FatalStop& stop) {
        Refuse(input, QStringLiteral(" The state lies outside the range of IF97: ") +
                          ExplanationOfStop(QString::fromUtf8(stop.what())));
    }
}
