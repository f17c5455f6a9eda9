#include "players/SearchStrategy.h"
#include "search/Searcher.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include "BenchPositions.h"

namespace {

std::uint64_t TreeNodes(const Position& position, int depth, bool passed = false)
{
    if (depth == 0)
        return 1;
    Bitboard moves = position.Moves();
    if (moves == 0)
        return passed ? 1 : 1 + TreeNodes(position.Pass(), depth - 1, true);
    std::uint64_t nodes = 1;
    while (moves != 0) {
        const int cell = bitboard::Lowest(moves);
        moves &= moves - 1;
        nodes += TreeNodes(position.Play(cell, position.Flips(cell)), depth - 1);
    }
    return nodes;
}

// Positions with the given number of empty cells from games that a depth-3
// search plays against itself after four random opening moves.
std::vector<Position> GamePositions(int empties, int count)
{
    std::vector<Position> positions;
    Searcher searcher;
    SearchLimits limits;
    limits.depth = 3;
    std::mt19937 random(static_cast<unsigned>(empties));
    while (static_cast<int>(positions.size()) < count) {
        Position position = Position::Start();
        for (int ply = 0; position.EmptyCount() > empties; ++ply) {
            const Bitboard moves = position.Moves();
            if (moves == 0) {
                if (position.Pass().Moves() == 0)
                    break;
                position = position.Pass();
                continue;
            }
            int cell = bitboard::Lowest(moves);
            if (ply < 4) {
                std::vector<int> cells;
                for (Bitboard m = moves; m != 0; m &= m - 1)
                    cells.push_back(bitboard::Lowest(m));
                cell = cells[random() % cells.size()];
            } else {
                const SearchResult result = searcher.Run(position, limits);
                cell = result.best[random() % result.best.size()];
            }
            position = position.Play(cell, position.Flips(cell));
        }
        if (position.EmptyCount() == empties && position.Moves() != 0)
            positions.push_back(position);
    }
    return positions;
}

}  // namespace

static void BM_MoveGenerationTree(benchmark::State& state)
{
    int side = 1;
    const Position position = Position::FromBoard(MidGamePosition(), 1 + MidGamePosition().MoveCount() % 2);
    (void)side;
    std::uint64_t nodes = 0;
    for (auto _ : state)
        nodes += TreeNodes(position, static_cast<int>(state.range(0)));
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MoveGenerationTree)->Arg(4)->Unit(benchmark::kMillisecond);

static void BM_SearchMidGame(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    const Position position = Position::FromBoard(board, 1);
    Searcher searcher;
    SearchLimits limits;
    limits.depth = static_cast<int>(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state)
        nodes += searcher.Run(position, limits).nodes;
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchMidGame)->Arg(6)->Unit(benchmark::kMillisecond);

// Solves each of five game positions once per iteration; reports the median CPU time of one solve.
static void BM_ExactSolve(benchmark::State& state)
{
    const std::vector<Position> positions = GamePositions(static_cast<int>(state.range(0)), 5);
    Searcher searcher;
    SearchLimits limits;
    limits.exactEmpties = 64;
    std::uint64_t nodes = 0;
    std::vector<double> times;
    for (auto _ : state) {
        for (const Position& position : positions) {
            const std::clock_t start = std::clock();
            nodes += searcher.Run(position, limits).nodes;
            times.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        }
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExactSolve)->Arg(14)->Arg(16)->Arg(18)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

// One move of a search strategy from a mid-game position with the game's own budget.
static void BM_StrategyMove(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    const int side = 1 + board.MoveCount() % 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchStrategy::BestCells(board, side, static_cast<int>(state.range(0)), SearchBudget{}));
}
BENCHMARK(BM_StrategyMove)->Arg(SearchStrategy::kCodeLookAhead)->Arg(SearchStrategy::kCodeDeepRead)->Iterations(5)->Unit(benchmark::kMillisecond);
