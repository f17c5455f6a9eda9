#include "app/MoveHistory.h"

namespace {

bool SamePosition(const BoardStatus& a, const BoardStatus& b)
{
    if (a.MoveCount() != b.MoveCount())
        return false;
    for (int i = 0; i < a.MoveCount(); ++i) {
        if (a.MoveAt(i) != b.MoveAt(i))
            return false;
    }
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        const int row = cell / BoardStatus::kSize;
        const int column = cell % BoardStatus::kSize;
        if (a.OwnerAt(row, column) != b.OwnerAt(row, column))
            return false;
    }
    return true;
}

}  // namespace

void MoveHistory::Clear()
{
    points_.clear();
    current_ = -1;
}

void MoveHistory::Record(const Point& point)
{
    if (IsAt(current_, point.board, point.side))
        return;
    if (IsAt(current_ + 1, point.board, point.side)) {
        ++current_;
        return;
    }
    points_.resize(static_cast<std::size_t>(current_ + 1));
    points_.push_back(point);
    current_ = Size() - 1;
}

int MoveHistory::UndoTarget(const BoardStatus& board, int side) const
{
    if (current_ < 0)
        return -1;
    return IsAt(current_, board, side) ? current_ - 1 : current_;
}

int MoveHistory::RedoTarget(const BoardStatus& board, int side) const
{
    return IsAt(current_, board, side) && current_ + 1 < Size() ? current_ + 1 : -1;
}

const MoveHistory::Point& MoveHistory::MoveTo(int index)
{
    current_ = index;
    return points_[static_cast<std::size_t>(index)];
}

bool MoveHistory::IsAt(int index, const BoardStatus& board, int side) const
{
    if (index < 0 || index >= Size())
        return false;
    const Point& point = points_[static_cast<std::size_t>(index)];
    return point.side == side && SamePosition(point.board, board);
}
