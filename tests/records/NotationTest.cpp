#include "records/Notation.h"
#include "support/BoardText.h"
#include "support/RandomGames.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

TEST(NotationTest, CellNamesBothWaysAndWhatIsRefused)
{
    // Names in lower case are written back; any case is read; cells off the octagon and malformed names are -1.
    const std::pair<const char*, int> moves[] = {
        {"d1", 3},   {"g1", 6},   {"a4", 30},  {"j4", 39},  {"e5", 44},   {"f6", 55},    {"j7", 69},  {"b8", 71},
        {"i8", 78},  {"d10", 93}, {"g10", 96}, {"D1", 3},   {"G10", 96},  {"PASS", Notation::kPass}, {"Pass", Notation::kPass},
        {"a1", -1},  {"c1", -1},  {"h1", -1},  {"j1", -1},  {"b2", -1},   {"a3", -1},    {"j3", -1},  {"a8", -1},
        {"j10", -1}, {"h10", -1}, {"k5", -1},  {"d0", -1},  {"d01", -1},  {"d11", -1},   {"d", -1},   {"5", -1},
        {"", -1},    {"dd", -1},  {"d1x", -1}, {"passe", -1}, {" d1", -1}};
    for (const auto& [text, move] : moves) {
        EXPECT_EQ(Notation::ParseMove(text), move) << '"' << text << '"';
        EXPECT_TRUE(move < 0 || std::isupper(static_cast<unsigned char>(text[0])) || Notation::CellText(move) == text) << text;
    }
    for (const int cell : {0, 2, 7, 9, 10, 90, 99, -1, 100, -11})
        EXPECT_EQ(Notation::CellText(cell), "") << cell;
    EXPECT_EQ(Notation::MoveLine({35, 46, Notation::kPass, 93}), "f4 g5 pass d10");
}

// A position from the middle of a game reads back cell for cell, also in lower case with blanks around.
// Each fault is named, and the board and side passed in stay as they were.
TEST(NotationTest, PositionsRoundTripAndRejectionsNameTheFault)
{
    int ignored = 0;
    const BoardStatus board = RandomBoard(5, 40, &ignored);
    const std::vector<std::string> rows = BoardToRows(board);
    for (const int side : {1, 2}) {
        const std::string text = Notation::PositionText(board, side);
        ASSERT_EQ(text.size(), 78u);
        const std::string loose = QString::fromStdString(text).toLower().toStdString();
        for (const std::string& form : {text, "  " + loose.substr(0, 76) + "   " + loose.back() + " \r\n"}) {
            BoardStatus read;
            int readSide = 0;
            QString error;
            ASSERT_EQ(Notation::ParsePosition(form, read, readSide, &error), 0) << error.toStdString();
            EXPECT_EQ(BoardToRows(read), rows);
            EXPECT_EQ(readSide, side);
        }
    }
    const std::string start = Notation::PositionText(BoardFromRows(StartRows()), 2);
    EXPECT_EQ(start.substr(28, 16) + start.back(), "....XO........OXO");

    const std::string cells = start.substr(0, 76);
    std::string emptyCentre = cells;
    emptyCentre[33] = '.';
    std::string badChar = cells;
    badChar[9] = '#';
    const std::pair<std::string, const char*> cases[] = {
        {cells.substr(0, 75) + " X", "75 文字"}, {cells + ". X", "77 文字"},       {"", "0 文字"},
        {badChar + " X", "10 文字目 '#'"},        {cells, "手番 (X か O) がありません"}, {cells + " Z", "\"Z\""},
        {cells + " X O", "\"X O\""},              {emptyCentre + " X", "f5"},
    };
    for (const auto& [text, reasonPart] : cases) {
        BoardStatus target = BoardFromRows(StartRows());
        target.Place(3, 5, 1, 0);
        const std::vector<std::string> before = BoardToRows(target);
        int side = 7;
        QString error;
        EXPECT_EQ(Notation::ParsePosition(text, target, side, &error), -1) << text;
        EXPECT_TRUE(error.contains(QString::fromUtf8(reasonPart))) << error.toStdString();
        EXPECT_EQ(BoardToRows(target), before);
        EXPECT_EQ(side, 7);
    }
}

}  // namespace
