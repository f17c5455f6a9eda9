#include "engine/BoardStatus.h"
#include "players/Brain.h"

#include <benchmark/benchmark.h>

#include "BenchPositions.h"

// One strategy at a time on the fixed mid-game position; the argument is the code.
static void BM_ChooseMove(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    Brain brain(board, 1);
    const int codes[3] = {static_cast<int>(state.range(0)), 0, 0};
    for (auto _ : state) {
        brain.Clear();
        benchmark::DoNotOptimize(brain.ChooseMove(codes));
    }
}
BENCHMARK(BM_ChooseMove)->DenseRange(Brain::kCodeRandom, Brain::kCodeFewestReplies)->Unit(benchmark::kMicrosecond);

// A full three-strategy profile, the most a single turn can cost.
static void BM_ChooseMoveThreeStrategies(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    Brain brain(board, 1);
    const int codes[3] = {Brain::kCodeKeepOffCorners, Brain::kCodeKeepOffEdges, Brain::kCodeFewestReplies};
    for (auto _ : state) {
        brain.Clear();
        benchmark::DoNotOptimize(brain.ChooseMove(codes));
    }
}
BENCHMARK(BM_ChooseMoveThreeStrategies)->Unit(benchmark::kMicrosecond);

// Whole computer-vs-computer games, passes included, until neither side can move.
static void BM_WholeGame(benchmark::State& state)
{
    const int codes[3] = {static_cast<int>(state.range(0)), 0, 0};
    for (auto _ : state) {
        BoardStatus board;
        Brain brains[2] = {Brain(board, 1), Brain(board, 2)};
        int side = 1;
        while (board.HasLegalMove(1) || board.HasLegalMove(2)) {
            if (board.HasLegalMove(side)) {
                Brain& brain = brains[side - 1];
                const int cell = brain.ChooseMove(codes);
                brain.Clear();
                board.Place(cell / 10, cell % 10, side, 0);
            }
            side = 3 - side;
        }
        benchmark::DoNotOptimize(board.CountOwner(1));
    }
}
BENCHMARK(BM_WholeGame)->Arg(Brain::kCodeFewestReplies)->Arg(Brain::kCodeMostFlips)->Unit(benchmark::kMicrosecond);
