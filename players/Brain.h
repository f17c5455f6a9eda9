#pragma once

#include "engine/BoardStatus.h"
#include "players/SearchStrategy.h"

#include <array>
#include <vector>
#include <string>

// Chooses the cell one side places on next. A computer turn runs up to three
// strategies that vote among the side's legal cells and plays the most-voted
// one; a user's turn uses the same vote list as a mailbox for clicks.
// Owns a scratch board for trial placements and nothing else: no allocation.
class Brain {
public:
    static constexpr int kListSize = 152;
    static constexpr int kMaxCandidates = BoardStatus::kPlayableCells;

    static constexpr int kCodeNone = 0;
    static constexpr int kCodeUser = 10;
    static constexpr int kCodeRandom = 11;
    static constexpr int kCodeTakeCorners = 12;
    static constexpr int kCodeTakeEdges = 13;
    static constexpr int kCodeKeepOffCorners = 14;
    static constexpr int kCodeKeepOffEdges = 15;
    static constexpr int kCodeAvoidCorners = 16;
    static constexpr int kCodeAvoidEdges = 17;
    static constexpr int kCodeMostFlips = 18;
    static constexpr int kCodeFewestFlips = 19;
    static constexpr int kCodeFewestReplies = 20;
    static constexpr int kCodeLookAhead = 21;
    static constexpr int kCodeDeepRead = 22;

    struct Square {
        int row;
        int column;
    };

    // The ends of the octagon's eight sides.
    static constexpr Square CornerCells[8] = {
        {0, 3}, {0, 6}, {3, 0}, {3, 9}, {6, 0}, {6, 9}, {9, 3}, {9, 6},
    };
    // Every cell on the octagon's rim, corners included.
    static constexpr Square EdgeCells[24] = {
        {0, 3}, {0, 4}, {0, 5}, {0, 6}, {1, 2}, {1, 7}, {2, 1}, {2, 8},
        {3, 0}, {3, 9}, {4, 0}, {4, 9}, {5, 0}, {5, 9}, {6, 0}, {6, 9},
        {7, 1}, {7, 8}, {8, 2}, {8, 7}, {9, 3}, {9, 4}, {9, 5}, {9, 6},
    };

    // The live board is only read; it must outlive the brain.
    Brain(const BoardStatus& liveBoard, int side);
    Brain(BoardStatus&&, int) = delete;
    Brain(const Brain&) = delete;
    Brain& operator=(const Brain&) = delete;

    // 0, or -1 without change when the vote list is full. The cell is not checked.
    int AddVote(int cell);
    int AddVote(int row, int column);
    int Clear();
    // The first vote cast, -1 when there is none.
    int FirstVote() const;

    // Runs the strategies of codes[0..2] (0 ends the list) and returns the
    // most-voted cell, equal counts settled at random; -1 when nobody voted.
    int ChooseMove(const int codes[3]);
    int ChooseMove(const std::array<int, 3>& codes);

    // The budget of the search strategies when they run inside ChooseMove.
    void SetSearchBudget(const SearchBudget& budget) { searchBudget_ = budget; }
    const SearchBudget& GetSearchBudget() const { return searchBudget_; }
    // A flag that ends the searches run inside ChooseMove early (they then vote for nothing).
    void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    // Best cells of a search code found elsewhere (a worker thread) for the
    // next ChooseMove; without them the search runs inside it. Clear forgets them.
    void SetSearchCells(int code, const std::vector<int>& cells);

    // 1 when the side has more pieces on the live board, 3 when fewer, 0 when equal.
    int FaceIndex() const;

    int Side() const { return side_; }
    int CandidateCount() const { return candidateCount_; }
    int CandidateAt(int index) const;
    int VoteCount() const { return voteCount_; }
    int VoteAt(int index) const;

    // "NormalBrain00".."NormalBrain12" for codes 10..22, "" for any other code.
    static const char* StrategyKeyword(int code);
    // The code of an exact keyword, 0 for anything else.
    static int StrategyCode(const std::string& keyword);

    static bool IsCornerCell(int cell);
    static bool IsEdgeCell(int cell);

private:
    void CollectCandidates();
    void RunStrategy(int code);
    int Tally();

    void VoteRandom();
    void VoteWhere(bool (*test)(int cell), bool wanted);
    void VoteKeepingOpponentOff(bool (*test)(int cell));
    void VoteBest(int (Brain::*measure)(int cell), int start, bool most);
    void VoteSearch(int code);

    // Tries the candidate on a fresh copy of the live board.
    void TryOnScratch(int cell);
    int FlipsOf(int cell);
    int RepliesAfter(int cell);

    const BoardStatus& liveBoard_;
    BoardStatus scratch_;
    int side_;
    int candidateCount_ = 0;
    int candidates_[kListSize];
    int voteCount_ = 0;
    int votes_[kListSize];
    SearchBudget searchBudget_;
    const std::atomic<bool>* stop_ = nullptr;
    // Cells given by SetSearchCells for codes 21 and 22; -1 count when none were given.
    int searchCellCount_[2] = {-1, -1};
    int searchCells_[2][kMaxCandidates];
};
