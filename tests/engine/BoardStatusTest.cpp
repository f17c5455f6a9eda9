#include "engine/BoardStatus.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

#include <vector>

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

// An independent, deliberately naive move rule to check the engine against.
std::vector<std::string> NaivePlace(std::vector<std::string> rows, int row, int column, char me)
{
    const char them = me == 'X' ? 'O' : 'X';
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            int r = row + dr;
            int c = column + dc;
            while (r >= 0 && r < 10 && c >= 0 && c < 10 && rows[r][c] == them) {
                r += dr;
                c += dc;
            }
            if (r < 0 || r >= 10 || c < 0 || c >= 10 || rows[r][c] != me)
                continue;
            for (r -= dr, c -= dc; r != row || c != column; r -= dr, c -= dc)
                rows[r][c] = me;
        }
    }
    rows[row][column] = me;
    return rows;
}

// Legal when the cell is empty and placing there turns at least one other piece.
bool NaiveLegal(const std::vector<std::string>& rows, int row, int column, char me)
{
    if (rows[row][column] != '.')
        return false;
    std::vector<std::string> after = NaivePlace(rows, row, column, me);
    after[row][column] = '.';
    return after != rows;
}

// Leaf positions after the given number of plies; a forced pass counts as a ply.
long long Perft(const BoardStatus& board, int side, int depth)
{
    if (depth == 0)
        return 1;
    long long leaves = 0;
    bool moved = false;
    for (int cell = 0; cell < 100; ++cell) {
        BoardStatus next;
        next.CopyFrom(board);
        if (next.Place(cell / 10, cell % 10, side, 0) == 0) {
            moved = true;
            leaves += Perft(next, 3 - side, depth - 1);
        }
    }
    if (!moved && board.HasLegalMove(3 - side))
        leaves = Perft(board, 3 - side, depth - 1);
    return leaves;
}

}  // namespace

TEST(BoardStatusStart, HoldsTheFourCentralPieces)
{
    BoardStatus board;
    EXPECT_EQ(BoardToRows(board), StartRows());
    EXPECT_EQ(board.CountOwner(1), 2);
    EXPECT_EQ(board.CountOwner(2), 2);
    EXPECT_EQ(board.MoveCount(), 0);
    EXPECT_EQ(board.MoveAt(0), -1);
    EXPECT_EQ(board.FlippedAt(0), -1);
    EXPECT_EQ(board.HasLegalMove(1), 1);
    EXPECT_EQ(board.HasLegalMove(2), 1);
}

TEST(BoardStatusStart, ResetClearsKindsAnimationAndRecords)
{
    BoardStatus board;
    ASSERT_EQ(board.Place(3, 5, 1, 7), 0);
    board.SetAnimStep(4, 5, 3);
    board.Reset();
    EXPECT_EQ(Snapshot(board), Snapshot(BoardStatus()));
}

TEST(BoardStatusPlace, FlipsTheBracketedPieceAndRecordsTheMove)
{
    BoardStatus board;
    ASSERT_EQ(board.Place(3, 5, 1, 4), 0);
    EXPECT_EQ(FlippedList(board), std::vector<int>{45});
    EXPECT_EQ(board.MoveAt(0), 35);
    EXPECT_EQ(board.MoveAt(1), -1);
    EXPECT_EQ(board.MoveCount(), 1);
    EXPECT_EQ(board.KindAt(4, 5), 4) << "a flipped piece takes the kind of the placed one";
    EXPECT_EQ(board.KindAt(4, 4), 0);
}

TEST(BoardStatusPlace, ListsFlipsDirectionByDirectionOutward)
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
    ASSERT_EQ(board.Place(4, 5, 1, 0), 0);
    // down, down-right, right (three), up-right, up, up-left, left (two), down-left
    EXPECT_EQ(FlippedList(board), (std::vector<int>{55, 56, 46, 47, 48, 36, 35, 34, 44, 43, 54}));
}

TEST(BoardStatusPlace, ScansStopAtEmptyCellsTheOctagonAndTheGridEdge)
{
    // From (4,4): up meets the empty (2,4) before the X, left runs into the
    // grid edge, up-left leaves the octagon at (1,1); only down and right close.
    BoardStatus board = BoardFromRows({
        "   ....   ",
        "  ..X...  ",
        " .O...... ",
        "...OO.....",
        "OOOO.OX...",
        "....O.....",
        "....X.....",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    ASSERT_EQ(board.Place(4, 4, 1, 0), 0);
    EXPECT_EQ(FlippedList(board), (std::vector<int>{54, 45}));
    EXPECT_EQ(board.OwnerAt(3, 4), 2);
}

TEST(BoardStatusPlace, RefusalsChangeNothing)
{
    BoardStatus board;
    ASSERT_EQ(board.Place(3, 5, 1, 0), 0);
    board.SetAnimStep(4, 5, 2);
    const std::vector<int> before = Snapshot(board);
    struct Attempt {
        int row, column, side;
    } attempts[] = {
        {4, 4, 2},                          // occupied
        {6, 6, 2},                          // brackets nothing
        {0, 0, 1}, {0, 2, 2}, {9, 7, 1},    // outside the octagon
        {2, 5, 0}, {2, 5, 3}, {2, 5, -1},   // no such side
        {-1, 4, 1}, {4, 10, 1}, {10, 4, 2}, // outside the grid
    };
    for (const Attempt& a : attempts) {
        EXPECT_EQ(board.IsLegal(a.row, a.column, a.side), 0) << a.row << "," << a.column;
        EXPECT_EQ(board.Place(a.row, a.column, a.side, 5), -1) << a.row << "," << a.column;
    }
    EXPECT_EQ(Snapshot(board), before) << "a refused placement keeps the last flipped list";
}

TEST(BoardStatusPlace, CornerCellsOfTheOctagonArePlayable)
{
    BoardStatus board = BoardFromRows({
        "   .O.X   ",
        "  .O....  ",
        " ..X..... ",
        ".OOX......",
        "..........",
        "..........",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    EXPECT_EQ(board.IsLegal(0, 3, 1), 1) << "down the column: (1,3) then (2,3)";
    EXPECT_EQ(board.IsLegal(3, 0, 1), 1) << "along the row: (3,1), (3,2) then (3,3)";
    ASSERT_EQ(board.Place(3, 0, 1, 0), 0);
    EXPECT_EQ(FlippedList(board), (std::vector<int>{31, 32}));
}

TEST(BoardStatusPlace, AFullBoardHasNoMoves)
{
    std::vector<std::string> rows;
    for (int r = 0; r < 10; ++r) {
        std::string row;
        for (int c = 0; c < 10; ++c)
            row += BoardStatus::IsOnBoard(r, c) ? ((r + c) % 2 ? 'X' : 'O') : ' ';
        rows.push_back(row);
    }
    const BoardStatus board = BoardFromRows(rows);
    EXPECT_EQ(board.CountOwner(1) + board.CountOwner(2), 76);
    EXPECT_EQ(board.CountOwner(0), 24) << "the cut corners stay empty";
    EXPECT_EQ(board.HasLegalMove(1), 0);
    EXPECT_EQ(board.HasLegalMove(2), 0);
}

TEST(BoardStatusCopy, IsEqualAndIndependent)
{
    BoardStatus source;
    source.Place(3, 5, 1, 1);
    source.Place(3, 6, 2, 2);
    source.SetAnimStep(4, 4, 3);
    BoardStatus copy;
    copy.CopyFrom(source);
    const std::vector<int> sourceBefore = Snapshot(source);
    EXPECT_EQ(Snapshot(copy), sourceBefore);
    copy.Reset();
    EXPECT_EQ(Snapshot(source), sourceBefore);
}

TEST(BoardStatusAccess, OutOfRangeAnswersMinusOneAndWritesNothing)
{
    BoardStatus board;
    const std::vector<int> before = Snapshot(board);
    for (int bad : {-1, 10}) {
        EXPECT_EQ(board.OwnerAt(bad, 4), -1);
        EXPECT_EQ(board.KindAt(4, bad), -1);
        EXPECT_EQ(board.AnimStepAt(bad, bad), -1);
        EXPECT_EQ(board.SetCell(bad, 4, 1, 0), -1);
        EXPECT_EQ(board.SetCell(4, bad, 1, 0), -1);
        EXPECT_EQ(board.SetAnimStep(bad, 0, 1), -1);
    }
    for (int bad : {-1, 100}) {
        EXPECT_EQ(board.FlippedAt(bad), -1);
        EXPECT_EQ(board.MoveAt(bad), -1);
        EXPECT_EQ(board.SetFlippedAt(bad, 7), -1);
    }
    EXPECT_EQ(Snapshot(board), before);
    EXPECT_EQ(board.SetFlippedAt(99, 7), 0);
    EXPECT_EQ(board.FlippedAt(99), 7);
}

TEST(BoardStatusRules, AgreesWithANaiveGeneratorAlongRandomGames)
{
    unsigned state = 12345;
    for (int game = 0; game < 40; ++game) {
        BoardStatus board;
        int side = 1;
        for (int ply = 0; ply < 80; ++ply) {
            const std::vector<std::string> rows = BoardToRows(board);
            const char me = side == 1 ? 'X' : 'O';
            std::vector<int> legal;
            for (int cell = 0; cell < 100; ++cell) {
                const bool engine = board.IsLegal(cell / 10, cell % 10, side) == 1;
                ASSERT_EQ(engine, NaiveLegal(rows, cell / 10, cell % 10, me)) << "cell " << cell;
                if (engine)
                    legal.push_back(cell);
            }
            ASSERT_EQ(board.HasLegalMove(side), legal.empty() ? 0 : 1);
            if (legal.empty()) {
                if (!board.HasLegalMove(3 - side))
                    break;
                side = 3 - side;
                continue;
            }
            state = state * 1103515245u + 12345u;
            const int cell = legal[(state >> 16) % legal.size()];
            const int before = board.CountOwner(side);
            ASSERT_EQ(board.Place(cell / 10, cell % 10, side, 0), 0);
            ASSERT_EQ(BoardToRows(board), NaivePlace(rows, cell / 10, cell % 10, me)) << "cell " << cell;
            EXPECT_EQ(static_cast<int>(FlippedList(board).size()), board.CountOwner(side) - before - 1);
            side = 3 - side;
        }
    }
}

TEST(BoardStatusRules, MoveTreeCounts)
{
    // Regression signatures of the rules, confirmed once against the naive generator.
    const long long fromStart[] = {1, 4, 12, 56, 244, 1396};
    for (int depth = 0; depth <= 5; ++depth)
        EXPECT_EQ(Perft(BoardStatus(), 1, depth), fromStart[depth]) << "depth " << depth;
    const BoardStatus nearTheRim = BoardFromRows({
        "   .OX.   ",
        "  .OXO..  ",
        " ..OXXO.. ",
        ".XOOXOX...",
        "OXXXOOXO..",
        ".OXOXOOX..",
        "..XOOXO...",
        " ..OX.O.. ",
        "  ..X...  ",
        "   ....   ",
    });
    EXPECT_EQ(Perft(nearTheRim, 1, 4), 150570);
}
