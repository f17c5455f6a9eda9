#include "platform/Clock.h"
#include "players/Player.h"
#include "records/GameArchive.h"
#include "records/LifetimeStats.h"
#include "records/RecordStore.h"
#include "support/ProgramFolderCopy.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"
#include "support/UtcZone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// 2026-12-07 19:30:05 UTC.
constexpr std::int64_t kTime = 1796671805;

using RecordStoreTest = UtcZone;

TEST_F(RecordStoreTest, FileNamesAreSafeOnEverySystemAndNewFilesNeverOverwrite)
{
    // 14 three-byte characters hold 42 bytes; the cut to 40 keeps whole characters.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"名人", "Brain_011", "名人 - Brain_011"},
        {"a/b\\c:d*e?f\"g<h>i|j", " x. ", "a_b_c_d_e_f_g_h_i_j - x"},
        {"", "\t", "_ - _"},
        {"あいうえおかきくけこさしすせ", "b", "あいうえおかきくけこさしす - b"},
    };
    for (const auto& [first, second, names] : cases)
        EXPECT_EQ(RecordStore::FileNameFor(kTime, first, second), std::string("20261207-193005 ") + names + ".tsr");

    TempDir dir;
    GameRecord game = RandomGame(2);
    game.SetTag(GameRecord::kTagFirst, "A");
    game.SetTag(GameRecord::kTagSecond, "B");
    RecordStore::StampTime(game, kTime);
    EXPECT_EQ(game.TagValue("Date") + " " + game.TagValue("Time"), "2026-12-07 19:30:05");
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(RecordStore::SaveNew(dir.File("Records"), game, kTime), 0);
    EXPECT_EQ(dir.Names("Records"), (std::vector<std::string>{"20261207-193005 A - B (2).tsr", "20261207-193005 A - B (3).tsr",
                                                         "20261207-193005 A - B.tsr"}));
    EXPECT_EQ(dir.Read("Records/20261207-193005 A - B (3).tsr"), game.Text());
}

// Each game counts for both players; streaks run over wins; one player can be reset.
TEST(LifetimeStatsTest, CountsBothSidesResetsOnePlayerAndRefusesWhatTheFileCannotHold)
{
    TempDir dir;
    const std::string file = dir.File("Records/Stats.ini");
    // The first player's outcomes, then its wins, losses, draws, current and longest streak.
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"W", {1, 0, 0, 1, 1}}, {"WWLWWWD", {5, 1, 1, 0, 3}}, {"LDWW", {2, 1, 1, 2, 2}}, {"WWWLW", {4, 1, 0, 1, 3}}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const LifetimeStats::Side first{"Standard.tsp", "Brain_00" + std::to_string(i), "A"};
        const LifetimeStats::Side second{"Sets\\Mine.tsp", first.section, "B"};
        for (const char* o = cases[i].first; *o != '\0'; ++o) {
            const int count = *o == 'W' ? 40 : *o == 'L' ? 30 : 38;
            ASSERT_EQ(LifetimeStats::RecordGame(file, first, second, count, 76 - count), 0);
        }
        const LifetimeStats stats(file);
        const LifetimeStats::Entry e = stats.Find(first.setFile, first.section).value_or(LifetimeStats::Entry());
        EXPECT_EQ(std::vector<int>({e.wins, e.losses, e.draws, e.streak, e.longestStreak}), cases[i].second) << cases[i].first;
        EXPECT_EQ(LifetimeStats::SummaryText(stats.Find(second.setFile, second.section)),
                  QStringLiteral("通算 %1勝 %2敗 %3分").arg(e.losses).arg(e.wins).arg(e.draws));
        EXPECT_EQ(stats.Find(second.setFile, second.section)->name, "B");
    }
    LifetimeStats stats(file);
    EXPECT_EQ(LifetimeStats::SummaryText(stats.Find("Standard.tsp", "Brain_011")), QStringLiteral("通算 0勝 0敗 0分"));
    ASSERT_EQ(stats.Reset("Standard.tsp", "Brain_001"), 0);
    EXPECT_EQ(stats.Reset("Standard.tsp", "Brain_001"), -1);
    ASSERT_EQ(stats.Save(), 0);
    EXPECT_EQ(LifetimeStats(file).Entries().size(), 2 * std::size(cases) - 1);

    const std::string fresh = dir.File("Stats.ini");
    LifetimeStats refusing(fresh);
    for (const auto& [setFile, section] : {std::pair{"Odd].tsp", "Brain_000"}, {"Odd;.tsp", "Brain_000"}, {"", "Brain_000"},
                                           {"A.tsp", "Key=1"}})
        EXPECT_EQ(refusing.Add(setFile, section, "x", LifetimeStats::kWin), -1) << setFile << " " << section;
    EXPECT_EQ(refusing.Add("A.tsp", "Brain_000", "a,b", LifetimeStats::kWin), 0);
    ASSERT_EQ(refusing.Entries().size(), 1u);
    EXPECT_EQ(refusing.Entries()[0].name, "") << "a name the file cannot hold is left out";
    EXPECT_EQ(LifetimeStats::RecordGame(fresh, {"Odd].tsp", "x", ""}, {"", "y", ""}, 1, 0), -1);
    EXPECT_FALSE(fs::exists(fresh));
}

// A finished game in a program folder of its own: the record (unless switched
// off) and both players' lifetime results, or a message naming what failed.
TEST(GameArchiveTest, KeepsTheRecordAndBothLifetimeResults)
{
    Clock::SetOverride([] { return kTime; });
    const GameRecord game = RandomGame(11);
    const int difference = game.Current().CountOwner(1) - game.Current().CountOwner(2);
    // Settings, whether a file blocks the Records folder, records kept, message.
    const std::tuple<const char*, bool, std::size_t, const char*> cases[] = {
        {"", false, 2, ""},
        {"[Tessella]\r\nAutoSaveRecords=False\r\n", false, 0, ""},
        {"", true, 0, "(棋譜と通算成績を Records に保存できませんでした)"},
    };
    for (const auto& [settings, blocked, records, message] : cases) {
        SCOPED_TRACE(settings);
        const ProgramFolderCopy folder;
        const TempDir& dir = folder.Dir();
        dir.Write("Tessella.ini", settings);
        dir.Write("players.tsp", "[Brain_000]\r\nName=Alpha\r\n[Brain_001]\r\nName=Beta\r\n");
        if (blocked)
            dir.Write("Records", "a file where the folder should be");
        Player first(nullptr, nullptr, 1), second(nullptr, nullptr, 2);
        first.Load("players.tsp", "Brain_000");
        second.Load("players.tsp", "Brain_001");
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(GameArchive::KeepFinishedGame(game, first, second), QString::fromUtf8(message));
        const std::vector<std::string> files = dir.Names("Records");
        ASSERT_EQ(files.size(), blocked ? 0 : records + 1) << "records and Stats.ini";
        EXPECT_TRUE(records == 0 || dir.Read("Records/" + files[0]).find("Date=") != std::string::npos);
        const auto alpha = LifetimeStats(dir.File("Records/Stats.ini")).Find("players.tsp", "Brain_000");
        ASSERT_EQ(alpha.has_value(), !blocked);
        if (alpha) {
            EXPECT_EQ(alpha->name, "Alpha");
            const int expected = difference > 0 ? 200 : difference < 0 ? 20 : 2;
            EXPECT_EQ(alpha->wins * 100 + alpha->losses * 10 + alpha->draws, expected) << "wins, losses, draws";
        }
    }
    Clock::ClearOverride();
}

}  // namespace
