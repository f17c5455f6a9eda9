#include "search/Position.h"

#include "engine/BoardStatus.h"
#include "support/BoardText.h"
#include "support/RandomGames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// Leaves of the move tree from the rules' own board; a pass is one ply.
std::uint64_t BoardTreeCount(const BoardStatus& board, int side, int depth, bool passed = false)
{
    if (depth == 0)
        return 1;
    std::uint64_t leaves = 0;
    bool moved = false;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        if (!board.IsLegal(cell / 10, cell % 10, side))
            continue;
        moved = true;
        BoardStatus next;
        next.CopyFrom(board);
        next.Place(cell / 10, cell % 10, side, 0);
        leaves += BoardTreeCount(next, 3 - side, depth - 1);
    }
    if (!moved && !passed)
        leaves += BoardTreeCount(board, 3 - side, depth - 1, true);
    return leaves;
}

std::uint64_t PositionTreeCount(const Position& position, int depth, bool passed = false)
{
    if (depth == 0)
        return 1;
    Bitboard moves = position.Moves();
    if (moves == 0)
        return passed ? 0 : PositionTreeCount(position.Pass(), depth - 1, true);
    std::uint64_t leaves = 0;
    while (moves != 0) {
        const int cell = bitboard::Lowest(moves);
        moves &= moves - 1;
        leaves += PositionTreeCount(position.Play(cell, position.Flips(cell)), depth - 1);
    }
    return leaves;
}

struct TreeCase {
    unsigned seed;
    int placements;
    int depth;
};

class MoveTreeTest : public ::testing::TestWithParam<TreeCase> {};

TEST_P(MoveTreeTest, CountsAgreeWithTheBoardAtEveryDepth)
{
    int side = 1;
    const BoardStatus board = RandomBoard(GetParam().seed, GetParam().placements, &side);
    const Position position = Position::FromBoard(board, side);
    for (int depth = 1; depth <= GetParam().depth; ++depth)
        EXPECT_EQ(PositionTreeCount(position, depth), BoardTreeCount(board, side, depth)) << "depth " << depth;
}

INSTANTIATE_TEST_SUITE_P(Positions, MoveTreeTest,
    ::testing::Values(TreeCase{0, 0, 7}, TreeCase{1, 12, 5}, TreeCase{2, 30, 4}, TreeCase{3, 50, 5},
                      TreeCase{4, 64, 7}, TreeCase{5, 68, 8}));

TEST(PositionTest, StartMatchesTheResetBoard)
{
    const BoardStatus board;
    EXPECT_EQ(Position::FromBoard(board, 1), Position::Start());
    EXPECT_EQ(Position::Start().EmptyCount(), 72);
    EXPECT_EQ(bitboard::Count(bitboard::kPlayable), BoardStatus::kPlayableCells);
}

// Along whole random games every cell's legality and every flipped set agree.
TEST(PositionTest, RandomGamesAgreeCellByCell)
{
    std::mt19937 random(77);
    for (int game = 0; game < 60; ++game) {
        BoardStatus board;
        int side = 1;
        for (int passes = 0; passes < 2; side = 3 - side) {
            const Position position = Position::FromBoard(board, side);
            const Bitboard moves = position.Moves();
            std::vector<int> legal;
            for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
                const bool isLegal = board.IsLegal(cell / 10, cell % 10, side) == 1;
                ASSERT_EQ(isLegal, (moves & bitboard::Bit(cell)) != 0) << "cell " << cell;
                ASSERT_EQ(isLegal, position.Flips(cell) != 0) << "cell " << cell;
                if (isLegal)
                    legal.push_back(cell);
            }
            passes = legal.empty() ? passes + 1 : 0;
            if (legal.empty())
                continue;
            const int cell = legal[random() % legal.size()];
            const Bitboard flips = position.Flips(cell);
            board.Place(cell / 10, cell % 10, side, 0);
            Bitboard listed = 0;
            for (int i = 0; board.FlippedAt(i) != -1; ++i)
                listed |= bitboard::Bit(board.FlippedAt(i));
            ASSERT_EQ(listed, flips) << "cell " << cell;
            ASSERT_EQ(Position::FromBoard(board, 3 - side), position.Play(cell, flips));
        }
    }
}

TEST(PositionTest, LongestLinesFlipEightPieces)
{
    const BoardStatus board = BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        ".OOOOOOOOX",
        "..........",
        "..........",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    const Position position = Position::FromBoard(board, 1);
    EXPECT_EQ(bitboard::Count(position.Flips(30)), 8);
    EXPECT_EQ(position.Moves(), bitboard::Bit(30));
}

TEST(PositionTest, BoardRoundTrip)
{
    int side = 1;
    const BoardStatus board = RandomBoard(9, 40, &side);
    BoardStatus copy;
    Position::FromBoard(board, side).ToBoard(&copy, side);
    EXPECT_EQ(BoardToRows(copy), BoardToRows(board));
}

}  // namespace
