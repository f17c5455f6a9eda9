#pragma once

#include "engine/BoardStatus.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// Cells, moves and whole positions written as short ASCII texts, shared by
// game records, the command-line tools and tests.
//   cell:     column letter a..j and row number 1..10, so (row 0, column 3) is "d1"
//   move:     a cell, or "pass"
//   position: the 76 playable cells in row-major order ('.' empty, 'X' side 1,
//             'O' side 2), one space, then 'X' or 'O' for the side to move
class Notation {
public:
    static constexpr int kPass = -11;

    // "d1" for a playable cell index; "" for anything else.
    static std::string CellText(int cell);
    // CellText, or "pass" for kPass.
    static std::string MoveText(int move);
    // Moves separated by single spaces: "d4 e3 pass f6".
    static std::string MoveLine(const std::vector<int>& moves);

    // The cell index of a playable cell, letter case ignored; -1 for anything else.
    static int ParseCell(std::string_view text);
    // ParseCell, or kPass for "pass" in any letter case.
    static int ParseMove(std::string_view text);

    static std::string PositionText(const BoardStatus& board, int sideToMove);
    // 0 with the board (kinds 0, no move record) and side filled in; -1 with the
    // reason in error when the text is not a position that can arise in a game.
    // Blanks around the text are ignored.
    static int ParsePosition(std::string_view text, BoardStatus& board, int& sideToMove, QString* error = nullptr);
};
