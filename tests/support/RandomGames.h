#pragma once

#include "engine/BoardStatus.h"

// The board after up to `placements` random legal placements drawn from a
// fixed seed (fewer when the game ends first); sideToMove receives the side
// whose turn it is then.
BoardStatus RandomBoard(unsigned seed, int placements, int* sideToMove);
