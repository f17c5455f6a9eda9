#pragma once

#include <cstdint>
#include <functional>

// The pseudo-random source of the thread that draws (in the program, the GUI
// thread alone). Seeded once from the clock at start-up; tests seed it or
// replace it with a scripted sequence.
class Random {
public:
    // A non-negative integer.
    static int Next();

    static void Seed(std::uint32_t seed);
    static void SeedFromClock();

    // While set, Next() answers from this function instead of the generator.
    static void SetOverride(std::function<int()> source);
    static void ClearOverride();
};
