#include "ContentFolder.h"

#include "engine/BoardStatus.h"
#include "platform/Random.h"
#include "players/Brain.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kGames = 200;
constexpr std::uint32_t kSeed = 20240601;

// Every code the profile plays with at some move count.
std::vector<int> CodesPlayed(const Player& player)
{
    std::vector<int> codes;
    for (int moveCount = 0; moveCount <= 72; ++moveCount) {
        for (const int code : player.CodesFor(moveCount))
            codes.push_back(code);
    }
    return codes;
}

bool Plays(const Player& player, int code)
{
    const std::vector<int> codes = CodesPlayed(player);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool PlaysOnlyRandom(const Player& player)
{
    const std::vector<int> codes = CodesPlayed(player);
    return std::all_of(codes.begin(), codes.end(),
                       [](int code) { return code == Brain::kCodeNone || code == Brain::kCodeRandom; });
}

struct Record {
    std::string section;
    std::string name;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int margin = 0;  // own pieces minus the opponent's, summed over the games

    int Games() const { return wins + losses + draws; }
};

// Two computer players bound to one board, as the main window binds them.
class Match {
public:
    Match() : brain1_(board_, 1), brain2_(board_, 2), first_(&board_, &brain1_, 1), second_(&board_, &brain2_, 2)
    {
        // Searching players think a few thousand nodes a move: quick, and the same on any machine.
        SearchBudget budget;
        budget.moveTimeMs = 2;
        budget.fixedRate = true;
        brain1_.SetSearchBudget(budget);
        brain2_.SetSearchBudget(budget);
    }

    // Plays one game to the end; the first side's pieces minus the second's.
    int Play(const std::string& firstSection, const std::string& secondSection)
    {
        first_.Load("Standard.tsp", firstSection);
        second_.Load("Standard.tsp", secondSection);
        board_.Reset();
        brain1_.Clear();
        brain2_.Clear();
        int side = 1;
        while (board_.HasLegalMove(1) || board_.HasLegalMove(2)) {
            Player& player = side == 1 ? first_ : second_;
            const int move = player.ChooseMove();
            (side == 1 ? brain1_ : brain2_).Clear();
            if (move != Player::kPass) {
                if (move < 0 || board_.Place(move / 10, move % 10, side, 0) != 0) {
                    ADD_FAILURE() << "side " << side << " chose " << move << " at move " << board_.MoveCount();
                    return 0;
                }
            }
            side = 3 - side;
        }
        EXPECT_EQ(board_.CountOwner(1) + board_.CountOwner(2), 4 + board_.MoveCount());
        return board_.CountOwner(1) - board_.CountOwner(2);
    }

private:
    BoardStatus board_;
    Brain brain1_;
    Brain brain2_;
    Player first_;
    Player second_;
};

void Count(Record* record, int margin)
{
    record->margin += margin;
    if (margin > 0)
        ++record->wins;
    else if (margin < 0)
        ++record->losses;
    else
        ++record->draws;
}

void PrintTable(const Record& random, const std::vector<Record>& records)
{
    std::cout << "Standard players against " << Utf8(random.name) << " (random moves), "
              << records.front().Games() << " games each, half of them moving first\n";
    for (const Record& r : records)
        std::printf("%-9s %4d wins %4d losses %4d draws, mean margin %5.1f  %s\n", r.section.c_str(), r.wins,
                    r.losses, r.draws, static_cast<double>(r.margin) / r.Games(), Utf8(r.name).c_str());
}

using StandardPlayersGame = ContentFolder;

}  // namespace

TEST_F(StandardPlayersGame, StrongerStandardPlayersBeatTheRandomOne)
{
    std::vector<Record> opponents;
    Record random;
    int randomPlayers = 0;
    Player probe(nullptr, nullptr, 0);
    for (int n = 0; n < PlayerSetFile::CountPlayers("Standard.tsp"); ++n) {
        const std::string section = PlayerSetFile::PlayerSection(n);
        probe.Load("Standard.tsp", section);
        if (Plays(probe, Brain::kCodeUser))
            continue;
        if (PlaysOnlyRandom(probe)) {
            random = {section, probe.Name()};
            ++randomPlayers;
            continue;
        }
        opponents.push_back({section, probe.Name()});
    }
    ASSERT_EQ(randomPlayers, 1) << "the set has one beginner who moves at random";
    ASSERT_GE(opponents.size(), 7u);

    Random::ClearOverride();
    Random::Seed(kSeed);
    Match match;
    const int perSide = kGames / static_cast<int>(opponents.size()) / 2;
    for (Record& record : opponents) {
        for (int game = 0; game < perSide; ++game) {
            const int asFirst = match.Play(record.section, random.section);
            Count(&record, asFirst);
            Count(&random, -asFirst);
            const int asSecond = -match.Play(random.section, record.section);
            Count(&record, asSecond);
            Count(&random, -asSecond);
        }
    }
    PrintTable(random, opponents);

    int opponentWins = 0;
    for (const Record& record : opponents) {
        SCOPED_TRACE(record.section);
        probe.Load("Standard.tsp", record.section);
        opponentWins += record.wins;
        if (Plays(probe, Brain::kCodeTakeCorners) || Plays(probe, Brain::kCodeKeepOffCorners)) {
            EXPECT_GT(2 * record.wins, record.Games()) << "a player that minds the corners should beat random moves";
        }
        const std::array<int, 3> opening = probe.CodesFor(0);
        if (std::find(opening.begin(), opening.end(), Brain::kCodeKeepOffCorners) != opening.end()) {
            EXPECT_GE(5 * record.wins, 4 * record.Games()) << "guarding corners from the first move should win 4 in 5";
        }
    }
    EXPECT_GT(opponentWins, 2 * random.wins);
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());
}
