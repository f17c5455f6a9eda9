#include "players/Brain.h"

#include "players/SearchStrategy.h"
#include "support/BoardText.h"
#include "support/RandomGames.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>
#include <type_traits>
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
const BoardStatus kWorkedExample =
    Rows(".OOX.O....", ".....O....", ".....X....", "..O.......", " .X...... ", "   X...   ", "  .O....  ");
// Candidates 24 (inside), 49 (edge) and 93 (corner).
const BoardStatus kRim = Rows("....O.....", "....X..XO.", "..........", "..........", " ..X..... ", "   ....   ",
                              "  ......  ", " ........ ", "  .O....  ");
// Candidates 35, 46, 57; 46 flips both second-player pieces and leaves no reply.
const BoardStatus kWipeOut = Rows("..........", "....XO....", ".....XO...", "......X...");
// Candidates 46 and 75: after 75 the second player can reach the edge cell 49.
const BoardStatus kThreat = Rows("..........", ".......OX.", "..........", "..........", " ..XO.... ");
// The same with a corner threat: candidate 33 is the only one that keeps 30 from the second player.
const BoardStatus kCornerThreat = Rows(".XO.......", ".......OX.", "..........", "..........", " ..XO.... ");
// No second-player piece left: the first player has no placement.
const BoardStatus kNoMove = Rows("..........", "....XX....", "....XX....", "..........");

// The live board must outlive the brain, so a temporary one is refused.
static_assert(!std::is_constructible_v<Brain, BoardStatus&&, int>);

TEST(BrainTest, EachStrategyVotesForItsCandidatesInCandidateOrderAndRandomOnlyFillsAnEmptyList)
{
    const BoardStatus start;  // candidates 35, 46, 53, 64; no corner, no edge
    // Position, codes, random draws, then the votes cast.
    const std::tuple<BoardStatus, std::array<int, 3>, std::vector<int>, Cells> cases[] = {
        {kRim, {Brain::kCodeTakeCorners, 0, 0}, {1}, {93}},
        {kRim, {Brain::kCodeTakeEdges, 0, 0}, {1}, {49, 93}},
        {kRim, {Brain::kCodeAvoidCorners, 0, 0}, {1}, {24, 49}},
        {kRim, {Brain::kCodeAvoidEdges, 0, 0}, {1}, {24}},
        {kWorkedExample, {Brain::kCodeMostFlips, 0, 0}, {1}, {25, 30}},
        {kWorkedExample, {Brain::kCodeFewestFlips, 0, 0}, {1}, {23, 52}},
        {kWorkedExample, {12, 18, 0}, {1}, {30, 25, 30}},  // the corner, then the most flips
        {kWipeOut, {Brain::kCodeMostFlips, 0, 0}, {1}, {46}},
        {kWipeOut, {Brain::kCodeFewestFlips, 0, 0}, {1}, {35, 57}},
        {kWipeOut, {Brain::kCodeFewestReplies, 0, 0}, {1}, {46}},  // no reply at all counts as fewest
        {kThreat, {Brain::kCodeKeepOffCorners, 0, 0}, {1}, {46, 75}},
        {kThreat, {Brain::kCodeKeepOffEdges, 0, 0}, {1}, {46}},
        {kCornerThreat, {Brain::kCodeKeepOffCorners, 0, 0}, {1}, {33}},
        {kCornerThreat, {Brain::kCodeKeepOffEdges, 0, 0}, {1}, {46}},  // nobody qualifies: one random vote
        {start, {12, 18, 0}, {2, 0, 0, 0, 0, 0}, {53, 35, 46, 53, 64}},  // the fallback for 12, then 18's votes
        {start, {12, 13, 12}, {0}, {35}},                               // once it voted, later empty ones add nothing
        {start, {10, 0, 0}, {1}, {}},                                    // the user's strategy never falls back
        {start, {11, 0, 0}, {1}, {46}},
        {start, {0, 12, 18}, {1}, {}},                                   // code 0 ends the list
        {start, {23, 5, 9}, {0, 1, 6, 0, 0, 0}, {35, 46, 53}},           // unknown codes act as random
        {start, {11, 11, 11}, {1, 0, 1}, {46, 35, 46}},
        {kNoMove, {11, 12, 20}, {1}, {}},
    };
    for (const auto& [board, codes, draws, votes] : cases) {
        SCOPED_TRACE(testing::Message() << codes[0] << "," << codes[1] << "," << codes[2]);
        const std::vector<std::string> before = BoardToRows(board);
        ScriptedRandom random(draws);
        Brain brain(board, 1);
        EXPECT_EQ(brain.ChooseMove(codes) == -1, votes.empty());
        EXPECT_EQ(Votes(brain), votes);
        EXPECT_EQ(BoardToRows(board), before) << "trial placements leave the live board alone";
    }
}

TEST(BrainTest, TallyTakesTheMostVotesAndSettlesTiesByOddDraws)
{
    // Every cell 0..150 once, then a second vote for 5 in the very last slot, which still counts.
    Cells lastSlot(Brain::kListSize - 1);
    std::iota(lastSlot.begin(), lastSlot.end(), 0);
    lastSlot.push_back(5);
    // Votes cast, random draws, then the move and the number of draws used.
    const std::tuple<Cells, std::vector<int>, int, int> cases[] = {
        {{35, 46, 53}, {0, 0, 0}, 35, 3}, {{35, 46, 53}, {1, 0, 0}, 35, 3}, {{35, 46, 53}, {0, 1, 0}, 46, 3},
        {{35, 46, 53}, {1, 1, 0}, 46, 3}, {{35, 46, 53}, {0, 0, 1}, 53, 3}, {{35, 46, 53}, {0, 1, 1}, 53, 3},
        {{35, 46, 46, 53}, {1}, 46, 1}, {{30, 25, 30}, {1}, 30, 0},  // only a single vote before the leader draws
        {{35, 35, 53, 53}, {0}, 35, 1}, {{35, 35, 53, 53}, {1}, 53, 1}, {lastSlot, {1}, 5, 5},
    };
    const BoardStatus board;
    for (const auto& [votes, draws, move, drawsUsed] : cases) {
        Brain brain(board, 1);
        for (int cell : votes)
            brain.AddVote(cell);
        ScriptedRandom random(draws);
        EXPECT_EQ(brain.ChooseMove({0, 0, 0}), move);
        EXPECT_EQ(random.Draws(), drawsUsed);
    }
}

// The face and the candidates follow the live board; user clicks are a mailbox; a full list drops further votes.
TEST(BrainTest, FaceAndCandidatesFollowTheLiveBoardAndTheVoteListIsAMailbox)
{
    BoardStatus board;
    Brain brain(board, 1);
    Brain second(board, 2);
    EXPECT_EQ(brain.FaceIndex(), 0);
    ASSERT_EQ(board.Place(3, 5, 1, 0), 0);
    EXPECT_EQ(brain.FaceIndex() * 10 + second.FaceIndex(), 13);
    second.ChooseMove({16, 0, 0});
    EXPECT_EQ(Votes(second), (Cells{34, 36, 56}));

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
    const BoardStatus start;  // candidates 35, 46, 53, 64
    Brain handed(start, 1);
    handed.SetSearchCells(Brain::kCodeDeepRead, {46, 99});
    handed.ChooseMove({Brain::kCodeDeepRead, 0, 0});
    EXPECT_EQ(Votes(handed), (Cells{46})) << "a cell that is no candidate gets no vote";
}

}  // namespace
