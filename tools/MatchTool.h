#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// tessella-match: plays computer players against each other and reports
// results with Elo estimates. Answers the process exit code: 0, 1 when game
// records could not all be written, or 2 for bad use.
class MatchTool {
public:
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal);

    // Elo difference for a score fraction, and its 95% interval from the per-game scores.
    struct Elo {
        double difference;
        double low;
        double high;
    };
    static Elo EloOf(int wins, int losses, int draws);
};
