#include "support/RandomGames.h"

#include <random>
#include <vector>

BoardStatus RandomBoard(unsigned seed, int placements, int* sideToMove)
{
    std::mt19937 random(seed);
    BoardStatus board;
    int side = 1;
    for (int passes = 0; board.MoveCount() < placements && passes < 2; side = 3 - side) {
        std::vector<int> legal;
        for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
            if (board.IsLegal(cell / 10, cell % 10, side))
                legal.push_back(cell);
        }
        passes = legal.empty() ? passes + 1 : 0;
        if (!legal.empty()) {
            const int cell = legal[random() % legal.size()];
            board.Place(cell / 10, cell % 10, side, 0);
        }
    }
    *sideToMove = side;
    return board;
}
