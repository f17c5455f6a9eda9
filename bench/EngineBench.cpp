#include "engine/BoardStatus.h"

#include <benchmark/benchmark.h>

#include "BenchPositions.h"

static void BM_IsLegalAllCells(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    for (auto _ : state) {
        int legal = 0;
        for (int cell = 0; cell < 100; ++cell)
            legal += board.IsLegal(cell / 10, cell % 10, 1);
        benchmark::DoNotOptimize(legal);
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_IsLegalAllCells);

static void BM_HasLegalMove(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    for (auto _ : state)
        benchmark::DoNotOptimize(board.HasLegalMove(2));
}
BENCHMARK(BM_HasLegalMove);

static void BM_CopyFrom(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    BoardStatus copy;
    for (auto _ : state) {
        copy.CopyFrom(board);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyFrom);

static void BM_CopyAndPlace(benchmark::State& state)
{
    const BoardStatus board = MidGamePosition();
    int cells[100];
    int count = 0;
    for (int cell = 0; cell < 100; ++cell) {
        if (board.IsLegal(cell / 10, cell % 10, 1))
            cells[count++] = cell;
    }
    BoardStatus scratch;
    int i = 0;
    for (auto _ : state) {
        scratch.CopyFrom(board);
        const int cell = cells[i++ % count];
        benchmark::DoNotOptimize(scratch.Place(cell / 10, cell % 10, 1, 0));
    }
}
BENCHMARK(BM_CopyAndPlace);
