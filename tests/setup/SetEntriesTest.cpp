#include "data/SetEntries.h"
#include "data/WindowsIni.h"
#include "setup/SetReferences.h"
#include "setup/Settings.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "標準" and "自作" in CP932.
const std::string kStandard = "\x95\x57\x8f\x80";
const std::string kMine = "\x8e\xa9\x8d\xec";

using Kind = SetEntries::Kind;

// Four boards A to D between a leading set section and a trailing stale one.
const char kBoardSet[] =
    "[BoardSet]\r\nName=Mine\r\n"
    "[Board_000]\r\nTitle=A\r\nBoard=a.bmp\r\n"
    "[Board_001]\r\nTitle=B\r\nBoard=b.bmp\r\n"
    "[Board_002]\r\nTitle=C\r\nBoard=c.bmp\r\n"
    "[Board_003]\r\nTitle=D\r\nBoard=d.bmp\r\n"
    "[Board_009]\r\nTitle=Hidden\r\n";

std::string Titles(const std::string& file, Kind kind)
{
    const WindowsIni ini(file);
    std::string titles;
    for (int i = 0; i < SetEntries::Count(ini, kind); ++i)
        titles += ini.GetString(SetEntries::SectionName(kind, i), kind == Kind::Board ? "Title" : "Name", 0, "?");
    return titles;
}

class SetEntriesTest : public InProgramFolder {};

TEST_F(SetEntriesTest, DeleteDuplicateAndSwapKeepTheNumberingAndTheOtherSections)
{
    struct Case {
        const char* what;
        int (*op)(const std::string&, Kind, int, SetEntries::Renumbering*);
        int number;
        std::string titles;
        SetEntries::Renumbering renumbering;
    };
    const auto swapUp = [](const std::string& f, Kind k, int n, SetEntries::Renumbering* r) {
        return SetEntries::Swap(f, k, n, n - 1, r);
    };
    const auto swapDown = [](const std::string& f, Kind k, int n, SetEntries::Renumbering* r) {
        return SetEntries::Swap(f, k, n, n + 1, r);
    };
    const Case cases[] = {
        {"delete first", &SetEntries::Delete, 0, "BCD", {-1, 0, 1, 2}},
        {"delete middle", &SetEntries::Delete, 2, "ABD", {0, 1, -1, 2}},
        {"delete last", &SetEntries::Delete, 3, "ABC", {0, 1, 2, -1}},
        {"duplicate", &SetEntries::Duplicate, 1, "ABCDB", {0, 1, 2, 3}},
        {"up", swapUp, 2, "ACBD", {0, 2, 1, 3}},
        {"down", swapDown, 0, "BACD", {1, 0, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir_.Write("Mine.tsb", kBoardSet);
        SetEntries::Renumbering renumbering;
        ASSERT_EQ(c.op("Mine.tsb", Kind::Board, c.number, &renumbering), 0);
        EXPECT_EQ(Titles("Mine.tsb", Kind::Board), c.titles);
        EXPECT_EQ(renumbering, c.renumbering);
        const WindowsIni ini("Mine.tsb");
        EXPECT_EQ(ini.SectionAt(0)->Name(), "BoardSet");
        // Each entry keeps its own keys, and the entry past the gap stays where it was.
        EXPECT_EQ(ini.GetString("Board_000", "Board", 0, ""), std::string(1, c.titles[0] + 32) + ".bmp");
        EXPECT_EQ(ini.GetString("Board_009", "Title", 0, ""), "Hidden");
    }
}

TEST_F(SetEntriesTest, OutOfRangeChangesNothing)
{
    dir_.Write("Mine.tsb", kBoardSet);
    SetEntries::Renumbering renumbering;
    EXPECT_EQ(SetEntries::Delete("Mine.tsb", Kind::Board, 4, &renumbering), -1);
    EXPECT_EQ(SetEntries::Duplicate("Mine.tsb", Kind::Board, -1, &renumbering), -1);
    EXPECT_EQ(SetEntries::Swap("Mine.tsb", Kind::Board, 0, -1, &renumbering), -1);
    EXPECT_EQ(SetEntries::Swap("Mine.tsb", Kind::Board, 3, 4, &renumbering), -1);
    EXPECT_EQ(SetEntries::Swap("Mine.tsb", Kind::Board, 0, 2, &renumbering), -1);
    EXPECT_EQ(dir_.Read("Mine.tsb"), kBoardSet);
}

TEST_F(SetEntriesTest, StaleSectionReachedByTheNewNumberingGoes)
{
    dir_.Write("Mine.tsp",
               "[Brain_000]\r\nName=P\r\n[Brain_001]\r\nName=Q\r\n[Brain_002]\r\nComment=stale\r\n"
               "[Brain_000]\r\nName=shadowed\r\n");
    SetEntries::Renumbering renumbering;
    ASSERT_EQ(SetEntries::Duplicate("Mine.tsp", Kind::Player, 0, &renumbering), 0);
    EXPECT_EQ(dir_.Read("Mine.tsp"),
              "[Brain_000]\r\nName=P\r\n[Brain_001]\r\nName=Q\r\n[Brain_002]\r\nName=P\r\n");
}

TEST_F(SetEntriesTest, ReferencesFollowTheirEntryOrGoBackToTheStandardSet)
{
    using Settings::SetKind;
    struct Case {
        const char* what;
        SetKind kind;
        std::string settings;
        SetEntries::Renumbering renumbering;
        std::string expected;
        int changes;
    };
    const std::string players = "[Tessella]\r\n1stBrainSet=" + kMine + "\r\n1stBrainName=Brain_001\r\n2ndBrainSet=" +
                                kMine + "\r\n2ndBrainName=Brain_000\r\nDefaultBrainSet=" + kMine +
                                "\r\nDefaultBrainName=Brain_002\r\n";
    const Case cases[] = {
        {"board moved", SetKind::Board,
         "[Tessella]\r\nDefaultBoardSet=" + kMine + "\r\nDefaultBoardName=Board_001\r\n", {0, 2, 1},
         "[Tessella]\r\nDefaultBoardSet=" + kMine + "\r\nDefaultBoardName=Board_002\r\n", 1},
        {"board deleted", SetKind::Board,
         "[Tessella]\r\nDefaultBoardSet=" + kMine + "\r\nDefaultBoardName=Board_001\r\n", {0, -1, 1},
         "[Tessella]\r\nDefaultBoardSet=" + kStandard + "\r\nDefaultBoardName=Board_000\r\n", 1},
        {"board of another set", SetKind::Board,
         "[Tessella]\r\nDefaultBoardSet=" + kStandard + "\r\nDefaultBoardName=Board_001\r\n", {0, -1, 1},
         "[Tessella]\r\nDefaultBoardSet=" + kStandard + "\r\nDefaultBoardName=Board_001\r\n", 0},
        {"board missing keys, first board moved", SetKind::Board, "", {1, 0},
         "", 0},
        {"players: one kept, one deleted, one moved", SetKind::Player, players, {-1, 1, 0},
         "[Tessella]\r\n1stBrainSet=" + kMine + "\r\n1stBrainName=Brain_001\r\n2ndBrainSet=" + kStandard +
             "\r\n2ndBrainName=Brain_000\r\nDefaultBrainSet=" + kMine + "\r\nDefaultBrainName=Brain_000\r\n",
         2},
        {"player past the gap", SetKind::Player,
         "[Tessella]\r\n1stBrainSet=" + kMine + "\r\n1stBrainName=Brain_007\r\n", {1, 0},
         "[Tessella]\r\n1stBrainSet=" + kMine + "\r\n1stBrainName=Brain_007\r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir_.Write("Tessella.ini", c.settings);
        std::vector<SetReferences::Change> changes;
        ASSERT_EQ(SetReferences::Update(c.kind, kMine, c.renumbering, &changes), 0);
        EXPECT_EQ(dir_.Read("Tessella.ini"), c.expected);
        EXPECT_EQ(static_cast<int>(changes.size()), c.changes);
    }
}

TEST_F(SetEntriesTest, DeletedPlayerIsReportedAsReset)
{
    dir_.Write("Tessella.ini", "[Tessella]\r\n2ndBrainSet=" + kMine + "\r\n2ndBrainName=Brain_001\r\n");
    std::vector<SetReferences::Change> changes;
    ASSERT_EQ(SetReferences::Update(Settings::SetKind::Player, kMine, {0, -1}, &changes), 0);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_STREQ(changes[0].entryKey, "2ndBrainName");
    EXPECT_EQ(changes[0].before, "Brain_001");
    EXPECT_EQ(changes[0].after, "Brain_000");
    EXPECT_TRUE(changes[0].reset);
}

}  // namespace
