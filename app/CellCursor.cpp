#include "app/CellCursor.h"

#include "engine/BoardStatus.h"

namespace {

constexpr int kSize = BoardStatus::kSize;

bool InGrid(int row, int column)
{
    return row >= 0 && row < kSize && column >= 0 && column < kSize;
}

}  // namespace

void CellCursor::Step(int rowStep, int columnStep)
{
    typed_.clear();
    int row = cell_ / kSize + rowStep;
    int column = cell_ % kSize + columnStep;
    while (InGrid(row, column)) {
        if (BoardStatus::IsOnBoard(row, column)) {
            cell_ = row * kSize + column;
            return;
        }
        row += rowStep;
        column += columnStep;
    }
}

void CellCursor::MoveTo(int cell)
{
    if (cell >= 0 && cell < kSize * kSize && BoardStatus::IsOnBoard(cell / kSize, cell % kSize)) {
        cell_ = cell;
        typed_.clear();
    }
}

bool CellCursor::Type(char typed)
{
    const char lower = typed >= 'A' && typed <= 'Z' ? static_cast<char>(typed - 'A' + 'a') : typed;
    if (lower >= 'a' && lower < 'a' + kSize) {
        typed_.assign(1, lower);
        return true;
    }
    if (lower < '0' || lower > '9' || typed_.empty() || typed_.size() > 2) {
        typed_.clear();
        return false;
    }
    typed_ += lower;
    const int number = std::stoi(typed_.substr(1));
    const int row = number - 1;
    const int column = typed_[0] - 'a';
    if (row >= 0 && row < kSize && BoardStatus::IsOnBoard(row, column))
        cell_ = row * kSize + column;
    return true;
}
