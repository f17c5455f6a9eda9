#pragma once

#include "records/GameRecord.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The search engine's judgement of every move of a record: the score of the
// move played, the best move and its score, the loss, and the mistakes.
// Scores are hundredths of a piece of the final piece difference, seen from
// the side that moved; exact once the endgame solver reached them.
class GameAnalysis {
public:
    static constexpr int kPiece = 100;

    struct Options {
        // Budget of each position: CPU time, or a node count for results
        // that do not depend on the machine (used when not 0).
        std::int64_t cpuMicrosecondsPerMove = 300000;
        std::int64_t nodesPerMove = 0;
        // Solve exactly from this many empty cells.
        int exactEmpties = 16;
        // A move that loses this much or more is a mistake.
        int mistakeThreshold = 4 * kPiece;
    };

    struct MoveScore {
        int number = 0;  // 1-based, passes included
        int side = 0;
        int cell = 0;  // cell index, or Notation::kPass
        // False for a pass: nothing to choose, nothing scored.
        bool scored = false;
        int played = 0;
        int best = 0;
        int bestCell = -1;
        int loss = 0;
        bool exact = false;
        bool mistake = false;
        // The best score of the position before the move, for the first player;
        // a pass repeats the forecast before it.
        int forecast = 0;
    };

    // Analyses the moves in order. 0 when every move is done; -1 when the stop
    // flag ended it first, with the moves done so far in *out.
    static int Run(const GameRecord& record, const Options& options, std::vector<MoveScore>* out,
                   const std::atomic<bool>* stop = nullptr,
                   const std::function<void(int done, int total)>& progress = {});

    // One move as "12. X d4 -6.0 (best e3 +2.0)", the best part only when a
    // better move existed; "13. O pass" for a pass.
    static std::string MoveLine(const MoveScore& score);

    // Plain lines: a count of mistakes per side, then one line per mistake,
    // for example "12. X d4 -6.0 (best e3 +2.0, loses 8.0)".
    static std::string Summary(const std::vector<MoveScore>& scores);

    // A score in pieces with one decimal and a sign: "+4.0", "-0.5", "0.0".
    static std::string PiecesText(int hundredths);

    // Adds the analysis to the record as two tags the reader keeps:
    // "AnalysisScores" (the played move's score per move, "-" for a pass) and
    // "AnalysisBest" (the best cell per move, "-" for a pass).
    static void Annotate(GameRecord& record, const std::vector<MoveScore>& scores);
};
