#include "search/Searcher.h"

#include <algorithm>
#include <array>
#include <ctime>

using namespace bitboard;

namespace {

constexpr int kInfinity = 30000;
constexpr int kEvalLimit = 7000;
// Exact positions hash apart from estimated ones: their scores are in pieces.
constexpr std::uint64_t kExactSalt = 0x5bd1e9955bd1e995ull;
// Below this many empty cells the solver plays moves in parity order without the table.
constexpr int kShallowEmpties = 6;
// An unbudgeted solve of this many empty cells and more is preceded by an estimate
// of depth (empty cells - this), at most kSolveOrderDepth, that orders the root moves.
constexpr int kSolveOrderEmpties = 10;
constexpr int kSolveOrderDepth = 8;
constexpr int kMaxMoves = 76;
constexpr int kPlayableCells = 76;

constexpr Bitboard Quadrant(int rowStart, int columnStart)
{
    Bitboard mask = 0;
    for (int r = rowStart; r < rowStart + 5; ++r) {
        for (int c = columnStart; c < columnStart + 5; ++c) {
            if (IsPlayable(r, c))
                mask |= Bit(r * kSize + c);
        }
    }
    return mask;
}

constexpr Bitboard kQuadrants[4] = {Quadrant(0, 0), Quadrant(0, 5), Quadrant(5, 0), Quadrant(5, 5)};
constexpr Bitboard kCornerCells = Bit(3) | Bit(6) | Bit(30) | Bit(39) | Bit(60) | Bit(69) | Bit(93) | Bit(96);

// Empty cells in quadrants that hold an odd number of empty cells: placing there keeps the last move.
Bitboard OddRegions(Bitboard empty)
{
    Bitboard odd = 0;
    for (const Bitboard quadrant : kQuadrants) {
        if (Count(empty & quadrant) % 2 == 1)
            odd |= quadrant;
    }
    return odd;
}

constexpr int QuadrantOf(int cell)
{
    return (cell / kSize >= 5 ? 2 : 0) + (cell % kSize >= 5 ? 1 : 0);
}

// For each cell, the bit of its quadrant in a parity word.
constexpr std::array<unsigned, kSize * kSize> kQuadrantBit = [] {
    std::array<unsigned, kSize * kSize> bits{};
    for (int cell = 0; cell < kSize * kSize; ++cell)
        bits[cell] = 1u << QuadrantOf(cell);
    return bits;
}();

// For each parity word, the cells of its odd quadrants.
constexpr std::array<Bitboard, 16> kOddMask = [] {
    std::array<Bitboard, 16> masks{};
    for (unsigned parity = 0; parity < 16; ++parity) {
        for (int q = 0; q < 4; ++q) {
            if (parity & (1u << q))
                masks[parity] |= kQuadrants[q];
        }
    }
    return masks;
}();

unsigned ParityOf(Bitboard empty)
{
    unsigned parity = 0;
    for (int q = 0; q < 4; ++q)
        parity |= static_cast<unsigned>(Count(empty & kQuadrants[q]) & 1) << q;
    return parity;
}

int Final(const Position& position)
{
    return position.Difference();
}

}  // namespace

Searcher::Searcher(const Evaluator::Weights& weights, int tableBits)
    : evaluator_(weights), table_(tableBits)
{
}

std::int64_t Searcher::CpuNow() const
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

bool Searcher::OutOfBudget()
{
    if (stopped_)
        return true;
    if ((nodes_ & 1023) != 0)
        return false;
    if ((stop_ != nullptr && stop_->load(std::memory_order_relaxed)) || (nodeBudget_ != 0 && nodes_ >= nodeBudget_)
        || (deadline_ != 0 && CpuNow() >= deadline_))
        stopped_ = true;
    return stopped_;
}

int Searcher::OrderMoves(const Position& position, Bitboard moves, int hashMove, bool deep, Ordered* out) const
{
    int count = 0;
    const Bitboard odd = OddRegions(position.Empty());
    while (moves != 0) {
        const int cell = Lowest(moves);
        moves &= moves - 1;
        const Bitboard flips = position.Flips(cell);
        int key = 0;
        if (cell == hashMove)
            key = 1 << 24;
        else if (deep) {
            const Position next = position.Play(cell, flips);
            // A corner is worth half a reply: more sent the solver into larger trees on real games.
            key = -Count(next.Moves()) * 64 + ((Bit(cell) & kCornerCells) ? 32 : 0) + ((Bit(cell) & odd) ? 16 : 0);
            key = key * 256 + history_[cell] / 1024;
        } else {
            key = history_[cell] + ((Bit(cell) & kCornerCells) ? 1 << 20 : 0);
        }
        out[count++] = Ordered{cell, flips, key};
    }
    std::sort(out, out + count, [](const Ordered& a, const Ordered& b) { return a.key > b.key; });
    return count;
}

int Searcher::Midgame(const Position& position, int depth, int alpha, int beta)
{
    ++nodes_;
    if (OutOfBudget())
        return 0;
    if (depth <= 0)
        return std::clamp(evaluator_.Evaluate(position), -kEvalLimit, kEvalLimit);
    const Bitboard moves = position.Moves();
    if (moves == 0) {
        const Position passed = position.Pass();
        if (passed.Moves() == 0)
            return Final(position) * kPiece;
        return -Midgame(passed, depth, -beta, -alpha);
    }

    const std::uint64_t key = position.Hash();
    int hashMove = -1;
    if (const TranspositionTable::Entry* entry = table_.Find(key)) {
        hashMove = entry->move == 0xff ? -1 : entry->move;
        if (entry->depth >= depth) {
            if (entry->bound == TranspositionTable::kExact)
                return entry->score;
            if (entry->bound == TranspositionTable::kLower && entry->score >= beta)
                return entry->score;
            if (entry->bound == TranspositionTable::kUpper && entry->score <= alpha)
                return entry->score;
        }
    }

    Ordered ordered[kMaxMoves];
    const int count = OrderMoves(position, moves, hashMove, depth >= 3, ordered);
    const int originalAlpha = alpha;
    int best = -kInfinity;
    int bestMove = -1;
    for (int i = 0; i < count; ++i) {
        const Position next = position.Play(ordered[i].cell, ordered[i].flips);
        int score;
        if (i == 0) {
            score = -Midgame(next, depth - 1, -beta, -alpha);
        } else {
            score = -Midgame(next, depth - 1, -alpha - 1, -alpha);
            if (score > alpha && score < beta)
                score = -Midgame(next, depth - 1, -beta, -alpha);
        }
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            bestMove = ordered[i].cell;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta) {
                    history_[bestMove] += depth * depth;
                    break;
                }
            }
        }
    }
    const TranspositionTable::Bound bound = best <= originalAlpha ? TranspositionTable::kUpper
        : best >= beta                                             ? TranspositionTable::kLower
                                                                   : TranspositionTable::kExact;
    table_.Store(key, depth, best, bound, bestMove);
    return best;
}

// The final difference with one empty cell left, from the pieces alone.
int Searcher::LastMove(Bitboard own, Bitboard other, int cell)
{
    ++nodes_;
    const int owned = Count(own);
    if (const Bitboard flips = FlipsOf(own, other, cell))
        return 2 * (owned + Count(flips)) + 2 - kPlayableCells;
    if (const Bitboard flips = FlipsOf(other, own, cell))
        return 2 * (owned - Count(flips)) - kPlayableCells;
    return 2 * owned - (kPlayableCells - 1);
}

// Few empty cells: legal cells are found by trying each empty cell, those of
// quadrants with an odd count of empty cells (bits of parity) first; no table.
int Searcher::Shallow(Bitboard own, Bitboard other, Bitboard empty, int empties, unsigned parity, int alpha, int beta,
                      bool passed)
{
    if (empties == 1 && !passed)
        return LastMove(own, other, Lowest(empty));
    ++nodes_;
    if (OutOfBudget())
        return 0;
    int best = -kInfinity;
    for (int round = 0; round < 2; ++round) {
        Bitboard cells = empty & (round == 0 ? kOddMask[parity] : ~kOddMask[parity]);
        while (cells != 0) {
            const int cell = Lowest(cells);
            cells &= cells - 1;
            if ((kNeighbours[cell] & other) == 0)
                continue;
            const Bitboard flips = FlipsOf(own, other, cell);
            if (flips == 0)
                continue;
            const Bitboard nextOwn = other & ~flips;
            const Bitboard nextOther = own | flips | Bit(cell);
            const Bitboard nextEmpty = empty & ~Bit(cell);
            const int score = empties == 2
                ? -LastMove(nextOwn, nextOther, Lowest(nextEmpty))
                : -Shallow(nextOwn, nextOther, nextEmpty, empties - 1, parity ^ kQuadrantBit[cell], -beta, -alpha, false);
            if (stopped_)
                return 0;
            if (score > best) {
                best = score;
                if (score > alpha) {
                    alpha = score;
                    if (alpha >= beta)
                        return best;
                }
            }
        }
    }
    if (best != -kInfinity)
        return best;
    if (passed)
        return 2 * Count(own) - (kPlayableCells - empties);
    return -Shallow(other, own, empty, empties, parity, -beta, -alpha, true);
}

int Searcher::Exact(const Position& position, int alpha, int beta, int empties)
{
    if (empties <= kShallowEmpties) {
        const Bitboard empty = position.Empty();
        return Shallow(position.own, position.other, empty, empties, ParityOf(empty), alpha, beta, false);
    }
    ++nodes_;
    if (OutOfBudget())
        return 0;
    const Bitboard moves = position.Moves();
    if (moves == 0) {
        const Position passed = position.Pass();
        if (passed.Moves() == 0)
            return Final(position);
        return -Exact(passed, -beta, -alpha, empties);
    }

    const std::uint64_t key = position.Hash() ^ kExactSalt;
    int hashMove = -1;
    if (const TranspositionTable::Entry* entry = table_.Find(key)) {
        hashMove = entry->move == 0xff ? -1 : entry->move;
        if (entry->bound == TranspositionTable::kExact)
            return entry->score;
        if (entry->bound == TranspositionTable::kLower && entry->score >= beta)
            return entry->score;
        if (entry->bound == TranspositionTable::kUpper && entry->score <= alpha)
            return entry->score;
    }

    Ordered ordered[kMaxMoves];
    const int count = OrderMoves(position, moves, hashMove, true, ordered);
    const int originalAlpha = alpha;
    int best = -kInfinity;
    int bestMove = -1;
    for (int i = 0; i < count; ++i) {
        const Position next = position.Play(ordered[i].cell, ordered[i].flips);
        int score;
        if (i == 0) {
            score = -Exact(next, -beta, -alpha, empties - 1);
        } else {
            score = -Exact(next, -alpha - 1, -alpha, empties - 1);
            if (score > alpha && score < beta)
                score = -Exact(next, -beta, -alpha, empties - 1);
        }
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            bestMove = ordered[i].cell;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta)
                    break;
            }
        }
    }
    const TranspositionTable::Bound bound = best <= originalAlpha ? TranspositionTable::kUpper
        : best >= beta                                             ? TranspositionTable::kLower
                                                                   : TranspositionTable::kExact;
    table_.Store(key, empties, best, bound, bestMove);
    return best;
}

int Searcher::Solve(const Position& position, int alpha, int beta)
{
    return Exact(position, alpha, beta, position.EmptyCount());
}

// One pass over the root moves at a depth; false when the budget ran out first.
// Moves come in and go out ordered; scores are exact for the best ones.
template <bool IsExact>
bool Searcher::RootIteration(const Position& position, int depth, std::vector<SearchResult::Move>* moves, bool allScores,
                             int guess)
{
    int best = -kInfinity;
    for (std::size_t i = 0; i < moves->size(); ++i) {
        SearchResult::Move& move = (*moves)[i];
        const Position next = position.Play(move.cell, position.Flips(move.cell));
        auto search = [&](int alpha, int beta) {
            return IsExact ? -Exact(next, -beta, -alpha, next.EmptyCount()) : -Midgame(next, depth - 1, -beta, -alpha);
        };
        // From a bound just outside a narrow window, narrow windows reach the exact score sooner than an open one.
        // Bounds move one way by at least one each step, so 2 x 76 steps always suffice.
        auto settle = [&](int bound) {
            for (int step = 0; step <= 2 * kPlayableCells && !stopped_; ++step) {
                const int found = search(bound - 1, bound + 1);
                if (found == bound)
                    return bound;
                bound = found;
            }
            return search(-kInfinity, kInfinity);
        };
        int score;
        if (i == 0 && IsExact && !allScores && guess != kInfinity) {
            // Near the estimate first: a narrow window proves far less than an open one.
            score = search(guess - 1, guess + 1);
            if (score != guess)
                score = settle(score);
        } else if (i == 0 || allScores) {
            score = search(-kInfinity, kInfinity);
        } else {
            // A window of width two tells below, equal to and above the best apart.
            score = search(best - 1, best + 1);
            if (score > best)
                score = IsExact ? settle(score) : search(best, kInfinity);
        }
        if (stopped_)
            return false;
        move.score = IsExact ? score * kPiece : score;
        best = std::max(best, score);
    }
    std::stable_sort(moves->begin(), moves->end(),
                     [](const SearchResult::Move& a, const SearchResult::Move& b) { return a.score > b.score; });
    return true;
}

SearchResult Searcher::Run(const Position& position, const SearchLimits& limits, const std::atomic<bool>* stop)
{
    SearchResult result;
    nodes_ = 0;
    stopped_ = false;
    stop_ = stop;
    nodeBudget_ = static_cast<std::uint64_t>(std::max<std::int64_t>(limits.nodes, 0));
    const std::int64_t start = CpuNow();
    deadline_ = limits.cpuMicroseconds > 0 ? start + limits.cpuMicroseconds : 0;
    table_.Clear();
    std::fill(std::begin(history_), std::end(history_), 0);

    Ordered ordered[kMaxMoves];
    const int count = OrderMoves(position, position.Moves(), -1, true, ordered);
    std::vector<SearchResult::Move> moves;
    for (int i = 0; i < count; ++i)
        moves.push_back(SearchResult::Move{ordered[i].cell, 0});
    if (moves.empty())
        return result;

    const int empties = position.EmptyCount();
    const bool budgeted = deadline_ != 0 || nodeBudget_ != 0;
    const bool exact = empties <= limits.exactEmpties;
    std::vector<SearchResult::Move> done;
    // Without a budget a short estimate still orders the root moves for the solve.
    const int estimateDepth = exact && !budgeted ? std::min(empties - kSolveOrderEmpties, kSolveOrderDepth)
                                                 : std::min(limits.depth, empties);
    if (estimateDepth > 0) {
        // With an exact solve to follow, a quarter of the budget goes to the estimate.
        const std::int64_t fullDeadline = deadline_;
        const std::uint64_t fullNodes = nodeBudget_;
        if (exact) {
            deadline_ = deadline_ != 0 ? start + limits.cpuMicroseconds / 4 : 0;
            nodeBudget_ = nodeBudget_ / 4;
        }
        for (int depth = 1; depth <= estimateDepth; ++depth) {
            if (!RootIteration<false>(position, depth, &moves, limits.allScores, kInfinity))
                break;
            done = moves;
            result.depth = depth;
            // An iteration costs several times the last one: do not start one that cannot finish.
            if (deadline_ != 0 && CpuNow() - start > (deadline_ - start) / 3)
                break;
            if (nodeBudget_ != 0 && nodes_ * 3 > nodeBudget_)
                break;
        }
        stopped_ = false;
        deadline_ = fullDeadline;
        nodeBudget_ = fullNodes;
        if (stop_ != nullptr && stop_->load())
            stopped_ = true;
    }
    if (exact && !stopped_) {
        std::vector<SearchResult::Move> solved = done.empty() ? moves : done;
        const int guess = done.empty() ? kInfinity : done.front().score / kPiece;
        if (RootIteration<true>(position, 0, &solved, limits.allScores, guess)) {
            done = solved;
            result.exact = true;
            result.depth = empties;
        }
    }
    result.stopped = stop_ != nullptr && stop_->load();
    result.nodes = nodes_;
    if (done.empty())
        return result;
    result.moves = done;
    for (const SearchResult::Move& move : done) {
        if (move.score == done.front().score)
            result.best.push_back(move.cell);
    }
    return result;
}
