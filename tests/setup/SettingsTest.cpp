#include "setup/Settings.h"
#include "support/InProgramFolder.h"
#include "support/SetFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Settings::SetKind;

class SettingsTest : public InProgramFolder {};

// Everything read from the [Tessella] section: war type, base timer, the switches Animation and
// RandomBoard 1 to 3 with auto pass, release text and number, migration, marks, window place.
std::string Summary(const WindowsIni& settings)
{
    using namespace Settings;
    std::string text = std::string(WarTypeText(ReadWarType(settings))) + " " + std::to_string(BaseTimer(settings)) + " ";
    for (bool on : {Switch(settings, kKeyAnimation), Switch(settings, kKeyRandomBoard),
                    Switch(settings, kKeyRandomBoard2), Switch(settings, kKeyRandomBoard3), AutoPass(settings)})
        text += on ? '1' : '0';
    const MarkOptions marks = ReadMarkOptions(settings);
    return text + Format(" %s=%g %s %d%d%d %s", ReleaseText(settings).c_str(), Release(settings),
                         NeedsMigration(settings) ? "old" : "new", marks.legalMoves, marks.lastMove,
                         marks.coordinates, ReadWindowPlace(settings) ? "placed" : "-");
}

TEST_F(SettingsTest, EachKeyReadsOnlyWhatItsTextMeansAndRegistriesRefuseWhatTheFileCannotHold)
{
    const std::string defaults = "UserVsComp 55 11000 1.00=1 old 110 -";
    const struct {
        const char* lines;
        std::string summary;
    } cases[] = {
        {nullptr, defaults},
        {"Animation=true\nRandomBoard=TRUE\nRandomBoard2=True;on\nRandomBoard3=\nPass=auto", "UserVsComp 55 00100 1.00=1 old 110 -"},
        {"Animation=False\nPass=Auto\nWarType=CompVsUser", "CompVsUser 55 01001 1.00=1 old 110 -"},
        {"WarType=userVsComp\nBaseTimer=abc", "None 0 11000 1.00=1 old 110 -"},
        {"BaseTimer=", defaults},
        {"BaseTimer=120ms", "UserVsComp 120 11000 1.00=1 old 110 -"},
        {"BaseTimer= -5", "UserVsComp -5 11000 1.00=1 old 110 -"},
        {"Release=1.00a", defaults},
        {"Release=1.05", "UserVsComp 55 11000 1.05=1.05 old 110 -"},
        {"Release=1.10", "UserVsComp 55 11000 1.10=1.1 new 110 -"},
        {"Release=1.1", "UserVsComp 55 11000 1.1=1.1 new 110 -"},
        {"Release=2.00", "UserVsComp 55 11000 2.00=2 new 110 -"},
        {"Release=abc", "UserVsComp 55 11000 abc=0 old 110 -"},
        {"Release= +1.2x", "UserVsComp 55 11000  +1.2x=1.2 new 110 -"},
        {"Release=nan", "UserVsComp 55 11000 nan=0 old 110 -"},
        {"ShowLegalMoves=False\nShowLastMove=true\nShowCoordinates=True", "UserVsComp 55 11000 1.00=1 old 001 -"},
        {"WindowLeft=-8\nWindowTop=20\nWindowWidth=900\nWindowHeight=700", "UserVsComp 55 11000 1.00=1 old 110 placed"},
        {"WindowLeft=10\nWindowTop=20\nWindowWidth=900", defaults},
        {"WindowLeft=10\nWindowTop=20px\nWindowWidth=900\nWindowHeight=700", defaults},
        {"WindowLeft=10\nWindowTop=20\nWindowWidth=0\nWindowHeight=700", defaults},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines ? c.lines : "no file");
        if (c.lines != nullptr)
            dir_.Write("Tessella.ini", std::string("[Tessella]\r\n") + c.lines + "\r\n");
        EXPECT_EQ(Summary(Settings::Open()), c.summary);
    }

    // Registries list in order, fall back to the standard set and refuse what the file cannot hold.
    const std::string standard = Settings::kStandardSetName;
    EXPECT_EQ(Settings::RegisteredFile(Settings::Open(), SetKind::Player, standard), std::nullopt);
    dir_.Write("Tessella.ini", "[Tessella]\r\nBaseTimer=40\r\n[BoardSet]\r\n" + standard
                                   + "=Standard.tsb\r\nA=a.tsb\r\nB=b.tsb\r\nC=\r\n[BrainSet]\r\n" + standard
                                   + "=Mine.tsp\r\n");
    WindowsIni settings = Settings::Open();
    EXPECT_EQ(Settings::Unregister(settings, SetKind::Board, "A"), 0);
    EXPECT_EQ(Settings::Unregister(settings, SetKind::Board, "A"), -1);
    std::string listed;
    for (const Settings::SetEntry& entry : Settings::Registry(settings, SetKind::Board))
        listed += entry.name + "=" + entry.file + " ";
    EXPECT_EQ(listed, standard + "=Standard.tsb B=b.tsb C= ");
    EXPECT_EQ(Settings::BoardSetFile(settings, "A") + Settings::BoardSetFile(settings, "b"), "Standard.tsbStandard.tsb");
    EXPECT_EQ(Settings::BoardSetFile(settings, "B") + Settings::PlayerSetFile(settings, "B"), "b.tsbStandard.tsp");
    EXPECT_EQ(Settings::RegisteredFile(settings, SetKind::Player, standard), "Mine.tsp");

    EXPECT_EQ(Settings::Register(settings, SetKind::Board, "A", "new.tsb"), 0);
    EXPECT_EQ(Settings::Register(settings, SetKind::Player, "P", "p.tsp"), 0);
    for (const char* name : {"B", "", "x,y", "x=y", "[x", "x;y", "x!y", "x\r\n[Tessella]"})
        EXPECT_EQ(Settings::Register(settings, SetKind::Board, name, "z.tsb"), -1) << name;
    EXPECT_EQ(Settings::Register(settings, SetKind::Board, "Z", "z!.tsb"), -1);
    EXPECT_EQ(Settings::SetWarType(settings, Settings::WarType::None), -1);
    ASSERT_EQ(Settings::Save(settings), 0);
    EXPECT_EQ(dir_.Read("Tessella.ini"), "[Tessella]\r\nBaseTimer=40\r\n[BoardSet]\r\n" + standard
                                             + "=Standard.tsb\r\nB=b.tsb\r\nC=\r\nA=new.tsb\r\n[BrainSet]\r\n"
                                             + standard + "=Mine.tsp\r\nP=p.tsp\r\n");
}

}  // namespace
