#include "players/Brain.h"

#include "support/BoardText.h"
#include "support/ScriptedRandom.h"
#include "support/RandomGames.h"
#include "search/Searcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Cells = std::vector<int>;

Cells Votes(const Brain& brain)
{
    Cells votes;
    for (int i = 0; i < brain.VoteCount(); ++i)
        votes.push_back(brain.VoteAt(i));
    return votes;
}

Cells Candidates(const Brain& brain)
{
    Cells candidates;
    for (int i = 0; i < brain.CandidateCount(); ++i)
        candidates.push_back(brain.CandidateAt(i));
    return candidates;
}

// Votes cast by one strategy on a fresh brain for the first player.
Cells VotesOf(const BoardStatus& board, int code)
{
    Brain brain(board, 1);
    brain.ChooseMove({code, 0, 0});
    return Votes(brain);
}

// Candidates 23, 25, 30 (a corner), 52; 25 and 30 flip two pieces, 23 and 52 one.
BoardStatus WorkedExample()
{
    return BoardFromRows({
        "   X...   ",
        "  .O....  ",
        " ........ ",
        ".OOX.O....",
        ".....O....",
        ".....X....",
        "..O.......",
        " .X...... ",
        "  ......  ",
        "   ....   ",
    });
}

// Candidates 24 (inside), 49 (edge) and 93 (corner).
BoardStatus RimPosition()
{
    return BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        "....O.....",
        "....X..XO.",
        "..........",
        "..........",
        " ..X..... ",
        "  .O....  ",
        "   ....   ",
    });
}

// Candidates 35, 46, 57; 46 flips both second-player pieces and leaves no reply.
BoardStatus WipeOutPosition()
{
    return BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        "..........",
        "....XO....",
        ".....XO...",
        "......X...",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
}

// Candidates 46 and 75: after 75 the second player can reach the edge cell 49.
// With the corner row, candidate 33 is the only one that keeps 30 from it.
BoardStatus ThreatPosition(bool withCornerThreat)
{
    return BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        withCornerThreat ? ".XO......." : "..........",
        ".......OX.",
        "..........",
        "..........",
        " ..XO.... ",
        "  ......  ",
        "   ....   ",
    });
}

// The start with the lower row of the centre emptied: the first player can only play 46.
BoardStatus OneCandidatePosition()
{
    std::vector<std::string> rows = StartRows();
    rows[5] = "..........";
    return BoardFromRows(rows);
}

TEST(BrainTest, CornerAndEdgeTablesAreTheOctagonRimInRowOrder)
{
    const auto off = [](int r, int c) { return !BoardStatus::IsOnBoard(r, c); };
    Cells rim;
    for (int cell = 0; cell < 100; ++cell) {
        const int r = cell / 10, c = cell % 10;
        if (!off(r, c) && (off(r - 1, c) || off(r + 1, c) || off(r, c - 1) || off(r, c + 1)))
            rim.push_back(cell);
    }
    Cells edges, corners;
    for (const Brain::Square& s : Brain::EdgeCells)
        edges.push_back(s.row * 10 + s.column);
    for (const Brain::Square& s : Brain::CornerCells)
        corners.push_back(s.row * 10 + s.column);
    EXPECT_EQ(edges, rim);
    EXPECT_EQ(corners, (Cells{3, 6, 30, 39, 60, 69, 93, 96}));
}

TEST(BrainTest, UserClicksAreAMailboxWhoseFirstVoteIsTheMove)
{
    const BoardStatus board;
    Brain brain(board, 1);
    EXPECT_EQ(brain.FirstVote(), -1);
    EXPECT_EQ(brain.AddVote(3, 5), 0);
    EXPECT_EQ(brain.AddVote(4, 6), 0);
    EXPECT_EQ(brain.FirstVote(), 35);
    EXPECT_EQ(Votes(brain), (Cells{35, 46}));

    EXPECT_EQ(brain.Clear(), 0);
    EXPECT_EQ(brain.FirstVote(), -1);
    EXPECT_EQ(brain.VoteAt(1), -1);
}

TEST(BrainTest, FullVoteListDropsFurtherVotes)
{
    const BoardStatus board;
    Brain brain(board, 1);
    for (int i = 0; i < Brain::kListSize; ++i)
        ASSERT_EQ(brain.AddVote(i), 0);
    EXPECT_EQ(brain.AddVote(7), -1);
    EXPECT_EQ(brain.AddVote(0, 7), -1);
    EXPECT_EQ(brain.VoteCount(), Brain::kListSize);
    EXPECT_EQ(brain.VoteAt(Brain::kListSize - 1), Brain::kListSize - 1);

    // Strategies vote into the full list without effect; the tally reads slots 0..150 only.
    std::vector<int> draws(1 + 151, 0);
    draws.push_back(1);
    ScriptedRandom random(draws);
    EXPECT_EQ(brain.ChooseMove({17, 11, 0}), 0);
    EXPECT_EQ(brain.VoteCount(), Brain::kListSize);
    EXPECT_EQ(random.Draws(), 1 + 151);

    // A second vote in the very last slot still counts for the cell's first vote.
    Brain last(board, 1);
    for (int i = 0; i < Brain::kListSize - 1; ++i)
        last.AddVote(i);
    last.AddVote(5);
    ScriptedRandom lastRandom({1});
    EXPECT_EQ(last.ChooseMove({0, 0, 0}), 5);
    EXPECT_EQ(lastRandom.Draws(), 5);
}

TEST(BrainTest, TallySettlesEqualCountsByOddDraws)
{
    const BoardStatus board;
    // Three single-vote cells, each drawing once in the order of their votes.
    const struct {
        std::vector<int> draws;
        int expected;
    } cases[] = {
        {{0, 0, 0}, 35}, {{1, 0, 0}, 35}, {{0, 1, 0}, 46}, {{1, 1, 0}, 46}, {{0, 0, 1}, 53}, {{0, 1, 1}, 53},
    };
    for (const auto& tc : cases) {
        Brain brain(board, 1);
        for (int cell : {35, 46, 53})
            brain.AddVote(cell);
        ScriptedRandom random(tc.draws);
        EXPECT_EQ(brain.ChooseMove({0, 0, 0}), tc.expected);
        EXPECT_EQ(random.Draws(), 3);
    }
}

TEST(BrainTest, TallyPrefersMoreVotesAndFlipsOnlyForTies)
{
    const BoardStatus board;
    {
        Brain brain(board, 1);
        for (int cell : {35, 46, 46, 53})
            brain.AddVote(cell);
        ScriptedRandom random({1, 1, 1, 1});
        EXPECT_EQ(brain.ChooseMove({0, 0, 0}), 46);
        EXPECT_EQ(random.Draws(), 1);  // only the single vote before the leader draws
    }
    for (int draw : {0, 1}) {
        Brain brain(board, 1);
        for (int cell : {35, 35, 53, 53})
            brain.AddVote(cell);
        ScriptedRandom random({draw});
        EXPECT_EQ(brain.ChooseMove({0, 0, 0}), draw == 1 ? 53 : 35);
        EXPECT_EQ(random.Draws(), 1);
    }
}

TEST(BrainTest, WorkedExampleReturnsTheCornerWithTwoVotes)
{
    const BoardStatus board = WorkedExample();
    Brain brain(board, 1);
    ScriptedRandom random({1});
    EXPECT_EQ(brain.ChooseMove({12, 18, 0}), 30);
    EXPECT_EQ(Votes(brain), (Cells{30, 25, 30}));
    EXPECT_EQ(random.Draws(), 0);
}

TEST(BrainTest, PositionalStrategiesVoteInCandidateOrder)
{
    const BoardStatus rim = RimPosition();
    EXPECT_EQ(VotesOf(rim, 12), (Cells{93}));
    EXPECT_EQ(VotesOf(rim, 13), (Cells{49, 93}));
    EXPECT_EQ(VotesOf(rim, 16), (Cells{24, 49}));
    EXPECT_EQ(VotesOf(rim, 17), (Cells{24}));
}

TEST(BrainTest, CountingStrategiesVoteForEveryCandidateReachingTheBest)
{
    const BoardStatus example = WorkedExample();
    EXPECT_EQ(VotesOf(example, 18), (Cells{25, 30}));
    EXPECT_EQ(VotesOf(example, 19), (Cells{23, 52}));

    const BoardStatus wipeOut = WipeOutPosition();
    EXPECT_EQ(VotesOf(wipeOut, 18), (Cells{46}));
    EXPECT_EQ(VotesOf(wipeOut, 19), (Cells{35, 57}));
    EXPECT_EQ(VotesOf(wipeOut, 20), (Cells{46})) << "leaving no reply at all counts as fewest";
}

TEST(BrainTest, KeepOffStrategiesLookAtTheOpponentsReplies)
{
    const BoardStatus edgeThreat = ThreatPosition(false);
    EXPECT_EQ(VotesOf(edgeThreat, 14), (Cells{46, 75}));
    EXPECT_EQ(VotesOf(edgeThreat, 15), (Cells{46}));

    const BoardStatus cornerThreat = ThreatPosition(true);
    EXPECT_EQ(VotesOf(cornerThreat, 14), (Cells{33}));
    ScriptedRandom random({1});
    EXPECT_EQ(VotesOf(cornerThreat, 15), (Cells{46}));  // nobody qualifies: one random vote
}

TEST(BrainTest, TrialPlacementsLeaveTheLiveBoardAlone)
{
    const BoardStatus board = WipeOutPosition();
    const std::vector<std::string> before = BoardToRows(board);
    Brain brain(board, 1);
    brain.ChooseMove({14, 15, 18});
    brain.ChooseMove({19, 20, 0});
    EXPECT_EQ(BoardToRows(board), before);
    EXPECT_EQ(board.MoveCount(), 0);
    EXPECT_EQ(board.FlippedAt(0), -1);
}

TEST(BrainTest, FallbackVotesRandomlyOnlyWhileTheListIsEmpty)
{
    const BoardStatus board;
    {
        // No corner: the fallback votes for candidate 2 (53), which 18 votes for again.
        Brain brain(board, 1);
        ScriptedRandom random({2, 0, 0, 0, 0, 0});
        EXPECT_EQ(brain.ChooseMove({12, 18, 0}), 53);
        EXPECT_EQ(Votes(brain), (Cells{53, 35, 46, 53, 64}));
    }
    {
        // Once the fallback has voted, later empty-handed strategies add nothing.
        Brain brain(board, 1);
        ScriptedRandom random({0});
        brain.ChooseMove({12, 13, 12});
        EXPECT_EQ(Votes(brain), (Cells{35}));
    }
    {
        Brain brain(board, 1);
        brain.AddVote(64);
        ScriptedRandom random({3});
        EXPECT_EQ(brain.ChooseMove({12, 0, 0}), 64);
        EXPECT_EQ(Votes(brain), (Cells{64}));
        EXPECT_EQ(random.Draws(), 1);  // the tally's one draw, no fallback
    }
    for (int code : {10, 11}) {
        Brain brain(board, 1);
        ScriptedRandom random({1});
        brain.ChooseMove({code, 0, 0});
        EXPECT_EQ(brain.VoteCount(), code == 10 ? 0 : 1) << code;
    }
}

TEST(BrainTest, CodeZeroStopsAndUnknownCodesActAsRandom)
{
    const BoardStatus board;
    {
        Brain brain(board, 1);
        EXPECT_EQ(brain.ChooseMove({0, 12, 18}), -1);
        EXPECT_EQ(brain.VoteCount(), 0);
        EXPECT_EQ(brain.CandidateCount(), 4);
    }
    {
        Brain brain(board, 1);
        ScriptedRandom random({0, 1, 6, 0, 0, 0});
        const int codes[3] = {23, 5, 9};
        brain.ChooseMove(codes);
        EXPECT_EQ(Votes(brain), (Cells{35, 46, 53}));
    }
    {
        Brain brain(board, 1);
        ScriptedRandom random({1, 0, 1});
        EXPECT_EQ(brain.ChooseMove({11, 11, 11}), 46);
        EXPECT_EQ(Votes(brain), (Cells{46, 35, 46}));
    }
}

TEST(BrainTest, OneCandidateIsPlayedByEveryStrategyButTheUser)
{
    const BoardStatus board = OneCandidatePosition();
    SeededRandom seeded(7);
    for (int code = 11; code <= 21; ++code) {
        Brain brain(board, 1);
        EXPECT_EQ(brain.ChooseMove({code, 0, 0}), 46) << code;
    }
    Brain user(board, 1);
    EXPECT_EQ(user.ChooseMove({10, 0, 0}), -1);
}

TEST(BrainTest, NoCandidateMeansNoVoteAndNoDraw)
{
    // The second player has no piece left, so no cell is legal for it.
    std::vector<std::string> rows = StartRows();
    for (std::string& row : rows)
        std::replace(row.begin(), row.end(), 'O', 'X');
    const BoardStatus board = BoardFromRows(rows);
    Brain lone(board, 2);
    ScriptedRandom random({1});
    EXPECT_EQ(lone.ChooseMove({11, 12, 20}), -1);
    EXPECT_EQ(lone.VoteCount(), 0);
    EXPECT_EQ(random.Draws(), 0);
}

TEST(BrainTest, FaceIndexComparesLivePieceCounts)
{
    BoardStatus board;
    Brain first(board, 1);
    Brain second(board, 2);
    EXPECT_EQ(first.FaceIndex(), 0);
    EXPECT_EQ(second.FaceIndex(), 0);
    ASSERT_EQ(board.Place(3, 5, 1, 0), 0);
    EXPECT_EQ(first.FaceIndex(), 1);
    EXPECT_EQ(second.FaceIndex(), 3);
    // The brain reads the live board as it is now, not as it was at construction.
    EXPECT_NE(second.ChooseMove({16, 0, 0}), -1);
    EXPECT_EQ(Candidates(second), (Cells{34, 36, 56}));
}

TEST(BrainTest, StrategyKeywordsMapBothWays)
{
    EXPECT_STREQ(Brain::StrategyKeyword(10), "NormalBrain00");
    EXPECT_STREQ(Brain::StrategyKeyword(20), "NormalBrain10");
    EXPECT_STREQ(Brain::StrategyKeyword(22), "NormalBrain12");
    for (int code : {0, 9, 23, -1})
        EXPECT_STREQ(Brain::StrategyKeyword(code), "") << code;
    for (int code = 10; code <= 22; ++code)
        EXPECT_EQ(Brain::StrategyCode(Brain::StrategyKeyword(code)), code);
    for (const char* text : {"", "normalbrain02", "NormalBrain13", "NormalBrain1", "NormalBrain02 "})
        EXPECT_EQ(Brain::StrategyCode(text), 0) << text;
}

// Codes 21 and 22 vote for the search's best cells, computed inside or handed in.
TEST(BrainTest, SearchStrategiesVoteForTheBestCellsOfTheirSearch)
{
    int side = 1;
    const BoardStatus board = RandomBoard(11, 60, &side);
    for (const int code : {Brain::kCodeLookAhead, Brain::kCodeDeepRead}) {
        Brain brain(board, side);
        SearchBudget budget;
        budget.moveTimeMs = 50;
        budget.fixedRate = true;
        brain.SetSearchBudget(budget);
        std::vector<int> best = SearchStrategy::BestCells(board, side, code, brain.GetSearchBudget());
        std::sort(best.begin(), best.end());
        ASSERT_FALSE(best.empty());
        brain.ChooseMove({code, 0, 0});
        EXPECT_EQ(Votes(brain), best) << code;
    }
    Brain brain(board, side);
    brain.ChooseMove({Brain::kCodeRandom, 0, 0});
    const int legal = brain.CandidateAt(brain.CandidateCount() - 1);
    brain.Clear();
    brain.SetSearchCells(Brain::kCodeDeepRead, {legal, 99});
    EXPECT_EQ(brain.ChooseMove({Brain::kCodeDeepRead, 0, 0}), legal) << "a cell that is no candidate gets no vote";
    EXPECT_EQ(Votes(brain), (Cells{legal}));
}

TEST(BrainTest, TheDeepReadingSolvesTheEndExactly)
{
    // Eight empty cells: the deep reading's best cells are the exact solver's.
    int side = 1;
    const BoardStatus board = RandomBoard(3, 64, &side);
    const std::vector<int> best = SearchStrategy::BestCells(board, side, Brain::kCodeDeepRead, SearchBudget{});
    Searcher searcher;
    SearchLimits limits;
    limits.exactEmpties = 20;
    limits.allScores = true;
    const SearchResult exact = searcher.Run(Position::FromBoard(board, side), limits);
    ASSERT_TRUE(exact.exact);
    std::vector<int> expected = exact.best;
    std::vector<int> got = best;
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
}

}  // namespace
