#include "tools/AnalyzeTool.h"

#include "engine/BoardStatus.h"
#include "records/GameAnalysis.h"
#include "records/Notation.h"
#include "search/Searcher.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

constexpr const char* kUsage =
    "usage: tessella-analyze --position \"POSITION\" [--time MS] [--exact]\n"
    "       tessella-analyze --record GAME.tsr [--time MS]\n"
    "Prints every legal move of the side to move with its score, best first, one per line as \"CELL SCORE\".\n"
    "  --position P   76 cells in row order ('.' empty, 'X' first player, 'O' second player),\n"
    "                 a space, then X or O for the side to move\n"
    "  --time MS      thinking time in milliseconds of CPU (default 2000); scores estimate the final piece difference\n"
    "  --exact        exact final piece differences under perfect play (at most 20 empty cells)\n"
    "  --record G     every move of a game record: its score, and the best move when it was better,\n"
    "                 one line a move, then the mistakes (--time per move, default 300)\n"
    "  --help         this text\n"
    "A side without a legal move prints \"pass\".\n";

int Fail(std::ostream& err, const std::string& reason)
{
    err << "tessella-analyze: " << reason << "\n";
    return 2;
}

std::string ScoreText(int hundredths)
{
    const int pieces = static_cast<int>(std::lround(hundredths / static_cast<double>(Searcher::kPiece)));
    char text[16];
    std::snprintf(text, sizeof text, "%+d", pieces);
    return text;
}

}  // namespace

int AnalyzeTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string positionText;
    bool havePosition = false;
    std::string recordPath;
    bool timeGiven = false;
    bool exact = false;
    int timeMs = kDefaultTimeMs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
        if (arg == "--exact") {
            exact = true;
        } else if (arg == "--position" || arg == "--time" || arg == "--record") {
            if (i + 1 >= args.size())
                return Fail(err, arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--position") {
                positionText = value;
                havePosition = true;
                continue;
            }
            if (arg == "--record") {
                recordPath = value;
                continue;
            }
            timeGiven = true;
            const char* end = value.data() + value.size();
            const std::from_chars_result parsed = std::from_chars(value.data(), end, timeMs);
            if (value.empty() || parsed.ec != std::errc() || parsed.ptr != end || timeMs < 1)
                return Fail(err, "--time needs a positive number of milliseconds, not \"" + value + "\"");
        } else {
            return Fail(err, "unknown argument " + arg + " (see --help)");
        }
    }
    if (!recordPath.empty()) {
        if (havePosition || exact)
            return Fail(err, "--record goes without --position and --exact");
        GameRecord record;
        QString error;
        if (GameRecord::Load(recordPath, record, &error) != 0)
            return Fail(err, error.toStdString());
        GameAnalysis::Options options;
        if (timeGiven)
            options.cpuMicrosecondsPerMove = static_cast<std::int64_t>(timeMs) * 1000;
        std::vector<GameAnalysis::MoveScore> scores;
        GameAnalysis::Run(record, options, &scores);
        for (const GameAnalysis::MoveScore& score : scores)
            out << GameAnalysis::MoveLine(score) << "\n";
        out << GameAnalysis::Summary(scores);
        return 0;
    }
    if (!havePosition)
        return Fail(err, "--position or --record is required (see --help)");

    BoardStatus board;
    int side = 1;
    QString error;
    if (Notation::ParsePosition(positionText, board, side, &error) != 0)
        return Fail(err, "bad position: " + error.toStdString());
    const Position position = Position::FromBoard(board, side);
    if (position.Moves() == 0) {
        out << "pass\n";
        return 0;
    }
    SearchLimits limits;
    limits.allScores = true;
    if (exact) {
        if (position.EmptyCount() > kMaxExactEmpties)
            return Fail(err, "--exact solves at most " + std::to_string(kMaxExactEmpties) + " empty cells; this position has "
                                 + std::to_string(position.EmptyCount()));
        limits.exactEmpties = kMaxExactEmpties;
    } else {
        limits.cpuMicroseconds = static_cast<std::int64_t>(timeMs) * 1000;
    }
    Searcher searcher;
    const SearchResult result = searcher.Run(position, limits);
    for (const SearchResult::Move& move : result.moves)
        out << Notation::CellText(move.cell) << " " << ScoreText(move.score) << "\n";
    return 0;
}
