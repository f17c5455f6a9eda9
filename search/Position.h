#pragma once

#include "search/Bitboard.h"

class BoardStatus;

// A position for search: the pieces of the side to move and of its opponent.
// A plain value of two words, so making a move is a copy.
class Position {
public:
    Bitboard own = 0;
    Bitboard other = 0;

    static Position Start();
    // The board seen from side (1 or 2) to move.
    static Position FromBoard(const BoardStatus& board, int side);
    // Writes the pieces onto a reset board, own pieces as side.
    void ToBoard(BoardStatus* board, int side) const;

    Bitboard Empty() const { return bitboard::kPlayable & ~(own | other); }
    int EmptyCount() const { return bitboard::Count(Empty()); }
    // Cells where the side to move may place.
    Bitboard Moves() const;
    // The opponent pieces a placement on cell would flip; 0 when it is not legal.
    Bitboard Flips(int cell) const;
    // The position after placing on cell with these flips, the opponent to move.
    Position Play(int cell, Bitboard flips) const
    {
        return Position{other & ~flips, own | flips | bitboard::Bit(cell)};
    }
    Position Pass() const { return Position{other, own}; }
    // Own pieces minus the opponent's.
    int Difference() const { return bitboard::Count(own) - bitboard::Count(other); }
    // A good spread of the 256 bits for hashing.
    std::uint64_t Hash() const;

    bool operator==(const Position&) const = default;
};
