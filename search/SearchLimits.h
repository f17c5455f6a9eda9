#pragma once

#include <cstdint>

// What bounds one search. Zero budgets mean no bound.
struct SearchLimits {
    int depth = 60;
    // Solve exactly when at most this many cells are empty; -1 never.
    int exactEmpties = -1;
    // CPU time of the searching thread.
    std::int64_t cpuMicroseconds = 0;
    // A node count instead of time, for results that do not depend on the machine.
    std::int64_t nodes = 0;
    // Every root move gets its own score, not only the best ones.
    bool allScores = false;
};
