#pragma once

#include <bit>
#include <cstdint>

// A set of cells of the 10 x 10 grid as one 128-bit word: bit row * 10 + column,
// the same number as a cell index; only the 76 playable cells are ever set.
__extension__ typedef unsigned __int128 Bitboard;

namespace bitboard {

constexpr int kSize = 10;

constexpr Bitboard Bit(int cell)
{
    return Bitboard{1} << cell;
}

constexpr bool IsPlayable(int row, int column)
{
    constexpr int first[kSize] = {3, 2, 1, 0, 0, 0, 0, 1, 2, 3};
    constexpr int last[kSize] = {6, 7, 8, 9, 9, 9, 9, 8, 7, 6};
    return row >= 0 && row < kSize && column >= first[row] && column <= last[row];
}

constexpr Bitboard MakeMask(bool (*keep)(int row, int column))
{
    Bitboard mask = 0;
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            if (IsPlayable(r, c) && keep(r, c))
                mask |= Bit(r * kSize + c);
        }
    }
    return mask;
}

constexpr Bitboard kPlayable = MakeMask([](int, int) { return true; });
// Cells a step with a column change may land on without wrapping to the next row.
constexpr Bitboard kNotFirstColumn = MakeMask([](int, int c) { return c != 0; });
constexpr Bitboard kNotLastColumn = MakeMask([](int, int c) { return c != kSize - 1; });

inline int Count(Bitboard b)
{
    return std::popcount(static_cast<std::uint64_t>(b)) + std::popcount(static_cast<std::uint64_t>(b >> 64));
}

inline int Lowest(Bitboard b)
{
    const auto low = static_cast<std::uint64_t>(b);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<std::uint64_t>(b >> 64));
}

// One step in a direction: Shift > 0 moves towards higher cell numbers. Mask
// keeps the cells such a step may land on.
template <int Shift, Bitboard Mask>
constexpr Bitboard Step(Bitboard b)
{
    if constexpr (Shift > 0)
        return (b << Shift) & Mask;
    else
        return (b >> -Shift) & Mask;
}

template <int Shift, Bitboard Mask>
constexpr Bitboard StepRaw(Bitboard b, int times)
{
    if constexpr (Shift > 0)
        return b << (Shift * times);
    else
        return b >> (-Shift * times);
}

// Cells reached from gen through runs of pro cells (gen included), runs of up
// to 8 cells long, which is the longest a line of the octagon can bracket.
template <int Shift, Bitboard Mask>
constexpr Bitboard Fill(Bitboard gen, Bitboard pro)
{
    pro &= Mask;
    const Bitboard pro1 = pro;
    gen |= pro & StepRaw<Shift, Mask>(gen, 1);
    pro &= StepRaw<Shift, Mask>(pro, 1);
    gen |= pro & StepRaw<Shift, Mask>(gen, 2);
    pro &= StepRaw<Shift, Mask>(pro, 2);
    gen |= pro & StepRaw<Shift, Mask>(gen, 4);
    gen |= pro1 & StepRaw<Shift, Mask>(gen, 1);
    return gen;
}

// Calls f(shift, mask-kind) for the eight directions; used where order does not matter.
#define TESSELLA_FOR_EACH_DIRECTION(MACRO) \
    MACRO(+10, bitboard::kPlayable)        \
    MACRO(+11, bitboard::kNotFirstColumn)  \
    MACRO(+1, bitboard::kNotFirstColumn)   \
    MACRO(-9, bitboard::kNotFirstColumn)   \
    MACRO(-10, bitboard::kPlayable)        \
    MACRO(-11, bitboard::kNotLastColumn)   \
    MACRO(-1, bitboard::kNotLastColumn)    \
    MACRO(+9, bitboard::kNotLastColumn)

}  // namespace bitboard
