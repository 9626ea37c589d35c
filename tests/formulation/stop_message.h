// The message of the fatal stop a call ends in, for tests of the refusals.
#pragma once

#include <functional>
#include <string>

#include "TFS.h"

// The stop's exact message, or "no stop" when the call returned.
inline std::string stop_message(const std::function<void()>& call) {
    try {
        call();
    } catch (const TFS::FatalStop& stop) {
        return stop.what();
    }
    return "no stop";
}

inline std::string stop_message(double (*property)(double, double), double a, double b) {
    return stop_message([&] { property(a, b); });
}
