#pragma once

#include <cstdint>

// One position of the octagonal board (a 10 x 10 grid without its corners)
// with the bookkeeping the display needs: piece kinds, animation steps, the
// cells flipped by the last placement and the record of placements.
// A plain value: fixed tables, no dynamic memory, copyable as a whole.
class BoardStatus {
public:
    static constexpr int kSize = 10;
    static constexpr int kCells = kSize * kSize;
    static constexpr int kPlayableCells = 76;

    BoardStatus();

    int Reset();
    int CopyFrom(const BoardStatus& other);

    // 0 when placed; -1 when refused, and then nothing changes.
    int Place(int row, int column, int side, int kind);
    int IsLegal(int row, int column, int side) const;
    int HasLegalMove(int side) const;

    int SetCell(int row, int column, int owner, int kind);
    int OwnerAt(int row, int column) const;
    int KindAt(int row, int column) const;
    int SetAnimStep(int row, int column, int step);
    int AnimStepAt(int row, int column) const;

    int FlippedAt(int index) const;
    int SetFlippedAt(int index, int value);
    int MoveAt(int index) const;
    int MoveCount() const;
    int CountOwner(int owner) const;

    static bool IsOnBoard(int row, int column);

private:
    static bool InGrid(int row, int column);
    // Number of opponent pieces bracketed from (row, column) along one direction.
    int BracketedRun(int row, int column, int side, int rowStep, int columnStep) const;

    std::int32_t owner_[kSize][kSize];
    std::int32_t kind_[kSize][kSize];
    std::int32_t animStep_[kSize][kSize];
    std::int32_t flipped_[kCells];
    std::int32_t moves_[kCells];
    std::int32_t moveCount_;
};
