#include "search/Position.h"

#include "engine/BoardStatus.h"
#include "support/BoardText.h"
#include "support/RandomGames.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

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
