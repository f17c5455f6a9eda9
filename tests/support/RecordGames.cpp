#include "support/RecordGames.h"

#include "records/Notation.h"
#include "support/BoardText.h"

#include <algorithm>
#include <vector>

namespace {

// Final piece difference for side under perfect play.
int Minimax(const BoardStatus& board, int side, bool passed = false)
{
    int best = -1000;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        BoardStatus next(board);
        if (next.Place(cell / 10, cell % 10, side, 0) == 0)
            best = std::max(best, -Minimax(next, 3 - side));
    }
    if (best != -1000)
        return best;
    return passed ? board.CountOwner(side) - board.CountOwner(3 - side) : -Minimax(board, 3 - side, true);
}

}  // namespace

GameRecord RandomGame(std::uint32_t seed, int maxMoves, bool randomKinds)
{
    GameRecord record;
    std::uint32_t state = seed * 2654435761u + 1;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int i = 0; i < maxMoves && !record.Finished(); ++i) {
        const BoardStatus& board = record.Current();
        std::vector<int> legal;
        for (int cell = 0; cell < BoardStatus::kCells; ++cell)
            if (board.IsLegal(cell / 10, cell % 10, record.SideToMove()) == 1)
                legal.push_back(cell);
        const int move = legal.empty() ? Notation::kPass : legal[next() % legal.size()];
        const int kind = randomKinds && move != Notation::kPass ? static_cast<int>(next() % 4) : 0;
        record.AddMove(move, kind);
    }
    return record;
}

std::uint32_t SeedOfGameWithPass()
{
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        const GameRecord game = RandomGame(seed);
        for (const GameRecord::Move& move : game.Moves())
            if (move.cell == Notation::kPass)
                return seed;
    }
    return 0;
}

GameRecord WipeOutGame()
{
    std::vector<std::string> rows = StartRows();
    rows[4] = "....XO....";
    rows[5] = "....XX....";
    GameRecord record;
    record.SetStart(BoardFromRows(rows), 1);
    record.AddMove(Notation::ParseCell("g5"));
    return record;
}

GameRecord EndgameWithMistake(std::map<int, int>* exactScores)
{
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        const GameRecord game = RandomGame(seed);
        for (int ply = 0; ply < static_cast<int>(game.Moves().size()); ++ply) {
            BoardStatus board;
            int side = 1;
            game.PositionAfter(ply, board, side);
            if (board.CountOwner(0) - 24 != 8 || board.HasLegalMove(side) == 0)
                continue;
            exactScores->clear();
            for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
                BoardStatus next(board);
                if (next.Place(cell / 10, cell % 10, side, 0) == 0)
                    (*exactScores)[cell] = -Minimax(next, 3 - side);
            }
            const auto [low, high] = std::minmax_element(exactScores->begin(), exactScores->end(),
                                                         [](auto a, auto b) { return a.second < b.second; });
            GameRecord endgame;
            endgame.SetStart(board, side);
            if (high->second - low->second >= 6)
                return endgame;
            break;
        }
    }
    exactScores->clear();
    return {};
}
