#include "search/Position.h"

#include "engine/BoardStatus.h"

using namespace bitboard;

namespace {

std::uint64_t Mix(std::uint64_t x)
{
    x ^= x >> 31;
    x *= 0x7fb5d329728ea185ull;
    x ^= x >> 27;
    x *= 0x81dadef4bc2dd44dull;
    x ^= x >> 33;
    return x;
}

}  // namespace

Position Position::Start()
{
    return Position{Bit(44) | Bit(55), Bit(45) | Bit(54)};
}

Position Position::FromBoard(const BoardStatus& board, int side)
{
    Position position;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        const int owner = board.OwnerAt(cell / kSize, cell % kSize);
        if (!IsPlayable(cell / kSize, cell % kSize) || owner == 0)
            continue;
        (owner == side ? position.own : position.other) |= Bit(cell);
    }
    return position;
}

void Position::ToBoard(BoardStatus* board, int side) const
{
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        int owner = 0;
        if (own & Bit(cell))
            owner = side;
        else if (other & Bit(cell))
            owner = 3 - side;
        board->SetCell(cell / kSize, cell % kSize, owner, 0);
    }
}

Bitboard Position::Moves() const
{
    Bitboard moves = 0;
#define TESSELLA_MOVES(SHIFT, MASK) \
    moves |= Step<SHIFT, MASK>(Fill<SHIFT, MASK>(own, other) & other);
    TESSELLA_FOR_EACH_DIRECTION(TESSELLA_MOVES)
#undef TESSELLA_MOVES
    return moves & Empty();
}

Bitboard Position::Flips(int cell) const
{
    if ((Bit(cell) & Empty()) == 0)
        return 0;
    return FlipsOf(own, other, cell);
}

std::uint64_t Position::Hash() const
{
    const auto w0 = static_cast<std::uint64_t>(own);
    const auto w1 = static_cast<std::uint64_t>(own >> 64);
    const auto w2 = static_cast<std::uint64_t>(other);
    const auto w3 = static_cast<std::uint64_t>(other >> 64);
    return Mix(w0 ^ Mix(w1 ^ Mix(w2 ^ Mix(w3 + 0x9e3779b97f4a7c15ull))));
}
