#include "players/MatchGame.h"

#include "engine/BoardStatus.h"
#include "players/Brain.h"
#include "platform/Random.h"

#include <random>

namespace {

constexpr int kPass = -11;

bool Place(BoardStatus& board, int cell, int side, std::vector<int>* moves)
{
    if (board.Place(cell / 10, cell % 10, side, 0) != 0)
        return false;
    moves->push_back(cell);
    return true;
}

}  // namespace

std::vector<int> MatchGame::RandomOpening(std::uint32_t seed, int count)
{
    std::mt19937 random(seed);
    BoardStatus board;
    std::vector<int> moves;
    for (int side = 1; static_cast<int>(moves.size()) < count; side = 3 - side) {
        std::vector<int> legal;
        for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
            if (board.IsLegal(cell / 10, cell % 10, side))
                legal.push_back(cell);
        }
        if (legal.empty()) {
            if (!board.HasLegalMove(3 - side))
                break;
            moves.push_back(kPass);
            continue;
        }
        Place(board, legal[random() % legal.size()], side, &moves);
    }
    return moves;
}

MatchGame::Result MatchGame::Play(const Player& first, const Player& second, const std::vector<int>& opening,
                                  std::uint32_t seed, const SearchBudget& budget1st, const SearchBudget& budget2nd,
                                  const std::atomic<bool>* stop)
{
    Random::Seed(seed);
    Result result;
    BoardStatus board;
    int side = 1;
    for (const int move : opening) {
        if (move != kPass)
            Place(board, move, side, &result.moves);
        else
            result.moves.push_back(kPass);
        side = 3 - side;
    }
    Brain brains[2] = {Brain(board, 1), Brain(board, 2)};
    const Player* players[2] = {&first, &second};
    brains[0].SetSearchBudget(budget1st);
    brains[1].SetSearchBudget(budget2nd);
    for (Brain& brain : brains)
        brain.SetStopFlag(stop);
    while ((board.HasLegalMove(1) || board.HasLegalMove(2)) && (stop == nullptr || !*stop)) {
        if (!board.HasLegalMove(side)) {
            result.moves.push_back(kPass);
            side = 3 - side;
            continue;
        }
        Brain& brain = brains[side - 1];
        brain.Clear();
        int cell = brain.ChooseMove(players[side - 1]->CodesFor(board.MoveCount()));
        // A profile whose strategies cast no vote would never move; the turn cycle plays at random then.
        if (cell < 0) {
            brain.Clear();
            cell = brain.ChooseMove({Brain::kCodeRandom, Brain::kCodeNone, Brain::kCodeNone});
        }
        if (cell >= 0)
            Place(board, cell, side, &result.moves);
        side = 3 - side;
    }
    result.pieces1st = board.CountOwner(1);
    result.pieces2nd = board.CountOwner(2);
    return result;
}
