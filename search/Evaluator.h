#pragma once

#include "search/Position.h"

#include <array>
#include <string>

// A static judgement of a position for the side to move, in hundredths of a
// piece: the larger, the better for the side to move.
class Evaluator {
public:
    enum Term {
        kMobility,       // own legal cells minus the opponent's
        kPotential,      // empty cells beside opponent pieces minus those beside own pieces
        kCorner,         // own corner pieces minus the opponent's
        kCornerRim,      // own pieces on the rim beside an empty corner, minus the opponent's
        kCornerInner,    // own pieces inside beside an empty corner, minus the opponent's
        kEdge,           // own rim pieces that are neither corners nor beside one, minus the opponent's
        kStable,         // own pieces that can never flip, minus the opponent's
        kParity,         // +1 when the side to move would place last, else -1
        kTermCount,
    };
    using Weights = std::array<int, kTermCount>;

    static Weights DefaultWeights();
    // Weights written as comma-separated integers in Term order; false when malformed.
    static bool ParseWeights(const std::string& text, Weights* weights);

    explicit Evaluator(const Weights& weights = DefaultWeights()) : weights_(weights) {}

    int Evaluate(const Position& position) const;
    // The value of each term, without weights.
    static std::array<int, kTermCount> Features(const Position& position);
    // Pieces of the side given by pieces that no sequence of moves can flip (a cheap subset).
    static Bitboard StablePieces(Bitboard pieces);

private:
    Weights weights_;
};
