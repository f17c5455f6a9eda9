#include "records/RecordViewer.h"

#include "records/Notation.h"

#include <algorithm>

RecordViewer::RecordViewer(GameRecord record)
    : record_(std::move(record))
{
    const int count = static_cast<int>(record_.Moves().size());
    positions_.resize(static_cast<std::size_t>(count) + 1);
    sides_.resize(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        record_.PositionAfter(i, positions_[static_cast<std::size_t>(i)], sides_[static_cast<std::size_t>(i)]);
    for (int i = 0; i < count; ++i) {
        const GameRecord::Move& move = record_.Moves()[static_cast<std::size_t>(i)];
        const BoardStatus& before = positions_[static_cast<std::size_t>(i)];
        const BoardStatus& after = positions_[static_cast<std::size_t>(i) + 1];
        const int side = sides_[static_cast<std::size_t>(i)];
        const int flipped = move.cell == Notation::kPass ? 0 : after.CountOwner(side) - before.CountOwner(side) - 1;
        entries_.push_back({i + 1, side, move.cell, flipped});
    }
}

int RecordViewer::First()
{
    return JumpTo(0);
}

int RecordViewer::Back()
{
    return JumpTo(shown_ - 1);
}

int RecordViewer::Forward()
{
    return JumpTo(shown_ + 1);
}

int RecordViewer::Last()
{
    return JumpTo(MoveCount());
}

int RecordViewer::JumpTo(int shown)
{
    shown_ = std::clamp(shown, 0, MoveCount());
    return shown_;
}

int RecordViewer::SideToMove() const
{
    return sides_[static_cast<std::size_t>(shown_)];
}
