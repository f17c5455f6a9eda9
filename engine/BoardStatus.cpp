#include "engine/BoardStatus.h"

namespace {

struct Direction {
    int rowStep;
    int columnStep;
};

// Order matters: it fixes the order of the flipped list and so of the flip animation.
constexpr Direction kDirections[] = {
    {+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1}, {0, -1}, {+1, -1}, {0, 0},
};

// First and last playable column of each row of the octagon.
constexpr int kFirstColumn[BoardStatus::kSize] = {3, 2, 1, 0, 0, 0, 0, 1, 2, 3};
constexpr int kLastColumn[BoardStatus::kSize] = {6, 7, 8, 9, 9, 9, 9, 8, 7, 6};

constexpr int kFlippedListScan = BoardStatus::kPlayableCells;

}  // namespace

BoardStatus::BoardStatus()
{
    Reset();
}

bool BoardStatus::InGrid(int row, int column)
{
    return row >= 0 && row < kSize && column >= 0 && column < kSize;
}

bool BoardStatus::IsOnBoard(int row, int column)
{
    return InGrid(row, column) && column >= kFirstColumn[row] && column <= kLastColumn[row];
}

int BoardStatus::Reset()
{
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            owner_[r][c] = 0;
            kind_[r][c] = 0;
            animStep_[r][c] = 0;
        }
    }
    SetCell(4, 4, 1, 0);
    SetCell(5, 4, 2, 0);
    SetCell(5, 5, 1, 0);
    SetCell(4, 5, 2, 0);
    for (int i = 0; i < kCells; ++i) {
        flipped_[i] = -1;
        moves_[i] = -1;
    }
    moveCount_ = 0;
    return 0;
}

int BoardStatus::CopyFrom(const BoardStatus& other)
{
    *this = other;
    return 0;
}

int BoardStatus::BracketedRun(int row, int column, int side, int rowStep, int columnStep) const
{
    const int opponent = 3 - side;
    int crossed = 0;
    for (int r = row + rowStep, c = column + columnStep; InGrid(r, c); r += rowStep, c += columnStep) {
        const int owner = owner_[r][c];
        if (owner == opponent)
            ++crossed;
        else if (owner == side)
            return crossed;
        else
            return 0;
    }
    return 0;
}

int BoardStatus::IsLegal(int row, int column, int side) const
{
    if (side != 1 && side != 2)
        return 0;
    if (!IsOnBoard(row, column) || owner_[row][column] != 0)
        return 0;
    for (const Direction* d = kDirections; d->rowStep != 0 || d->columnStep != 0; ++d) {
        if (BracketedRun(row, column, side, d->rowStep, d->columnStep) > 0)
            return 1;
    }
    return 0;
}

int BoardStatus::HasLegalMove(int side) const
{
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            if (IsLegal(r, c, side))
                return 1;
        }
    }
    return 0;
}

int BoardStatus::Place(int row, int column, int side, int kind)
{
    if (!IsLegal(row, column, side))
        return -1;
    SetCell(row, column, side, kind);
    for (int i = 0; i < kFlippedListScan; ++i)
        flipped_[i] = -1;
    int flips = 0;
    for (const Direction* d = kDirections; d->rowStep != 0 || d->columnStep != 0; ++d) {
        const int run = BracketedRun(row, column, side, d->rowStep, d->columnStep);
        int r = row;
        int c = column;
        for (int step = 0; step < run; ++step) {
            r += d->rowStep;
            c += d->columnStep;
            SetCell(r, c, side, kind);
            flipped_[flips++] = r * kSize + c;
        }
    }
    // Only hand-built positions can exceed the record; never write past it.
    if (moveCount_ < kCells)
        moves_[moveCount_++] = row * kSize + column;
    return 0;
}

int BoardStatus::SetCell(int row, int column, int owner, int kind)
{
    if (!InGrid(row, column))
        return -1;
    owner_[row][column] = owner;
    kind_[row][column] = kind;
    return 0;
}

int BoardStatus::OwnerAt(int row, int column) const
{
    return InGrid(row, column) ? owner_[row][column] : -1;
}

int BoardStatus::KindAt(int row, int column) const
{
    return InGrid(row, column) ? kind_[row][column] : -1;
}

int BoardStatus::SetAnimStep(int row, int column, int step)
{
    if (!InGrid(row, column))
        return -1;
    animStep_[row][column] = step;
    return 0;
}

int BoardStatus::AnimStepAt(int row, int column) const
{
    return InGrid(row, column) ? animStep_[row][column] : -1;
}

int BoardStatus::FlippedAt(int index) const
{
    return index >= 0 && index < kCells ? flipped_[index] : -1;
}

int BoardStatus::SetFlippedAt(int index, int value)
{
    if (index < 0 || index >= kCells)
        return -1;
    flipped_[index] = value;
    return 0;
}

int BoardStatus::MoveAt(int index) const
{
    return index >= 0 && index < kCells ? moves_[index] : -1;
}

int BoardStatus::MoveCount() const
{
    return moveCount_;
}

int BoardStatus::CountOwner(int owner) const
{
    int count = 0;
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            if (owner_[r][c] == owner)
                ++count;
        }
    }
    return count;
}
