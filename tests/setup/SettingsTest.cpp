#include "setup/Settings.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// "標準" in CP932.
const std::string kStandard = "\x95\x57\x8f\x80";

class SettingsTest : public InProgramFolder {
protected:
    void WriteSettings(const std::string& bytes) const { dir_.Write("Tessella.ini", bytes); }
    std::string ReadSettings() const { return dir_.Read("Tessella.ini"); }
};

TEST_F(SettingsTest, MissingFileGivesTheDefaults)
{
    const WindowsIni settings = Settings::Open();
    using namespace Settings;
    EXPECT_EQ(ReadWarType(settings), WarType::UserVsComp);
    EXPECT_EQ(BaseTimer(settings), 55);
    EXPECT_TRUE(Switch(settings, kKeyAnimation) && Switch(settings, kKeyRandomBoard));
    EXPECT_FALSE(AutoPass(settings) || Switch(settings, kKeyRandomBoard2));
    EXPECT_EQ(ReleaseText(settings), "1.00");
    EXPECT_TRUE(NeedsMigration(settings));
    EXPECT_TRUE(Registry(settings, SetKind::Board).empty());
    EXPECT_EQ(BoardSetFile(settings, kStandard) + PlayerSetFile(settings, kStandard), "Standard.tsbStandard.tsp");
    EXPECT_FALSE(RegisteredFile(settings, SetKind::Player, kStandard).has_value());
}

TEST_F(SettingsTest, OnlyExactTextsSwitchOn)
{
    WriteSettings("[Tessella]\r\nAnimation=true\r\nRandomBoard=TRUE\r\nRandomBoard2=True;on\r\n"
                  "RandomBoard3=\r\nPass=auto\r\n");
    WindowsIni settings = Settings::Open();
    EXPECT_FALSE(Settings::Switch(settings, Settings::kKeyAnimation));
    EXPECT_FALSE(Settings::Switch(settings, Settings::kKeyRandomBoard));
    EXPECT_TRUE(Settings::Switch(settings, Settings::kKeyRandomBoard2));
    EXPECT_FALSE(Settings::Switch(settings, Settings::kKeyRandomBoard3));
    EXPECT_FALSE(Settings::AutoPass(settings));

    // The settings dialog's OK writes back what it read, so "true" becomes "False".
    Settings::SetSwitch(settings, Settings::kKeyAnimation, Settings::Switch(settings, Settings::kKeyAnimation));
    Settings::SetAutoPass(settings, true);
    ASSERT_EQ(Settings::Save(settings), 0);
    EXPECT_EQ(ReadSettings(), "[Tessella]\r\nAnimation=False\r\nRandomBoard=TRUE\r\nRandomBoard2=True\r\n"
                              "RandomBoard3=\r\nPass=Auto\r\n");
    EXPECT_TRUE(Settings::AutoPass(Settings::Open()));
}

TEST_F(SettingsTest, MarkOptionsAndTheWindowPlaceReadTheirKeysWithDefaults)
{
    const struct {
        const char* lines;
        Settings::MarkOptions marks;
        bool placed;
    } cases[] = {
        {"", {true, true, false}, false},
        {"ShowLegalMoves=False\nShowLastMove=true\nShowCoordinates=True\n", {false, false, true}, false},
        {"WindowLeft=-8\nWindowTop=20\nWindowWidth=900\nWindowHeight=700\n", {true, true, false}, true},
        {"WindowLeft=10\nWindowTop=20\nWindowWidth=900\n", {true, true, false}, false},
        {"WindowLeft=10\nWindowTop=20px\nWindowWidth=900\nWindowHeight=700\n", {true, true, false}, false},
        {"WindowLeft=10\nWindowTop=20\nWindowWidth=0\nWindowHeight=700\n", {true, true, false}, false},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[Tessella]\n") + c.lines);
        const WindowsIni settings = Settings::Open();
        EXPECT_EQ(Settings::ReadMarkOptions(settings), c.marks) << c.lines;
        EXPECT_EQ(Settings::ReadWindowPlace(settings).has_value(), c.placed) << c.lines;
    }
}

TEST_F(SettingsTest, BaseTimerKeepsTheFilesMeaning)
{
    const struct {
        const char* line;
        int expected;
    } cases[] = {{"BaseTimer=abc", 0}, {"BaseTimer=", 55}, {"BaseTimer=120ms", 120}, {"BaseTimer= -5", -5}};
    for (const auto& c : cases) {
        WriteSettings(std::string("[Tessella]\n") + c.line + "\n");
        EXPECT_EQ(Settings::BaseTimer(Settings::Open()), c.expected) << c.line;
    }
}

TEST_F(SettingsTest, ReleaseIsReadAsADecimalNumber)
{
    const struct {
        const char* stored;
        double expected;
        bool older;
    } cases[] = {{"1.00a", 1.00, true}, {"1.00", 1.00, true}, {"1.05", 1.05, true},
                 {"1.10", 1.10, false}, {"1.1", 1.10, false}, {"2.00", 2.00, false},
                 {"abc", 0.0, true}, {" +1.2x", 1.2, false}, {"nan", 0.0, true}};
    for (const auto& c : cases) {
        WriteSettings(std::string("[Tessella]\r\nRelease=") + c.stored + "\r\n");
        const WindowsIni settings = Settings::Open();
        EXPECT_DOUBLE_EQ(Settings::Release(settings), c.expected) << c.stored;
        EXPECT_EQ(Settings::NeedsMigration(settings), c.older) << c.stored;
    }
    WriteSettings("[Tessella]\r\nRelease=1.00a\r\n");
    EXPECT_EQ(Settings::ReleaseText(Settings::Open()), "1.00");
}

TEST(SettingsRelease, IgnoresTheUsersDecimalComma)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"};
    const char* active = nullptr;
    for (const char* name : commaLocales) {
        if ((active = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    }
    if (active == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double viaLocale = std::atof("1.10");
    const double parsed = Settings::ParseRelease("1.10");
    const std::string formatted = Settings::FormatRelease(1.1);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_NE(viaLocale, 1.10) << "the locale does not use a decimal comma";
    EXPECT_DOUBLE_EQ(parsed, 1.10);
    EXPECT_EQ(formatted, "1.10");
}

TEST_F(SettingsTest, RegistriesListInOrderAndFallBack)
{
    WriteSettings("[BoardSet]\r\n" + kStandard + "=Standard.tsb\r\nA=a.tsb\r\nB=b.tsb\r\nC=\r\n"
                  "[BrainSet]\r\n" + kStandard + "=Mine.tsp\r\n");
    WindowsIni settings = Settings::Open();
    EXPECT_EQ(Settings::Unregister(settings, Settings::SetKind::Board, "A"), 0);
    EXPECT_EQ(Settings::Unregister(settings, Settings::SetKind::Board, "A"), -1);

    const auto boards = Settings::Registry(settings, Settings::SetKind::Board);
    ASSERT_EQ(boards.size(), 3u);
    EXPECT_EQ(boards[0].name, kStandard);
    EXPECT_EQ(boards[1].name, "B");
    EXPECT_EQ(boards[1].file, "b.tsb");
    EXPECT_EQ(boards[2].name, "C");
    EXPECT_EQ(boards[2].file, "");

    EXPECT_EQ(Settings::BoardSetFile(settings, "A"), "Standard.tsb");
    EXPECT_EQ(Settings::BoardSetFile(settings, "B"), "b.tsb");
    EXPECT_EQ(Settings::BoardSetFile(settings, "b"), "Standard.tsb");
    EXPECT_EQ(Settings::PlayerSetFile(settings, kStandard), "Mine.tsp");
    EXPECT_EQ(Settings::PlayerSetFile(settings, "B"), "Standard.tsp");
    EXPECT_EQ(Settings::RegisteredFile(settings, Settings::SetKind::Player, kStandard), "Mine.tsp");
}

TEST_F(SettingsTest, RegisteringAppendsAndRefusesWhatTheFileCannotHold)
{
    WriteSettings("[Tessella]\r\nBaseTimer=40\r\n[BoardSet]\r\nA=a.tsb\r\nB=b.tsb\r\n");
    WindowsIni settings = Settings::Open();
    ASSERT_EQ(Settings::Unregister(settings, Settings::SetKind::Board, "A"), 0);
    EXPECT_EQ(Settings::Register(settings, Settings::SetKind::Board, "A", "new.tsb"), 0);
    EXPECT_EQ(Settings::Register(settings, Settings::SetKind::Player, "P", "p.tsp"), 0);
    for (const char* name : {"B", "", "x,y", "x=y", "[x", "x;y", "x\r\n[Tessella]"})
        EXPECT_EQ(Settings::Register(settings, Settings::SetKind::Board, name, "z.tsb"), -1) << name;
    EXPECT_EQ(Settings::Register(settings, Settings::SetKind::Board, "Z", "z!.tsb"), -1);
    EXPECT_EQ(Settings::SetText(settings, Settings::kKeyDefaultBoardSet, "a,b"), -1);
    EXPECT_EQ(Settings::SetText(settings, Settings::kKeyDefaultBoardSet, "x\n[BoardSet]"), -1);
    ASSERT_EQ(Settings::Save(settings), 0);
    EXPECT_EQ(ReadSettings(), "[Tessella]\r\nBaseTimer=40\r\n[BoardSet]\r\nB=b.tsb\r\nA=new.tsb\r\n"
                              "[BrainSet]\r\nP=p.tsp\r\n");
}

TEST_F(SettingsTest, WarTypeNoneIsNeverWritten)
{
    WriteSettings("[Tessella]\r\nWarType=None\r\n");
    Settings::Update([](WindowsIni& settings) {
        EXPECT_EQ(Settings::ReadWarType(settings), Settings::WarType::None);
        EXPECT_EQ(Settings::SetWarType(settings, Settings::WarType::None), -1);
    });
    EXPECT_EQ(ReadSettings(), "[Tessella]\r\nWarType=None\r\n");

    using Settings::WarType;
    EXPECT_EQ(Settings::ParseWarType("userVsComp"), WarType::None);
    EXPECT_TRUE(Settings::FirstIsUser(WarType::UserVsComp) && !Settings::SecondIsUser(WarType::UserVsComp));
    EXPECT_TRUE(!Settings::FirstIsUser(WarType::CompVsUser) && Settings::SecondIsUser(WarType::CompVsUser));
    EXPECT_FALSE(Settings::FirstIsUser(WarType::None) || Settings::SecondIsUser(WarType::None));
}

TEST_F(SettingsTest, FailedWriteIsReported)
{
    std::filesystem::create_directory(dir_.Path() / "Tessella.ini");
    EXPECT_NE(Settings::Update([](WindowsIni& settings) { Settings::SetBaseTimer(settings, 30); }), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir_.Path() / "Tessella.ini"));
}

}  // namespace
