#include "data/SetEntries.h"
#include "setup/SetReferences.h"
#include "setup/Settings.h"
#include "support/Cp932.h"
#include "support/InProgramFolder.h"
#include "support/SetFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = SetEntries::Kind;

// Boards titled by the letters, each with its own picture, between a leading set section and a stale
// entry past the gap.
std::string BoardSet(const std::string& titles)
{
    std::string text = "[BoardSet]\r\nName=Mine\r\n";
    for (std::size_t i = 0; i < titles.size(); ++i)
        text += Format("[Board_%03zu]\r\nTitle=%c\r\nBoard=%c.bmp\r\n", i, titles[i], titles[i] + 32);
    return text + "[Board_009]\r\nTitle=Hidden\r\n";
}

class SetEntriesTest : public InProgramFolder {};

TEST_F(SetEntriesTest, DeleteDuplicateAndSwapKeepTheNumberingAndTheOtherSections)
{
    enum Op { Delete, Duplicate, Swap };
    const struct {
        Op op;
        int number, to, result;
        std::string titles;
        SetEntries::Renumbering renumbering;
    } cases[] = {
        {Delete, 0, 0, 0, "BCD", {-1, 0, 1, 2}},  {Delete, 2, 0, 0, "ABD", {0, 1, -1, 2}},
        {Delete, 3, 0, 0, "ABC", {0, 1, 2, -1}},  {Duplicate, 1, 0, 0, "ABCDB", {0, 1, 2, 3}},
        {Swap, 2, 1, 0, "ACBD", {0, 2, 1, 3}},    {Swap, 0, 1, 0, "BACD", {1, 0, 2, 3}},
        {Delete, 4, 0, -1, "ABCD", {}},          {Duplicate, -1, 0, -1, "ABCD", {}},
        {Swap, 0, -1, -1, "ABCD", {}},           {Swap, 3, 4, -1, "ABCD", {}},
        {Swap, 0, 2, -1, "ABCD", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.op << " " << c.number << " " << c.to);
        dir_.Write("Mine.tsb", BoardSet("ABCD"));
        SetEntries::Renumbering renumbering;
        const int result = c.op == Delete      ? SetEntries::Delete("Mine.tsb", Kind::Board, c.number, &renumbering)
                           : c.op == Duplicate ? SetEntries::Duplicate("Mine.tsb", Kind::Board, c.number, &renumbering)
                                               : SetEntries::Swap("Mine.tsb", Kind::Board, c.number, c.to, &renumbering);
        ASSERT_EQ(result, c.result);
        EXPECT_EQ(renumbering, c.renumbering);
        EXPECT_EQ(dir_.Read("Mine.tsb"), BoardSet(c.titles));
    }

    // A stale section the new numbering reaches goes, as does a repeated one.
    dir_.Write("Mine.tsp", "[Brain_000]\r\nName=P\r\n[Brain_001]\r\nName=Q\r\n[Brain_002]\r\nComment=stale\r\n"
                           "[Brain_000]\r\nName=shadowed\r\n");
    SetEntries::Renumbering renumbering;
    ASSERT_EQ(SetEntries::Duplicate("Mine.tsp", Kind::Player, 0, &renumbering), 0);
    EXPECT_EQ(dir_.Read("Mine.tsp"), "[Brain_000]\r\nName=P\r\n[Brain_001]\r\nName=Q\r\n[Brain_002]\r\nName=P\r\n");
}

TEST_F(SetEntriesTest, ReferencesFollowTheirEntryOrGoBackToTheStandardSet)
{
    // The settings of "自作" after [Tessella], then each change: key, before > after, "!" when reset.
    const std::string players = "1stBrainSet=自作\n1stBrainName=Brain_001\n2ndBrainSet=自作\n2ndBrainName=Brain_000\n"
                                "DefaultBrainSet=自作\nDefaultBrainName=Brain_002\n";
    const struct {
        const char* what;
        Settings::SetKind kind;
        std::string settings;
        SetEntries::Renumbering renumbering;
        std::string expected, changes;
    } cases[] = {
        {"board deleted", Settings::SetKind::Board, "DefaultBoardSet=自作\nDefaultBoardName=Board_001\n", {0, -1, 1},
         "DefaultBoardSet=標準\nDefaultBoardName=Board_000\n", "DefaultBoardName Board_001>Board_000! "},
        {"board missing keys, first board moved", Settings::SetKind::Board, "", {1, 0}, "", ""},
        {"players: one kept, one deleted, one moved", Settings::SetKind::Player, players, {-1, 1, 0},
         "1stBrainSet=自作\n1stBrainName=Brain_001\n2ndBrainSet=標準\n2ndBrainName=Brain_000\n"
         "DefaultBrainSet=自作\nDefaultBrainName=Brain_000\n",
         "2ndBrainName Brain_000>Brain_000! DefaultBrainName Brain_002>Brain_000 "},
        {"player past the gap", Settings::SetKind::Player, "1stBrainSet=自作\n1stBrainName=Brain_007\n", {1, 0},
         "1stBrainSet=自作\n1stBrainName=Brain_007\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteCp932(dir_, "Tessella.ini", QStringLiteral("[Tessella]\n") + QString::fromStdString(c.settings));
        std::vector<SetReferences::Change> changes;
        ASSERT_EQ(SetReferences::Update(c.kind, Cp932(QStringLiteral("自作")), c.renumbering, &changes), 0);
        EXPECT_EQ(TextCodec::ToUi(dir_.Read("Tessella.ini")),
                  QStringLiteral("[Tessella]\r\n") + QString::fromStdString(c.expected).replace('\n', "\r\n"));
        std::string described;
        for (const SetReferences::Change& change : changes)
            described += std::string(change.entryKey) + " " + change.before + ">" + change.after + (change.reset ? "! " : " ");
        EXPECT_EQ(described, c.changes);
    }
}

}  // namespace
