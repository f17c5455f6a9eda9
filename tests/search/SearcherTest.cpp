#include "search/Searcher.h"

#include "support/RandomGames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// The final piece difference by plain minimax over the whole tree.
int Minimax(const Position& position, bool passed = false)
{
    Bitboard moves = position.Moves();
    if (moves == 0)
        return passed ? -position.Pass().Difference() : -Minimax(position.Pass(), true);
    int best = -1000;
    while (moves != 0) {
        const int cell = bitboard::Lowest(moves);
        moves &= moves - 1;
        best = std::max(best, -Minimax(position.Play(cell, position.Flips(cell))));
    }
    return best;
}

Position EndgamePosition(unsigned seed, int empties)
{
    int side = 1;
    const BoardStatus board = RandomBoard(seed, 72 - empties, &side);
    return Position::FromBoard(board, side);
}

TEST(SearcherTest, SolverAgreesWithMinimaxUpToTenEmptyCells)
{
    Searcher searcher;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const Position game = EndgamePosition(seed, 1 + static_cast<int>(seed % 10));
        // Left with a single opponent piece, the games often end with cells still empty.
        const Bitboard lone = bitboard::Bit(bitboard::Lowest(game.other));
        for (const Position& position : {game, Position{(game.own | game.other) & ~lone, lone}}) {
            const int expected = Minimax(position);
            EXPECT_EQ(searcher.Solve(position, -100, 100), expected) << "seed " << seed;
            // Narrow windows still tell the bound on the right side.
            EXPECT_LE(searcher.Solve(position, expected - 1, expected), expected) << "seed " << seed;
            EXPECT_GE(searcher.Solve(position, expected, expected + 1), expected) << "seed " << seed;
        }
    }
}

TEST(SearcherTest, ExactRunScoresEveryMoveAndListsAllBestCells)
{
    Searcher searcher;
    SearchLimits limits;
    limits.exactEmpties = 20;
    limits.allScores = true;
    for (unsigned seed = 30; seed < 36; ++seed) {
        const Position position = EndgamePosition(seed, 9);
        const SearchResult result = searcher.Run(position, limits);
        ASSERT_TRUE(result.exact);
        Bitboard moves = position.Moves();
        ASSERT_EQ(result.moves.size(), static_cast<std::size_t>(bitboard::Count(moves)));
        std::vector<int> best;
        for (const SearchResult::Move& move : result.moves) {
            const int expected = -Minimax(position.Play(move.cell, position.Flips(move.cell)));
            EXPECT_EQ(move.score, expected * Searcher::kPiece) << "cell " << move.cell;
            if (expected * Searcher::kPiece == result.moves.front().score)
                best.push_back(move.cell);
        }
        EXPECT_EQ(result.best, best);
    }
}

TEST(SearcherTest, BestCellsOfANarrowSearchAreTheExactTies)
{
    Searcher searcher;
    SearchLimits limits;
    limits.exactEmpties = 20;
    for (unsigned seed = 40; seed < 52; ++seed) {
        // From 11 empty cells an estimate comes first and the solve starts near it.
        const Position position = EndgamePosition(seed, 10 + static_cast<int>(seed % 4));
        const SearchResult result = searcher.Run(position, limits);
        SearchLimits all = limits;
        all.allScores = true;
        EXPECT_EQ(result.best, searcher.Run(position, all).best) << "seed " << seed;
    }
}

// Searches bounded by depth or by nodes give legal, repeatable best cells; without a legal move there are none.
TEST(SearcherTest, BoundedSearchesGiveLegalRepeatableCellsAndNoMoveGivesNone)
{
    Searcher searcher;
    SearchLimits limits;
    limits.depth = 4;
    const Position position = EndgamePosition(7, 40);
    const SearchResult first = searcher.Run(position, limits);
    EXPECT_EQ(first.depth, 4);
    EXPECT_FALSE(first.exact);
    ASSERT_FALSE(first.best.empty());
    for (const int cell : first.best)
        EXPECT_NE(position.Moves() & bitboard::Bit(cell), 0);
    EXPECT_EQ(searcher.Run(position, limits).best, first.best);

    SearchLimits nodes;
    nodes.nodes = 20000;
    const SearchResult budgeted = searcher.Run(EndgamePosition(3, 50), nodes);
    EXPECT_GE(budgeted.depth, 2);
    EXPECT_LT(budgeted.depth, 50);
    EXPECT_FALSE(budgeted.best.empty());
    EXPECT_LE(budgeted.nodes, 21024u);

    const Position full{bitboard::kPlayable & ~bitboard::Bit(44), bitboard::Bit(44)};
    const SearchResult none = searcher.Run(full, SearchLimits{});
    EXPECT_TRUE(none.moves.empty() && none.best.empty());
}

TEST(SearcherTest, AnotherThreadStopsADeepSearch)
{
    Searcher searcher;
    std::atomic<bool> stop{false};
    std::atomic<bool> started{false};
    SearchLimits limits;
    limits.exactEmpties = 40;
    SearchResult result;
    std::thread worker([&] {
        started = true;
        result = searcher.Run(EndgamePosition(5, 40), limits, &stop);
    });
    while (!started)
        std::this_thread::yield();
    stop = true;
    worker.join();
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.exact);
}

}  // namespace
