#include "platform/Clock.h"
#include "players/Player.h"
#include "records/GameArchive.h"
#include "records/LifetimeStats.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A program folder of its own, with a player set and the settings given.
class GameArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        Clock::SetOverride([] { return std::int64_t{1796671805}; });
        dir_.Write("players.tsp", "[Brain_000]\r\nName=Alpha\r\n[Brain_001]\r\nName=Beta\r\n");
        first_.Load("players.tsp", "Brain_000");
        second_.Load("players.tsp", "Brain_001");
    }
    void TearDown() override
    {
        Clock::ClearOverride();
        fs::current_path(previous_);
    }

    int RecordFiles() const
    {
        if (!fs::is_directory(dir_.Path() / "Records"))
            return 0;
        int count = 0;
        for (const auto& entry : fs::directory_iterator(dir_.Path() / "Records"))
            count += entry.path().extension() == ".tsr" ? 1 : 0;
        return count;
    }

    TempDir dir_;
    fs::path previous_;
    Player first_{nullptr, nullptr, 1};
    Player second_{nullptr, nullptr, 2};
};

TEST_F(GameArchiveTest, SavesTheRecordAndBothLifetimeResults)
{
    const GameRecord game = RandomGame(11);
    ASSERT_TRUE(game.Finished());
    EXPECT_EQ(GameArchive::KeepFinishedGame(game, first_, second_), QString());
    EXPECT_EQ(GameArchive::KeepFinishedGame(game, first_, second_), QString());
    EXPECT_EQ(RecordFiles(), 2);

    const LifetimeStats stats(dir_.File("Records/Stats.ini"));
    const auto alpha = stats.Find("players.tsp", "Brain_000");
    const auto beta = stats.Find("players.tsp", "Brain_001");
    ASSERT_TRUE(alpha && beta);
    EXPECT_EQ(alpha->Games(), 2);
    EXPECT_EQ(alpha->name, "Alpha");
    const int c1 = game.Current().CountOwner(1);
    const int c2 = game.Current().CountOwner(2);
    EXPECT_EQ(alpha->wins, c1 > c2 ? 2 : 0);
    EXPECT_EQ(beta->wins, c2 > c1 ? 2 : 0);
    EXPECT_EQ(alpha->draws, c1 == c2 ? 2 : 0);
}

TEST_F(GameArchiveTest, AutoSaveOffKeepsOnlyTheLifetimeResults)
{
    dir_.Write("Tessella.ini", "[Tessella]\r\nAutoSaveRecords=False\r\n");
    EXPECT_EQ(GameArchive::KeepFinishedGame(RandomGame(11), first_, second_), QString());
    EXPECT_EQ(RecordFiles(), 0);
    EXPECT_TRUE(LifetimeStats(dir_.File("Records/Stats.ini")).Find("players.tsp", "Brain_000"));
}

TEST_F(GameArchiveTest, AFailedWriteIsReported)
{
    dir_.Write("Records", "a file where the folder should be");
    const QString message = GameArchive::KeepFinishedGame(RandomGame(11), first_, second_);
    EXPECT_TRUE(message.contains(QStringLiteral("棋譜"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("通算成績"))) << message.toStdString();
    EXPECT_EQ(dir_.Read("Records"), "a file where the folder should be");
}

}
