#include "players/Brain.h"

#include "players/SearchStrategy.h"
#include "support/BoardText.h"
#include "support/RandomGames.h"
#include "support/ScriptedRandom.h"

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

BoardStatus Rows(const char* r3, const char* r4, const char* r5, const char* r6, const char* r7 = " ........ ",
                 const char* r0 = "   ....   ", const char* r1 = "  ......  ", const char* r2 = " ........ ",
                 const char* r8 = "  ......  ")
{
    return BoardFromRows({r0, r1, r2, r3, r4, r5, r6, r7, r8, "   ....   "});
}

// Candidates 23, 25, 30 (a corner), 52; 25 and 30 flip two pieces, 23 and 52 one.
BoardStatus WorkedExample()
{
    return Rows(".OOX.O....", ".....O....", ".....X....", "..O.......", " .X...... ", "   X...   ", "  .O....  ");
}

// Candidates 24 (inside), 49 (edge) and 93 (corner).
BoardStatus RimPosition()
{
    return Rows("....O.....", "....X..XO.", "..........", "..........", " ..X..... ", "   ....   ", "  ......  ",
                " ........ ", "  .O....  ");
}

// Candidates 35, 46, 57; 46 flips both second-player pieces and leaves no reply.
BoardStatus WipeOutPosition()
{
    return Rows("..........", "....XO....", ".....XO...", "......X...");
}

// Candidates 46 and 75: after 75 the second player can reach the edge cell 49.
// With the corner row, candidate 33 is the only one that keeps 30 from it.
BoardStatus ThreatPosition(bool withCornerThreat)
{
    return Rows(withCornerThreat ? ".XO......." : "..........", ".......OX.", "..........", "..........",
                " ..XO.... ");
}

TEST(BrainTest, EachStrategyVotesForItsCandidatesInCandidateOrder)
{
    const struct {
        BoardStatus board;
        int code;
        Cells votes;
    } cases[] = {
        {RimPosition(), Brain::kCodeTakeCorners, {93}},
        {RimPosition(), Brain::kCodeTakeEdges, {49, 93}},
        {RimPosition(), Brain::kCodeAvoidCorners, {24, 49}},
        {RimPosition(), Brain::kCodeAvoidEdges, {24}},
        {WorkedExample(), Brain::kCodeMostFlips, {25, 30}},
        {WorkedExample(), Brain::kCodeFewestFlips, {23, 52}},
        {WipeOutPosition(), Brain::kCodeMostFlips, {46}},
        {WipeOutPosition(), Brain::kCodeFewestFlips, {35, 57}},
        {WipeOutPosition(), Brain::kCodeFewestReplies, {46}},  // no reply at all counts as fewest
        {ThreatPosition(false), Brain::kCodeKeepOffCorners, {46, 75}},
        {ThreatPosition(false), Brain::kCodeKeepOffEdges, {46}},
        {ThreatPosition(true), Brain::kCodeKeepOffCorners, {33}},
        {ThreatPosition(true), Brain::kCodeKeepOffEdges, {46}},  // nobody qualifies: one random vote (draw 1)
        {BoardStatus(), Brain::kCodeUser, {}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before = BoardToRows(c.board);
        ScriptedRandom random({1});
        Brain brain(c.board, 1);
        brain.ChooseMove({c.code, 0, 0});
        EXPECT_EQ(Votes(brain), c.votes) << c.code;
        EXPECT_EQ(BoardToRows(c.board), before) << "trial placements leave the live board alone";
    }
}

TEST(BrainTest, TallyTakesTheMostVotesAndSettlesTiesByOddDraws)
{
    const struct {
        Cells votes;
        std::vector<int> draws;
        int move;
        int drawsUsed;
    } cases[] = {
        {{35, 46, 53}, {0, 0, 0}, 35, 3}, {{35, 46, 53}, {1, 0, 0}, 35, 3}, {{35, 46, 53}, {0, 1, 0}, 46, 3},
        {{35, 46, 53}, {1, 1, 0}, 46, 3}, {{35, 46, 53}, {0, 0, 1}, 53, 3}, {{35, 46, 53}, {0, 1, 1}, 53, 3},
        {{35, 46, 46, 53}, {1}, 46, 1},  // only the single vote before the leader draws
        {{35, 35, 53, 53}, {0}, 35, 1}, {{35, 35, 53, 53}, {1}, 53, 1},
    };
    const BoardStatus board;
    for (const auto& c : cases) {
        Brain brain(board, 1);
        for (int cell : c.votes)
            brain.AddVote(cell);
        ScriptedRandom random(c.draws);
        EXPECT_EQ(brain.ChooseMove({0, 0, 0}), c.move);
        EXPECT_EQ(random.Draws(), c.drawsUsed);
    }
    // The worked example: 12 then 18 vote 30, 25, 30; the corner wins without a draw.
    const BoardStatus example = WorkedExample();
    Brain brain(example, 1);
    ScriptedRandom random({1});
    EXPECT_EQ(brain.ChooseMove({12, 18, 0}), 30);
    EXPECT_EQ(Votes(brain), (Cells{30, 25, 30}));
    EXPECT_EQ(random.Draws(), 0);
}

TEST(BrainTest, UserClicksAreAMailboxAndAFullListDropsFurtherVotes)
{
    const BoardStatus board;
    Brain brain(board, 1);
    EXPECT_EQ(brain.FirstVote(), -1);
    brain.AddVote(3, 5);
    brain.AddVote(4, 6);
    EXPECT_EQ(Votes(brain), (Cells{35, 46}));
    EXPECT_EQ(brain.FirstVote(), 35);
    brain.Clear();
    EXPECT_EQ(brain.FirstVote(), -1);
    EXPECT_EQ(brain.VoteAt(1), -1);

    for (int i = 0; i < Brain::kListSize; ++i)
        ASSERT_EQ(brain.AddVote(i), 0);
    EXPECT_EQ(brain.AddVote(0, 7), -1);
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

TEST(BrainTest, RandomVotesFillInOnlyWhileTheListIsEmptyAndCodeZeroStops)
{
    const BoardStatus board;  // candidates 35, 46, 53, 64; no corner, no edge
    const struct {
        std::array<int, 3> codes;
        std::vector<int> draws;
        Cells votes;
    } cases[] = {
        {{12, 18, 0}, {2, 0, 0, 0, 0, 0}, {53, 35, 46, 53, 64}},  // the fallback for 12, then 18's votes
        {{12, 13, 12}, {0}, {35}},                               // once it voted, later empty strategies add nothing
        {{10, 0, 0}, {1}, {}},                                    // the user's strategy never falls back
        {{11, 0, 0}, {1}, {46}},
        {{0, 12, 18}, {1}, {}},                                   // code 0 ends the list
        {{23, 5, 9}, {0, 1, 6, 0, 0, 0}, {35, 46, 53}},           // unknown codes act as random
        {{11, 11, 11}, {1, 0, 1}, {46, 35, 46}},
    };
    for (const auto& c : cases) {
        Brain brain(board, 1);
        ScriptedRandom random(c.draws);
        brain.ChooseMove(c.codes);
        EXPECT_EQ(Votes(brain), c.votes) << c.codes[0] << "," << c.codes[1] << "," << c.codes[2];
    }
    Brain voted(board, 1);
    voted.AddVote(64);
    ScriptedRandom random({3});
    EXPECT_EQ(voted.ChooseMove({12, 0, 0}), 64);
    EXPECT_EQ(random.Draws(), 1) << "the tally's one draw, no fallback";
}

TEST(BrainTest, OneCandidateIsPlayedByEveryStrategyButTheUserAndNoneMeansNoVote)
{
    std::vector<std::string> rows = StartRows();
    rows[5] = "..........";  // the first player can only play 46
    const BoardStatus one = BoardFromRows(rows);
    SeededRandom seeded(7);
    for (int code = Brain::kCodeRandom; code <= Brain::kCodeLookAhead; ++code)
        EXPECT_EQ(Brain(one, 1).ChooseMove({code, 0, 0}), 46) << code;
    EXPECT_EQ(Brain(one, 1).ChooseMove({Brain::kCodeUser, 0, 0}), -1);

    rows = StartRows();
    for (std::string& row : rows)
        std::replace(row.begin(), row.end(), 'O', 'X');
    const BoardStatus none = BoardFromRows(rows);
    Brain lone(none, 2);
    ScriptedRandom random({1});
    EXPECT_EQ(lone.ChooseMove({11, 12, 20}), -1);
    EXPECT_EQ(random.Draws(), 0);
}

TEST(BrainTest, FaceIndexAndCandidatesFollowTheLiveBoard)
{
    BoardStatus board;
    Brain first(board, 1);
    Brain second(board, 2);
    EXPECT_EQ(first.FaceIndex(), 0);
    ASSERT_EQ(board.Place(3, 5, 1, 0), 0);
    EXPECT_EQ(first.FaceIndex(), 1);
    EXPECT_EQ(second.FaceIndex(), 3);
    second.ChooseMove({16, 0, 0});
    EXPECT_EQ(second.CandidateCount(), 3);
    EXPECT_EQ(Votes(second), (Cells{34, 36, 56}));
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

}  // namespace
