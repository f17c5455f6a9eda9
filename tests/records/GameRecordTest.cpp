#include "records/GameRecord.h"
#include "records/Notation.h"
#include "records/RecordViewer.h"
#include "support/BoardText.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

GameRecord Tagged(GameRecord record)
{
    for (const auto& [name, value] : {std::pair<const char*, const char*>{GameRecord::kTagDate, "2026-12-07"},
                                      {GameRecord::kTagTime, "19:30:05"}, {GameRecord::kTagFirst, "名人"},
                                      {GameRecord::kTagSecond, "Brain_011"}, {GameRecord::kTagBoard, "標準ボード"},
                                      {"Event", "club night"}})
        record.SetTag(name, value);
    return record;
}

// Saved and loaded again: the same moves, kinds, start, tags and result, in the documented layout.
TEST(GameRecordTest, RoundTripsThroughTheFileInTheDocumentedLayout)
{
    TempDir dir;
    const GameRecord finished = Tagged(RandomGame(SeedOfGameWithPass()));
    const std::pair<const char*, GameRecord> cases[] = {
        {"finished game with a pass", finished},
        {"unfinished game", Tagged(RandomGame(7, 11))},
        {"no moves, no tags", GameRecord()},
        {"ended with empty cells", Tagged(WipeOutGame())},
        {"random kinds", Tagged(RandomGame(3, 200, true))},
    };
    for (const auto& [what, record] : cases) {
        SCOPED_TRACE(what);
        ASSERT_EQ(record.Save(dir.File("g.tsr")), 0);
        GameRecord read;
        QString error;
        ASSERT_EQ(GameRecord::Load(dir.File("g.tsr"), read, &error), 0) << error.toStdString();
        EXPECT_EQ(read.Text(), record.Text());
        EXPECT_TRUE(std::equal(read.Moves().begin(), read.Moves().end(), record.Moves().begin(), record.Moves().end(),
                               [](auto a, auto b) { return a.cell == b.cell && a.kind == b.kind; }));
    }
    GameRecord read;
    QString error;
    EXPECT_EQ(GameRecord::Load(dir.File("missing.tsr"), read, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("missing.tsr")));
    EXPECT_EQ(finished.Save(dir.File("no/such/folder/g.tsr")), 1);

    EXPECT_EQ(Tagged(WipeOutGame()).Text(),
              "Date=2026-12-07\r\nTime=19:30:05\r\nFirst=名人\r\nSecond=Brain_011\r\nBoard=標準ボード\r\n"
              "Result=5-0\r\nStart=" + Notation::PositionText(WipeOutGame().Start(), 1) + "\r\n"
              "Event=club night\r\n\r\ng5\r\n");
    const std::string text = RandomGame(5, 12).Text();
    EXPECT_NE(text.find("\r\n\r\n" + Notation::MoveLine(RandomGame(5, 10).MoveCells()) + "\r\n"), std::string::npos);
}

// Reading takes a byte-order mark, comments, blank lines, LF or CR LF, any case, moves over several lines;
// a stored Result is replaced, unknown tags kept, left-out passes filled in. A rejection names the line
// and leaves the record as it was; adding refuses what the rules refuse.
TEST(GameRecordTest, ReadingIsTolerantAndRejectionsNameTheLineAndChangeNothing)
{
    const std::string text = "\xEF\xBB\xBF; saved by hand\ndate = 2026-12-07\r\n\nFIRST=Alice  \nResult=99-0\n"
                             "Round=3\n\r\nF4 g4\n\n   E7 ; a comment\r\n";
    GameRecord read;
    QString error;
    ASSERT_EQ(GameRecord::Read(text, read, &error), 0) << error.toStdString();
    EXPECT_EQ(Notation::MoveLine(read.MoveCells()), "f4 g4 e7");
    EXPECT_EQ(read.TagValue("Date") + "|" + read.TagValue("first") + "|" + read.TagValue("Result"), "2026-12-07|Alice|*");

    const GameRecord game = RandomGame(SeedOfGameWithPass());
    std::vector<int> placements = game.MoveCells();
    std::erase(placements, Notation::kPass);
    ASSERT_EQ(GameRecord::Read(Notation::MoveLine(placements), read, &error), 0) << error.toStdString();
    EXPECT_EQ(read.MoveCells(), game.MoveCells());

    const std::string wipeOut = WipeOutGame().Text();
    const std::tuple<std::string, int, const char*> cases[] = {
        {"Date=x\n\nf4 k4", 3, "\"k4\""},
        {"f4 g4\n\n\nd1", 4, "3 手目の d1"},
        {"f4 f3", 1, "2 手目の f3 には打てません"},
        {"pass", 1, "1 手目の pass"},
        {wipeOut + "d4\r\n", 5, "2 手目の d4 は対局が終わった後"},
        {wipeOut + "\r\npass\r\n", 6, "対局が終わった後"},
        {"Start=" + std::string(76, '.') + " X\nf4", 1, "開始局面"},
        {"Kinds=1 2 x\nf4 g4", 1, "\"x\""},
        {"Date=today\nKinds=1 2 3\nf4 g4", 2, "3 個"},
    };
    for (const auto& [text, line, reasonPart] : cases) {
        GameRecord record = Tagged(RandomGame(9, 6));
        const std::string before = record.Text();
        EXPECT_EQ(GameRecord::Read(text, record, &error), -1) << text;
        EXPECT_TRUE(error.startsWith(QStringLiteral("%1 行目: ").arg(line))) << text << "\n" << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(reasonPart))) << error.toStdString();
        EXPECT_EQ(record.Text(), before);
    }
    for (const int move : {Notation::kPass, Notation::ParseCell("d1"), 0, -1})
        EXPECT_EQ(GameRecord().AddMove(move), -1) << move;
    EXPECT_EQ(WipeOutGame().AddMove(Notation::kPass), -1) << "nothing after the end";
}

// Each step shows what a fresh replay of the moves shows, kinds and flips included; jumps stop at both ends.
TEST(RecordViewerTest, EveryStepEqualsAFreshReplayAndJumpsStopAtBothEnds)
{
    const GameRecord game = RandomGame(SeedOfGameWithPass(), 200, true);
    RecordViewer viewer(game);
    ASSERT_EQ(viewer.MoveCount(), static_cast<int>(game.Moves().size()));
    BoardStatus replay;
    int side = 1;
    for (int step = 0; step < viewer.MoveCount(); ++step) {
        const GameRecord::Move move = game.Moves()[static_cast<std::size_t>(step)];
        const RecordViewer::Entry& entry = viewer.Entries()[static_cast<std::size_t>(step)];
        const int before = replay.CountOwner(side);
        if (move.cell != Notation::kPass) {
            ASSERT_EQ(replay.Place(move.cell / 10, move.cell % 10, side, move.kind), 0);
        }
        const int flipped = move.cell == Notation::kPass ? 0 : replay.CountOwner(side) - before - 1;
        EXPECT_EQ(std::vector<int>({entry.number, entry.side, entry.cell, entry.flipped}),
                  std::vector<int>({step + 1, side, move.cell, flipped}));
        side = 3 - side;
        ASSERT_EQ(viewer.Forward(), step + 1);
        EXPECT_EQ(BoardToRows(viewer.Board()), BoardToRows(replay)) << "after move " << step + 1;
        EXPECT_EQ(viewer.SideToMove(), side);
        for (int cell = 0; cell < 100; ++cell) {
            EXPECT_EQ(viewer.Board().KindAt(cell / 10, cell % 10), replay.KindAt(cell / 10, cell % 10));
            EXPECT_EQ(viewer.Board().FlippedAt(cell), replay.FlippedAt(cell));
        }
    }
    EXPECT_EQ(viewer.Forward(), viewer.MoveCount()) << "forward stops at the end";
    EXPECT_EQ(game.PositionAfter(viewer.MoveCount() + 1, replay, side), -1);

    RecordViewer jumps(RandomGame(6, 30));
    EXPECT_EQ(std::vector<int>({jumps.Shown(), jumps.Back(), jumps.Last(), jumps.JumpTo(12), jumps.Back(),
                                jumps.JumpTo(99), jumps.Forward(), jumps.JumpTo(-4), RecordViewer().Forward()}),
              std::vector<int>({0, 0, 30, 12, 11, 30, 30, 0, 0}));
    EXPECT_EQ(BoardToRows(jumps.Board()), StartRows());
}

}  // namespace
