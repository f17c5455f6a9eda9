#include "records/GameAnalysis.h"

#include "records/Notation.h"
#include "search/Position.h"
#include "search/Searcher.h"

#include <cstdlib>
#include <memory>

int GameAnalysis::Run(const GameRecord& record, const Options& options, std::vector<MoveScore>* out,
                      const std::atomic<bool>* stop, const std::function<void(int done, int total)>& progress)
{
    out->clear();
    const int total = static_cast<int>(record.Moves().size());
    // The table is large; one searcher serves the whole game.
    const auto searcher = std::make_unique<Searcher>();
    SearchLimits limits;
    limits.allScores = true;
    limits.exactEmpties = options.exactEmpties;
    if (options.nodesPerMove > 0)
        limits.nodes = options.nodesPerMove;
    else
        limits.cpuMicroseconds = options.cpuMicrosecondsPerMove;

    int forecast = 0;
    for (int i = 0; i < total; ++i) {
        if (stop != nullptr && stop->load())
            return -1;
        BoardStatus board;
        int side = 1;
        record.PositionAfter(i, board, side);
        MoveScore score;
        score.number = i + 1;
        score.side = side;
        score.cell = record.Moves()[static_cast<std::size_t>(i)].cell;
        if (score.cell != Notation::kPass) {
            const SearchResult result = searcher->Run(Position::FromBoard(board, side), limits, stop);
            if (result.stopped)
                return -1;
            if (!result.moves.empty()) {
                score.scored = true;
                score.best = result.moves.front().score;
                score.bestCell = result.moves.front().cell;
                score.played = score.best;
                for (const SearchResult::Move& move : result.moves)
                    if (move.cell == score.cell)
                        score.played = move.score;
                // Equal scores are not a loss: keep the played cell as the best then.
                if (score.played >= score.best)
                    score.bestCell = score.cell;
                score.loss = std::max(0, score.best - score.played);
                score.exact = result.exact;
                score.mistake = score.loss >= options.mistakeThreshold;
                forecast = side == 1 ? score.best : -score.best;
            }
        }
        score.forecast = forecast;
        out->push_back(score);
        if (progress)
            progress(i + 1, total);
    }
    return 0;
}

std::string GameAnalysis::PiecesText(int hundredths)
{
    const int magnitude = std::abs(hundredths);
    // Rounded to tenths, half away from zero.
    const int tenths = (magnitude + 5) / 10;
    std::string text = hundredths > 0 && tenths > 0 ? "+" : hundredths < 0 && tenths > 0 ? "-" : "";
    return text + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string GameAnalysis::MoveLine(const MoveScore& s)
{
    std::string line = std::to_string(s.number);
    line.append(". ").append(s.side == 1 ? "X " : "O ").append(Notation::MoveText(s.cell));
    if (!s.scored)
        return line;
    line.append(" ").append(PiecesText(s.played));
    if (s.bestCell != s.cell)
        line.append(" (best ").append(Notation::MoveText(s.bestCell)).append(" ").append(PiecesText(s.best)).append(")");
    return line;
}

std::string GameAnalysis::Summary(const std::vector<MoveScore>& scores)
{
    int mistakes[3] = {0, 0, 0};
    std::string lines;
    for (const MoveScore& s : scores) {
        if (!s.mistake)
            continue;
        ++mistakes[s.side];
        lines += std::to_string(s.number) + ". " + (s.side == 1 ? "X " : "O ") + Notation::MoveText(s.cell) + " "
            + PiecesText(s.played) + " (best " + Notation::MoveText(s.bestCell) + " " + PiecesText(s.best) + ", loses "
            + PiecesText(s.loss).substr(s.loss > 0 ? 1 : 0) + ")\n";
    }
    return "mistakes: X " + std::to_string(mistakes[1]) + ", O " + std::to_string(mistakes[2]) + "\n" + lines;
}

void GameAnalysis::Annotate(GameRecord& record, const std::vector<MoveScore>& scores)
{
    std::string played;
    std::string best;
    for (const MoveScore& s : scores) {
        if (!played.empty()) {
            played += ' ';
            best += ' ';
        }
        played += s.scored ? PiecesText(s.played) : "-";
        best += s.scored ? Notation::MoveText(s.bestCell) : "-";
    }
    record.SetTag("AnalysisScores", played);
    record.SetTag("AnalysisBest", best);
}
