#include "engine/BoardStatus.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

// The move rules themselves are checked cell by cell against the independent
// bitboard engine in tests/search; these tests cover the display bookkeeping.
namespace {

std::vector<int> FlippedList(const BoardStatus& board)
{
    std::vector<int> cells;
    for (int i = 0; i < BoardStatus::kCells && board.FlippedAt(i) != -1; ++i)
        cells.push_back(board.FlippedAt(i));
    return cells;
}

// Every table of the board, so a test can prove that nothing changed.
std::vector<int> Snapshot(const BoardStatus& board)
{
    std::vector<int> all{board.MoveCount()};
    for (int i = 0; i < 100; ++i)
        all.insert(all.end(), {board.OwnerAt(i / 10, i % 10), board.KindAt(i / 10, i % 10),
                               board.AnimStepAt(i / 10, i % 10), board.FlippedAt(i), board.MoveAt(i)});
    return all;
}

}  // namespace

TEST(BoardStatusTest, FlipsTakeTheKindAreListedDirectionByDirectionOutwardAndResetClearsAll)
{
    BoardStatus board = BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ..X.X.X. ",
        "....OOO...",
        "..XOO.OOOX",
        "....OOO...",
        "...X.X.X..",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    ASSERT_EQ(board.Place(4, 5, 1, 4), 0);
    // down, down-right, right (three), up-right, up, up-left, left (two), down-left
    EXPECT_EQ(FlippedList(board), (std::vector<int>{55, 56, 46, 47, 48, 36, 35, 34, 44, 43, 54}));
    EXPECT_EQ(board.KindAt(4, 8), 4);
    EXPECT_EQ(board.MoveAt(0), 45);
    board.SetAnimStep(4, 5, 3);
    board.Reset();
    EXPECT_EQ(BoardToRows(board), StartRows());
    EXPECT_EQ(Snapshot(board), Snapshot(BoardStatus()));
}

TEST(BoardStatusTest, RefusalsAndCellsOutOfRangeChangeNothing)
{
    BoardStatus board;
    ASSERT_EQ(board.Place(3, 5, 1, 0), 0);
    board.SetAnimStep(4, 5, 2);
    const std::vector<int> before = Snapshot(board);
    const int attempts[][3] = {{4, 4, 2}, {6, 6, 2}, {0, 0, 1}, {2, 5, 0}, {2, 5, 3}, {-1, 4, 1}, {10, 4, 2}};
    for (const auto& a : attempts) {
        EXPECT_EQ(board.IsLegal(a[0], a[1], a[2]), 0) << a[0] << "," << a[1];
        EXPECT_EQ(board.Place(a[0], a[1], a[2], 5), -1) << a[0] << "," << a[1];
    }
    for (int bad : {-1, 10}) {
        EXPECT_EQ(board.OwnerAt(bad, 4) + board.KindAt(4, bad) + board.AnimStepAt(bad, bad), -3);
        EXPECT_EQ(board.SetCell(bad, 4, 1, 0) + board.SetCell(4, bad, 1, 0) + board.SetAnimStep(bad, 0, 1), -3);
    }
    for (int bad : {-1, 100})
        EXPECT_EQ(board.FlippedAt(bad) + board.MoveAt(bad) + board.SetFlippedAt(bad, 7), -3);
    EXPECT_EQ(Snapshot(board), before) << "refusals keep the last flipped list and write nothing";
}

TEST(BoardStatusTest, HasLegalMoveAsksForTheGivenSide)
{
    // X brackets O against the grid edge; O can bracket nothing.
    std::vector<std::string> rows = StartRows();
    rows[4] = "XO........";
    rows[5] = "..........";
    const BoardStatus board = BoardFromRows(rows);
    EXPECT_EQ(board.HasLegalMove(1), 1);
    EXPECT_EQ(board.HasLegalMove(2), 0);
}
