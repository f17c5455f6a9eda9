#pragma once

#include "players/Player.h"
#include "players/SearchStrategy.h"

#include <atomic>
#include <cstdint>
#include <vector>

// One game between two computer profiles without a window, as the turn cycle
// would play it: each side's phase codes vote through its own Brain. Reads the
// players only, so games may run on several threads at once.
class MatchGame {
public:
    struct Result {
        int pieces1st = 0;
        int pieces2nd = 0;
        std::vector<int> moves;  // cell indexes, passes as -11
    };

    // The first `count` moves of a random game drawn from seed (fewer when it ends).
    static std::vector<int> RandomOpening(std::uint32_t seed, int count);

    // Plays from the opening on; the calling thread's random source is seeded with seed.
    // A set stop flag ends the game early, unfinished.
    static Result Play(const Player& first, const Player& second, const std::vector<int>& opening,
                       std::uint32_t seed, const SearchBudget& budget1st, const SearchBudget& budget2nd,
                       const std::atomic<bool>* stop = nullptr);
};
