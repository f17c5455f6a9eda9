#pragma once

#include <string>

// The keyboard's cell cursor over the octagon: arrow steps that skip the cut
// corners, and cell names typed as a column letter a..j and a row number 1..10.
class CellCursor {
public:
    // Starts on e5, near the middle of the board.
    static constexpr int kStartCell = 44;

    int Cell() const { return cell_; }
    // Steps in the direction to the nearest playable cell; stays where no cell lies that way.
    void Step(int rowStep, int columnStep);
    // Jumps to a playable cell; anything else leaves the cursor where it is.
    void MoveTo(int cell);
    // One typed character; true when it belongs to a cell name. The cursor moves
    // as soon as the name read so far names a playable cell ("j1" and then "0" for "j10").
    bool Type(char typed);

private:
    int cell_ = kStartCell;
    std::string typed_;
};
