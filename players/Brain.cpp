#include "players/Brain.h"

#include "platform/Random.h"

namespace {

constexpr int kSize = BoardStatus::kSize;
constexpr int kCells = BoardStatus::kCells;
// The tally never looks at the last slot: a vote there has no later slot to match.
constexpr int kLastTallyPosition = Brain::kListSize - 2;

template <std::size_t N>
constexpr std::array<bool, kCells> CellSet(const Brain::Square (&squares)[N])
{
    std::array<bool, kCells> set{};
    for (const Brain::Square& square : squares)
        set[square.row * kSize + square.column] = true;
    return set;
}

constexpr std::array<bool, kCells> kCornerSet = CellSet(Brain::CornerCells);
constexpr std::array<bool, kCells> kEdgeSet = CellSet(Brain::EdgeCells);

constexpr const char* kKeywords[] = {
    "NormalBrain00", "NormalBrain01", "NormalBrain02", "NormalBrain03",
    "NormalBrain04", "NormalBrain05", "NormalBrain06", "NormalBrain07",
    "NormalBrain08", "NormalBrain09", "NormalBrain10", "NormalBrain11", "NormalBrain12",
};
constexpr int kKeywordCount = static_cast<int>(std::size(kKeywords));

}  // namespace

Brain::Brain(const BoardStatus& liveBoard, int side)
    : liveBoard_(liveBoard)
    , side_(side)
{
    Clear();
}

int Brain::AddVote(int cell)
{
    if (voteCount_ >= kListSize)
        return -1;
    votes_[voteCount_++] = cell;
    return 0;
}

int Brain::AddVote(int row, int column)
{
    return AddVote(row * kSize + column);
}

int Brain::Clear()
{
    candidateCount_ = 0;
    voteCount_ = 0;
    for (int i = 0; i < kListSize; ++i) {
        candidates_[i] = -1;
        votes_[i] = -1;
    }
    searchCellCount_[0] = searchCellCount_[1] = -1;
    return 0;
}

int Brain::FirstVote() const
{
    return votes_[0];
}

int Brain::CandidateAt(int index) const
{
    return index >= 0 && index < kListSize ? candidates_[index] : -1;
}

int Brain::VoteAt(int index) const
{
    return index >= 0 && index < kListSize ? votes_[index] : -1;
}

int Brain::ChooseMove(const std::array<int, 3>& codes)
{
    return ChooseMove(codes.data());
}

int Brain::ChooseMove(const int codes[3])
{
    CollectCandidates();
    for (int k = 0; codes != nullptr && k < 3 && codes[k] != kCodeNone; ++k) {
        RunStrategy(codes[k]);
        if (codes[k] >= kCodeTakeCorners && codes[k] <= kCodeDeepRead && voteCount_ == 0)
            VoteRandom();
    }
    if (voteCount_ == 0)
        return -1;
    return Tally();
}

int Brain::FaceIndex() const
{
    const int own = liveBoard_.CountOwner(side_);
    const int other = liveBoard_.CountOwner(3 - side_);
    if (own > other)
        return 1;
    if (own < other)
        return 3;
    return 0;
}

const char* Brain::StrategyKeyword(int code)
{
    if (code < kCodeUser || code >= kCodeUser + kKeywordCount)
        return "";
    return kKeywords[code - kCodeUser];
}

int Brain::StrategyCode(const std::string& keyword)
{
    for (int i = 0; i < kKeywordCount; ++i) {
        if (keyword == kKeywords[i])
            return kCodeUser + i;
    }
    return kCodeNone;
}

bool Brain::IsCornerCell(int cell)
{
    return cell >= 0 && cell < kCells && kCornerSet[cell];
}

bool Brain::IsEdgeCell(int cell)
{
    return cell >= 0 && cell < kCells && kEdgeSet[cell];
}

void Brain::CollectCandidates()
{
    candidateCount_ = 0;
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            if (candidateCount_ < kMaxCandidates && liveBoard_.IsLegal(r, c, side_))
                candidates_[candidateCount_++] = r * kSize + c;
        }
    }
    for (int i = candidateCount_; i < kListSize; ++i)
        candidates_[i] = -1;
}

void Brain::RunStrategy(int code)
{
    switch (code) {
    case kCodeUser:
        break;
    case kCodeTakeCorners:
        VoteWhere(IsCornerCell, true);
        break;
    case kCodeTakeEdges:
        VoteWhere(IsEdgeCell, true);
        break;
    case kCodeKeepOffCorners:
        VoteKeepingOpponentOff(IsCornerCell);
        break;
    case kCodeKeepOffEdges:
        VoteKeepingOpponentOff(IsEdgeCell);
        break;
    case kCodeAvoidCorners:
        VoteWhere(IsCornerCell, false);
        break;
    case kCodeAvoidEdges:
        VoteWhere(IsEdgeCell, false);
        break;
    case kCodeMostFlips:
        VoteBest(&Brain::FlipsOf, 0, true);
        break;
    case kCodeFewestFlips:
        VoteBest(&Brain::FlipsOf, kMaxCandidates, false);
        break;
    case kCodeFewestReplies:
        VoteBest(&Brain::RepliesAfter, kMaxCandidates, false);
        break;
    case kCodeLookAhead:
    case kCodeDeepRead:
        VoteSearch(code);
        break;
    default:
        VoteRandom();
        break;
    }
}

// The most-voted cell wins; among equals, each later one takes over on an odd draw.
int Brain::Tally()
{
    int pick = 0;
    int bestCount = 0;
    for (int i = 0; i <= kLastTallyPosition && votes_[i] != -1; ++i) {
        int count = 0;
        for (int j = i + 1; j < kListSize; ++j) {
            if (votes_[j] == votes_[i])
                ++count;
        }
        if (count > bestCount) {
            bestCount = count;
            pick = i;
        } else if (count == bestCount && Random::Next() % 2 == 1) {
            pick = i;
        }
    }
    return votes_[pick];
}

void Brain::VoteRandom()
{
    if (candidateCount_ == 0)
        return;
    int index = Random::Next() % candidateCount_;
    if (index < 0)
        index += candidateCount_;
    AddVote(candidates_[index]);
}

void Brain::VoteWhere(bool (*test)(int cell), bool wanted)
{
    for (int i = 0; i < candidateCount_; ++i) {
        if (test(candidates_[i]) == wanted)
            AddVote(candidates_[i]);
    }
}

void Brain::VoteKeepingOpponentOff(bool (*test)(int cell))
{
    const int opponent = 3 - side_;
    for (int i = 0; i < candidateCount_; ++i) {
        TryOnScratch(candidates_[i]);
        bool reaches = false;
        for (int cell = 0; cell < kCells && !reaches; ++cell)
            reaches = test(cell) && scratch_.IsLegal(cell / kSize, cell % kSize, opponent);
        if (!reaches)
            AddVote(candidates_[i]);
    }
}

// Votes for every candidate whose measure reaches the best value, in list order.
void Brain::VoteBest(int (Brain::*measure)(int cell), int start, bool most)
{
    int best = start;
    int chosen[kMaxCandidates];
    int chosenCount = 0;
    for (int i = 0; i < candidateCount_; ++i) {
        const int value = (this->*measure)(candidates_[i]);
        if (most ? value > best : value < best) {
            best = value;
            chosenCount = 0;
        }
        if (value == best)
            chosen[chosenCount++] = candidates_[i];
    }
    for (int i = 0; i < chosenCount; ++i)
        AddVote(chosen[i]);
}

void Brain::SetSearchCells(int code, const std::vector<int>& cells)
{
    if (code != kCodeLookAhead && code != kCodeDeepRead)
        return;
    const int slot = code - kCodeLookAhead;
    searchCellCount_[slot] = 0;
    for (const int cell : cells) {
        if (searchCellCount_[slot] < kMaxCandidates)
            searchCells_[slot][searchCellCount_[slot]++] = cell;
    }
}

// Votes once for each candidate among the search's best cells, in candidate order.
void Brain::VoteSearch(int code)
{
    if (candidateCount_ == 0)
        return;
    const int slot = code - kCodeLookAhead;
    if (searchCellCount_[slot] < 0)
        SetSearchCells(code, SearchStrategy::BestCells(liveBoard_, side_, code, searchBudget_, stop_));
    for (int i = 0; i < candidateCount_; ++i) {
        for (int j = 0; j < searchCellCount_[slot]; ++j) {
            if (searchCells_[slot][j] == candidates_[i]) {
                AddVote(candidates_[i]);
                break;
            }
        }
    }
}

void Brain::TryOnScratch(int cell)
{
    scratch_.CopyFrom(liveBoard_);
    scratch_.Place(cell / kSize, cell % kSize, side_, 0);
}

int Brain::FlipsOf(int cell)
{
    TryOnScratch(cell);
    int flips = 0;
    while (flips < kCells && scratch_.FlippedAt(flips) != -1)
        ++flips;
    return flips;
}

int Brain::RepliesAfter(int cell)
{
    TryOnScratch(cell);
    const int opponent = 3 - side_;
    int replies = 0;
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c)
            replies += scratch_.IsLegal(r, c, opponent);
    }
    return replies;
}
