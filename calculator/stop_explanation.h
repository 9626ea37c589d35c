// The reason a property library gives for a state it cannot serve is in its
// own language (Russian). The window explains it in its own, English.
#pragma once

#include <QString>

// An English sentence for the library's message `reason`: what the state is
// and what the user can do about it.
QString ExplanationOfStop(const QString& reason);
