#pragma once

#include <cstdint>
#include <functional>

// Calendar time in whole seconds; tests install a clock of their own.
class Clock {
public:
    static std::int64_t Now();

    static void SetOverride(std::function<std::int64_t()> source);
    static void ClearOverride();
};
