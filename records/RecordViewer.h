#pragma once

#include "records/GameRecord.h"

#include <vector>

// Steps through a record: the position after any number of its moves, each
// replayed from the start with the kinds the pieces showed when played, and
// the lines of a move list. Viewing touches nothing but itself.
class RecordViewer {
public:
    // One line of the move list.
    struct Entry {
        int number;   // 1-based, passes included
        int side;     // 1 or 2
        int cell;     // cell index, or Notation::kPass
        int flipped;  // pieces the move turned; 0 for a pass
    };

    explicit RecordViewer(GameRecord record = GameRecord());

    const GameRecord& Record() const { return record_; }
    int MoveCount() const { return static_cast<int>(positions_.size()) - 1; }
    // Moves shown: 0 is the start, MoveCount() the last position.
    int Shown() const { return shown_; }

    // Each answers the number of moves shown afterwards; a jump outside
    // 0..MoveCount() stops at the nearer end.
    int First();
    int Back();
    int Forward();
    int Last();
    int JumpTo(int shown);

    // The position after Shown() moves. Its flipped list holds the cells the
    // last placement so far turned, in the order the display animates them.
    const BoardStatus& Board() const { return positions_[static_cast<std::size_t>(shown_)]; }
    int SideToMove() const;
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    GameRecord record_;
    std::vector<BoardStatus> positions_;
    std::vector<int> sides_;
    std::vector<Entry> entries_;
    int shown_ = 0;
};
