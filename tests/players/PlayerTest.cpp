#include "players/Player.h"

#include "engine/BoardStatus.h"
#include "pictures/PictureLoader.h"
#include "platform/Clock.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/PlayerChecks.h"
#include "players/PlayerSetFile.h"
#include "support/BoardText.h"
#include "support/InProgramFolder.h"
#include "support/SetFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Codes = std::array<int, 3>;

TEST(PlayerSetFile, CountingStopsAtTheFirstGapAndWritingUpdatesKeysInPlace)
{
    TempDir dir;
    const std::pair<std::vector<std::string>, int> sets[] = {
        {{"[Demo_000]", "Name=demo", "[Brain_000]", "Name=a", "[Brain_001]", "Name=", "[Brain_003]", "Name=d"}, 2},
        {{"[Brain_000]", "Author=a", "[Brain_001]", "Name=b"}, 0},
    };
    for (const auto& [lines, count] : sets) {
        dir.Write("set.tsp", Crlf(lines));
        EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("set.tsp")), count) << lines[0];
    }
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("missing.tsp")), 0);

    dir.Write("set.tsp", Crlf({"[Brain_000]", "Brain_00=5,NormalBrain01,NormalBrain01,NormalBrain01", "Name=Old",
                               "Extra=kept", "Brain_03=9", "[Brain_001]", "Name=Other"}));
    PlayerRecordText fields;
    fields.name = "A,B";
    // 標準プレイヤー: second bytes inside the ASCII range must survive.
    fields.author = "\x95\x57\x8f\x80\x83\x76\x83\x8c\x83\x43\x83\x84\x81\x5b";
    fields.comment = std::string(254, 'c') + "\x82\xa0";  // cut to 255 bytes without splitting the last character
    fields.stretch = true;
    fields.faces.fill("P\\F.bmp");
    fields.limits = {"1x", "72", "0", "0", "0", "0"};
    fields.codes[0] = {10, 25, 0};
    fields.codes[1] = {14, 20, 11};
    ASSERT_EQ(PlayerSetFile::WriteSection(dir.File("set.tsp"), "Brain_000", fields), 0);
    EXPECT_EQ(dir.Read("set.tsp"),
              Crlf({"[Brain_000]", "Brain_00=1x,,,", "Name=A,B", "Extra=kept", "Brain_03=0,,,", "Author=" + fields.author,
                    "Comment=" + std::string(254, 'c'), "Stretch=True", "Face_00=P\\F.bmp", "Face_01=P\\F.bmp",
                    "Face_02=P\\F.bmp", "Face_03=P\\F.bmp", "Face_04=P\\F.bmp",
                    "Brain_01=72,NormalBrain04,NormalBrain10,NormalBrain01", "Brain_02=0,,,", "Brain_04=0,,,",
                    "Brain_05=0,,,", "[Brain_001]", "Name=Other"}));
    EXPECT_EQ(PlayerSetFile::WriteSection(dir.File("no/such/folder/set.tsp"), "Brain_000", fields), 1);
}

// A program folder with set.tsp (a full and a sparse player) and faces 0..4, 11..15 pixels wide; the clock is
// the test's.
class PlayerTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        InProgramFolder::SetUp();
        Player::ResetThinkingClock();
        Clock::SetOverride([this] { return now; });
        std::filesystem::create_directory("pic");
        for (int i = 0; i < Player::kFaces; ++i)
            SaveBmp(Format("pic/face%d.bmp", i), qRgb(200, 40, 40), 11 + i, 4);
        std::vector<std::string> lines = {"[Brain_000]", "Name=Full", "Author=Maker", "Comment=Hi", "Stretch=True"};
        for (int i = 0; i < Player::kFaces; ++i)
            lines.push_back(Format("Face_0%d=Pic\\FACE%d.BMP", i, i));
        lines.insert(lines.end(), {"Brain_00=10,NormalBrain02,NormalBrain08,NormalBrain03",
                                   "Brain_01=30,NormalBrain04,NormalBrain10,NormalBrain01", "Brain_05=72,NormalBrain00,,",
                                   "[Brain_001]", "Name=" + std::string(255, 'a') + "\x82\xa0" + "tail",
                                   "Author=" + std::string(300, 'b'), "Stretch=true", "Face_00=pic\\face4.bmp", "Face_01=",
                                   "Face_02=pic\\missing.bmp", "Face_04=pic\\face0.bmp", "Brain_00=abc,NormalBrain02",
                                   "Brain_01=10,normalbrain02,NormalBrain13,",
                                   "Brain_02=30,NormalBrain10,NormalBrain00,NormalBrain09", "Brain_03=25", "Brain_04="});
        dir_.Write("set.tsp", Crlf(lines));
    }
    void TearDown() override
    {
        Clock::ClearOverride();
        Player::ResetThinkingClock();
        InProgramFolder::TearDown();
    }

    // Side 1 has two legal cells: 30, a corner, and 65, not a corner.
    const BoardStatus board_ = BoardFromRows({"   ....   ", "  ......  ", " ........ ", ".OX.......", ".....X....",
                                              ".....O....", "..........", " ........ ", "  ......  ", "   ....   "});
    std::int64_t now = 1000;
};

TEST_F(PlayerTest, ReadsTheSectionWithItsFacesIntoAFreshProfile)
{
    Player player(nullptr, nullptr, 0);
    player.Load("set.tsp", "Brain_000");
    EXPECT_EQ(player.Name(), "Full");
    EXPECT_EQ(player.Stretch(), 1);
    for (int i = 0; i < Player::kFaces; ++i)
        EXPECT_EQ(player.Face(i).width(), 11 + i) << "stored names ignore case, face " << i;
    EXPECT_EQ(Codes({player.Code(1, 0), player.Code(1, 1), player.Code(1, 2)}), (Codes{14, 20, 11}));
    EXPECT_EQ(player.Limit(1), 30);
    EXPECT_EQ(player.Code(6, 0) + player.Code(0, 3) + player.Limit(6), 0);

    player.SetPlayType(Player::kPlayUser);
    player.SetState(4);
    player.AddWin();
    std::vector<QString> failures;
    PictureLoader::SetFailureReporter([&](const QString& path, const QString&) { failures.push_back(path); });
    player.Load("set.tsp", "Brain_001");
    PictureLoader::SetFailureReporter({});
    EXPECT_EQ(player.Name(), std::string(255, 'a')) << "cut without splitting a double-byte character";
    EXPECT_EQ(player.Author(), std::string(256, 'b'));
    EXPECT_EQ(player.Comment() + player.FileName(), "set.tsp");
    EXPECT_EQ(player.Stretch(), 0) << "only True sets the flag";
    EXPECT_EQ(player.Face(0).width(), 15);
    for (const int i : {1, 3, 4})
        EXPECT_TRUE(player.Face(i).isNull()) << "faces end at the first absent key, face " << i;
    EXPECT_EQ(failures.size(), 1u) << "an empty name means no picture, not an unreadable one";
    EXPECT_EQ(std::vector<int>({player.Limit(0), player.Limit(1), player.Limit(3), player.Limit(4), player.Limit(5)}),
              std::vector<int>({0, 10, 25, 0, 0}));
    for (const auto& [phase, codes] : {std::pair{0, Codes{12, 0, 0}}, {1, Codes{}}, {2, Codes{20, 10, 19}}, {5, Codes{}}})
        EXPECT_EQ(Codes({player.Code(phase, 0), player.Code(phase, 1), player.Code(phase, 2)}), codes) << phase;
    EXPECT_EQ(player.PlayType() * 10 + player.State(), Player::kPlayUser * 10 + 4);
    EXPECT_EQ(player.Wins(), 0);
    player.Load("set.tsp", "Brain_007");
    EXPECT_EQ(player.Name() + std::to_string(player.Limit(0)) + std::to_string(player.Code(0, 0)), "00");

    for (int code = Brain::kCodeUser; code <= Brain::kCodeDeepRead; ++code) {
        const std::string name = Player::StrategyDisplayName(code);
        EXPECT_EQ(TextCodec::ToUi(name), Player::StrategyUiName(code)) << code;
        EXPECT_EQ(Player::StrategyCodeOfName(name), code);
    }
    EXPECT_EQ(Player::StrategyDisplayName(23), "");
    EXPECT_EQ(Player::StrategyCodeOfName("NormalBrain02"), 0);
}

TEST_F(PlayerTest, IdentityAndTakingOverAnotherPlayer)
{
    Player a(nullptr, nullptr, 0);
    Player b(nullptr, nullptr, 0);
    a.Load("set.tsp", "Brain_000");
    // File names compare exactly.
    for (const auto& [file, section, type, same] : {std::tuple{"set.tsp", "Brain_000", Player::kPlayComputer, 1},
                                                    {"set.tsp", "Brain_000", Player::kPlayUser, 0},
                                                    {"set.tsp", "Brain_001", Player::kPlayComputer, 0},
                                                    {"SET.tsp", "Brain_000", Player::kPlayComputer, 0}}) {
        b.Load(file, section);
        b.SetPlayType(type);
        EXPECT_EQ(a.SameAs(b), same) << file << " " << section << " " << type;
    }

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
    EXPECT_EQ(target.Name() + std::to_string(target.Limit(0)), "Changed40");
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
    EXPECT_EQ(target.Name() + std::to_string(target.Code(0, 0)), "After20");
    EXPECT_EQ(target.Wins() * 100 + target.Losses() * 10 + target.Draws(), 210);
}

TEST_F(PlayerTest, ThePhaseIsTheFirstWhoseLimitReachesTheMoveCountAndTheEditorWarnsOfMovesNoneReaches)
{
    // Limits, first codes (every phase's second is 13), phases by move count, the codes at move 25, then how the
    // editor's warning starts ("" for none).
    const std::tuple<std::array<int, 6>, std::array<int, 6>, std::vector<std::pair<int, int>>, Codes, const char*> cases[] = {
        {{10, 30, 72, 72, 72, 72}, {11, 12, 14, 15, 16, 17}, {{0, 0}, {10, 0}, {11, 1}, {30, 1}, {31, 2}, {72, 2}, {73, 5}},
         {12, 13, 0}, ""},
        {{0, 0, 0, 0, 0, 72}, {11, 12, 14, 15, 16, 17}, {{0, 0}, {1, 5}, {72, 5}}, {17, 13, 0}, ""},
        // An earlier phase may reach further than the last one.
        {{80, 10, 0, 0, 0, 0}, {11, 12, 0, 0, 0, 0}, {{80, 0}, {81, 1}}, {11, 13, 0}, ""},
        // Phase 2 has no first code, so phase 3 is never reached.
        {{10, 20, 72, 72, 0, 0}, {11, 12, 0, 14, 0, 0}, {{15, 1}, {25, 1}}, {12, 13, 0},
         "手数 20 より後の手には合う段階がないため、最後の段階 2 の戦略で打ちます"},
        // No first code at all: every move is random.
        {{72, 72, 72, 72, 72, 72}, {}, {{0, -1}}, {11, 0, 0}, "どの段階にも戦略 1 がないため、すべての手を「ランダム」で打ちます"},
    };
    for (const auto& [limits, firstCodes, movesToPhase, codesAt25, warning] : cases) {
        SCOPED_TRACE(testing::Message() << firstCodes[0] << "," << limits[0]);
        std::array<Codes, 6> codes;
        for (int phase = 0; phase < 6; ++phase)
            codes[phase] = {firstCodes[phase], 13, 0};
        Player player(nullptr, nullptr, 0);
        player.SetPhases(codes, limits);
        for (const auto& [moves, phase] : movesToPhase)
            EXPECT_EQ(player.PhaseFor(moves), phase) << "at " << moves;
        EXPECT_EQ(player.CodesFor(25), codesAt25);
        const QString text = PlayerChecks::PhaseWarning(limits, firstCodes);
        EXPECT_TRUE(*warning == '\0' ? text.isEmpty() : text.startsWith(QString::fromUtf8(warning))) << text.toStdString();
    }
}

TEST_F(PlayerTest, ChoosesByTheLiveMoveCountsPhaseOrTheFirstClickAndCountsThinkingTime)
{
    Brain brain(board_, 1);
    Player player(&board_, &brain, 1);
    // Phase lines, then the move chosen.
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"Brain_00=0,NormalBrain06", "Brain_01=72,NormalBrain02"}, 65},
        {{"Brain_00=-1,NormalBrain06", "Brain_01=72,NormalBrain02"}, 30},
        {{"Brain_00=72,NormalBrain00,,"}, Player::kNoMove},  // the user's strategy casts no vote
    };
    for (const auto& [lines, move] : cases) {
        dir_.Write("phases.tsp", "[Brain_000]\r\n" + Crlf(lines));
        player.Load("phases.tsp", "Brain_000");
        brain.Clear();
        EXPECT_EQ(player.ChooseMove(), move);
        EXPECT_EQ(player.State(), move < 0 ? Player::kStateThinking : Player::kStateMoveChosen);
    }
    Player display(nullptr, nullptr, 0);
    EXPECT_EQ(display.ChooseMove() * 10 + display.FaceIndex(), Player::kNoMove * 10) << "a player without a brain";

    player.SetPlayType(Player::kPlayUser);
    brain.Clear();
    EXPECT_EQ(player.ChooseMove(), Player::kNoMove);
    brain.AddVote(6, 5);
    brain.AddVote(3, 0);
    EXPECT_EQ(player.ChooseMove(), 65);
    EXPECT_EQ(player.State(), Player::kStateMoveChosen);

    // Thinking time counts at most one second per call; a second player of the same side plays the other turn.
    Brain secondBrain(board_, 1);
    Player second(&board_, &secondBrain, 1);
    second.SetPlayType(Player::kPlayUser);
    brain.Clear();
    const auto at = [this](Player& who, std::int64_t second) {
        now = second;
        who.ChooseMove();
        return who.ElapsedSeconds();
    };
    EXPECT_EQ(at(player, 1000), 0);
    EXPECT_EQ(at(player, 1003), 1) << "three seconds passed, one call counts one";
    EXPECT_EQ(at(player, 1004), 2);
    // The other side shares the second last counted while no move was chosen.
    EXPECT_EQ(at(second, 1005), 1);
    // A chosen move clears the shared second: the next turn starts its own count.
    secondBrain.AddVote(6, 5);
    EXPECT_EQ(at(second, 1005), 1);
    EXPECT_EQ(at(player, 1009), 2);
    EXPECT_EQ(at(player, 1010), 3);
    player.ResetElapsed();
    EXPECT_EQ(player.ElapsedSeconds(), 0);
    // Taking over another player carries its time; reloading keeps the own.
    Player copy(nullptr, nullptr, 0);
    copy.LoadFrom(second);
    EXPECT_EQ(copy.ElapsedSeconds(), 1);
    copy.ReloadFrom(player);
    EXPECT_EQ(copy.ElapsedSeconds(), 1);

    // A side without placement passes and counts no time.
    std::vector<std::string> rows = StartRows();
    rows[4] = rows[5] = "....XX....";
    const BoardStatus lost = BoardFromRows(rows);
    Brain otherBrain(lost, 2);
    Player other(&lost, &otherBrain, 2);
    other.SetPlayType(Player::kPlayUser);
    otherBrain.AddVote(4, 4);
    EXPECT_EQ(other.ChooseMove(), Player::kPass);
    EXPECT_EQ(other.State(), Player::kStatePassed);
    now = 1015;
    EXPECT_EQ(other.ChooseMove(), Player::kPass);
    EXPECT_EQ(other.ElapsedSeconds(), 0);
}

}  // namespace
