#include "support/BoardText.h"

#include <gtest/gtest.h>

BoardStatus BoardFromRows(const std::vector<std::string>& rows)
{
    BoardStatus board;
    if (rows.size() != BoardStatus::kSize) {
        ADD_FAILURE() << "a board needs 10 rows, got " << rows.size();
        return board;
    }
    for (int r = 0; r < BoardStatus::kSize; ++r) {
        std::string row = rows[r];
        row.resize(BoardStatus::kSize, ' ');
        for (int c = 0; c < BoardStatus::kSize; ++c) {
            const char ch = row[c];
            const bool onBoard = BoardStatus::IsOnBoard(r, c);
            if (onBoard == (ch == ' '))
                ADD_FAILURE() << "row " << r << " column " << c << ": '" << ch
                              << (onBoard ? "' stands on a playable cell" : "' stands outside the octagon");
            board.SetCell(r, c, ch == 'X' ? 1 : ch == 'O' ? 2 : 0, 0);
        }
    }
    return board;
}

std::vector<std::string> BoardToRows(const BoardStatus& board)
{
    std::vector<std::string> rows;
    for (int r = 0; r < BoardStatus::kSize; ++r) {
        std::string row;
        for (int c = 0; c < BoardStatus::kSize; ++c) {
            const int owner = board.OwnerAt(r, c);
            if (!BoardStatus::IsOnBoard(r, c))
                row += owner == 0 ? ' ' : '!';
            else
                row += owner == 1 ? 'X' : owner == 2 ? 'O' : owner == 0 ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> StartRows()
{
    return {
        "   ....   ",
        "  ......  ",
        " ........ ",
        "..........",
        "....XO....",
        "....OX....",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    };
}
