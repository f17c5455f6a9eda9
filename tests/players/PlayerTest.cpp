#include "players/Player.h"

#include "engine/BoardStatus.h"
#include "pictures/PictureLoader.h"
#include "platform/Clock.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "support/BoardText.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Saves a small BMP whose width tells the faces apart.
std::string SaveFace(const TempDir& dir, const std::string& name, int width)
{
    QImage image(width, 4, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    const std::string path = dir.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

// A player section whose five faces are 11..15 pixels wide.
std::vector<std::string> FullSection(const TempDir& dir, const std::string& header)
{
    std::vector<std::string> lines = {header, "Name=Full", "Author=Maker", "Comment=Says hello", "Stretch=True"};
    for (int i = 0; i < Player::kFaces; ++i)
        lines.push_back("Face_0" + std::to_string(i) + "=" + SaveFace(dir, "face" + std::to_string(i) + ".bmp", 11 + i));
    lines.insert(lines.end(), {
        "Brain_00=10,NormalBrain02,NormalBrain08,NormalBrain03",
        "Brain_01=30,NormalBrain04,NormalBrain10,NormalBrain01",
        "Brain_02=72,NormalBrain06,,",
        "Brain_03=72,NormalBrain07,,",
        "Brain_04=72,NormalBrain09,,",
        "Brain_05=72,NormalBrain00,,",
    });
    return lines;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::array<int, 3> PhaseCodes(const Player& player, int phase)
{
    return {player.Code(phase, 0), player.Code(phase, 1), player.Code(phase, 2)};
}

TEST(PlayerLoad, ReadsEveryPartOfTheSection)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf(FullSection(dir, "[Brain_000]")));
    Player player(nullptr, nullptr, 0);
    EXPECT_EQ(player.Load(dir.File("set.tsp"), "Brain_000"), 0);

    EXPECT_EQ(player.FileName(), dir.File("set.tsp"));
    EXPECT_EQ(player.SectionName(), "Brain_000");
    EXPECT_EQ(player.Name(), "Full");
    EXPECT_EQ(player.Author(), "Maker");
    EXPECT_EQ(player.Comment(), "Says hello");
    EXPECT_EQ(player.Stretch(), 1);
    for (int i = 0; i < Player::kFaces; ++i)
        EXPECT_EQ(player.Face(i).width(), 11 + i) << "face " << i;
    EXPECT_EQ(PhaseCodes(player, 0), (std::array<int, 3>{12, 18, 13}));
    EXPECT_EQ(PhaseCodes(player, 1), (std::array<int, 3>{14, 20, 11}));
    EXPECT_EQ(PhaseCodes(player, 5), (std::array<int, 3>{10, 0, 0}));
    EXPECT_EQ(player.Limit(1), 30);
    EXPECT_EQ(player.Limit(5), 72);

    // Queries past the tables give nothing.
    EXPECT_EQ(player.Code(6, 0), 0);
    EXPECT_EQ(player.Code(0, 3), 0);
    EXPECT_EQ(player.Limit(6), 0);
    EXPECT_FALSE(player.StrategyName(0, 3).has_value());
    EXPECT_FALSE(player.StrategyName(6, 0).has_value());
    EXPECT_TRUE(player.Face(5).isNull());
}

TEST(PlayerLoad, AFaceThatCannotBeReadStaysEmptyAndIsReported)
{
    TempDir dir;
    std::vector<std::string> lines = FullSection(dir, "[Brain_000]");
    lines[6] = "Face_01=" + dir.File("missing.bmp");
    lines[7] = "Face_02=";
    dir.Write("set.tsp", Crlf(lines));

    std::vector<QString> failures;
    PictureLoader::SetFailureReporter([&](const QString& path, const QString&) { failures.push_back(path); });
    Player player(nullptr, nullptr, 0);
    player.Load(dir.File("set.tsp"), "Brain_000");
    PictureLoader::SetFailureReporter({});
    EXPECT_TRUE(player.Face(1).isNull());
    EXPECT_TRUE(player.Face(2).isNull()) << "an empty name means no picture";
    EXPECT_EQ(player.Face(3).width(), 14) << "the faces after it still load";
    EXPECT_EQ(failures, std::vector<QString>{QString::fromStdString(dir.File("missing.bmp"))});
}

TEST(PlayerLoad, StoredFaceNamesAreRelativeToTheProgramFolderAndIgnoreCase)
{
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "picture");
    SaveFace(dir, "picture/face0.bmp", 21);
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Name=p", "Face_00=Picture\\FACE0.BMP"}));

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Player player(nullptr, nullptr, 0);
    player.Load("set.tsp", "Brain_000");
    std::filesystem::current_path(previous);
    EXPECT_EQ(player.Face(0).width(), 21);
}

TEST(PlayerLoad, StartsFromAFreshProfile)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf(Concat(FullSection(dir, "[Brain_000]"), {
        "[Brain_001]",
        "Name=Sparse",
        "Face_00=" + dir.File("face4.bmp"),
        "Face_01=" + dir.File("face3.bmp"),
        "Face_02=" + dir.File("face2.bmp"),
        "Brain_03=25",
    })));
    Player player(nullptr, nullptr, 0);
    player.Load(dir.File("set.tsp"), "Brain_000");
    player.SetPlayType(Player::kPlayUser);
    player.SetState(4);
    player.AddWin();
    player.Load(dir.File("set.tsp"), "Brain_001");

    EXPECT_EQ(player.Name(), "Sparse");
    EXPECT_EQ(player.Author(), "");
    EXPECT_EQ(player.Stretch(), 0);
    EXPECT_EQ(player.Face(2).width(), 13);
    EXPECT_TRUE(player.Face(3).isNull()) << "only three face keys: faces 3 and 4 keep the fresh empty picture";
    EXPECT_EQ(PhaseCodes(player, 0), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(player.Limit(3), 25);
    EXPECT_EQ(player.PlayType(), Player::kPlayUser);
    EXPECT_EQ(player.State(), 4);
    EXPECT_EQ(player.Wins(), 0);
}

TEST(PlayerLoad, MissingFileOrSectionLeavesAFreshProfileWithLimitsZero)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf(FullSection(dir, "[Brain_000]")));
    for (const auto& [file, section] : {std::pair{dir.File("missing.tsp"), std::string("Brain_000")},
                                        std::pair{dir.File("set.tsp"), std::string("Brain_009")}}) {
        Player player(nullptr, nullptr, 0);
        player.Load(dir.File("set.tsp"), "Brain_000");
        player.AddLoss();
        player.Load(file, section);
        EXPECT_EQ(player.FileName(), file);
        EXPECT_EQ(player.SectionName(), section);
        EXPECT_EQ(player.Name(), "");
        EXPECT_TRUE(player.Face(0).isNull());
        EXPECT_EQ(player.Stretch(), 0);
        EXPECT_EQ(player.Limit(5), 0);
        EXPECT_EQ(player.Code(0, 0), 0);
        EXPECT_EQ(player.Losses(), 0);
    }
}

TEST(PlayerStrategyNames, DisplayNamesOfTheCodes)
{
    const char* const expected[] = {"ユーザ", "ランダム", "自角取", "自端取", "相角避", "相端避",
                                    "自角避", "自端避", "自大返", "自小返", "相置小", "先読み", "深読み"};
    for (int code = 10; code <= 22; ++code) {
        const std::string name = Player::StrategyDisplayName(code);
        EXPECT_EQ(TextCodec::ToUi(name), QString::fromUtf8(expected[code - 10])) << code;
        EXPECT_EQ(Player::StrategyCodeOfName(name), code);
    }
    EXPECT_EQ(Player::StrategyDisplayName(10), "\x83\x86\x81\x5b\x83\x55");
    EXPECT_EQ(Player::StrategyDisplayName(23), "");
    EXPECT_EQ(Player::StrategyCodeOfName(""), 0);
    EXPECT_EQ(Player::StrategyCodeOfName("NormalBrain02"), 0);

    TempDir dir;
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Brain_00=10,NormalBrain02,,NormalBrain10"}));
    Player player(nullptr, nullptr, 0);
    player.Load(dir.File("set.tsp"), "Brain_000");
    EXPECT_EQ(player.StrategyName(0, 0), Player::StrategyDisplayName(12));
    EXPECT_EQ(player.StrategyName(0, 1), std::optional<std::string>(""));
    EXPECT_EQ(player.StrategyName(0, 2), Player::StrategyDisplayName(20));
}

TEST(PlayerIdentity, SameAsComparesFileSectionAndPlayType)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf(Concat(FullSection(dir, "[Brain_000]"), {"[Brain_001]", "Name=Full"})));
    Player a(nullptr, nullptr, 0);
    Player b(nullptr, nullptr, 0);
    a.Load(dir.File("set.tsp"), "Brain_000");
    b.Load(dir.File("set.tsp"), "Brain_000");
    EXPECT_EQ(a.SameAs(b), 1);
    b.SetPlayType(Player::kPlayUser);
    EXPECT_EQ(a.SameAs(b), 0);
    b.SetPlayType(Player::kPlayComputer);
    b.Load(dir.File("set.tsp"), "Brain_001");
    EXPECT_EQ(a.SameAs(b), 0);
    b.Load(dir.File("SET.tsp"), "Brain_000");
    EXPECT_EQ(a.SameAs(b), 0) << "file names compare exactly";
}

TEST(PlayerIdentity, LoadFromTakesRecordTimeAndCodesFromTheSource)
{
    TempDir dir;
    const std::string file = dir.File("set.tsp");
    dir.Write("set.tsp", Crlf(FullSection(dir, "[Brain_000]")));
    const BoardStatus board = BoardFromRows(StartRows());
    Brain brain(board, 1);
    Player source(&board, &brain, 1);
    source.Load(file, "Brain_000");
    source.SetPlayType(Player::kPlayUser);
    std::int64_t now = 500;
    Clock::SetOverride([&now] { return now; });
    Player::ResetThinkingClock();
    for (now = 500; now <= 502; ++now)
        source.ChooseMove();
    Clock::ClearOverride();
    Player::ResetThinkingClock();
    ASSERT_EQ(source.ElapsedSeconds(), 2);
    for (int i = 0; i < 3; ++i)
        source.AddWin();
    source.AddLoss();

    // The file changes under the source: codes come from the source, the rest from the file.
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Name=Changed", "Brain_00=40,NormalBrain01,,"}));
    Player target(nullptr, nullptr, 0);
    target.AddDraw();
    EXPECT_EQ(target.LoadFrom(source), 0);
    EXPECT_EQ(target.Wins(), 3);
    EXPECT_EQ(target.Losses(), 1);
    EXPECT_EQ(target.Draws(), 0);
    EXPECT_EQ(target.ElapsedSeconds(), 2);
    EXPECT_EQ(target.PlayType(), Player::kPlayUser);
    EXPECT_EQ(target.Name(), "Changed");
    EXPECT_EQ(target.Limit(0), 40);
    EXPECT_EQ(PhaseCodes(target, 0), (std::array<int, 3>{12, 18, 13}));
    EXPECT_EQ(PhaseCodes(target, 5), (std::array<int, 3>{10, 0, 0}));
    EXPECT_EQ(target.SameAs(source), 1);

    target.LoadFrom(target);
    EXPECT_EQ(target.Wins(), 3) << "loading from itself keeps the record";
}

TEST(PlayerIdentity, ReloadFromKeepsTheOwnRecordAndTakesTheEditedProfile)
{
    TempDir dir;
    const std::string file = dir.File("set.tsp");
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Name=Before", "Brain_00=72,NormalBrain02,,"}));
    Player playing(nullptr, nullptr, 0);
    playing.Load(file, "Brain_000");
    playing.AddWin();
    playing.AddDraw();

    dir.Write("set.tsp", Crlf({"[Brain_000]", "Name=After", "Brain_00=72,NormalBrain10,,"}));
    Player chosen(nullptr, nullptr, 0);
    chosen.Load(file, "Brain_000");
    ASSERT_EQ(playing.SameAs(chosen), 1);
    playing.ReloadFrom(chosen);
    EXPECT_EQ(playing.Name(), "After");
    EXPECT_EQ(playing.Code(0, 0), 20);
    EXPECT_EQ(playing.Wins(), 1);
    EXPECT_EQ(playing.Draws(), 1);
    EXPECT_EQ(playing.Losses(), 0);
}

// Side 1 has two legal cells: 30, a corner, and 65, not a corner.
BoardStatus CornerOrNot()
{
    return BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        ".OX.......",
        ".....X....",
        ".....O....",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
}

class PlayerTurn : public ::testing::Test {
protected:
    void SetUp() override
    {
        Player::ResetThinkingClock();
        Clock::SetOverride([this] { return now; });
    }
    void TearDown() override
    {
        Clock::ClearOverride();
        Player::ResetThinkingClock();
    }

    void LoadProfile(Player* player, const std::vector<std::string>& phaseLines)
    {
        dir.Write("set.tsp", Crlf(Concat({"[Brain_000]", "Name=p"}, phaseLines)));
        player->Load(dir.File("set.tsp"), "Brain_000");
    }

    TempDir dir;
    std::int64_t now = 1000;
};

TEST_F(PlayerTurn, PhaseChoiceFollowsTheLimits)
{
    Player player(nullptr, nullptr, 0);
    LoadProfile(&player, {"Brain_00=10,NormalBrain01", "Brain_01=30,NormalBrain02", "Brain_02=72,NormalBrain03",
                          "Brain_03=72,NormalBrain04", "Brain_04=72,NormalBrain05", "Brain_05=72,NormalBrain06"});
    for (int moves = 0; moves <= 72; ++moves)
        EXPECT_EQ(player.PhaseFor(moves), moves <= 10 ? 0 : moves <= 30 ? 1 : 2) << moves;
    EXPECT_EQ(player.PhaseFor(73), 5) << "past every limit the last phase plays on";

    LoadProfile(&player, {"Brain_00=0,NormalBrain01", "Brain_01=0,NormalBrain02", "Brain_02=0,NormalBrain03",
                          "Brain_03=0,NormalBrain04", "Brain_04=0,NormalBrain05", "Brain_05=72,NormalBrain06"});
    EXPECT_EQ(player.PhaseFor(0), 0);
    for (int moves = 1; moves <= 72; ++moves)
        EXPECT_EQ(player.PhaseFor(moves), 5) << moves;
}

TEST_F(PlayerTurn, PhaseChoiceFallsBackBeforeAnEmptyPhase)
{
    Player player(nullptr, nullptr, 0);
    LoadProfile(&player, {"Brain_00=10,NormalBrain01", "Brain_01=20,NormalBrain02", "Brain_02=72,,NormalBrain03",
                          "Brain_03=72,NormalBrain04"});
    EXPECT_EQ(player.PhaseFor(15), 1);
    EXPECT_EQ(player.PhaseFor(25), 1) << "phase 2 has no first code, so phase 3 is never reached";
    EXPECT_EQ(player.CodesFor(25), (std::array<int, 3>{12, 0, 0}));

    LoadProfile(&player, {"Brain_00=72,,NormalBrain02,NormalBrain03"});
    EXPECT_EQ(player.PhaseFor(0), -1);
    EXPECT_EQ(player.CodesFor(0), (std::array<int, 3>{11, 0, 0}));

}

TEST_F(PlayerTurn, ComputerPlaysThePhaseOfTheLiveMoveCount)
{
    const BoardStatus board = CornerOrNot();
    ASSERT_EQ(board.MoveCount(), 0);
    Brain brain(board, 1);
    Player player(&board, &brain, 1);

    LoadProfile(&player, {"Brain_00=0,NormalBrain06", "Brain_01=72,NormalBrain02"});
    EXPECT_EQ(player.ChooseMove(), 65);
    EXPECT_EQ(player.State(), Player::kStateMoveChosen);

    brain.Clear();
    LoadProfile(&player, {"Brain_00=-1,NormalBrain06", "Brain_01=72,NormalBrain02"});
    EXPECT_EQ(player.ChooseMove(), 30);
}

TEST_F(PlayerTurn, ComputerWithoutStrategiesStillMoves)
{
    const BoardStatus board = CornerOrNot();
    Brain brain(board, 1);
    Player player(&board, &brain, 1);
    LoadProfile(&player, {});
    for (const auto& [draw, cell] : {std::pair{0, 30}, std::pair{1, 65}}) {
        const ScriptedRandom random({draw});
        brain.Clear();
        EXPECT_EQ(player.ChooseMove(), cell);
        EXPECT_EQ(player.State(), Player::kStateMoveChosen);
    }
}

TEST_F(PlayerTurn, UserStrategyInAComputerProfileCastsNoVote)
{
    const BoardStatus board = CornerOrNot();
    Brain brain(board, 1);
    Player player(&board, &brain, 1);
    LoadProfile(&player, {"Brain_00=72,NormalBrain00,,"});
    EXPECT_EQ(player.ChooseMove(), Player::kNoMove);
    EXPECT_EQ(player.State(), Player::kStateThinking);
}

TEST_F(PlayerTurn, UserPlaysTheFirstClick)
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
}

TEST_F(PlayerTurn, SideWithoutLegalPlacementPasses)
{
    const BoardStatus board = BoardFromRows({
        "   ....   ",
        "  ......  ",
        " ........ ",
        "..........",
        "....XX....",
        "....XX....",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    Brain brain(board, 2);
    Player player(&board, &brain, 2);
    player.SetPlayType(Player::kPlayUser);
    brain.AddVote(4, 4);
    EXPECT_EQ(player.ChooseMove(), Player::kPass);
    EXPECT_EQ(player.State(), Player::kStatePassed);
    now = 1005;
    EXPECT_EQ(player.ChooseMove(), Player::kPass);
    EXPECT_EQ(player.ElapsedSeconds(), 0) << "a pass counts no time";
}

TEST_F(PlayerTurn, DisplayOnlyPlayerNeverMoves)
{
    Player player(nullptr, nullptr, 0);
    EXPECT_EQ(player.ChooseMove(), Player::kNoMove);
    EXPECT_EQ(player.FaceIndex(), 0);
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

    first.ChooseMove();
    first.ChooseMove();
    EXPECT_EQ(first.ElapsedSeconds(), 0);
    now = 1003;
    first.ChooseMove();
    EXPECT_EQ(first.ElapsedSeconds(), 1) << "three seconds passed, one call counts one";
    now = 1004;
    first.ChooseMove();
    EXPECT_EQ(first.ElapsedSeconds(), 2);

    // The other side shares the second last counted while no move was chosen.
    now = 1005;
    second.ChooseMove();
    EXPECT_EQ(second.ElapsedSeconds(), 1);

    // A chosen move clears the shared second: the next turn starts its own count.
    secondBrain.AddVote(6, 5);
    now = 1005;
    EXPECT_EQ(second.ChooseMove(), 65);
    EXPECT_EQ(second.ElapsedSeconds(), 1);
    now = 1009;
    first.ChooseMove();
    EXPECT_EQ(first.ElapsedSeconds(), 2);
    now = 1010;
    first.ChooseMove();
    EXPECT_EQ(first.ElapsedSeconds(), 3);

    EXPECT_EQ(first.ResetElapsed(), 0);
    EXPECT_EQ(first.ElapsedSeconds(), 0);
}

}  // namespace
