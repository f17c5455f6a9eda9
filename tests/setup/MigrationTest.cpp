#include "setup/Migration.h"
#include "setup/Settings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// "標準" in CP932.
const std::string kStandard = "\x95\x57\x8f\x80";
// An old set file as a person may have edited it: a comment, LF line ends.
const std::string kOldSet = "; my boards\n[Board_000]\nName=Old\n";

using Outcome = Migration::Outcome;

// Runs each test inside a fresh program folder.
class MigrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    void WriteSettings(const std::string& bytes) const { dir_.Write("Tessella.ini", bytes); }
    std::string ReadSettings() const { return dir_.Read("Tessella.ini"); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir_.Path() / name); }

    TempDir dir_;
    std::filesystem::path previous_;
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

TEST_F(MigrationTest, CurrentReleaseChangesNothing)
{
    dir_.Write("Standard.ts", kOldSet);
    const std::string settings = "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\n" + kStandard + "=Standard.ts\r\n";
    WriteSettings(settings);

    const Migration::Report report = Migration::Run();

    EXPECT_FALSE(report.migrated);
    EXPECT_EQ(ReadSettings(), settings);
    EXPECT_FALSE(Exists("Standard.tsb"));
    EXPECT_EQ(Migration::Notes(report), QStringList{QStringLiteral("Release 1.10 -> Release 1.10")});
}

TEST_F(MigrationTest, NoSettingsFileGivesTheReleaseAlone)
{
    const Migration::Report report = Migration::Run();

    EXPECT_TRUE(report.migrated);
    EXPECT_TRUE(report.files.empty());
    EXPECT_EQ(ReadSettings(), "[Tessella]\r\nRelease=1.10\r\n");
    const WindowsIni settings = Settings::Open();
    EXPECT_FALSE(Settings::NeedsMigration(settings));
    EXPECT_EQ(Settings::BoardSetFile(settings, kStandard), "Standard.tsb");
    EXPECT_EQ(Settings::BaseTimer(settings), 55);
    EXPECT_FALSE(Migration::Run().migrated);
}

TEST_F(MigrationTest, NamesAlreadyCurrentGetNoSecondLetter)
{
    dir_.Write("Mine.tsb", kOldSet);
    dir_.Write("Mine.TSP", kOldSet);
    WriteSettings("[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n");

    const Migration::Report report = Migration::Run();

    ASSERT_EQ(report.files.size(), 3u);
    for (const Migration::SetFile& file : report.files)
        EXPECT_EQ(file.outcome, Outcome::AlreadyCurrent) << file.name;
    EXPECT_EQ(ReadSettings(), "[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n"
                              "[Tessella]\r\nRelease=1.10\r\n");
    EXPECT_FALSE(Exists("Mine.tsbb"));
    EXPECT_FALSE(Exists("Mine.TSPp"));
    EXPECT_EQ(Migration::Notes(report).size(), 4);
}

TEST_F(MigrationTest, MissingFileKeepsItsRegistrationAndIsReported)
{
    dir_.Write("Here.ts", kOldSet);
    WriteSettings("[Tessella]\r\nRelease=1.00\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.ts\r\n");

    const Migration::Report report = Migration::Run();

    ASSERT_EQ(report.files.size(), 2u);
    EXPECT_EQ(report.files[0].outcome, Outcome::Missing);
    EXPECT_EQ(report.files[1].outcome, Outcome::Copied);
    EXPECT_FALSE(Exists("Gone.tsb"));
    EXPECT_EQ(ReadSettings(), "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.tsb\r\n");
    const QStringList notes = Migration::Notes(report);
    ASSERT_EQ(notes.size(), 5);
    EXPECT_TRUE(notes[4].contains(QStringLiteral("Gone.ts"))) << notes[4].toStdString();
    EXPECT_TRUE(notes[4].contains(QStringLiteral("「Gone」"))) << notes[4].toStdString();
}

TEST_F(MigrationTest, ExistingTargetIsKeptAndRegistered)
{
    dir_.Write("Old.ts", kOldSet);
    dir_.Write("Old.tsb", "[Board_000]\r\nName=Newer\r\n");
    dir_.Write("Gone.tsp", "[Brain_000]\r\nName=Newer\r\n");
    WriteSettings("[BoardSet]\r\nOld=Old.ts\r\n[BrainSet]\r\nGone=Gone.ts\r\n");

    const Migration::Report report = Migration::Run();

    ASSERT_EQ(report.files.size(), 2u);
    EXPECT_EQ(report.files[0].outcome, Outcome::KeptExisting);
    EXPECT_EQ(report.files[1].outcome, Outcome::KeptExisting);
    EXPECT_EQ(dir_.Read("Old.tsb"), "[Board_000]\r\nName=Newer\r\n");
    EXPECT_EQ(dir_.Read("Gone.tsp"), "[Brain_000]\r\nName=Newer\r\n");
    EXPECT_EQ(ReadSettings(), "[BoardSet]\r\nOld=Old.tsb\r\n[BrainSet]\r\nGone=Gone.tsp\r\n"
                              "[Tessella]\r\nRelease=1.10\r\n");
    EXPECT_TRUE(Migration::Notes(report).last().contains(QStringLiteral("Gone.tsp")));
}

TEST_F(MigrationTest, NameTooLongKeepsItsRegistration)
{
    const std::string longest(Migration::kMaxFileName - 1, 'a');
    const std::string tooLong(Migration::kMaxFileName, 'a');
    WriteSettings("[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong + "\r\n");
    // Host file names are limited to 255 bytes, so neither file can exist; only the outcome differs.
    const Migration::Report report = Migration::Run();

    ASSERT_EQ(report.files.size(), 2u);
    EXPECT_EQ(report.files[0].outcome, Outcome::Missing);
    EXPECT_EQ(report.files[1].outcome, Outcome::TooLong);
    EXPECT_EQ(ReadSettings(), "[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong
                                  + "\r\n[Tessella]\r\nRelease=1.10\r\n");
}

TEST_F(MigrationTest, FilesInFoldersRegisteredWithOtherCaseAreCopiedBesideThem)
{
    std::filesystem::create_directory(dir_.Path() / "Sets");
    dir_.Write("Sets/My.ts", kOldSet);
    WriteSettings("[BrainSet]\r\nMy=sets\\my.ts\r\n");

    const Migration::Report report = Migration::Run();

    ASSERT_EQ(report.files.size(), 1u);
    EXPECT_EQ(report.files[0].outcome, Outcome::Copied);
    EXPECT_EQ(report.files[0].newFile, "sets\\my.tsp");
    EXPECT_EQ(dir_.Read("Sets/My.tsp"), kOldSet);
    EXPECT_EQ(ReadSettings(), "[BrainSet]\r\nMy=sets\\my.tsp\r\n[Tessella]\r\nRelease=1.10\r\n");
}

}  // namespace
