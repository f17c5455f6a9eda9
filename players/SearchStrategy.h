#pragma once

#include "engine/BoardStatus.h"
#include "search/Evaluator.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// How long the search strategies may think.
struct SearchBudget {
    // A cap on the time per move in milliseconds; 0 keeps each strategy's own budget.
    int moveTimeMs = 0;
    // Counts search nodes at a fixed nominal rate instead of CPU time, so
    // that a game plays the same on any machine and under any load.
    bool fixedRate = false;
    // Evaluation weights other than the standard ones (the match tool's tuning runs).
    std::optional<Evaluator::Weights> weights;
};

// The search strategies of the move chooser: code 21 looks ahead a fixed
// depth, code 22 reads deeply within a time budget. Pure functions of their
// inputs, safe to run on a worker thread.
class SearchStrategy {
public:
    static constexpr int kCodeLookAhead = 21;
    static constexpr int kCodeDeepRead = 22;
    static constexpr int kLookAheadDepth = 4;
    static constexpr int kLookAheadExactEmpties = 12;
    static constexpr int kDeepReadMs = 500;
    static constexpr int kDeepReadExactEmpties = 18;
    // Search nodes that stand for one millisecond under a fixed-rate budget.
    static constexpr int kNominalNodesPerMs = 3000;

    static bool IsSearchCode(int code);
    static bool NeedsSearch(const std::array<int, 3>& codes);

    // Every legal cell of side reaching the best search score; empty when the
    // side cannot place or the stop flag ended the search first.
    static std::vector<int> BestCells(const BoardStatus& board, int side, int code, const SearchBudget& budget,
                                      const std::atomic<bool>* stop = nullptr);
};
