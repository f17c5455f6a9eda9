#include "tools/AnalyzeTool.h"
#include "tools/MatchTool.h"

#include "records/Notation.h"
#include "search/Searcher.h"
#include "support/RandomGames.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"
#include "support/TextMatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Output {
    int code;
    std::string out;
    std::string err;
};

template <typename Tool>
Output Capture(Tool tool)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = tool(out, err);
    return Output{code, out.str(), err.str()};
}

Output Analyze(const std::vector<std::string>& args)
{
    return Capture([&args](std::ostream& out, std::ostream& err) { return AnalyzeTool::Run(args, out, err); });
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        dir_.Write("Set.tsp", "[BrainSet]\r\nName=Test\r\n"
                              "[Brain_000]\r\nName=Flipper\r\nBrain_00=72,NormalBrain08,NormalBrain01,\r\n"
                              "[Brain_001]\r\nName=Reader\r\nBrain_00=72,NormalBrain11,,\r\n"
                              "[Brain_002]\r\nName=Lucky\r\nBrain_00=72,NormalBrain01,,\r\n");
    }

    void TearDown() override { std::filesystem::current_path(previous_); }

    Output Match(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--dir", dir_.Path().string()});
        return Capture([&args](std::ostream& out, std::ostream& err) { return MatchTool::Run(args, out, err, false); });
    }

    TempDir dir_;
    std::filesystem::path previous_;
};

TEST(AnalyzeToolTest, ListsEveryLegalMoveBestFirstWithExactScoresWhenSolvedAndPassesWithoutMoves)
{
    int side = 1;
    const BoardStatus board = RandomBoard(8, 62, &side);
    const std::string position = Notation::PositionText(board, side);
    const Position start = Position::FromBoard(board, side);
    const Output timed = Analyze({"--position", position, "--time", "50"});
    const Output exact = Analyze({"--exact", "--position", position});
    ASSERT_EQ(timed.code, 0) << timed.err;
    ASSERT_EQ(exact.code, 0) << exact.err;
    EXPECT_EQ(static_cast<int>(Lines(timed.out).size()), bitboard::Count(start.Moves()));
    int previous = 1000;
    for (const std::string& line : Lines(timed.out)) {
        const auto match = MatchWhole(line, "([a-j](?:[1-9]|10)) ([+-][0-9]+)");
        ASSERT_TRUE(match) << line;
        const int cell = Notation::ParseCell((*match)[1]);
        EXPECT_EQ(board.IsLegal(cell / 10, cell % 10, side), 1) << line;
        EXPECT_LE(std::stoi((*match)[2]), previous) << line;
        previous = std::stoi((*match)[2]);
    }
    EXPECT_EQ(Lines(exact.out).size(), Lines(timed.out).size());
    Searcher searcher;
    for (const std::string& line : Lines(exact.out)) {
        const int cell = Notation::ParseCell(line.substr(0, line.find(' ')));
        const int solved = -searcher.Solve(start.Play(cell, start.Flips(cell)), -100, 100);
        EXPECT_EQ(std::stoi(line.substr(line.find(' ') + 1)), solved) << line;
    }

    BoardStatus stuck;
    stuck.SetCell(4, 5, 1, 0);
    stuck.SetCell(5, 4, 1, 0);
    stuck.SetCell(0, 3, 2, 0);
    EXPECT_EQ(Analyze({"--position", Notation::PositionText(stuck, 2)}).out, "pass\n");
}

TEST_F(ToolTest, AnalyzingARecordGivesOneLineAMoveAndTheMistakes)
{
    const GameRecord game = RandomGame(SeedOfGameWithPass(), 24);
    ASSERT_EQ(game.Save(dir_.File("g.tsr")), 0);
    const Output output = Analyze({"--record", dir_.File("g.tsr"), "--time", "2"});
    ASSERT_EQ(output.code, 0) << output.err;
    const std::vector<std::string> lines = Lines(output.out);
    ASSERT_GT(lines.size(), game.Moves().size());
    for (std::size_t i = 0; i < game.Moves().size(); ++i) {
        const auto parts = MatchWhole(lines[i], R"((\d+)\. ([XO]) ([a-j]\d+ [+-]?\d+\.\d( \(best [a-j]\d+ [+-]?\d+\.\d\))?|pass))");
        ASSERT_TRUE(parts) << lines[i];
        EXPECT_EQ((*parts)[1], std::to_string(i + 1));
        EXPECT_EQ((*parts)[3].substr(0, (*parts)[3].find(' ')), Notation::MoveText(game.Moves()[i].cell));
    }
    EXPECT_TRUE(MatchWhole(lines[game.Moves().size()], R"(mistakes: X \d+, O \d+)"));
}

TEST_F(ToolTest, PairsEndWithTheFirstPlayersCountsWhateverTheJobsAndRoundRobinsRankEveryPlayer)
{
    const auto run = [this](const char* jobs, const char* records) {
        return Match({"--games", "6", "--seed", "9", "--openings", "2", "--jobs", jobs, "--records", dir_.File(records),
                      "Set.tsp:Brain_000", "set.TSP:Brain_002"});
    };
    const Output one = run("1", "one");
    ASSERT_EQ(one.code, 0) << one.err;
    const std::vector<std::string> lines = Lines(one.out);
    ASSERT_GE(lines.size(), 3u);
    const auto match = MatchWhole(lines.back(), R"(Flipper: (\d+) wins, (\d+) losses, (\d+) draws)");
    ASSERT_TRUE(match) << lines.back();
    EXPECT_EQ(std::stoi((*match)[1]) + std::stoi((*match)[2]) + std::stoi((*match)[3]), 6);
    EXPECT_NE(one.err.find("games 6/6"), std::string::npos) << "plain progress lines when not a terminal";
    const Output three = run("3", "three");
    EXPECT_EQ(three.out, one.out);

    // Every game is a finished record, the same whatever the jobs, and the records hold Flipper's wins.
    int wins = 0;
    EXPECT_EQ(dir_.Names("one").size(), 6u);
    for (const std::string& name : dir_.Names("one")) {
        EXPECT_EQ(dir_.Read("three/" + name), dir_.Read("one/" + name)) << name;
        GameRecord record;
        QString error;
        ASSERT_EQ(GameRecord::Load(dir_.File("one/" + name), record, &error), 0) << name << ": " << error.toStdString();
        ASSERT_TRUE(record.Finished()) << name;
        const int difference = record.Current().CountOwner(1) - record.Current().CountOwner(2);
        wins += (record.TagValue(GameRecord::kTagFirst) == "Flipper" ? difference : -difference) > 0 ? 1 : 0;
    }
    EXPECT_EQ(wins, std::stoi((*match)[1]));

    const Output robin = Match({"--round-robin", "Set.tsp", "--games", "2", "--move-time", "5"});
    ASSERT_EQ(robin.code, 0) << robin.err;
    const std::vector<std::string> ranked = Lines(robin.out);
    const auto ranking = std::find(ranked.begin(), ranked.end(), "ranking");
    ASSERT_NE(ranking, ranked.end());
    EXPECT_EQ(ranked.end() - ranking, 5) << "heading, column names and three players";
}

// A one-line reason on standard error, exit code 2 and nothing on standard output; --help answers there.
TEST_F(ToolTest, BothToolsRefuseBadInputWithOneLineNamingTheFault)
{
    int side = 1;
    const std::string good = Notation::PositionText(RandomBoard(3, 10, &side), side);
    dir_.Write("g.tsr", "f4\n");
    dir_.Write("bad.tsr", "f4 k4\n");
    // Whether the match tool runs, its arguments, a part of the reason.
    const std::tuple<bool, std::vector<std::string>, const char*> cases[] = {
        {false, {"--position", good.substr(1)}, "bad position"},
        {false, {"--position", good, "--exact"}, "--exact solves at most"},
        {false, {"--position", good, "--time", "soon"}, "\"soon\""},
        {false, {"--time", "5"}, "--position or --record is required"},
        {false, {"--position", good, "--deep"}, "unknown argument --deep"},
        {false, {"--record", dir_.File("missing.tsr")}, "missing.tsr"},
        {false, {"--record", dir_.File("bad.tsr")}, "1 行目"},
        {false, {"--record", dir_.File("g.tsr"), "--exact"}, "--record goes without"},
        {true, {"Missing.tsp:Brain_000", "Set.tsp:Brain_001"}, "unknown set file: Missing.tsp"},
        {true, {"Set.tsp:Brain_009", "Set.tsp:Brain_001"}, "unknown section Brain_009"},
        {true, {"Set.tsp:BrainSet", "Set.tsp:Brain_001"}, "is not a player"},
        {true, {"Set.tsp", "Set.tsp:Brain_001"}, "not \"Set.tsp\""},
        {true, {"Set.tsp:Brain_000"}, "name two players"},
        {true, {"--games", "0", "Set.tsp:Brain_000", "Set.tsp:Brain_001"}, "--games needs"},
        {true, {"--fast", "Set.tsp:Brain_000", "Set.tsp:Brain_001"}, "unknown option --fast"},
        {true, {"--round-robin", "Missing.tsp"}, "Missing.tsp"},
    };
    for (const auto& [match, args, reason] : cases) {
        SCOPED_TRACE(reason);
        const Output output = match ? Match(args) : Analyze(args);
        EXPECT_EQ(output.code, 2);
        EXPECT_TRUE(output.out.empty());
        EXPECT_EQ(Lines(output.err).size(), 1u) << output.err;
        EXPECT_NE(output.err.find(reason), std::string::npos) << output.err;
    }
    for (const auto& [help, option] : {std::pair{Analyze({"--help"}), "--exact"}, std::pair{Match({"--help"}), "--round-robin"}}) {
        EXPECT_EQ(help.code, 0);
        EXPECT_NE(help.out.find(option), std::string::npos);
    }
}

TEST(MatchToolElo, EvenScoresAreZeroAndTheIntervalNarrowsWithGames)
{
    EXPECT_NEAR(MatchTool::EloOf(75, 25, 0).difference, 190.8, 0.1);
    const MatchTool::Elo few = MatchTool::EloOf(6, 4, 0);
    const MatchTool::Elo many = MatchTool::EloOf(600, 400, 0);
    EXPECT_LT(few.low, many.low);
    EXPECT_GT(few.high, many.high);
    const MatchTool::Elo sweep = MatchTool::EloOf(100, 0, 0);
    EXPECT_GT(sweep.difference, 0.0) << "a clean sweep stays finite";
    EXPECT_LT(sweep.low, sweep.difference) << "and keeps an interval";
}

}  // namespace
