#pragma once

#include "players/Player.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>

// Measures a profile against an opponent in the background: a few games on a
// worker thread that owns copies of both profiles, polled by the window and
// cancellable at any moment.
class StrengthTrial {
public:
    static constexpr int kGames = 20;
    // The search strategies think at most this long per move, counted in nodes.
    static constexpr int kMoveTimeMs = 100;

    struct Profile {
        std::array<std::array<int, Player::kSlots>, Player::kPhases> codes{};
        std::array<int, Player::kPhases> limits{};
    };
    static Profile ProfileOf(const Player& player);

    StrengthTrial() = default;
    ~StrengthTrial();
    StrengthTrial(const StrengthTrial&) = delete;
    StrengthTrial& operator=(const StrengthTrial&) = delete;

    // Starts the games, colours alternating; a running trial is cancelled first.
    void Start(const Profile& candidate, const Profile& opponent, std::uint32_t seed);
    void Cancel();
    bool Running() const { return thread_.joinable() && !finished_; }
    bool Finished() const { return finished_; }

    // Counts for the candidate so far.
    int Played() const { return wins_ + losses_ + draws_; }
    int Wins() const { return wins_; }
    int Losses() const { return losses_; }
    int Draws() const { return draws_; }

private:
    void Join();

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> wins_{0};
    std::atomic<int> losses_{0};
    std::atomic<int> draws_{0};
};
