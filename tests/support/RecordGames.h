#pragma once

#include "records/GameRecord.h"

#include <cstdint>
#include <map>

// Records of games played by a seeded random chooser, passes included, for
// tests that need whole games without a window.
GameRecord RandomGame(std::uint32_t seed, int maxMoves = 200, bool randomKinds = false);

// The first seed from 1 whose random game holds a pass (0 when none up to 500).
std::uint32_t SeedOfGameWithPass();

// A finished game with 71 empty cells: the first player takes the only
// second-player piece with its first move.
GameRecord WipeOutGame();

// A record starting from a position of a random game with eight empty cells
// where the worst move loses at least six pieces against the best, with the
// exact final piece difference of each legal move found by plain minimax.
GameRecord EndgameWithMistake(std::map<int, int>* exactScores);
