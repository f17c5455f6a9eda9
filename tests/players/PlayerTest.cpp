#include "players/Player.h"

#include "data/WindowsIni.h"
#include "engine/BoardStatus.h"
#include "pictures/PictureLoader.h"
#include "platform/Clock.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/PlayerSetFile.h"
#include "support/BoardText.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedRandom.h"
#include "support/SetFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Codes = std::array<int, 3>;

// Values as a player holds them before the section is applied, so keeping is visible.
PlayerSectionValues Read(const std::vector<std::string>& lines, const std::string& section = "Brain_000")
{
    PlayerSectionValues values;
    values.name = "old name";
    values.author = "old author";
    values.stretch = 1;
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i)
        values.faceFiles[i] = Format("old%d", i);
    values.faceCount = 5;
    values.codes.fill({13, 14, 15});
    TempDir dir;
    dir.Write("set.tsp", Crlf(lines));
    PlayerSetFile::ReadSection(WindowsIni(dir.File("set.tsp")), section, &values);
    return values;
}

TEST(PlayerSetFile, ReadingUpdatesOnlyTheValuesTheSectionHolds)
{
    PlayerSectionValues v = Read({"[Brain_000]", "Brain_00=abc,NormalBrain02", "Brain_01=10,normalbrain02,NormalBrain13,",
                                  "Brain_02=30,NormalBrain10,NormalBrain00,NormalBrain09", "Brain_03=25", "Brain_04=",
                                  "Name=A,B", "Stretch=true", "Face_00=a", "Face_01=b", "Face_03=d"});
    EXPECT_EQ(v.limits, (std::array<int, 6>{0, 10, 30, 25, 0, 0}));
    EXPECT_EQ(v.codes[0], (Codes{12, 14, 15}));
    EXPECT_EQ(v.codes[1], (Codes{0, 0, 0}));
    EXPECT_EQ(v.codes[2], (Codes{20, 10, 19}));
    EXPECT_EQ(v.codes[5], (Codes{13, 14, 15}));
    EXPECT_EQ(v.name, "A");
    EXPECT_EQ(v.author, "old author");
    EXPECT_EQ(v.stretch, 0) << "only True sets the flag";
    EXPECT_EQ(v.faceCount, 2) << "faces end at the first absent key";
    EXPECT_EQ(v.faceFiles[3], "old3");

    EXPECT_EQ(Read({"[Brain_000]", "Stretch=True"}).stretch, 1);
    v = Read({"[Brain_000]", "Name=" + std::string(255, 'a') + "\x82\xa0" + "tail", "Author=" + std::string(300, 'b')});
    EXPECT_EQ(v.name, std::string(255, 'a')) << "cut without splitting a double-byte character";
    EXPECT_EQ(v.author, std::string(256, 'b'));

    v = Read({"[Brain_000]", "Name=x", "Brain_00=20,NormalBrain02", "Stretch=True", "Face_00=a"}, "Brain_007");
    EXPECT_EQ(v.name, "old name");
    EXPECT_EQ(v.codes[0], (Codes{13, 14, 15}));
    EXPECT_EQ(v.limits[0], 0);
    EXPECT_EQ(v.stretch, 0);
    EXPECT_EQ(v.faceCount, 0);
}

TEST(PlayerSetFile, CountsConsecutiveSectionsWithAName)
{
    TempDir dir;
    dir.Write("gap.tsp", Crlf({"[Demo_000]", "Name=demo", "[Brain_000]", "Name=a", "[Brain_001]", "Name=",
                               "[Brain_003]", "Name=d"}));
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("gap.tsp")), 2);
    dir.Write("noname.tsp", Crlf({"[Brain_000]", "Author=a", "[Brain_001]", "Name=b"}));
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("noname.tsp")), 0);
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("missing.tsp")), 0);
}

TEST(PlayerSetFile, WritingUpdatesKeysInPlaceAddsTheOthersInOrderAndReadsBack)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Brain_00=5,NormalBrain01,NormalBrain01,NormalBrain01", "Name=Old",
                               "Extra=kept", "Brain_03=9", "[Brain_001]", "Name=Other"}));
    PlayerRecordText fields;
    fields.name = "A,B";
    // 標準プレイヤー: second bytes inside the ASCII range must survive.
    fields.author = "\x95\x57\x8f\x80\x83\x76\x83\x8c\x83\x43\x83\x84\x81\x5b";
    fields.comment = std::string(254, 'c') + "\x82\xa0";  // cut to 255 bytes without splitting the last character
    fields.stretch = true;
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i)
        fields.faces[i] = Format("P\\F%d.bmp", i);
    fields.limits = {"1x", "72", "0", "0", "0", "0"};
    fields.codes[0] = {10, 25, 0};
    fields.codes[1] = {14, 20, 11};
    ASSERT_EQ(PlayerSetFile::WriteSection(dir.File("set.tsp"), "Brain_000", fields), 0);
    EXPECT_EQ(dir.Read("set.tsp"),
              Crlf({"[Brain_000]", "Brain_00=1x,,,", "Name=A,B", "Extra=kept", "Brain_03=0,,,", "Author=" + fields.author,
                    "Comment=" + std::string(254, 'c'), "Stretch=True", "Face_00=P\\F0.bmp", "Face_01=P\\F1.bmp",
                    "Face_02=P\\F2.bmp", "Face_03=P\\F3.bmp", "Face_04=P\\F4.bmp",
                    "Brain_01=72,NormalBrain04,NormalBrain10,NormalBrain01", "Brain_02=0,,,", "Brain_04=0,,,",
                    "Brain_05=0,,,", "[Brain_001]", "Name=Other"}));
    PlayerSectionValues values;
    PlayerSetFile::ReadSection(WindowsIni(dir.File("set.tsp")), "Brain_000", &values);
    EXPECT_EQ(values.author, fields.author);
    EXPECT_EQ(values.stretch, 1);
    EXPECT_EQ(values.codes[1], (Codes{14, 20, 11}));

    fields.stretch = false;
    ASSERT_EQ(PlayerSetFile::WriteSection(dir.File("set.tsp"), "Brain_000", fields), 0);
    EXPECT_NE(dir.Read("set.tsp").find("\r\nStretch=False\r\n"), std::string::npos);
    EXPECT_EQ(PlayerSetFile::WriteSection(dir.File("no/such/folder/set.tsp"), "Brain_000", fields), 1);
}

class PlayerLoad : public InProgramFolder {
protected:
    // Faces 0..4 are 11..15 pixels wide.
    void SetUp() override
    {
        InProgramFolder::SetUp();
        std::filesystem::create_directory("pic");
        for (int i = 0; i < Player::kFaces; ++i)
            SaveBmp(Format("pic/face%d.bmp", i), qRgb(200, 40, 40), 11 + i, 4);
    }

    std::vector<std::string> Full(const std::string& header) const
    {
        std::vector<std::string> lines = {header, "Name=Full", "Author=Maker", "Comment=Hi", "Stretch=True"};
        for (int i = 0; i < Player::kFaces; ++i)
            lines.push_back(Format("Face_0%d=Pic\\FACE%d.BMP", i, i));
        lines.insert(lines.end(), {"Brain_00=10,NormalBrain02,NormalBrain08,NormalBrain03",
                                   "Brain_01=30,NormalBrain04,NormalBrain10,NormalBrain01", "Brain_05=72,NormalBrain00,,"});
        return lines;
    }
};

TEST_F(PlayerLoad, ReadsTheSectionWithItsFacesIntoAFreshProfile)
{
    std::vector<std::string> lines = Full("[Brain_000]");
    const std::vector<std::string> sparse = {"[Brain_001]", "Name=Sparse", "Face_00=pic\\face4.bmp", "Face_01=",
                                             "Face_02=pic\\missing.bmp", "Brain_03=25"};
    lines.insert(lines.end(), sparse.begin(), sparse.end());
    dir_.Write("set.tsp", Crlf(lines));
    Player player(nullptr, nullptr, 0);
    player.Load("set.tsp", "Brain_000");
    EXPECT_EQ(player.Name(), "Full");
    EXPECT_EQ(player.Stretch(), 1);
    for (int i = 0; i < Player::kFaces; ++i)
        EXPECT_EQ(player.Face(i).width(), 11 + i) << "stored names ignore case, face " << i;
    EXPECT_EQ(Codes({player.Code(1, 0), player.Code(1, 1), player.Code(1, 2)}), (Codes{14, 20, 11}));
    EXPECT_EQ(player.Limit(1), 30);
    EXPECT_EQ(player.Code(6, 0) + player.Code(0, 3) + player.Limit(6), 0);
    EXPECT_FALSE(player.StrategyName(0, 3).has_value());
    EXPECT_TRUE(player.Face(5).isNull());

    player.SetPlayType(Player::kPlayUser);
    player.SetState(4);
    player.AddWin();
    std::vector<QString> failures;
    PictureLoader::SetFailureReporter([&](const QString& path, const QString&) { failures.push_back(path); });
    player.Load("set.tsp", "Brain_001");
    PictureLoader::SetFailureReporter({});
    EXPECT_EQ(player.Name(), "Sparse");
    EXPECT_EQ(player.Author(), "");
    EXPECT_EQ(player.Stretch(), 0);
    EXPECT_EQ(player.Face(0).width(), 15);
    EXPECT_TRUE(player.Face(1).isNull());
    EXPECT_TRUE(player.Face(3).isNull()) << "faces past the keys keep the fresh empty picture";
    EXPECT_EQ(failures.size(), 1u) << "an empty name means no picture, not an unreadable one";
    EXPECT_EQ(player.Code(0, 0), 0);
    EXPECT_EQ(player.Limit(3), 25);
    EXPECT_EQ(player.PlayType(), Player::kPlayUser);
    EXPECT_EQ(player.State(), 4);
    EXPECT_EQ(player.Wins(), 0);

    player.Load("missing.tsp", "Brain_000");
    EXPECT_EQ(player.FileName(), "missing.tsp");
    EXPECT_EQ(player.Name(), "");
    EXPECT_EQ(player.Limit(5), 0);
}

TEST_F(PlayerLoad, StrategyNamesMapToCodesAndBack)
{
    for (int code = Brain::kCodeUser; code <= Brain::kCodeDeepRead; ++code) {
        const std::string name = Player::StrategyDisplayName(code);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(TextCodec::ToUi(name), Player::StrategyUiName(code)) << code;
        EXPECT_EQ(Player::StrategyCodeOfName(name), code);
    }
    EXPECT_EQ(Player::StrategyDisplayName(10), Sj("ユーザ"));
    EXPECT_EQ(Player::StrategyDisplayName(22), Sj("深読み"));
    EXPECT_EQ(Player::StrategyDisplayName(23), "");
    EXPECT_EQ(Player::StrategyCodeOfName("NormalBrain02"), 0);

    dir_.Write("set.tsp", Crlf({"[Brain_000]", "Brain_00=10,NormalBrain02,,NormalBrain10"}));
    Player player(nullptr, nullptr, 0);
    player.Load("set.tsp", "Brain_000");
    EXPECT_EQ(player.StrategyName(0, 0), Player::StrategyDisplayName(12));
    EXPECT_EQ(player.StrategyName(0, 1), std::optional<std::string>(""));
    EXPECT_EQ(player.StrategyName(0, 2), Player::StrategyDisplayName(20));
}

TEST_F(PlayerLoad, IdentityAndTakingOverAnotherPlayer)
{
    std::vector<std::string> lines = Full("[Brain_000]");
    lines.insert(lines.end(), {"[Brain_001]", "Name=Full"});
    dir_.Write("set.tsp", Crlf(lines));
    Player a(nullptr, nullptr, 0);
    Player b(nullptr, nullptr, 0);
    a.Load("set.tsp", "Brain_000");
    b.Load("set.tsp", "Brain_000");
    EXPECT_EQ(a.SameAs(b), 1);
    b.SetPlayType(Player::kPlayUser);
    EXPECT_EQ(a.SameAs(b), 0);
    b.SetPlayType(Player::kPlayComputer);
    b.Load("set.tsp", "Brain_001");
    EXPECT_EQ(a.SameAs(b), 0);
    b.Load("SET.tsp", "Brain_000");
    EXPECT_EQ(a.SameAs(b), 0) << "file names compare exactly";

    a.SetPlayType(Player::kPlayUser);
    a.AddWin();
    a.AddWin();
    a.AddLoss();
    // The file changes under the source: codes come from the source, the rest from the file.
    dir_.Write("set.tsp", Crlf({"[Brain_000]", "Name=Changed", "Brain_00=40,NormalBrain01,,"}));
    Player target(nullptr, nullptr, 0);
    target.AddDraw();
    target.LoadFrom(a);
    EXPECT_EQ(target.Wins() * 100 + target.Losses() * 10 + target.Draws(), 210);
    EXPECT_EQ(target.PlayType(), Player::kPlayUser);
    EXPECT_EQ(target.Name(), "Changed");
    EXPECT_EQ(target.Limit(0), 40);
    EXPECT_EQ(target.Code(0, 1), 18);
    EXPECT_EQ(target.SameAs(a), 1);
    target.LoadFrom(target);
    EXPECT_EQ(target.Wins(), 2) << "loading from itself keeps the record";

    // Reloading keeps the own record and takes the edited profile.
    dir_.Write("set.tsp", Crlf({"[Brain_000]", "Name=After", "Brain_00=72,NormalBrain10,,"}));
    Player chosen(nullptr, nullptr, 0);
    chosen.Load("set.tsp", "Brain_000");
    chosen.AddLoss();
    target.ReloadFrom(chosen);
    EXPECT_EQ(target.Name(), "After");
    EXPECT_EQ(target.Code(0, 0), 20);
    EXPECT_EQ(target.Wins() * 100 + target.Losses() * 10 + target.Draws(), 210);
}

// Side 1 has two legal cells: 30, a corner, and 65, not a corner.
BoardStatus CornerOrNot()
{
    return BoardFromRows({"   ....   ", "  ......  ", " ........ ", ".OX.......", ".....X....", ".....O....",
                          "..........", " ........ ", "  ......  ", "   ....   "});
}

class PlayerTurn : public InProgramFolder {
protected:
    void SetUp() override
    {
        InProgramFolder::SetUp();
        Player::ResetThinkingClock();
        Clock::SetOverride([this] { return now; });
    }
    void TearDown() override
    {
        Clock::ClearOverride();
        Player::ResetThinkingClock();
        InProgramFolder::TearDown();
    }

    void Profile(Player* player, std::vector<std::string> phaseLines)
    {
        phaseLines.insert(phaseLines.begin(), {"[Brain_000]", "Name=p"});
        dir_.Write("set.tsp", Crlf(phaseLines));
        player->Load("set.tsp", "Brain_000");
    }

    std::int64_t now = 1000;
};

TEST_F(PlayerTurn, ThePhaseIsTheFirstWhoseLimitReachesTheMoveCountBeforeAnEmptyPhase)
{
    const struct {
        std::vector<std::string> lines;
        std::vector<std::pair<int, int>> movesToPhase;
        Codes codesAt25;
    } cases[] = {
        {{"Brain_00=10,NormalBrain01", "Brain_01=30,NormalBrain02", "Brain_02=72,NormalBrain03",
          "Brain_03=72,NormalBrain04", "Brain_04=72,NormalBrain05", "Brain_05=72,NormalBrain06"},
         {{0, 0}, {10, 0}, {11, 1}, {30, 1}, {31, 2}, {72, 2}, {73, 5}},
         {12, 0, 0}},
        {{"Brain_00=0,NormalBrain01", "Brain_01=0,NormalBrain02", "Brain_02=0,NormalBrain03",
          "Brain_03=0,NormalBrain04", "Brain_04=0,NormalBrain05", "Brain_05=72,NormalBrain06"},
         {{0, 0}, {1, 5}, {72, 5}},
         {16, 0, 0}},
        // Phase 2 has no first code, so phase 3 is never reached.
        {{"Brain_00=10,NormalBrain01", "Brain_01=20,NormalBrain02", "Brain_02=72,,NormalBrain03",
          "Brain_03=72,NormalBrain04"},
         {{15, 1}, {25, 1}},
         {12, 0, 0}},
        // No first code at all: every move is random.
        {{"Brain_00=72,,NormalBrain02,NormalBrain03"}, {{0, -1}}, {11, 0, 0}},
    };
    for (const auto& c : cases) {
        Player player(nullptr, nullptr, 0);
        Profile(&player, c.lines);
        for (const auto& [moves, phase] : c.movesToPhase)
            EXPECT_EQ(player.PhaseFor(moves), phase) << c.lines[0] << " at " << moves;
        EXPECT_EQ(player.CodesFor(25), c.codesAt25) << c.lines[0];
    }
}

TEST_F(PlayerTurn, ComputerPlaysThePhaseOfTheLiveMoveCountAndAlwaysMoves)
{
    const BoardStatus board = CornerOrNot();
    Brain brain(board, 1);
    Player player(&board, &brain, 1);
    const struct {
        std::vector<std::string> lines;
        int draw;
        int move;
    } cases[] = {
        {{"Brain_00=0,NormalBrain06", "Brain_01=72,NormalBrain02"}, 0, 65},
        {{"Brain_00=-1,NormalBrain06", "Brain_01=72,NormalBrain02"}, 0, 30},
        {{}, 0, 30},  // no strategy: random
        {{}, 1, 65},
    };
    for (const auto& c : cases) {
        Profile(&player, c.lines);
        const ScriptedRandom random({c.draw});
        brain.Clear();
        EXPECT_EQ(player.ChooseMove(), c.move);
        EXPECT_EQ(player.State(), Player::kStateMoveChosen);
    }
    // The user's strategy in a computer profile casts no vote.
    Profile(&player, {"Brain_00=72,NormalBrain00,,"});
    brain.Clear();
    EXPECT_EQ(player.ChooseMove(), Player::kNoMove);
    EXPECT_EQ(player.State(), Player::kStateThinking);

    Player display(nullptr, nullptr, 0);
    EXPECT_EQ(display.ChooseMove(), Player::kNoMove);
    EXPECT_EQ(display.FaceIndex(), 0);
}

TEST_F(PlayerTurn, UserPlaysTheFirstClickAndASideWithoutPlacementPasses)
{
    const BoardStatus board = CornerOrNot();
    Brain brain(board, 1);
    Player player(&board, &brain, 1);
    player.SetPlayType(Player::kPlayUser);
    EXPECT_EQ(player.ChooseMove(), Player::kNoMove);
    EXPECT_EQ(player.State(), Player::kStateThinking);
    brain.AddVote(6, 5);
    brain.AddVote(3, 0);
    EXPECT_EQ(player.ChooseMove(), 65);
    EXPECT_EQ(player.State(), Player::kStateMoveChosen);

    Player::ResetThinkingClock();
    std::vector<std::string> rows = StartRows();
    rows[4] = rows[5] = "....XX....";
    const BoardStatus lost = BoardFromRows(rows);
    Brain lostBrain(lost, 2);
    Player loser(&lost, &lostBrain, 2);
    loser.SetPlayType(Player::kPlayUser);
    lostBrain.AddVote(4, 4);
    EXPECT_EQ(loser.ChooseMove(), Player::kPass);
    EXPECT_EQ(loser.State(), Player::kStatePassed);
    now = 1005;
    EXPECT_EQ(loser.ChooseMove(), Player::kPass);
    EXPECT_EQ(loser.ElapsedSeconds(), 0) << "a pass counts no time";
}

TEST_F(PlayerTurn, ThinkingTimeCountsAtMostOneSecondPerCall)
{
    const BoardStatus board = CornerOrNot();
    // Two players of the side that can move here, so neither passes.
    Brain firstBrain(board, 1);
    Brain secondBrain(board, 1);
    Player first(&board, &firstBrain, 1);
    Player second(&board, &secondBrain, 1);
    first.SetPlayType(Player::kPlayUser);
    second.SetPlayType(Player::kPlayUser);
    const auto at = [this](Player& player, std::int64_t second) {
        now = second;
        player.ChooseMove();
        return player.ElapsedSeconds();
    };
    EXPECT_EQ(at(first, 1000), 0);
    EXPECT_EQ(at(first, 1000), 0);
    EXPECT_EQ(at(first, 1003), 1) << "three seconds passed, one call counts one";
    EXPECT_EQ(at(first, 1004), 2);
    // The other side shares the second last counted while no move was chosen.
    EXPECT_EQ(at(second, 1005), 1);
    // A chosen move clears the shared second: the next turn starts its own count.
    secondBrain.AddVote(6, 5);
    EXPECT_EQ(at(second, 1005), 1);
    EXPECT_EQ(at(first, 1009), 2);
    EXPECT_EQ(at(first, 1010), 3);
    first.ResetElapsed();
    EXPECT_EQ(first.ElapsedSeconds(), 0);

    // Taking over another player carries its time.
    Player copy(nullptr, nullptr, 0);
    copy.LoadFrom(second);
    EXPECT_EQ(copy.ElapsedSeconds(), 1);
    copy.ReloadFrom(first);
    EXPECT_EQ(copy.ElapsedSeconds(), 1);
}

}  // namespace
