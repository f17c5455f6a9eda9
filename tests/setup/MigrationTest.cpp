#include "setup/Migration.h"
#include "setup/Settings.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// "標準" in CP932.
const std::string kStandard = "\x95\x57\x8f\x80";
// An old set file as a person may have edited it: a comment, LF line ends.
const std::string kOldSet = "; my boards\n[Board_000]\nName=Old\n";

using Outcome = Migration::Outcome;

class MigrationTest : public InProgramFolder {
protected:
    void WriteSettings(const std::string& bytes) const { dir_.Write("Tessella.ini", bytes); }
    std::string ReadSettings() const { return dir_.Read("Tessella.ini"); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir_.Path() / name); }
};

TEST_F(MigrationTest, OldReleasesCopyEverySetAndRecordTheNewRelease)
{
    const struct {
        const char* releaseLine;
        const char* firstNote;
    } cases[] = {
        {"Release=1.00\r\n", "Release 1.00 -> Release 1.10"},
        {"Release=1.00a\r\n", "Release 1.00 -> Release 1.10"},
        {"", "Release 1.00 -> Release 1.10"},
        {"Release=1.05\r\n", "Release 1.05 -> Release 1.10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.releaseLine);
        std::filesystem::remove(dir_.Path() / "Standard.tsb");
        std::filesystem::remove(dir_.Path() / "Standard.tsp");
        dir_.Write("Standard.ts", kOldSet);
        WriteSettings("[Tessella]\r\nBaseTimer=40\r\n" + std::string(c.releaseLine) + "[BoardSet]\r\n" + kStandard
                      + "=Standard.ts\r\n[BrainSet]\r\n" + kStandard + "=Standard.ts\r\n");

        const Migration::Report report = Migration::Run();

        EXPECT_TRUE(report.migrated);
        EXPECT_EQ(report.saveResult, 0);
        EXPECT_EQ(dir_.Read("Standard.ts"), kOldSet);
        // Copied byte for byte: comments and lines the INI reading would drop come along.
        EXPECT_EQ(dir_.Read("Standard.tsb"), kOldSet);
        EXPECT_EQ(dir_.Read("Standard.tsp"), kOldSet);
        EXPECT_EQ(ReadSettings(), "[Tessella]\r\nBaseTimer=40\r\nRelease=1.10\r\n[BoardSet]\r\n" + kStandard
                                      + "=Standard.tsb\r\n[BrainSet]\r\n" + kStandard + "=Standard.tsp\r\n");
        const QStringList notes = Migration::Notes(report);
        ASSERT_EQ(notes.size(), 4);
        EXPECT_EQ(notes[0], QString::fromLatin1(c.firstNote));
        EXPECT_EQ(notes[1], QStringLiteral("・ゲーム開始までを簡易化しました"));
        EXPECT_EQ(notes[2], QStringLiteral("・環境設定を充実しました"));
        EXPECT_EQ(notes[3], QStringLiteral("・新規ボードセット（新規ユーザセット）を作成可能にしました"));
    }
}

TEST_F(MigrationTest, EachRegisteredFileIsCopiedKeptOrReported)
{
    const std::string longest(Migration::kMaxFileName - 1, 'a');
    const std::string tooLong(Migration::kMaxFileName, 'a');
    const std::string release = "[Tessella]\r\nRelease=1.10\r\n";
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;  // written before; with no bytes, must not exist after
        std::string settings, settingsAfter;
        std::vector<Outcome> outcomes;
        const char* lastNote;
    } cases[] = {
        {"current release", {{"Standard.ts", kOldSet}, {"Standard.tsb", ""}},
         "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\nS=Standard.ts\r\n",
         "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\nS=Standard.ts\r\n", {}, "Release 1.10 -> Release 1.10"},
        {"no settings file", {}, "", release, {}, "新規ボードセット"},
        {"names already current", {{"Mine.tsb", kOldSet}, {"Mine.TSP", kOldSet}, {"Mine.tsbb", ""}, {"Mine.TSPp", ""}},
         "[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n",
         "[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n" + release,
         {Outcome::AlreadyCurrent, Outcome::AlreadyCurrent, Outcome::AlreadyCurrent}, "新規ボードセット"},
        {"a missing file keeps its registration", {{"Here.ts", kOldSet}, {"Gone.tsb", ""}},
         "[Tessella]\r\nRelease=1.00\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.ts\r\n",
         "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.tsb\r\n",
         {Outcome::Missing, Outcome::Copied}, "「Gone」"},
        {"an existing target is kept and registered",
         {{"Old.ts", kOldSet}, {"Old.tsb", "[Board_000]\r\nName=Newer\r\n"}, {"Gone.tsp", "[Brain_000]\r\nName=Newer\r\n"}},
         "[BoardSet]\r\nOld=Old.ts\r\n[BrainSet]\r\nGone=Gone.ts\r\n",
         "[BoardSet]\r\nOld=Old.tsb\r\n[BrainSet]\r\nGone=Gone.tsp\r\n" + release,
         {Outcome::KeptExisting, Outcome::KeptExisting}, "Gone.tsp"},
        // Host file names are limited to 255 bytes, so neither file can exist; only the outcome differs.
        {"a name too long", {}, "[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong + "\r\n",
         "[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong + "\r\n" + release, {Outcome::Missing, Outcome::TooLong},
         nullptr},
        {"copied beside a file registered with other case", {{"Sets/My.ts", kOldSet}}, "[BrainSet]\r\nMy=sets\\my.ts\r\n",
         "[BrainSet]\r\nMy=sets\\my.tsp\r\n" + release, {Outcome::Copied}, nullptr},
    };
    std::filesystem::create_directory("Sets");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("Tessella.ini");
        for (const auto& [name, bytes] : c.files) {
            if (!bytes.empty())
                dir_.Write(name, bytes);
        }
        if (!c.settings.empty())
            WriteSettings(c.settings);
        const Migration::Report report = Migration::Run();
        EXPECT_EQ(ReadSettings(), c.settingsAfter);
        std::vector<Outcome> outcomes;
        for (const Migration::SetFile& file : report.files)
            outcomes.push_back(file.outcome);
        EXPECT_EQ(outcomes, c.outcomes);
        for (const auto& [name, bytes] : c.files)
            EXPECT_EQ(Exists(name) ? dir_.Read(name) : "", bytes) << name;
        if (c.lastNote != nullptr) {
            EXPECT_TRUE(Migration::Notes(report).last().contains(QString::fromUtf8(c.lastNote)));
        }
    }
    EXPECT_EQ(dir_.Read("Sets/My.tsp"), kOldSet);
    EXPECT_FALSE(Migration::Run().migrated);
}

}  // namespace
