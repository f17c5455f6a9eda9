#include "records/GameRecord.h"
#include "records/Notation.h"
#include "support/BoardText.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

GameRecord Tagged(GameRecord record)
{
    record.SetTag(GameRecord::kTagDate, "2026-12-07");
    record.SetTag(GameRecord::kTagTime, "19:30:05");
    record.SetTag(GameRecord::kTagFirst, "名人");
    record.SetTag(GameRecord::kTagSecond, "Brain_011");
    record.SetTag(GameRecord::kTagBoard, "標準ボード");
    record.SetTag("Event", "club night");
    return record;
}

void ExpectSameGame(const GameRecord& read, const GameRecord& written)
{
    EXPECT_EQ(read.Text(), written.Text());
    EXPECT_EQ(read.MoveCells(), written.MoveCells());
    ASSERT_EQ(read.Moves().size(), written.Moves().size());
    for (std::size_t i = 0; i < read.Moves().size(); ++i)
        EXPECT_EQ(read.Moves()[i].kind, written.Moves()[i].kind) << "move " << i;
    EXPECT_EQ(BoardToRows(read.Current()), BoardToRows(written.Current()));
    EXPECT_EQ(read.ResultText(), written.ResultText());
    for (const GameRecord::Tag& tag : written.Tags())
        EXPECT_EQ(read.TagValue(tag.name), tag.value) << tag.name;
}

TEST(GameRecordTest, RoundTrips)
{
    const std::uint32_t passSeed = SeedOfGameWithPass();
    ASSERT_NE(passSeed, 0u);
    struct Case {
        const char* what;
        GameRecord record;
    };
    const std::vector<Case> cases = {
        {"finished game with a pass", Tagged(RandomGame(passSeed))},
        {"unfinished game", Tagged(RandomGame(7, 11))},
        {"no moves, no tags", GameRecord()},
        {"ended with empty cells", Tagged(WipeOutGame())},
        {"random kinds", Tagged(RandomGame(3, 200, true))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameRecord read;
        QString error;
        ASSERT_EQ(GameRecord::Read(c.record.Text(), read, &error), 0) << error.toStdString();
        ExpectSameGame(read, c.record);
    }
    EXPECT_EQ(cases[1].record.ResultText(), "*");
    EXPECT_EQ(cases[3].record.ResultText(), "5-0");
    const GameRecord& finished = cases[0].record;
    EXPECT_EQ(finished.ResultText(), std::to_string(finished.Current().CountOwner(1)) + "-"
                                         + std::to_string(finished.Current().CountOwner(2)));
}

TEST(GameRecordTest, WritesTheDocumentedLayout)
{
    GameRecord record = Tagged(WipeOutGame());
    EXPECT_EQ(record.Text(),
              "Date=2026-12-07\r\nTime=19:30:05\r\nFirst=名人\r\nSecond=Brain_011\r\nBoard=標準ボード\r\n"
              "Result=5-0\r\n"
              "Start=" + Notation::PositionText(WipeOutGame().Start(), 1) + "\r\n"
              "Event=club night\r\n\r\ng5\r\n");
    const std::string text = RandomGame(5, 12).Text();
    EXPECT_NE(text.find("\r\n\r\n" + Notation::MoveLine(RandomGame(5, 10).MoveCells()) + "\r\n"), std::string::npos);
}

TEST(GameRecordTest, ReadingIsTolerant)
{
    const std::string text =
        "\xEF\xBB\xBF"
        "; saved by hand\n"
        "date = 2026-12-07\r\n"
        "\n"
        "FIRST=Alice  \n"
        "Result=99-0\n"
        "Round=3\n"
        "\r\n"
        "F4 g4\n"
        "\n"
        "   E7 ; a comment\r\n";
    GameRecord read;
    QString error;
    ASSERT_EQ(GameRecord::Read(text, read, &error), 0) << error.toStdString();
    EXPECT_EQ(Notation::MoveLine(read.MoveCells()), "f4 g4 e7");
    EXPECT_EQ(read.TagValue("Date"), "2026-12-07");
    EXPECT_EQ(read.TagValue("first"), "Alice");
    EXPECT_EQ(read.TagValue("Round"), "3");
    EXPECT_EQ(read.TagValue("Result"), "*");
    EXPECT_NE(read.Text().find("Round=3\r\n"), std::string::npos);
}

TEST(GameRecordTest, ImpliedPassesAreFilledIn)
{
    const GameRecord game = RandomGame(SeedOfGameWithPass());
    std::vector<int> placements;
    for (const int cell : game.MoveCells())
        if (cell != Notation::kPass)
            placements.push_back(cell);
    GameRecord read;
    QString error;
    ASSERT_EQ(GameRecord::Read(Notation::MoveLine(placements), read, &error), 0) << error.toStdString();
    EXPECT_EQ(read.MoveCells(), game.MoveCells());
}

struct Rejection {
    std::string text;
    int line;
    const char* reasonPart;
};

TEST(GameRecordTest, RejectionsNameTheLineAndLoadNothing)
{
    const std::string wipeOut = WipeOutGame().Text();
    const std::vector<Rejection> cases = {
        {"Date=x\n\nf4 k4", 3, "\"k4\""},
        {"f4\ng4 a1", 2, "\"a1\""},
        {"f4 g4\n\n\nd1", 4, "3 手目の d1"},
        {"f4 f3", 1, "2 手目の f3 には打てません"},
        {"pass", 1, "1 手目の pass"},
        {wipeOut + "d4\r\n", 5, "2 手目の d4 は対局が終わった後"},
        {wipeOut + "\r\npass\r\n", 6, "対局が終わった後"},
        {"Start=" + std::string(76, '.') + " X\nf4", 1, "開始局面"},
        {"Kinds=1 2 x\nf4 g4", 1, "\"x\""},
        {"Date=today\nKinds=1 2 3\nf4 g4", 2, "3 個"},
        {"Date=today\nthis is not a move", 2, "\"this\""},
    };
    for (const Rejection& c : cases) {
        GameRecord record = Tagged(RandomGame(9, 6));
        const std::string before = record.Text();
        QString error;
        EXPECT_EQ(GameRecord::Read(c.text, record, &error), -1) << c.text;
        EXPECT_TRUE(error.startsWith(QStringLiteral("%1 行目: ").arg(c.line))) << c.text << "\n" << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reasonPart))) << error.toStdString();
        EXPECT_EQ(record.Text(), before);
    }
}

TEST(GameRecordTest, AddMoveRefusesWhatTheRulesRefuse)
{
    GameRecord record;
    EXPECT_EQ(record.AddMove(Notation::kPass), -1);
    EXPECT_EQ(record.AddMove(Notation::ParseCell("d1")), -1);
    EXPECT_EQ(record.AddMove(0), -1);
    EXPECT_EQ(record.AddMove(-1), -1);
    EXPECT_TRUE(record.Moves().empty());
    GameRecord ended = WipeOutGame();
    EXPECT_TRUE(ended.Finished());
    EXPECT_EQ(ended.AddMove(Notation::kPass), -1);
    EXPECT_EQ(ended.Moves().size(), 1u);
}

TEST(GameRecordTest, PositionsAfterEachMoveMatchAFreshReplay)
{
    const GameRecord game = RandomGame(SeedOfGameWithPass(), 200, true);
    BoardStatus board;
    int side = 0;
    BoardStatus replay;
    int replaySide = 1;
    for (std::size_t count = 0; count <= game.Moves().size(); ++count) {
        ASSERT_EQ(game.PositionAfter(static_cast<int>(count), board, side), 0);
        EXPECT_EQ(BoardToRows(board), BoardToRows(replay)) << count;
        EXPECT_EQ(side, replaySide);
        for (int cell = 0; cell < 100; ++cell)
            EXPECT_EQ(board.KindAt(cell / 10, cell % 10), replay.KindAt(cell / 10, cell % 10));
        if (count == game.Moves().size())
            break;
        const GameRecord::Move move = game.Moves()[count];
        if (move.cell != Notation::kPass) {
            ASSERT_EQ(replay.Place(move.cell / 10, move.cell % 10, replaySide, move.kind), 0);
        }
        replaySide = 3 - replaySide;
    }
    EXPECT_EQ(BoardToRows(board), BoardToRows(game.Current()));
    EXPECT_EQ(game.PositionAfter(static_cast<int>(game.Moves().size()) + 1, board, side), -1);
}

TEST(GameRecordTest, SaveAndLoad)
{
    TempDir dir;
    const GameRecord game = Tagged(RandomGame(4));
    ASSERT_EQ(game.Save(dir.File("g.tsr")), 0);
    GameRecord loaded;
    QString error;
    ASSERT_EQ(GameRecord::Load(dir.File("g.tsr"), loaded, &error), 0) << error.toStdString();
    ExpectSameGame(loaded, game);
    EXPECT_EQ(GameRecord::Load(dir.File("missing.tsr"), loaded, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("missing.tsr")));
    EXPECT_EQ(game.Save(dir.File("no/such/folder/g.tsr")), 1);
}

}
