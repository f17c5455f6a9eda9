#include "records/Notation.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CellCase {
    const char* text;
    int cell;
};

TEST(NotationTest, CellNamesBothWays)
{
    const std::vector<CellCase> cases = {
        {"d1", 3}, {"g1", 6}, {"a4", 30}, {"j4", 39}, {"e5", 44}, {"f6", 55},
        {"j7", 69}, {"b8", 71}, {"i8", 78}, {"d10", 93}, {"g10", 96},
    };
    for (const CellCase& c : cases) {
        EXPECT_EQ(Notation::CellText(c.cell), c.text);
        EXPECT_EQ(Notation::ParseCell(c.text), c.cell) << c.text;
    }
}

TEST(NotationTest, ReadingIgnoresLetterCase)
{
    EXPECT_EQ(Notation::ParseCell("D1"), 3);
    EXPECT_EQ(Notation::ParseMove("G10"), 96);
    EXPECT_EQ(Notation::ParseMove("PASS"), Notation::kPass);
    EXPECT_EQ(Notation::ParseMove("Pass"), Notation::kPass);
}

TEST(NotationTest, RefusesCellsOffTheOctagonAndMalformedNames)
{
    for (const char* text : {"a1", "c1", "h1", "j1", "b2", "a3", "j3", "a8", "j10", "h10",
                             "k5", "d0", "d01", "d11", "d", "5", "", "dd", "d1x", "passe", " d1"})
        EXPECT_EQ(Notation::ParseMove(text), -1) << '"' << text << '"';
    for (const int cell : {0, 2, 7, 9, 10, 90, 99, -1, 100, -11})
        EXPECT_EQ(Notation::CellText(cell), "") << cell;
}

TEST(NotationTest, MoveLineWritesPasses)
{
    EXPECT_EQ(Notation::MoveLine({35, 46, Notation::kPass, 93}), "f4 g5 pass d10");
    EXPECT_EQ(Notation::MoveLine({}), "");
}

// The starting position and a mid-game one read back cell for cell.
TEST(NotationTest, PositionRoundTrip)
{
    std::vector<std::string> rows = StartRows();
    rows[0] = "   X..O   ";
    rows[9] = "   ...X   ";
    rows[3] = "O........X";
    const BoardStatus board = BoardFromRows(rows);
    for (const int side : {1, 2}) {
        const std::string text = Notation::PositionText(board, side);
        ASSERT_EQ(text.size(), 78u);
        EXPECT_EQ(text.back(), side == 1 ? 'X' : 'O');
        BoardStatus read;
        int readSide = 0;
        QString error;
        ASSERT_EQ(Notation::ParsePosition(text, read, readSide, &error), 0) << error.toStdString();
        EXPECT_EQ(BoardToRows(read), rows);
        EXPECT_EQ(readSide, side);
        EXPECT_EQ(read.MoveCount(), 0);
    }
    const std::string start = Notation::PositionText(BoardFromRows(StartRows()), 1);
    EXPECT_EQ(start.substr(28, 16), "....XO........OX");
}

TEST(NotationTest, PositionReadingIsLenientAboutBlanksAndCase)
{
    std::string text = Notation::PositionText(BoardFromRows(StartRows()), 2);
    std::string lower = text;
    lower[32] = 'x';
    lower[33] = 'o';
    lower.back() = 'o';
    BoardStatus board;
    int side = 0;
    ASSERT_EQ(Notation::ParsePosition("  " + lower.substr(0, 76) + "   o \r\n", board, side), 0);
    EXPECT_EQ(BoardToRows(board), StartRows());
    EXPECT_EQ(side, 2);
}

struct BadPosition {
    std::string text;
    const char* reasonPart;
};

TEST(NotationTest, PositionRejectionsNameTheFault)
{
    const std::string start = Notation::PositionText(BoardFromRows(StartRows()), 1).substr(0, 76);
    std::string emptyCentre = start;
    emptyCentre[33] = '.';
    std::string badChar = start;
    badChar[9] = '#';
    const std::vector<BadPosition> cases = {
        {start.substr(0, 75) + " X", "75 文字"},
        {start + ". X", "77 文字"},
        {"", "0 文字"},
        {badChar + " X", "10 文字目 '#'"},
        {start, "手番 (X か O) がありません"},
        {start + " Z", "\"Z\""},
        {start + " X O", "\"X O\""},
        {emptyCentre + " X", "f5"},
    };
    for (const BadPosition& c : cases) {
        BoardStatus board = BoardFromRows(StartRows());
        board.Place(3, 5, 1, 0);
        const std::vector<std::string> before = BoardToRows(board);
        int side = 7;
        QString error;
        EXPECT_EQ(Notation::ParsePosition(c.text, board, side, &error), -1) << c.text;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reasonPart))) << error.toStdString();
        EXPECT_EQ(BoardToRows(board), before);
        EXPECT_EQ(side, 7);
    }
}

}
