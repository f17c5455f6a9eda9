#pragma once

#include <QString>

#include <array>

// Explanations and warnings the player editor shows beside the phase table.
class PlayerChecks {
public:
    static constexpr int kPhases = 6;
    // Placements in a whole game: 76 cells less the four of the start.
    static constexpr int kLastMove = 72;

    // One sentence on what a strategy votes for; empty for code 0 and codes outside 10..20.
    static QString StrategyHelp(int code);

    // How phases and move limits choose the strategies.
    static QString PhaseHelp();

    // limits: the leading number of each phase's limit box (0 without one);
    // firstCodes: the first strategy of each phase. A warning when the last
    // phase the search reaches ends below the last move, else empty.
    static QString PhaseWarning(const std::array<int, kPhases>& limits, const std::array<int, kPhases>& firstCodes);
};
