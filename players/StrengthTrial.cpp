#include "players/StrengthTrial.h"

#include "players/MatchGame.h"

StrengthTrial::~StrengthTrial()
{
    Cancel();
}

StrengthTrial::Profile StrengthTrial::ProfileOf(const Player& player)
{
    Profile profile;
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        profile.limits[phase] = player.Limit(phase);
        for (int slot = 0; slot < Player::kSlots; ++slot)
            profile.codes[phase][slot] = player.Code(phase, slot);
    }
    return profile;
}

void StrengthTrial::Start(const Profile& candidate, const Profile& opponent, std::uint32_t seed)
{
    Cancel();
    stop_ = false;
    finished_ = false;
    wins_ = losses_ = draws_ = 0;
    thread_ = std::thread([this, candidate, opponent, seed] {
        Player players[2] = {Player(nullptr, nullptr, 0), Player(nullptr, nullptr, 0)};
        players[0].SetPhases(candidate.codes, candidate.limits);
        players[1].SetPhases(opponent.codes, opponent.limits);
        SearchBudget budget;
        budget.moveTimeMs = kMoveTimeMs;
        budget.fixedRate = true;
        for (int game = 0; game < kGames && !stop_; ++game) {
            const bool candidateFirst = game % 2 == 0;
            const MatchGame::Result result = MatchGame::Play(players[candidateFirst ? 0 : 1], players[candidateFirst ? 1 : 0],
                                                             {}, seed + static_cast<std::uint32_t>(game), budget, budget, &stop_);
            if (stop_)
                break;
            const int difference = (result.pieces1st - result.pieces2nd) * (candidateFirst ? 1 : -1);
            (difference > 0 ? wins_ : difference < 0 ? losses_ : draws_) += 1;
        }
        finished_ = true;
    });
}

void StrengthTrial::Cancel()
{
    stop_ = true;
    Join();
}

void StrengthTrial::Join()
{
    if (thread_.joinable())
        thread_.join();
}
