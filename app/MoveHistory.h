#pragma once

#include "engine/BoardStatus.h"
#include "records/GameRecord.h"

#include <QString>

#include <array>
#include <vector>

// The positions of one game at which a user side was asked for a move, so
// moves can be taken back to one of them and played again. A position that
// leaves the stored line drops the positions after it.
class MoveHistory {
public:
    struct Point {
        BoardStatus board;
        GameRecord record;
        int side = 1;
        // What each side's status panel showed then.
        std::array<QString, 2> status;
    };

    void Clear();
    // A user side is being asked in this position.
    void Record(const Point& point);
    // The point that undo goes back to from the position, -1 when there is none:
    // the current point when moves were made since it, else the one before.
    int UndoTarget(const BoardStatus& board, int side) const;
    // The point after the current one while the game stands at the current one, else -1.
    int RedoTarget(const BoardStatus& board, int side) const;
    // Makes the point current and returns it; the index comes from a target above.
    const Point& MoveTo(int index);
    int Size() const { return static_cast<int>(points_.size()); }

private:
    bool IsAt(int index, const BoardStatus& board, int side) const;

    std::vector<Point> points_;
    int current_ = -1;
};
