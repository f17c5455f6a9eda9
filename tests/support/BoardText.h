#pragma once

#include "engine/BoardStatus.h"

#include <string>
#include <vector>

// Positions as ten rows of text: 'X' first player, 'O' second player,
// '.' empty cell, ' ' outside the octagon.
//   "   ....   "
//   "  ......  "
//   ...
BoardStatus BoardFromRows(const std::vector<std::string>& rows);
std::vector<std::string> BoardToRows(const BoardStatus& board);

// The starting position in that form, handy to edit in tests.
std::vector<std::string> StartRows();
