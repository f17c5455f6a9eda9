#include "records/Notation.h"
#include "records/RecordViewer.h"
#include "support/BoardText.h"
#include "support/RecordGames.h"

#include <gtest/gtest.h>

namespace {

int FlippedCount(const BoardStatus& board)
{
    int count = 0;
    while (count < BoardStatus::kPlayableCells && board.FlippedAt(count) != -1)
        ++count;
    return count;
}

// Stepping forward shows exactly what a fresh replay of the moves shows, kinds included.
TEST(RecordViewerTest, EveryStepEqualsAFreshReplay)
{
    const GameRecord game = RandomGame(SeedOfGameWithPass(), 200, true);
    RecordViewer viewer(game);
    ASSERT_EQ(viewer.MoveCount(), static_cast<int>(game.Moves().size()));
    BoardStatus replay;
    int side = 1;
    int passes = 0;
    for (int step = 0; step < viewer.MoveCount(); ++step) {
        const GameRecord::Move move = game.Moves()[static_cast<std::size_t>(step)];
        const RecordViewer::Entry& entry = viewer.Entries()[static_cast<std::size_t>(step)];
        EXPECT_EQ(entry.number, step + 1);
        EXPECT_EQ(entry.side, side);
        EXPECT_EQ(entry.cell, move.cell);
        if (move.cell == Notation::kPass) {
            ++passes;
            EXPECT_EQ(entry.flipped, 0);
        } else {
            ASSERT_EQ(replay.Place(move.cell / 10, move.cell % 10, side, move.kind), 0);
            EXPECT_EQ(entry.flipped, FlippedCount(replay));
        }
        side = 3 - side;
        ASSERT_EQ(viewer.Forward(), step + 1);
        EXPECT_EQ(BoardToRows(viewer.Board()), BoardToRows(replay)) << "after move " << step + 1;
        EXPECT_EQ(viewer.SideToMove(), side);
        for (int cell = 0; cell < 100; ++cell) {
            EXPECT_EQ(viewer.Board().KindAt(cell / 10, cell % 10), replay.KindAt(cell / 10, cell % 10));
            EXPECT_EQ(viewer.Board().FlippedAt(cell), replay.FlippedAt(cell));
        }
    }
    EXPECT_GE(passes, 1);
    EXPECT_EQ(viewer.Forward(), viewer.MoveCount()) << "forward stops at the end";
}

TEST(RecordViewerTest, JumpsStopAtBothEnds)
{
    RecordViewer viewer(RandomGame(6, 30));
    EXPECT_EQ(viewer.Shown(), 0);
    EXPECT_EQ(viewer.Back(), 0);
    EXPECT_EQ(viewer.Last(), 30);
    EXPECT_EQ(BoardToRows(viewer.Board()), BoardToRows(viewer.Record().Current()));
    EXPECT_EQ(viewer.JumpTo(12), 12);
    EXPECT_EQ(viewer.Back(), 11);
    EXPECT_EQ(viewer.JumpTo(99), 30);
    EXPECT_EQ(viewer.JumpTo(-4), 0);
    EXPECT_EQ(BoardToRows(viewer.Board()), StartRows());
    EXPECT_EQ(viewer.First(), 0);

    RecordViewer empty;
    EXPECT_EQ(empty.MoveCount(), 0);
    EXPECT_EQ(empty.Forward(), 0);
    EXPECT_TRUE(empty.Entries().empty());
}

}
