#pragma once

#include <array>
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
#ifdef __POPCNT__
    return std::popcount(static_cast<std::uint64_t>(b)) + std::popcount(static_cast<std::uint64_t>(b >> 64));
#else
    // Without the instruction std::popcount is a library call; both halves are summed in one word instead.
    auto half = [](std::uint64_t x) {
        x -= (x >> 1) & 0x5555555555555555ull;
        return (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    };
    std::uint64_t x = half(static_cast<std::uint64_t>(b)) + half(static_cast<std::uint64_t>(b >> 64));
    x = (x & 0x0f0f0f0f0f0f0f0full) + ((x >> 4) & 0x0f0f0f0f0f0f0f0full);
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
#endif
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

inline int Highest(Bitboard b)
{
    const auto high = static_cast<std::uint64_t>(b >> 64);
    return high != 0 ? 127 - std::countl_zero(high) : 63 - std::countl_zero(static_cast<std::uint64_t>(b));
}

// The cells beyond each cell along each direction, up to the edge of the board:
// the first four directions go to higher cell numbers, the last four to lower.
struct RayTable {
    Bitboard ray[8][kSize * kSize] = {};
};

constexpr RayTable MakeRays()
{
    constexpr int rowStep[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    constexpr int columnStep[8] = {1, -1, 0, 1, -1, 1, 0, -1};
    RayTable table;
    for (int d = 0; d < 8; ++d) {
        for (int cell = 0; cell < kSize * kSize; ++cell) {
            int r = cell / kSize + rowStep[d];
            int c = cell % kSize + columnStep[d];
            for (; IsPlayable(r, c); r += rowStep[d], c += columnStep[d])
                table.ray[d][cell] |= Bit(r * kSize + c);
        }
    }
    return table;
}

inline constexpr RayTable kRays = MakeRays();

// The playable cells next to each cell.
constexpr std::array<Bitboard, kSize * kSize> MakeNeighbours()
{
    std::array<Bitboard, kSize * kSize> near{};
    for (int cell = 0; cell < kSize * kSize; ++cell) {
        for (int r = cell / kSize - 1; r <= cell / kSize + 1; ++r) {
            for (int c = cell % kSize - 1; c <= cell % kSize + 1; ++c) {
                if (IsPlayable(r, c) && r * kSize + c != cell)
                    near[cell] |= Bit(r * kSize + c);
            }
        }
    }
    return near;
}

inline constexpr std::array<Bitboard, kSize * kSize> kNeighbours = MakeNeighbours();

// The pieces of other that placing an own piece on the empty cell flips; 0 when it is not legal.
inline Bitboard FlipsOf(Bitboard own, Bitboard other, int cell)
{
    // The opponent's pieces around the cell, bit 11 + s for the neighbour s cells away: a
    // direction without one next to the cell flips nothing and is skipped.
    const auto near = static_cast<std::uint32_t>(((other << 11) >> cell) & 0x7fffff);
    constexpr int steps[4] = {1, 9, 10, 11};
    Bitboard flips = 0;
    for (int d = 0; d < 4; ++d) {
        if (((near >> (11 + steps[d])) & 1) == 0)
            continue;
        const Bitboard ray = kRays.ray[d][cell];
        const Bitboard stop = ray & ~other;
        // The nearest cell that is not the opponent's; the run before it flips when it is own.
        const Bitboard first = stop & (~stop + 1);
        if ((first & own) != 0)
            flips |= (first - 1) & ray;
    }
    for (int d = 4; d < 8; ++d) {
        if (((near >> (11 - steps[d - 4])) & 1) == 0)
            continue;
        const Bitboard ray = kRays.ray[d][cell];
        // Cell 0 is off the board and never own, so an empty stop finds nothing.
        const int first = Highest((ray & ~other) | 1);
        if (((own >> first) & 1) != 0)
            flips |= ray & (~Bitboard{0} << first << 1);
    }
    return flips;
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
