#pragma once

#include "search/Evaluator.h"
#include "search/Position.h"
#include "search/SearchLimits.h"
#include "search/TranspositionTable.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Scores of the legal cells of one position, best first.
struct SearchResult {
    struct Move {
        int cell;
        // Hundredths of a piece; with exact set, the final piece difference times 100.
        // Only the best cells' scores are exact unless every score was asked for.
        int score;
    };
    std::vector<Move> moves;
    // Every cell that reaches the best score.
    std::vector<int> best;
    int depth = 0;
    bool exact = false;
    // The search was cut short by the stop flag (then moves may be empty).
    bool stopped = false;
    std::uint64_t nodes = 0;
};

// Principal variation search with iterative deepening, a transposition table
// and an exact endgame solver. Owns all its state; one per thread.
class Searcher {
public:
    static constexpr int kPiece = 100;

    explicit Searcher(const Evaluator::Weights& weights = Evaluator::DefaultWeights(), int tableBits = 18);

    // The stop flag, when given, may be set from another thread at any time.
    SearchResult Run(const Position& position, const SearchLimits& limits, const std::atomic<bool>* stop = nullptr);

    // The final piece difference under perfect play, within (alpha, beta).
    int Solve(const Position& position, int alpha, int beta);
    std::uint64_t Nodes() const { return nodes_; }

private:
    struct Ordered {
        int cell;
        Bitboard flips;
        int key;
    };

    int Midgame(const Position& position, int depth, int alpha, int beta);
    int Exact(const Position& position, int alpha, int beta, int empties);
    int Shallow(Bitboard own, Bitboard other, Bitboard empty, int empties, unsigned parity, int alpha, int beta,
                bool passed);
    int LastMove(Bitboard own, Bitboard other, int cell);
    template <bool IsExact>
    bool RootIteration(const Position& position, int depth, std::vector<SearchResult::Move>* moves, bool allScores,
                       int guess);
    int OrderMoves(const Position& position, Bitboard moves, int hashMove, bool deep, Ordered* out) const;
    bool OutOfBudget();
    std::int64_t CpuNow() const;

    Evaluator evaluator_;
    TranspositionTable table_;
    int history_[128] = {};
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeBudget_ = 0;
    std::int64_t deadline_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    bool stopped_ = false;
};
