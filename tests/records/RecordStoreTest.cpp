#include "records/LifetimeStats.h"
#include "records/RecordStore.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// 2026-12-07 19:30:05 UTC.
constexpr std::int64_t kTime = 1796671805;

class UtcZone : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* zone = std::getenv("TZ");
        saved_ = zone != nullptr ? std::string(zone) : std::string();
        hadZone_ = zone != nullptr;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override
    {
        if (hadZone_)
            ::setenv("TZ", saved_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string saved_;
    bool hadZone_ = false;
};

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

using RecordStoreTest = UtcZone;

TEST_F(RecordStoreTest, FileNamesAreSafeOnEverySystem)
{
    EXPECT_EQ(RecordStore::FileNameFor(kTime, "名人", "Brain_011"), "20261207-193005 名人 - Brain_011.tsr");
    EXPECT_EQ(RecordStore::FileNameFor(kTime, "a/b\\c:d*e?f\"g<h>i|j", " x. "), "20261207-193005 a_b_c_d_e_f_g_h_i_j - x.tsr");
    EXPECT_EQ(RecordStore::FileNameFor(kTime, "", "\t"), "20261207-193005 _ - _.tsr");
    // 14 three-byte characters hold 42 bytes; the cut keeps whole characters.
    const std::string name = RecordStore::FileNameFor(kTime, "あいうえおかきくけこさしすせ", "b");
    EXPECT_EQ(name, "20261207-193005 あいうえおかきくけこさしす - b.tsr");
}

TEST_F(RecordStoreTest, SavesNewFilesAtomicallyAndNeverOverwrites)
{
    TempDir dir;
    const std::string folder = dir.File("Records");
    GameRecord game = RandomGame(2);
    game.SetTag(GameRecord::kTagFirst, "A");
    game.SetTag(GameRecord::kTagSecond, "B");
    RecordStore::StampTime(game, kTime);
    EXPECT_EQ(game.TagValue("Date"), "2026-12-07");
    EXPECT_EQ(game.TagValue("Time"), "19:30:05");

    std::string first;
    std::string second;
    ASSERT_EQ(RecordStore::SaveNew(folder, game, kTime, &first), 0);
    ASSERT_EQ(RecordStore::SaveNew(folder, RandomGame(3), kTime, &second), 0);
    EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"20261207-193005 A - B.tsr", "20261207-193005 _ - _.tsr"}));
    GameRecord again = RandomGame(3);
    again.SetTag(GameRecord::kTagFirst, "A");
    again.SetTag(GameRecord::kTagSecond, "B");
    ASSERT_EQ(RecordStore::SaveNew(folder, again, kTime), 0);
    EXPECT_EQ(FilesIn(folder).size(), 3u);
    EXPECT_EQ(dir.Read("Records/20261207-193005 A - B.tsr"), game.Text());
    EXPECT_EQ(dir.Read("Records/20261207-193005 A - B (2).tsr"), again.Text());

    dir.Write("Blocked", "a file where the folder should be");
    EXPECT_EQ(RecordStore::SaveNew(dir.File("Blocked"), game, kTime), 1);
    EXPECT_EQ(dir.Read("Blocked"), "a file where the folder should be");
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"Blocked", "Records"}));
}

TEST(LifetimeStatsTest, CountsGamesAndStreaks)
{
    TempDir dir;
    const std::string file = dir.File("Records/Stats.ini");
    struct Case {
        const char* outcomes;
        int wins, losses, draws, streak, longest;
    };
    const std::vector<Case> cases = {
        {"W", 1, 0, 0, 1, 1},
        {"WWLWWWD", 5, 1, 1, 0, 3},
        {"LDWW", 2, 1, 1, 2, 2},
        {"WWWLW", 4, 1, 0, 1, 3},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string section = "Brain_00" + std::to_string(i);
        for (const char* o = cases[i].outcomes; *o != '\0'; ++o) {
            LifetimeStats stats(file);
            const auto outcome = *o == 'W' ? LifetimeStats::kWin : *o == 'L' ? LifetimeStats::kLoss : LifetimeStats::kDraw;
            ASSERT_EQ(stats.Add("Standard.tsp", section, "name", outcome), 0);
            ASSERT_EQ(stats.Save(), 0);
        }
    }
    const LifetimeStats read(file);
    ASSERT_EQ(read.Entries().size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const LifetimeStats::Entry entry = read.Entries()[i];
        SCOPED_TRACE(cases[i].outcomes);
        EXPECT_EQ(entry.section, "Brain_00" + std::to_string(i));
        EXPECT_EQ(entry.wins, cases[i].wins);
        EXPECT_EQ(entry.losses, cases[i].losses);
        EXPECT_EQ(entry.draws, cases[i].draws);
        EXPECT_EQ(entry.streak, cases[i].streak);
        EXPECT_EQ(entry.longestStreak, cases[i].longest);
        EXPECT_EQ(entry.Games(), static_cast<int>(std::string(cases[i].outcomes).size()));
    }
}

TEST(LifetimeStatsTest, RecordsBothSidesOfAGameAndResetsOnePlayer)
{
    TempDir dir;
    const std::string file = dir.File("Records/Stats.ini");
    const LifetimeStats::Side a{"Standard.tsp", "Brain_011", "A"};
    const LifetimeStats::Side b{"Sets\\Mine.tsp", "Brain_000", "B"};
    ASSERT_EQ(LifetimeStats::RecordGame(file, a, b, 40, 30), 0);
    ASSERT_EQ(LifetimeStats::RecordGame(file, b, a, 38, 38), 0);
    ASSERT_EQ(LifetimeStats::RecordGame(file, b, a, 50, 26), 0);
    LifetimeStats stats(file);
    const auto left = stats.Find("Standard.tsp", "Brain_011");
    const auto right = stats.Find("Sets\\Mine.tsp", "Brain_000");
    ASSERT_TRUE(left && right);
    EXPECT_EQ((std::vector<int>{left->wins, left->losses, left->draws}), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ((std::vector<int>{right->wins, right->losses, right->draws}), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(right->name, "B");
    EXPECT_FALSE(stats.Find("Standard.tsp", "Brain_000"));

    ASSERT_EQ(stats.Reset("Standard.tsp", "Brain_011"), 0);
    EXPECT_EQ(stats.Reset("Standard.tsp", "Brain_011"), -1);
    ASSERT_EQ(stats.Save(), 0);
    const LifetimeStats after(file);
    EXPECT_FALSE(after.Find("Standard.tsp", "Brain_011"));
    EXPECT_EQ(LifetimeStats::SummaryText(after.Find("Standard.tsp", "Brain_011")), QStringLiteral("通算 0勝 0敗 0分"));
    EXPECT_EQ(LifetimeStats::SummaryText(after.Find("Sets\\Mine.tsp", "Brain_000")), QStringLiteral("通算 1勝 1敗 1分"));
    EXPECT_TRUE(after.Find("Sets\\Mine.tsp", "Brain_000"));
}

TEST(LifetimeStatsTest, RefusesWhatTheFileCannotHold)
{
    TempDir dir;
    const std::string file = dir.File("Stats.ini");
    LifetimeStats stats(file);
    EXPECT_EQ(stats.Add("Odd].tsp", "Brain_000", "x", LifetimeStats::kWin), -1);
    EXPECT_EQ(stats.Add("Odd;.tsp", "Brain_000", "x", LifetimeStats::kWin), -1);
    EXPECT_EQ(stats.Add("", "Brain_000", "x", LifetimeStats::kWin), -1);
    EXPECT_EQ(stats.Add("A.tsp", "Key=1", "x", LifetimeStats::kWin), -1);
    EXPECT_EQ(stats.Add("A.tsp", "Brain_000", "a,b", LifetimeStats::kWin), 0);
    EXPECT_EQ(stats.Entries().size(), 1u);
    EXPECT_EQ(stats.Entries()[0].name, "");
    EXPECT_EQ(LifetimeStats::RecordGame(file, {"Odd].tsp", "x", ""}, {"", "y", ""}, 1, 0), -1);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}
