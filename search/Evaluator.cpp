#include "search/Evaluator.h"

#include <sstream>

using namespace bitboard;

namespace {

constexpr int kCorners[] = {3, 6, 30, 39, 60, 69, 93, 96};

constexpr bool IsRim(int row, int column)
{
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            if (!IsPlayable(row + dr, column + dc))
                return true;
        }
    }
    return false;
}

constexpr Bitboard CellsWhere(bool (*keep)(int cell))
{
    Bitboard mask = 0;
    for (int cell = 0; cell < 100; ++cell) {
        if (IsPlayable(cell / kSize, cell % kSize) && keep(cell))
            mask |= Bit(cell);
    }
    return mask;
}

constexpr bool IsNeighbour(int a, int b)
{
    const int dr = a / kSize - b / kSize;
    const int dc = a % kSize - b % kSize;
    return a != b && dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1;
}

constexpr Bitboard NeighboursOf(int corner)
{
    Bitboard mask = 0;
    for (int cell = 0; cell < 100; ++cell) {
        if (IsPlayable(cell / kSize, cell % kSize) && IsNeighbour(cell, corner))
            mask |= Bit(cell);
    }
    return mask;
}

constexpr Bitboard kCornerMask = CellsWhere([](int cell) {
    for (int corner : kCorners) {
        if (cell == corner)
            return true;
    }
    return false;
});
constexpr Bitboard kRim = CellsWhere([](int cell) { return IsRim(cell / kSize, cell % kSize); });

struct CornerZone {
    Bitboard corner;
    Bitboard rim;
    Bitboard inner;
};

constexpr std::array<CornerZone, 8> MakeZones()
{
    std::array<CornerZone, 8> zones{};
    for (int i = 0; i < 8; ++i) {
        const Bitboard near = NeighboursOf(kCorners[i]);
        zones[i] = CornerZone{Bit(kCorners[i]), near & kRim, near & ~kRim};
    }
    return zones;
}

constexpr std::array<CornerZone, 8> kZones = MakeZones();

constexpr Bitboard ZoneCells()
{
    Bitboard cells = 0;
    for (const CornerZone& zone : kZones)
        cells |= zone.rim;
    return cells;
}

constexpr Bitboard kPlainEdge = kRim & ~kCornerMask & ~ZoneCells();

Bitboard Neighbours(Bitboard b)
{
    Bitboard around = 0;
#define TESSELLA_AROUND(SHIFT, MASK) around |= Step<SHIFT, MASK>(b);
    TESSELLA_FOR_EACH_DIRECTION(TESSELLA_AROUND)
#undef TESSELLA_AROUND
    return around;
}

// Cells whose neighbour one step against Back is in set or off the board.
template <int Back, Bitboard BackMask>
Bitboard Anchored(Bitboard set)
{
    const Bitboard wall = kPlayable & ~Step<Back, BackMask>(kPlayable);
    return wall | Step<Back, BackMask>(set);
}

}  // namespace

Evaluator::Weights Evaluator::DefaultWeights()
{
    return Weights{30, 20, 350, -80, -120, 20, 60, 40};
}

bool Evaluator::ParseWeights(const std::string& text, Weights* weights)
{
    std::istringstream in(text);
    Weights parsed{};
    for (int i = 0; i < kTermCount; ++i) {
        if (!(in >> parsed[i]))
            return false;
        char comma = 0;
        if (i + 1 < kTermCount && (!(in >> comma) || comma != ','))
            return false;
    }
    char extra = 0;
    if (in >> extra)
        return false;
    *weights = parsed;
    return true;
}

Bitboard Evaluator::StablePieces(Bitboard pieces)
{
    Bitboard stable = pieces & kCornerMask;
    for (int round = 0; round < 12; ++round) {
        // A piece is kept when along each of the four lines one neighbour is a wall or stable.
        const Bitboard vertical = Anchored<-10, kPlayable>(stable) | Anchored<10, kPlayable>(stable);
        const Bitboard horizontal = Anchored<-1, kNotLastColumn>(stable) | Anchored<1, kNotFirstColumn>(stable);
        const Bitboard diagonal = Anchored<-11, kNotLastColumn>(stable) | Anchored<11, kNotFirstColumn>(stable);
        const Bitboard antiDiagonal = Anchored<-9, kNotFirstColumn>(stable) | Anchored<9, kNotLastColumn>(stable);
        const Bitboard next = stable | (pieces & vertical & horizontal & diagonal & antiDiagonal);
        if (next == stable)
            break;
        stable = next;
    }
    return stable;
}

std::array<int, Evaluator::kTermCount> Evaluator::Features(const Position& position)
{
    std::array<int, kTermCount> f{};
    const Bitboard empty = position.Empty();
    f[kMobility] = Count(position.Moves()) - Count(position.Pass().Moves());
    const Bitboard nearEmpty = Neighbours(empty);
    f[kPotential] = Count(nearEmpty & position.other) - Count(nearEmpty & position.own);
    f[kCorner] = Count(position.own & kCornerMask) - Count(position.other & kCornerMask);
    for (const CornerZone& zone : kZones) {
        if ((zone.corner & empty) == 0)
            continue;
        f[kCornerRim] += Count(position.own & zone.rim) - Count(position.other & zone.rim);
        f[kCornerInner] += Count(position.own & zone.inner) - Count(position.other & zone.inner);
    }
    f[kEdge] = Count(position.own & kPlainEdge) - Count(position.other & kPlainEdge);
    f[kStable] = Count(StablePieces(position.own)) - Count(StablePieces(position.other));
    f[kParity] = Count(empty) % 2 == 1 ? 1 : -1;
    return f;
}

int Evaluator::Evaluate(const Position& position) const
{
    const std::array<int, kTermCount> f = Features(position);
    int score = 0;
    for (int i = 0; i < kTermCount; ++i)
        score += weights_[i] * f[i];
    return score;
}
