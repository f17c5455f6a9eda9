#pragma once

#include <cstdint>
#include <vector>

// Replaces the process-wide random source for one test: answers the given
// numbers in order, then starts again from the first. Restores a seeded
// generator when it goes out of scope.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> numbers);
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    int Draws() const { return draws_; }

private:
    std::vector<int> numbers_;
    int draws_ = 0;
};

// Seeds the real generator for one test and restores the default seed after.
class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed);
    ~SeededRandom();
};
