#pragma once

#include "engine/BoardStatus.h"

// A fixed mid-game position: 24 placements chosen by a fixed sequence.
inline BoardStatus MidGamePosition()
{
    BoardStatus board;
    unsigned state = 2024;
    int side = 1;
    while (board.MoveCount() < 24) {
        int legal[100];
        int count = 0;
        for (int cell = 0; cell < 100; ++cell) {
            if (board.IsLegal(cell / 10, cell % 10, side))
                legal[count++] = cell;
        }
        if (count > 0) {
            state = state * 1103515245u + 12345u;
            const int cell = legal[(state >> 16) % count];
            board.Place(cell / 10, cell % 10, side, 0);
        }
        side = 3 - side;
    }
    return board;
}
