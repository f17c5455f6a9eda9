#include "records/AnalysisWorker.h"
#include "records/GameAnalysis.h"
#include "records/Notation.h"
#include "support/RecordGames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// Final piece difference for side under perfect play, by plain minimax.
int Minimax(const BoardStatus& board, int side, bool passed = false)
{
    int best = -1000;
    for (int cell = 0; cell < 100; ++cell) {
        BoardStatus next(board);
        if (next.Place(cell / 10, cell % 10, side, 0) == 0)
            best = std::max(best, -Minimax(next, 3 - side));
    }
    if (best != -1000)
        return best;
    if (passed)
        return board.CountOwner(side) - board.CountOwner(3 - side);
    return -Minimax(board, 3 - side, true);
}

// A position from a real game with eight empty cells, where the worst move
// loses at least six pieces against the best; exact scores of every move.
struct Endgame {
    GameRecord record;
    std::map<int, int> scores;
};

Endgame FindEndgame()
{
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        const GameRecord game = RandomGame(seed);
        for (int ply = 0; ply < static_cast<int>(game.Moves().size()); ++ply) {
            BoardStatus board;
            int side = 1;
            game.PositionAfter(ply, board, side);
            if (board.CountOwner(0) - 24 != 8 || board.HasLegalMove(side) == 0)
                continue;
            Endgame endgame;
            endgame.record.SetStart(board, side);
            for (int cell = 0; cell < 100; ++cell) {
                BoardStatus next(board);
                if (next.Place(cell / 10, cell % 10, side, 0) == 0)
                    endgame.scores[cell] = -Minimax(next, 3 - side);
            }
            const auto [low, high] = std::minmax_element(endgame.scores.begin(), endgame.scores.end(),
                                                         [](auto a, auto b) { return a.second < b.second; });
            if (high->second - low->second >= 6)
                return endgame;
            break;
        }
    }
    return {};
}

TEST(GameAnalysisTest, MarksTheBadMoveAndNotTheGoodOne)
{
    const Endgame endgame = FindEndgame();
    ASSERT_FALSE(endgame.scores.empty());
    const auto byScore = [](auto a, auto b) { return a.second < b.second; };
    const auto worst = *std::min_element(endgame.scores.begin(), endgame.scores.end(), byScore);
    const auto best = *std::max_element(endgame.scores.begin(), endgame.scores.end(), byScore);

    GameAnalysis::Options options;
    options.nodesPerMove = 2000000;
    options.exactEmpties = 20;
    for (const auto& [cell, score] : {worst, best}) {
        GameRecord record = endgame.record;
        ASSERT_EQ(record.AddMove(cell), 0);
        std::vector<GameAnalysis::MoveScore> scores;
        ASSERT_EQ(GameAnalysis::Run(record, options, &scores), 0);
        ASSERT_EQ(scores.size(), 1u);
        const GameAnalysis::MoveScore& s = scores[0];
        EXPECT_TRUE(s.scored && s.exact);
        EXPECT_EQ(s.played, score * GameAnalysis::kPiece);
        EXPECT_EQ(s.best, best.second * GameAnalysis::kPiece);
        EXPECT_EQ(s.loss, (best.second - score) * GameAnalysis::kPiece);
        EXPECT_EQ(s.mistake, cell == worst.first);
        EXPECT_EQ(endgame.scores.at(s.bestCell), best.second);
        EXPECT_EQ(s.forecast, record.StartSide() == 1 ? s.best : -s.best);
        const std::string summary = GameAnalysis::Summary(scores);
        std::string played(1, ' ');
        played += Notation::CellText(cell);
        played += ' ';
        EXPECT_EQ(summary.find(played) != std::string::npos, cell == worst.first) << summary;
    }
}

TEST(GameAnalysisTest, PassesAreNotScoredAndTheAnalysisTravelsWithTheRecord)
{
    GameRecord game = RandomGame(SeedOfGameWithPass());
    GameAnalysis::Options options;
    options.nodesPerMove = 3000;
    std::vector<GameAnalysis::MoveScore> scores;
    int calls = 0;
    ASSERT_EQ(GameAnalysis::Run(game, options, &scores, nullptr, [&](int done, int total) {
        EXPECT_EQ(done, ++calls);
        EXPECT_EQ(total, static_cast<int>(game.Moves().size()));
    }), 0);
    ASSERT_EQ(scores.size(), game.Moves().size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const bool pass = game.Moves()[i].cell == Notation::kPass;
        EXPECT_EQ(scores[i].scored, !pass);
        if (pass && i > 0) {
            EXPECT_EQ(scores[i].forecast, scores[i - 1].forecast);
        }
        EXPECT_GE(scores[i].loss, 0);
    }
    GameAnalysis::Annotate(game, scores);
    GameRecord read;
    ASSERT_EQ(GameRecord::Read(game.Text(), read, nullptr), 0);
    const std::string best = read.TagValue("AnalysisBest");
    EXPECT_EQ(std::count(best.begin(), best.end(), ' ') + 1, static_cast<long>(scores.size()));
    EXPECT_NE(best.find('-'), std::string::npos);
}

TEST(GameAnalysisTest, StopsWhenAsked)
{
    const std::atomic<bool> stop{true};
    std::vector<GameAnalysis::MoveScore> scores;
    EXPECT_EQ(GameAnalysis::Run(RandomGame(3), {}, &scores, &stop), -1);
    EXPECT_TRUE(scores.empty());
}

TEST(GameAnalysisTest, PiecesText)
{
    const std::pair<int, const char*> cases[] = {{400, "+4.0"}, {-50, "-0.5"}, {0, "0.0"}, {4, "0.0"},
                                                 {-4, "0.0"}, {1234, "+12.3"}, {-1235, "-12.4"}};
    for (const auto& [hundredths, text] : cases)
        EXPECT_EQ(GameAnalysis::PiecesText(hundredths), text) << hundredths;
}

}

namespace {

TEST(AnalysisWorkerTest, RunsInTheBackgroundAndCancels)
{
    const GameRecord game = RandomGame(8);
    GameAnalysis::Options options;
    options.nodesPerMove = 2000;
    AnalysisWorker worker;
    worker.Start(game, options);
    worker.Wait();
    EXPECT_TRUE(worker.Finished());
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(worker.Done(), worker.Total());
    std::vector<GameAnalysis::MoveScore> direct;
    ASSERT_EQ(GameAnalysis::Run(game, options, &direct), 0);
    const std::vector<GameAnalysis::MoveScore> scores = worker.Scores();
    ASSERT_EQ(scores.size(), direct.size());
    for (std::size_t i = 0; i < scores.size(); ++i)
        EXPECT_EQ(scores[i].played, direct[i].played) << "node budgets give the same scores on any thread";

    options.nodesPerMove = 0;
    options.cpuMicrosecondsPerMove = 10000000;
    worker.Start(game, options);
    worker.Cancel();
    EXPECT_FALSE(worker.Running());
    EXPECT_FALSE(worker.Finished());
    EXPECT_LT(worker.Done(), worker.Total());
}

}
