#include "records/AnalysisWorker.h"
#include "records/GameAnalysis.h"
#include "records/Notation.h"
#include "support/RecordGames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The worst move is scored exactly, marked and summed up as a mistake; the best one is not.
TEST(GameAnalysisTest, MarksTheBadMoveAndNotTheGoodOne)
{
    std::map<int, int> exact;
    const GameRecord endgame = EndgameWithMistake(&exact);
    ASSERT_FALSE(exact.empty());
    const auto byScore = [](auto a, auto b) { return a.second < b.second; };
    const auto worst = *std::min_element(exact.begin(), exact.end(), byScore);
    const auto best = *std::max_element(exact.begin(), exact.end(), byScore);
    GameAnalysis::Options options;
    options.nodesPerMove = 2000000;
    options.exactEmpties = 20;
    for (const auto& [cell, score] : {worst, best}) {
        GameRecord record = endgame;
        ASSERT_EQ(record.AddMove(cell), 0);
        std::vector<GameAnalysis::MoveScore> scores;
        ASSERT_EQ(GameAnalysis::Run(record, options, &scores), 0);
        ASSERT_EQ(scores.size(), 1u);
        const GameAnalysis::MoveScore& s = scores[0];
        EXPECT_TRUE(s.scored && s.exact);
        EXPECT_EQ(std::vector<int>({s.played, s.best, s.loss}),
                  std::vector<int>({score * 100, best.second * 100, (best.second - score) * 100}));
        const bool mistake = cell == worst.first;
        EXPECT_EQ(s.mistake, mistake);
        EXPECT_EQ(exact.at(s.bestCell), best.second);
        const char* count = !mistake ? "X 0, O 0" : record.StartSide() == 1 ? "X 1, O 0" : "X 0, O 1";
        const std::string summary = GameAnalysis::Summary(scores);
        EXPECT_EQ(summary.substr(0, summary.find('\n')), std::string("mistakes: ").append(count)) << summary;
        EXPECT_EQ(summary.find(std::string(" ").append(Notation::CellText(cell)).append(" ")) != std::string::npos, mistake)
            << summary;
    }
}

// In the background worker: passes are not scored and keep the forecast; the analysis travels with the record
// as tags, its scores in pieces; a cancelled or stopped analysis ends early.
TEST(GameAnalysisTest, PassesAreNotScoredAndTheAnalysisTravelsWithTheRecord)
{
    GameRecord game = RandomGame(SeedOfGameWithPass());
    GameAnalysis::Options options;
    options.nodesPerMove = 3000;
    AnalysisWorker worker;
    worker.Start(game, options);
    worker.Wait();
    EXPECT_TRUE(worker.Finished() && !worker.Running());
    EXPECT_EQ(worker.Done(), static_cast<int>(game.Moves().size()));
    EXPECT_EQ(worker.Total(), worker.Done());
    std::vector<GameAnalysis::MoveScore> scores = worker.Scores();
    ASSERT_EQ(scores.size(), game.Moves().size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const bool pass = game.Moves()[i].cell == Notation::kPass;
        EXPECT_EQ(scores[i].scored, !pass);
        // The forecast is the first player's: the best score of the side to move, a pass keeping the last one.
        const int forecast = pass ? (i > 0 ? scores[i - 1].forecast : 0)
                                  : (scores[i].side == 1 ? scores[i].best : -scores[i].best);
        EXPECT_EQ(scores[i].forecast, forecast) << i;
    }
    GameAnalysis::Annotate(game, scores);
    GameRecord read;
    ASSERT_EQ(GameRecord::Read(game.Text(), read, nullptr), 0);
    const std::string best = read.TagValue("AnalysisBest");
    EXPECT_EQ(std::count(best.begin(), best.end(), ' ') + 1, static_cast<long>(scores.size()));
    EXPECT_NE(best.find('-'), std::string::npos);

    options.nodesPerMove = 0;
    options.cpuMicrosecondsPerMove = 10000000;
    worker.Start(game, options);
    worker.Cancel();
    EXPECT_FALSE(worker.Running() || worker.Finished());
    EXPECT_LT(worker.Done(), worker.Total());
    const std::atomic<bool> stop{true};
    EXPECT_EQ(GameAnalysis::Run(game, {}, &scores, &stop), -1);
    EXPECT_TRUE(scores.empty());

    const std::pair<int, const char*> cases[] = {{400, "+4.0"}, {-50, "-0.5"}, {0, "0.0"}, {4, "0.0"},
                                                 {-4, "0.0"}, {1234, "+12.3"}, {-1235, "-12.4"}};
    for (const auto& [hundredths, text] : cases)
        EXPECT_EQ(GameAnalysis::PiecesText(hundredths), text) << hundredths;
}

}  // namespace
