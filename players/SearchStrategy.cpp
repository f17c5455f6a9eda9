#include "players/SearchStrategy.h"

#include "search/Searcher.h"

#include <algorithm>

bool SearchStrategy::IsSearchCode(int code)
{
    return code == kCodeLookAhead || code == kCodeDeepRead;
}

bool SearchStrategy::NeedsSearch(const std::array<int, 3>& codes)
{
    for (const int code : codes) {
        if (code == 0)
            return false;
        if (IsSearchCode(code))
            return true;
    }
    return false;
}

std::vector<int> SearchStrategy::BestCells(const BoardStatus& board, int side, int code, const SearchBudget& budget,
                                           const std::atomic<bool>* stop)
{
    SearchLimits limits;
    int ms = 0;
    if (code == kCodeLookAhead) {
        limits.depth = kLookAheadDepth;
        limits.exactEmpties = kLookAheadExactEmpties;
        ms = budget.moveTimeMs;
    } else {
        limits.exactEmpties = kDeepReadExactEmpties;
        ms = budget.moveTimeMs > 0 ? std::min(budget.moveTimeMs, kDeepReadMs) : kDeepReadMs;
    }
    if (budget.fixedRate)
        limits.nodes = static_cast<std::int64_t>(ms) * kNominalNodesPerMs;
    else
        limits.cpuMicroseconds = static_cast<std::int64_t>(ms) * 1000;
    Searcher searcher(budget.weights.value_or(Evaluator::DefaultWeights()));
    return searcher.Run(Position::FromBoard(board, side), limits, stop).best;
}
