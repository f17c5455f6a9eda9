#include "ContentFolder.h"

#include "players/Brain.h"
#include "players/MatchGame.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kGames = 200;

using StandardPlayersGame = ContentFolder;

}  // namespace

TEST_F(StandardPlayersGame, StrongerStandardPlayersBeatTheRandomOne)
{
    std::vector<std::unique_ptr<Player>> opponents;
    std::unique_ptr<Player> random;
    int randomPlayers = 0;
    for (int n = 0; n < PlayerSetFile::CountPlayers("Standard.tsp"); ++n) {
        auto player = std::make_unique<Player>(nullptr, nullptr, 0);
        player->Load("Standard.tsp", PlayerSetFile::PlayerSection(n));
        const std::set<int> codes = CodesPlayed(*player);
        if (codes.count(Brain::kCodeUser) != 0)
            continue;
        if (std::all_of(codes.begin(), codes.end(), [](int code) { return code == 0 || code == Brain::kCodeRandom; })) {
            random = std::move(player);
            ++randomPlayers;
        } else {
            opponents.push_back(std::move(player));
        }
    }
    ASSERT_EQ(randomPlayers, 1) << "the set has one beginner who moves at random";
    ASSERT_GE(opponents.size(), 7u);

    // Searching players think a few thousand nodes a move: quick, and the same on any machine.
    SearchBudget budget;
    budget.moveTimeMs = 2;
    budget.fixedRate = true;
    std::uint32_t seed = 20240601;
    const int perSide = kGames / static_cast<int>(opponents.size()) / 2;
    int opponentWins = 0;
    int randomWins = 0;
    for (const auto& player : opponents) {
        SCOPED_TRACE(player->SectionName() + " " + Utf8(player->Name()));
        int wins = 0;
        for (int game = 0; game < perSide; ++game) {
            const MatchGame::Result asFirst = MatchGame::Play(*player, *random, {}, ++seed, budget, budget);
            const MatchGame::Result asSecond = MatchGame::Play(*random, *player, {}, ++seed, budget, budget);
            EXPECT_EQ(asFirst.pieces1st + asFirst.pieces2nd, 4 + static_cast<int>(std::count_if(
                asFirst.moves.begin(), asFirst.moves.end(), [](int move) { return move >= 0; })));
            wins += (asFirst.pieces1st > asFirst.pieces2nd) + (asSecond.pieces2nd > asSecond.pieces1st);
            randomWins += (asFirst.pieces1st < asFirst.pieces2nd) + (asSecond.pieces2nd < asSecond.pieces1st);
        }
        opponentWins += wins;
        // The documentation's table of the standard players quotes these lines.
        std::printf("%-9s won %2d of %d against random moves  %s\n", player->SectionName().c_str(), wins, 2 * perSide,
                    Utf8(player->Name()).c_str());
        const std::set<int> codes = CodesPlayed(*player);
        if (codes.count(Brain::kCodeTakeCorners) + codes.count(Brain::kCodeKeepOffCorners) != 0) {
            EXPECT_GT(wins, perSide) << "a player that minds the corners should beat random moves";
        }
        const std::array<int, 3> opening = player->CodesFor(0);
        if (std::find(opening.begin(), opening.end(), Brain::kCodeKeepOffCorners) != opening.end()) {
            EXPECT_GE(5 * wins, 4 * 2 * perSide) << "guarding corners from the first move should win 4 in 5";
        }
    }
    EXPECT_GT(opponentWins, 2 * randomWins);
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());
}
