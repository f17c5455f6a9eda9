#include "app/GameCycle.h"
#include "app/SettingsGameOptions.h"

#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/Clock.h"
#include "support/BoardText.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <bitset>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

namespace fs = std::filesystem;

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kRed1 = qRgb(255, 80, 0);
const QRgb kRed2 = qRgb(255, 160, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlue1 = qRgb(0, 80, 255);
const QRgb kBlue2 = qRgb(0, 160, 255);

// Unique per pixel and side, so a square cut from the wrong place or board never matches.
QRgb WholeBoardPixel(int side, int x, int y)
{
    return qRgb(x & 0xff, y & 0xff, (side == 1 ? 0 : 0x80) | ((x >> 8) << 4) | (y >> 8));
}

int PlayableIndex(int row, int column)
{
    int index = 0;
    for (int cell = 0; cell < row * 10 + column; ++cell)
        index += BoardStatus::IsOnBoard(cell / 10, cell % 10) ? 1 : 0;
    return index;
}

// X can only play (4,5), flipping (3,5), (4,4) and (4,3) in that order; O's
// corner piece cannot be taken, so O can answer at (9,5).
const std::vector<std::string> kThreeFlips = {
    "   ....   ",
    "  ......  ",
    " ....X... ",
    ".....O....",
    "..XOO.....",
    "..........",
    "..........",
    " ........ ",
    "  ......  ",
    "   OX..   ",
};

// X cannot move, O can.
const std::vector<std::string> kFirstMustPass = {
    "   ....   ",
    "  ......  ",
    " ........ ",
    "..........",
    "..........",
    "..........",
    "..........",
    " ........ ",
    "  ......  ",
    "   OX..   ",
};

// Nobody can move; X leads 2 to 1.
const std::vector<std::string> kNobodyMoves = {
    "   ....   ",
    "  ......  ",
    " ........ ",
    "..........",
    "....XX....",
    "..........",
    "..........",
    " ........ ",
    "  ......  ",
    "   O...   ",
};

// One empty cell: X at (0,3) flips (0,4) and ends the game 38 to 38.
const std::vector<std::string> kLastMoveDraws = {
    "   .OXO   ",
    "  XXXOOO  ",
    " XXXXXXXX ",
    "XXXXXXXXXX",
    "XXXXXXXXXX",
    "XXXXOOOOOO",
    "OOOOOOOOOO",
    " OOOOOOOO ",
    "  OOOOOO  ",
    "   OOOO   ",
};

class FakeOptions : public GameOptions {
public:
    int GetBaseTimer() const override { return baseTimer; }
    int GetAnimation() const override { return animation; }
    int GetAutoPass() const override { return autoPass; }

    int baseTimer = 55;
    int animation = 1;
    int autoPass = 0;
};

class CountingDemoBoards : public DemoBoardSource {
public:
    void ChooseBoard(BoardStyle* style) override
    {
        ++calls;
        style->Load("set.tsb", "Board_000");
    }
    int calls = 0;
};

// Each test plays in its own program folder with its own board and player sets.
class GameCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        PictureLoader::SetFailureReporter({});
        Clock::SetOverride([] { return std::int64_t{1000}; });
        Player::ResetThinkingClock();
        dir_.Write("players.tsp", "[Brain_000]\r\nName=\x83\x41\x83\x8b\x83\x74\x83\x40\r\nBrain_00=100,NormalBrain08,,\r\n"
                                  "[Brain_001]\r\nName=Beta\r\nBrain_00=100,NormalBrain08,,\r\n"
                                  "[Brain_002]\r\nName=UserOnly\r\nBrain_00=100,NormalBrain00,,\r\n"
                                  "[Brain_003]\r\nName=NoCodes\r\nBrain_00=100,,,\r\n");
        cycle_ = std::make_unique<GameCycle>(options_, demoBoards_);
        cycle_->SetChangeListener([this](unsigned changes) {
            ++notifications_;
            changes_ |= changes;
        });
    }

    void TearDown() override
    {
        cycle_.reset();
        Clock::ClearOverride();
        fs::current_path(previous_);
    }

    std::string Pic(QRgb colour, int size = 32)
    {
        const std::string name = QString::asprintf("c%06x_%d.bmp", colour & 0xffffff, size).toStdString();
        if (!fs::exists(dir_.Path() / name)) {
            QImage image(size, size, QImage::Format_RGB32);
            image.fill(colour);
            EXPECT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
        }
        return name;
    }

    void WholeBoard(const std::string& name, int side)
    {
        QImage image(400, 400, QImage::Format_RGB32);
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 400; ++x)
                image.setPixel(x, y, WholeBoardPixel(side, x, y));
        }
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }

    void LoadBoard(const std::vector<std::string>& lines)
    {
        std::string text = "[BoardSet]\r\nName=Test\r\n[Board_000]\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        dir_.Write("set.tsb", text);
        cycle_->Style().Load("set.tsb", "Board_000");
        cycle_->RedrawBoard();
    }

    // Red pieces for the first player, blue for the second, turning frames in between.
    void NormalBoard(int intervalTime, int frames = 3, const std::string& type = "Normal")
    {
        const std::string first = frames == 1 ? Pic(kRed) : Pic(kRed) + "," + Pic(kRed1) + "," + Pic(kRed2);
        const std::string second = frames == 1 ? Pic(kBlue) : Pic(kBlue) + "," + Pic(kBlue1) + "," + Pic(kBlue2);
        LoadBoard({"BoardType=" + type, "IntervalTime=" + std::to_string(intervalTime), "NoFloat=" + Pic(kGrey),
                   "1stFloat_00=" + first, "2ndFloat_00=" + second});
    }

    void UsePlayers(int first, int second, int firstType, int secondType)
    {
        const int sections[2] = {first, second};
        const int types[2] = {firstType, secondType};
        for (int side = 1; side <= 2; ++side) {
            Player& player = cycle_->PlayerFor(side);
            player.Load("players.tsp", "Brain_00" + std::to_string(sections[side - 1]));
            player.SetPlayType(types[side - 1]);
        }
    }

    void StartGameOn(const std::vector<std::string>& rows)
    {
        cycle_->StartGame();
        cycle_->LiveBoard().CopyFrom(BoardFromRows(rows));
        cycle_->RedrawBoard();
        cycle_->TakeDirtyCells();
        changes_ = 0;
        notifications_ = 0;
    }

    // Two users on a board of the given type.
    void UserGame(const std::vector<std::string>& rows, int intervalTime, int frames = 3,
                  const std::string& type = "Normal")
    {
        NormalBoard(intervalTime, frames, type);
        UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
        StartGameOn(rows);
    }

    void Click(int row, int column) { cycle_->ImageBoardMouseDown(30 + 37 * column, 30 + 37 * row); }

    // Clicks as soon as the side to move is asked; the next tick places the piece.
    void Play(int row, int column)
    {
        ASSERT_NE(TickUntil([&] { return State(cycle_->SideToMove()) == GameCycle::kStateThinking; }, 20), -1);
        Click(row, column);
    }

    QRgb Shown(int row, int column) const
    {
        const QImage& picture = cycle_->SpriteAt(row, column).picture;
        return picture.isNull() ? 0 : picture.pixel(0, 0);
    }

    int State(int side) const { return cycle_->PlayerFor(side).State(); }
    bool Finished() const { return State(1) == GameCycle::kStateFinished && State(2) == GameCycle::kStateFinished; }
    std::vector<std::string> Rows() const { return BoardToRows(cycle_->LiveBoard()); }

    // Ticks until done() holds; the number of ticks taken, or -1 after limit ticks.
    int TickUntil(const std::function<bool()>& done, int limit = 5000)
    {
        for (int tick = 1; tick <= limit; ++tick) {
            cycle_->TimerTimer();
            if (done())
                return tick;
        }
        return -1;
    }

    std::set<int> Dirty()
    {
        const std::vector<int> cells = cycle_->TakeDirtyCells();
        return std::set<int>(cells.begin(), cells.end());
    }

    TempDir dir_;
    fs::path previous_;
    FakeOptions options_;
    CountingDemoBoards demoBoards_;
    std::unique_ptr<GameCycle> cycle_;
    int notifications_ = 0;
    unsigned changes_ = 0;
};

TEST_F(GameCycleTest, StartsIdleAndNeverRunsATimerOfIntervalZero)
{
    EXPECT_EQ(cycle_->GameMode(), GameCycle::kModeNone);
    EXPECT_FALSE(cycle_->TimerRunning());
    EXPECT_EQ(cycle_->Side(2).score, QStringLiteral("/"));
    EXPECT_EQ(cycle_->Side(2).gameResult, QStringLiteral("    0勝    0敗    0分"));
    EXPECT_FALSE(cycle_->Replay().enabled);
    EXPECT_FALSE(cycle_->Pass().enabled);

    options_.baseTimer = 0;
    GameCycle zeroTimer(options_, demoBoards_);
    EXPECT_EQ(zeroTimer.TimerInterval(), 1) << "a timer of interval 0 would fire without pause";
    zeroTimer.SetTimerInterval(-5);
    EXPECT_EQ(zeroTimer.TimerInterval(), 1);
}

TEST_F(GameCycleTest, StartGameShowsTheFirstTurn)
{
    NormalBoard(1);
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayComputer);
    notifications_ = 0;
    changes_ = 0;
    cycle_->StartGame();
    EXPECT_EQ(cycle_->GameMode(), GameCycle::kModeGame);
    EXPECT_TRUE(cycle_->TimerRunning());
    EXPECT_TRUE(changes_ & GameCycle::kChangedTimer);
    EXPECT_EQ(notifications_, 1) << "one operation reports once";
    EXPECT_EQ(cycle_->Side(1).name, QStringLiteral("アルファ"));
    EXPECT_EQ(cycle_->Side(1).score, QStringLiteral("2/76"));
    EXPECT_FALSE(cycle_->Prepare().enabled);
    EXPECT_FALSE(cycle_->Exit().enabled);
    EXPECT_EQ(Shown(4, 5), kBlue);
    EXPECT_EQ(Shown(0, 3), kGrey);
    EXPECT_TRUE(cycle_->SpriteAt(0, 0).picture.isNull());
}

TEST_F(GameCycleTest, PacingPlacesAtOnceAndStartsAFlipEverySecondTick)
{
    NormalBoard(100, 1);
    UsePlayers(0, 1, Player::kPlayComputer, Player::kPlayUser);
    StartGameOn(kThreeFlips);

    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 45) << "placed in the tick it was chosen";
    EXPECT_EQ(Dirty(), (std::set<int>{45, 35}));
    EXPECT_EQ(Shown(4, 4), kBlue);
    EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("5 - 6"));
    EXPECT_EQ(State(1), GameCycle::kStatePlacing);

    const std::vector<std::set<int>> expected = {{}, {44}, {}, {43}, {}};
    for (const std::set<int>& cells : expected) {
        notifications_ = 0;
        cycle_->TimerTimer();
        EXPECT_EQ(Dirty(), cells);
        EXPECT_EQ(notifications_, cells.empty() ? 0 : 1) << "a tick that changes nothing reports nothing";
    }
    EXPECT_EQ(Shown(4, 3), kRed);
    EXPECT_EQ(cycle_->SideToMove(), 1);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->SideToMove(), 2) << "the turn passes at the step that reveals nothing";
    EXPECT_EQ(cycle_->Message(), QStringLiteral("後手の番です"));
    EXPECT_EQ(cycle_->Side(2).nameColour, GameCycle::PanelColour::Aqua);
    EXPECT_EQ(cycle_->Side(1).nameColour, GameCycle::PanelColour::Silver);
}

TEST_F(GameCycleTest, AChosenMoveDoesNotWaitOutThePacingInterval)
{
    UserGame(StartRows(), 400, 1);
    Play(4, 6);
    ASSERT_NE(TickUntil([&] { return cycle_->SideToMove() == 2; }, 50), -1);
    Play(3, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(1), 36);
}

TEST_F(GameCycleTest, BaseTimerBelowOneAndLongIntervalsStillPace)
{
    struct Case {
        int baseTimer;
        int intervalTime;
        int ticksPerStep;
    };
    for (const Case& c : {Case{0, 3, 3}, Case{1000, 20000, 10}}) {
        options_.baseTimer = c.baseTimer;
        cycle_ = std::make_unique<GameCycle>(options_, demoBoards_);
        NormalBoard(c.intervalTime, 1);
        UsePlayers(0, 1, Player::kPlayComputer, Player::kPlayUser);
        StartGameOn(kThreeFlips);
        cycle_->TimerTimer();
        ASSERT_EQ(cycle_->LiveBoard().MoveCount(), 1);
        Dirty();
        for (const int cell : {44, 43}) {
            for (int tick = 1; tick < c.ticksPerStep; ++tick)
                cycle_->TimerTimer();
            EXPECT_EQ(Dirty(), std::set<int>{}) << "base timer " << c.baseTimer;
            cycle_->TimerTimer();
            EXPECT_EQ(Dirty(), std::set<int>{cell}) << "base timer " << c.baseTimer;
        }
    }
}

TEST_F(GameCycleTest, FlipsShowTheTurningFramesOfTheSideThatLostThePiece)
{
    UserGame(StartRows(), 1);
    const auto framesOf45 = [&] {
        std::vector<QRgb> shown;
        for (int tick = 0; tick < 3; ++tick) {
            cycle_->TimerTimer();
            shown.push_back(Shown(4, 5));
        }
        return shown;
    };
    Play(4, 6);
    EXPECT_EQ(framesOf45(), (std::vector<QRgb>{kBlue1, kBlue2, kRed}));
    Play(3, 6);
    EXPECT_EQ(framesOf45(), (std::vector<QRgb>{kRed1, kRed2, kBlue}));
}

TEST_F(GameCycleTest, WithoutAnimationEachFlipShowsItsFinalPictureWhenStarted)
{
    options_.animation = 0;
    NormalBoard(1);
    UsePlayers(0, 1, Player::kPlayComputer, Player::kPlayUser);
    StartGameOn(kThreeFlips);
    cycle_->TimerTimer();
    EXPECT_EQ(Dirty(), (std::set<int>{45, 35}));
    EXPECT_EQ(Shown(3, 5), kRed);
    for (const int cell : {44, 43}) {
        cycle_->TimerTimer();
        EXPECT_EQ(Dirty(), std::set<int>{cell});
        EXPECT_EQ(Shown(cell / 10, cell % 10), kRed);
    }
}

TEST_F(GameCycleTest, RedrawBoardStopsEveryAnimation)
{
    UserGame(StartRows(), 1);
    Play(4, 6);
    cycle_->TimerTimer();
    ASSERT_EQ(Shown(4, 5), kBlue1);
    cycle_->RedrawBoard();
    for (int cell = 0; cell < 100; ++cell)
        EXPECT_EQ(cycle_->LiveBoard().AnimStepAt(cell / 10, cell % 10), 0) << cell;
    EXPECT_EQ(Shown(4, 5), kRed);
    EXPECT_TRUE(cycle_->TakeDirtyCells().empty()) << "the whole board is repainted instead";
}

TEST_F(GameCycleTest, RandomBoardsGiveTheNewPieceAndItsFlipsOneDrawnKind)
{
    const QRgb kinds[3] = {qRgb(200, 0, 0), qRgb(200, 50, 0), qRgb(200, 100, 0)};
    const QRgb turning[3] = {qRgb(0, 0, 200), qRgb(0, 50, 200), qRgb(0, 100, 200)};
    std::vector<std::string> lines = {"BoardType=Random", "IntervalTime=1", "NoFloat=" + Pic(kGrey)};
    for (int kind = 0; kind < 3; ++kind) {
        lines.push_back("1stFloat_0" + std::to_string(kind) + "=" + Pic(kinds[kind]) + "," + Pic(kRed1));
        lines.push_back("2ndFloat_0" + std::to_string(kind) + "=" + Pic(kBlue) + "," + Pic(turning[kind]));
    }
    LoadBoard(lines);
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    StartGameOn(kThreeFlips);

    const ScriptedRandom random({5});
    Play(4, 5);
    cycle_->TimerTimer();
    EXPECT_EQ(random.Draws(), 1);
    EXPECT_EQ(Shown(4, 5), kinds[2]) << "5 mod 3 kinds";
    EXPECT_EQ(Shown(3, 5), turning[2]);
    ASSERT_NE(TickUntil([&] { return cycle_->SideToMove() == 2; }, 20), -1);
    for (const int cell : {45, 35, 44, 43})
        EXPECT_EQ(Shown(cell / 10, cell % 10), kinds[2]) << cell;
    cycle_->RedrawBoard();
    EXPECT_EQ(Shown(4, 3), kinds[2]) << "the kind is kept on the board";
    EXPECT_EQ(Shown(2, 5), kinds[0]);

    LoadBoard({"BoardType=Random", "1stFloat_00=" + Pic(kRed)});
    EXPECT_EQ(cycle_->PieceKindFor(4, 5, 2), 0) << "a side without pieces draws nothing";
    EXPECT_EQ(random.Draws(), 1);
}

TEST_F(GameCycleTest, PictureBoardsShowEachCellsOwnSquare)
{
    WholeBoard("first.bmp", 1);
    WholeBoard("second.bmp", 2);
    LoadBoard({"BoardType=Picture", "IntervalTime=1", "NoFloat=" + Pic(kGrey, 37), "1stBoard=first.bmp",
               "2ndBoard=second.bmp"});
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    StartGameOn(StartRows());
    EXPECT_EQ(cycle_->SpriteAt(4, 4).rect, QRect(16 + 148, 16 + 148, 37, 37));
    EXPECT_TRUE(cycle_->SpriteAt(9, 7).rect.isEmpty());
    EXPECT_EQ(cycle_->PieceKindFor(4, 0, 2), 28);
    EXPECT_EQ(cycle_->PieceKindFor(9, 6, 1), 75);
    EXPECT_EQ(Shown(5, 4), WholeBoardPixel(2, 16 + 148, 16 + 185));

    Play(4, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().KindAt(4, 5), PlayableIndex(4, 6));
    EXPECT_EQ(Shown(4, 6), WholeBoardPixel(1, 16 + 222, 16 + 148));
    EXPECT_EQ(Shown(4, 5), WholeBoardPixel(1, 16 + 185, 16 + 148)) << "its own square, not the placed piece's";
}

TEST_F(GameCycleTest, HitTestUsesStrictBordersPerBoardType)
{
    // An empty design (type 0) is laid out and hit like Normal.
    cycle_->RedrawBoard();
    EXPECT_EQ(cycle_->SpriteAt(4, 4).rect, QRect(18 + 148, 18 + 148, 32, 32));
    EXPECT_EQ(cycle_->CellAt(166, 167), 44);
    EXPECT_EQ(cycle_->CellAt(196, 197), 44);
    EXPECT_EQ(cycle_->CellAt(165, 167), -1);
    EXPECT_EQ(cycle_->CellAt(180, 198), -1);
    EXPECT_EQ(cycle_->CellAt(30, 30), -1) << "(0,0) lies off the octagon";

    NormalBoard(1, 1, "Picture");
    EXPECT_EQ(cycle_->CellAt(164, 165), 44);
    EXPECT_EQ(cycle_->CellAt(194, 195), 44);
    EXPECT_EQ(cycle_->CellAt(163, 180), -1);
    EXPECT_EQ(cycle_->CellAt(180, 196), -1);
}

TEST_F(GameCycleTest, ClicksCountOnlyOnLegalCellsWhileTheUserThinks)
{
    UserGame(StartRows(), 100, 1);
    cycle_->TimerTimer();
    ASSERT_EQ(State(1), GameCycle::kStateThinking);
    EXPECT_TRUE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 4));
    Click(0, 3);
    Click(4, 4);
    cycle_->ImageBoardMouseDown(5, 5);
    for (int tick = 0; tick < 4; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0);
    EXPECT_EQ(State(1), GameCycle::kStateThinking);

    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 4));
    Click(4, 6);
    cycle_->BitBtnCountinueClick();
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0) << "a click while paused does not count";

    Click(4, 6);
    cycle_->TimerTimer();
    ASSERT_EQ(cycle_->LiveBoard().MoveAt(0), 46);
    ASSERT_EQ(State(1), GameCycle::kStatePlacing);
    EXPECT_FALSE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 5));
    Click(5, 3);  // legal for X now and on its next turn, but X is still showing its move
    ASSERT_NE(TickUntil([&] { return State(2) == GameCycle::kStateThinking; }, 20), -1);
    Click(3, 6);
    ASSERT_NE(TickUntil([&] { return State(1) == GameCycle::kStateThinking; }, 20), -1);
    for (int tick = 0; tick < 5; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 2) << "the click made while placing was not kept";
    EXPECT_EQ(State(1), GameCycle::kStateThinking);
}

TEST_F(GameCycleTest, AUserWithManualPassingWaitsForThePassButton)
{
    UserGame(kFirstMustPass, 1, 1);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->Message(), QStringLiteral("先手はパスです"));
    EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("Pass"));
    EXPECT_TRUE(cycle_->Pass().enabled);
    for (int tick = 0; tick < 5; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(cycle_->SideToMove(), 1);
    EXPECT_EQ(State(1), GameCycle::kStatePassed);

    cycle_->BitBtnPassClick();
    EXPECT_FALSE(cycle_->Pass().enabled);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->SideToMove(), 2);
    EXPECT_EQ(cycle_->Message(), QStringLiteral("後手の番です"));
}

TEST_F(GameCycleTest, AutomaticAndComputerPassesGoOnAtTheNextTick)
{
    struct Case {
        int autoPass;
        int firstType;
    };
    for (const Case& c : {Case{1, Player::kPlayUser}, Case{0, Player::kPlayComputer}}) {
        options_.autoPass = c.autoPass;
        UsePlayers(0, 1, c.firstType, Player::kPlayUser);
        NormalBoard(1, 1);
        StartGameOn(kFirstMustPass);
        cycle_->TimerTimer();
        EXPECT_EQ(cycle_->Message(), QStringLiteral("先手はパスです")) << "every pass is announced";
        EXPECT_FALSE(cycle_->Pass().enabled);
        cycle_->TimerTimer();
        EXPECT_EQ(cycle_->SideToMove(), 2);
    }
}

TEST_F(GameCycleTest, ADoublePassEndsTheGameInThatTick)
{
    UserGame(kNobodyMoves, 1, 1);
    cycle_->TimerTimer();
    EXPECT_TRUE(Finished());
    EXPECT_EQ(cycle_->Message(), QStringLiteral("アルファの勝ちです"));
    EXPECT_FALSE(cycle_->Pass().enabled) << "no pass may wait into the next game";
    EXPECT_EQ(cycle_->Side(1).nameColour, GameCycle::PanelColour::Red);
    EXPECT_EQ(cycle_->Side(2).nameColour, GameCycle::PanelColour::Blue);
    EXPECT_EQ(cycle_->Side(1).faceIndex, 2);
    EXPECT_EQ(cycle_->Side(2).faceIndex, 4);
    EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("End"));
    EXPECT_EQ(cycle_->Side(2).gameResult, QStringLiteral("   0勝   1敗   0分"));
    EXPECT_TRUE(cycle_->Replay().enabled);
    EXPECT_TRUE(cycle_->Exit().enabled);
    EXPECT_FALSE(cycle_->Countinue().enabled);
    EXPECT_FALSE(cycle_->Border().enabled) << "only a Picture board offers the border command";

    for (int tick = 0; tick < 5; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(cycle_->PlayerFor(1).Wins(), 1) << "the end is counted once";
}

TEST_F(GameCycleTest, AGameEndingEvenIsADrawForBoth)
{
    UserGame(kLastMoveDraws, 1, 1);
    Play(0, 3);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 10), -1);
    EXPECT_EQ(cycle_->Message(), QStringLiteral("引き分けです"));
    EXPECT_EQ(cycle_->Side(2).score, QStringLiteral("38/76"));
    for (int side = 1; side <= 2; ++side) {
        EXPECT_EQ(cycle_->Side(side).gameResult, QStringLiteral("   0勝   0敗   1分"));
        EXPECT_EQ(cycle_->Side(side).nameColour, GameCycle::PanelColour::Silver);
        EXPECT_EQ(cycle_->Side(side).faceIndex, 0);
    }
}

TEST_F(GameCycleTest, APassWaitingAtANewGameIsCleared)
{
    UserGame(kFirstMustPass, 1, 1);
    cycle_->TimerTimer();
    ASSERT_TRUE(cycle_->Pass().enabled);
    StartGameOn(StartRows());
    EXPECT_FALSE(cycle_->Pass().enabled);
    Play(4, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 1);
}

// Users who always click the first legal cell; this game holds a pass at move 25.
class ReplayTest : public GameCycleTest {
protected:
    void PlayWholeGame()
    {
        NormalBoard(1, 1);
        UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
        StartGameOn(StartRows());
        const int ticks = TickUntil([&] {
            if (cycle_->Pass().enabled) {
                ++passes_;
                cycle_->BitBtnPassClick();
            }
            const int side = cycle_->SideToMove();
            if (State(side) == GameCycle::kStateThinking) {
                for (int cell = 0; cell < 100; ++cell) {
                    if (cycle_->LiveBoard().IsLegal(cell / 10, cell % 10, side)) {
                        Click(cell / 10, cell % 10);
                        break;
                    }
                }
            }
            ExpectSpritesFollowTheBoard();
            return Finished();
        });
        ASSERT_NE(ticks, -1);
        ASSERT_GE(passes_, 1);
        finalRows_ = Rows();
        finalMoves_ = cycle_->LiveBoard().MoveCount();
    }

    // Every cell shows its owner, except flipped cells still waiting for their turn.
    void ExpectSpritesFollowTheBoard()
    {
        const BoardStatus& board = cycle_->LiveBoard();
        std::set<int> waiting;
        for (int i = 0; i < BoardStatus::kPlayableCells; ++i)
            waiting.insert(board.FlippedAt(i));
        for (int cell = 0; cell < 100; ++cell) {
            if (!BoardStatus::IsOnBoard(cell / 10, cell % 10) || waiting.count(cell) != 0)
                continue;
            const int owner = board.OwnerAt(cell / 10, cell % 10);
            ASSERT_EQ(Shown(cell / 10, cell % 10), owner == 1 ? kRed : owner == 2 ? kBlue : kGrey)
                << "cell " << cell << " after move " << board.MoveCount();
        }
    }

    int passes_ = 0;
    std::vector<std::string> finalRows_;
    int finalMoves_ = 0;
};

TEST_F(ReplayTest, ReplayingAGameWithPassesReproducesItsFinalPosition)
{
    PlayWholeGame();
    const QString result = cycle_->Message();
    cycle_->BitBtnReplayClick();
    EXPECT_EQ(cycle_->GameMode(), GameCycle::kModeReplay);
    EXPECT_FALSE(cycle_->Prepare().enabled);
    const int ticks = TickUntil([&] {
        ExpectSpritesFollowTheBoard();
        return Finished();
    });
    ASSERT_NE(ticks, -1);
    EXPECT_EQ(Rows(), finalRows_);
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), finalMoves_);
    EXPECT_EQ(cycle_->Side(1).faceIndex, 2);
    EXPECT_EQ(cycle_->PlayerFor(1).Wins(), 1) << "a replay changes no record";
    EXPECT_EQ(cycle_->Message(), result);
    EXPECT_TRUE(cycle_->Prepare().enabled);
}

TEST_F(ReplayTest, TheReplayButtonRestartsARunningReplay)
{
    PlayWholeGame();
    cycle_->BitBtnReplayClick();
    for (int tick = 0; tick < 40; ++tick)
        cycle_->TimerTimer();
    ASSERT_GT(cycle_->LiveBoard().MoveCount(), 5);
    cycle_->BitBtnCountinueClick();
    cycle_->BitBtnReplayClick();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0);
    EXPECT_TRUE(cycle_->TimerRunning());
    EXPECT_EQ(cycle_->Countinue().caption, QStringLiteral("中断"));
    ASSERT_NE(TickUntil([&] { return Finished(); }), -1);
    EXPECT_EQ(Rows(), finalRows_);

    cycle_->LiveBoard().Reset();
    cycle_->FinishReplay();
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0) << "a finished replay is not finished again";
}

TEST_F(GameCycleTest, AReplayWhoseRecordRunsOutEnds)
{
    UserGame(StartRows(), 1, 1);
    Play(4, 6);
    ASSERT_NE(TickUntil([&] { return State(2) == GameCycle::kStateThinking; }, 10), -1);
    Click(3, 6);
    ASSERT_NE(TickUntil([&] { return State(1) == GameCycle::kStateThinking; }, 10), -1);
    const std::vector<std::string> rows = Rows();
    cycle_->FinishGame();
    cycle_->BitBtnReplayClick();
    ASSERT_NE(TickUntil([&] { return Finished(); }, 20), -1);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(cycle_->Side(2).point, QStringLiteral("End"));
    EXPECT_TRUE(cycle_->Replay().enabled);
}

TEST_F(GameCycleTest, ADemonstrationOfPlayersThatNeverVoteEndsAndRestarts)
{
    const SeededRandom seed(7);
    NormalBoard(1, 1);
    UsePlayers(2, 3, Player::kPlayComputer, Player::kPlayComputer);
    cycle_->StartDemo();
    ASSERT_NE(TickUntil([&] { return Finished(); }), -1) << "the demonstration froze";
    EXPECT_GT(cycle_->LiveBoard().MoveCount(), 20);
    EXPECT_EQ(cycle_->Side(2).point, QStringLiteral("End"));
    EXPECT_EQ(cycle_->Message(), QStringLiteral("テセラ")) << "demonstrations show no messages";
    EXPECT_EQ(cycle_->Side(1).gameResult, QStringLiteral("   0勝   0敗   0分")) << "demonstrations change no record";

    for (int tick = 0; tick < 9; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(demoBoards_.calls, 1);
    cycle_->TimerTimer();
    EXPECT_EQ(demoBoards_.calls, 2) << "ten ticks after the end";
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0);
    EXPECT_EQ(cycle_->SideToMove(), 1) << "the new demonstration opens with the first player";
}

TEST_F(ReplayTest, TheRecordFollowsTheGameAndOnlyAGameIsHandedOverAtItsEnd)
{
    std::vector<GameRecord> finished;
    cycle_->SetGameFinishedListener([&](const GameRecord& record) {
        finished.push_back(record);
        return QStringLiteral("(note)");
    });
    PlayWholeGame();
    ASSERT_EQ(finished.size(), 1u);
    const GameRecord& record = finished[0];
    EXPECT_TRUE(record.Finished());
    EXPECT_EQ(BoardToRows(record.Current()), finalRows_);
    EXPECT_EQ(static_cast<int>(record.Moves().size()), finalMoves_ + passes_);
    EXPECT_EQ(record.TagValue(GameRecord::kTagSecond), "Beta");
    EXPECT_TRUE(cycle_->Message().endsWith(QStringLiteral("の勝ちです (note)")));

    cycle_->BitBtnReplayClick();
    ASSERT_NE(TickUntil([&] { return Finished(); }), -1);
    EXPECT_EQ(finished.size(), 1u) << "a replay is no game";
    EXPECT_EQ(cycle_->Record().Text(), record.Text()) << "a replay keeps the record";

    UsePlayers(2, 3, Player::kPlayComputer, Player::kPlayComputer);
    cycle_->StartDemo();
    EXPECT_TRUE(cycle_->Record().Moves().empty());
    ASSERT_NE(TickUntil([&] { return Finished(); }), -1);
    EXPECT_EQ(finished.size(), 1u) << "a demonstration is no game";
    EXPECT_EQ(BoardToRows(cycle_->Record().Current()), Rows()) << "the demonstration's moves are listed too";
}

TEST_F(ReplayTest, ViewingShowsPositionsAndPutsEverythingBack)
{
    PlayWholeGame();
    const GameRecord record = cycle_->Record();
    const int wins = cycle_->PlayerFor(1).Wins() + cycle_->PlayerFor(2).Wins();
    cycle_->BitBtnReplayClick();
    for (int tick = 0; tick < 40; ++tick)
        cycle_->TimerTimer();
    const std::vector<std::string> during = Rows();
    ASSERT_TRUE(cycle_->TimerRunning());

    cycle_->EnterView();
    EXPECT_FALSE(cycle_->TimerRunning());
    BoardStatus before;
    BoardStatus after;
    int side = 0;
    record.PositionAfter(4, before, side);
    record.PositionAfter(5, after, side);
    cycle_->ShowViewStep(before, record.Moves()[4].cell, 3 - side, record.Moves()[4].kind);
    EXPECT_EQ(Rows(), BoardToRows(after)) << "the model takes the move at once";
    const int flips = [&] {
        int n = 0;
        while (cycle_->RevealStep(3 - side))
            ++n;
        return n;
    }();
    EXPECT_GT(flips, 0);
    EXPECT_EQ(Shown(record.Moves()[4].cell / 10, record.Moves()[4].cell % 10), 3 - side == 1 ? kRed : kBlue);
    cycle_->ShowView(before);
    EXPECT_EQ(Rows(), BoardToRows(before));
    EXPECT_FALSE(cycle_->RevealStep(1)) << "a viewed position shows still";

    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->Viewing()) << "continuing leaves the view";
    EXPECT_EQ(Rows(), during);
    cycle_->EnterView();
    cycle_->ShowView(after);
    cycle_->LeaveView();
    EXPECT_EQ(Rows(), during);
    EXPECT_EQ(cycle_->Record().Text(), record.Text());
    EXPECT_EQ(cycle_->PlayerFor(1).Wins() + cycle_->PlayerFor(2).Wins(), wins) << "viewing changes no record";
}

TEST_F(GameCycleTest, TheBorderCommandFollowsAFinishedPictureGame)
{
    UserGame(kNobodyMoves, 1, 1, "Picture");
    cycle_->TimerTimer();
    ASSERT_TRUE(Finished());
    EXPECT_TRUE(cycle_->Border().enabled);
    cycle_->BitBtnBorderClick();
    ASSERT_FALSE(cycle_->BorderShown());

    cycle_->StartGame();
    EXPECT_TRUE(cycle_->BorderShown());
    EXPECT_FALSE(cycle_->Border().enabled);
    EXPECT_EQ(cycle_->Border().caption, QStringLiteral("境界線を隠す"));
}

TEST_F(GameCycleTest, SettingsSupplyTheOptionsAndTheDemonstrationBoard)
{
    dir_.Write("empty.ini", "");
    EXPECT_EQ(SettingsGameOptions{WindowsIni("empty.ini")}.GetAnimation(), 1);

    dir_.Write("Tessella.ini", "[Tessella]\r\nBaseTimer=30\r\nAnimation=true\r\nPass=Auto\r\n"
                               "DefaultBoardSet=Mine\r\nDefaultBoardName=Board_001\r\n[BoardSet]\r\nMine=mine.tsb\r\n");
    const SettingsGameOptions read;
    EXPECT_EQ(read.GetBaseTimer(), 30);
    EXPECT_EQ(read.GetAnimation(), 0) << "only \"True\" is on";
    EXPECT_EQ(read.GetAutoPass(), 1);

    dir_.Write("mine.tsb", "[Board_001]\r\nTitle=Chosen\r\nBoardType=Picture\r\n");
    BoardStyle style;
    SettingsDemoBoards().ChooseBoard(&style);
    EXPECT_EQ(style.FileName(), "mine.tsb");
    EXPECT_EQ(style.Title(), "Chosen");
    EXPECT_EQ(style.BoardType(), BoardStyle::kTypePicture);
}

std::set<int> Cells(const std::bitset<BoardStatus::kCells>& bits)
{
    std::set<int> cells;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        if (bits.test(static_cast<std::size_t>(cell)))
            cells.insert(cell);
    }
    return cells;
}

TEST_F(GameCycleTest, LegalCellsAreMarkedOnlyWhileAUserSideIsAskedInAGame)
{
    NormalBoard(1, 1);
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayComputer);
    StartGameOn(StartRows());
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "not asked yet";
    cycle_->TimerTimer();
    const std::set<int> opening = Cells(cycle_->UserLegalCells());
    EXPECT_EQ(opening.size(), 4u);
    for (const int cell : opening)
        EXPECT_EQ(cycle_->LiveBoard().IsLegal(cell / 10, cell % 10, 1), 1) << cell;
    Click(4, 6);
    cycle_->TimerTimer();
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "placing";
    ASSERT_NE(TickUntil([&] { return cycle_->SideToMove() == 2 && State(2) != GameCycle::kStateIdle; }, 20), -1);
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "the computer's turn";

    // The same users and position in the other modes never show them.
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    cycle_->StartDemo();
    cycle_->TimerTimer();
    EXPECT_EQ(State(1), GameCycle::kStateThinking);
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "demonstration";
    cycle_->FinishGame();
    cycle_->StartReplay();
    cycle_->TimerTimer();
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "replay";
}

TEST_F(GameCycleTest, TheLastMoveFollowsEveryPlacementAndTheReplay)
{
    UserGame(StartRows(), 1, 1);
    EXPECT_EQ(cycle_->LastMove(), -1);
    Play(4, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LastMove(), 46);
    Play(3, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LastMove(), 36);
    cycle_->FinishGame();
    cycle_->BitBtnReplayClick();
    EXPECT_EQ(cycle_->LastMove(), -1);
    ASSERT_NE(TickUntil([&] { return cycle_->LastMove() == 46; }, 10), -1);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 20), -1);
    EXPECT_EQ(cycle_->LastMove(), 36);
}

// X, the user, has two moves and O none: after either, O passes and X is asked again.
const std::vector<std::string> kSecondAlwaysPasses = {
    "   ....   ",
    "  ......  ",
    " XO...... ",
    "..........",
    "O.........",
    "X.........",
    "X.........",
    " ........ ",
    "  ......  ",
    "   ....   ",
};

class UndoTest : public GameCycleTest {
protected:
    // The user first, the computer second, on a board whose kinds come from the random draw.
    void UserAgainstComputer(const std::vector<std::string>& rows, int firstType = Player::kPlayUser,
                             int secondType = Player::kPlayComputer)
    {
        std::vector<std::string> lines = {"BoardType=Random", "IntervalTime=1", "NoFloat=" + Pic(kGrey)};
        for (int kind = 0; kind < 3; ++kind) {
            lines.push_back("1stFloat_0" + std::to_string(kind) + "=" + Pic(qRgb(200, 50 * kind, 0)));
            lines.push_back("2ndFloat_0" + std::to_string(kind) + "=" + Pic(qRgb(0, 50 * kind, 200)));
        }
        LoadBoard(lines);
        UsePlayers(0, 1, firstType, secondType);
        StartGameOn(rows);
    }

    bool UserAsked(int side = 1)
    {
        return TickUntil([&] { return cycle_->SideToMove() == side && State(side) == GameCycle::kStateThinking; },
                         100) != -1;
    }

    // Everything a user sees of the position.
    std::vector<QString> Seen() const
    {
        std::vector<QString> seen = {cycle_->Message(), cycle_->Side(1).score, cycle_->Side(2).score,
                                     cycle_->Side(2).point, QString::number(cycle_->SideToMove()),
                                     QString::number(cycle_->Record().Moves().size())};
        for (int cell = 0; cell < 100; ++cell)
            seen.push_back(QString::number(Shown(cell / 10, cell % 10), 16));
        return seen;
    }
};

TEST_F(UndoTest, UndoTakesBackTheUsersMoveAndTheReplyAndRedoPlaysThemAgain)
{
    const SeededRandom seed(11);
    UserAgainstComputer(StartRows());
    ASSERT_TRUE(UserAsked());
    EXPECT_FALSE(cycle_->Undo().enabled) << "nothing to take back at the start";
    const std::vector<QString> start = Seen();
    Click(4, 6);
    ASSERT_TRUE(UserAsked());
    ASSERT_EQ(cycle_->LiveBoard().MoveCount(), 2);
    const std::vector<QString> afterReply = Seen();
    const std::vector<std::string> rows = Rows();
    ASSERT_TRUE(cycle_->Undo().enabled);
    EXPECT_FALSE(cycle_->Redo().enabled);

    cycle_->MenuUndoClick();
    EXPECT_EQ(Seen(), start);
    EXPECT_EQ(cycle_->LastMove(), -1);
    EXPECT_FALSE(cycle_->Undo().enabled);
    ASSERT_TRUE(cycle_->Redo().enabled);
    cycle_->TimerTimer();
    EXPECT_EQ(State(1), GameCycle::kStateThinking) << "the user is asked again";

    cycle_->MenuRedoClick();
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(Seen(), afterReply) << "pieces keep the kinds they were drawn";
    EXPECT_FALSE(cycle_->Redo().enabled);

    // A different move drops the moves that were taken back.
    cycle_->MenuUndoClick();
    ASSERT_TRUE(UserAsked());
    Click(5, 3);
    ASSERT_TRUE(UserAsked());
    EXPECT_FALSE(cycle_->Redo().enabled);
    EXPECT_EQ(cycle_->Record().Moves().front().cell, 53);
}

TEST_F(UndoTest, UndoDuringTheReplyOrAPassGoesBackToTheUsersTurn)
{
    UserAgainstComputer(kSecondAlwaysPasses);
    ASSERT_TRUE(UserAsked());
    Click(2, 3);
    cycle_->TimerTimer();
    ASSERT_EQ(cycle_->LiveBoard().MoveCount(), 1);
    ASSERT_TRUE(cycle_->Undo().enabled) << "the user's own move, still being placed";
    cycle_->MenuUndoClick();
    EXPECT_EQ(Rows(), kSecondAlwaysPasses);

    ASSERT_TRUE(UserAsked());
    Click(2, 3);
    ASSERT_TRUE(UserAsked());
    ASSERT_EQ(cycle_->LiveBoard().MoveCount(), 1) << "asked again after the second player's pass";
    cycle_->MenuUndoClick();
    EXPECT_EQ(Rows(), kSecondAlwaysPasses) << "the pass goes with the move";
    EXPECT_EQ(cycle_->SideToMove(), 1);

    cycle_->MenuRedoClick();
    ASSERT_TRUE(UserAsked());
    Click(3, 0);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 50), -1);
    EXPECT_FALSE(cycle_->Undo().enabled) << "a finished game stays finished";
    EXPECT_FALSE(cycle_->Redo().enabled);
}

TEST_F(UndoTest, UndoIsOffWithoutAUserOrOutsideAGame)
{
    const struct {
        const char* what;
        int first;
        int second;
        int mode;
    } cases[] = {
        {"computer opens, user asked first", Player::kPlayComputer, Player::kPlayUser, GameCycle::kModeGame},
        {"two computers", Player::kPlayComputer, Player::kPlayComputer, GameCycle::kModeGame},
        {"demonstration", Player::kPlayUser, Player::kPlayUser, GameCycle::kModeDemo},
        {"replay", Player::kPlayUser, Player::kPlayUser, GameCycle::kModeReplay},
    };
    for (const auto& c : cases) {
        UserAgainstComputer(StartRows(), c.first, c.second);
        if (c.mode == GameCycle::kModeDemo)
            cycle_->StartDemo();
        if (c.mode == GameCycle::kModeReplay) {
            cycle_->FinishGame();
            cycle_->StartReplay();
        }
        for (int tick = 0; tick < 30; ++tick) {
            cycle_->TimerTimer();
            if (State(cycle_->SideToMove()) == GameCycle::kStateThinking && c.mode == GameCycle::kModeGame)
                Click(4, 6);
            ASSERT_EQ(cycle_->Undo().enabled, c.mode == GameCycle::kModeGame && c.second == Player::kPlayUser &&
                                                  cycle_->LiveBoard().MoveCount() > 1)
                << c.what << " tick " << tick;
        }
        cycle_->MenuUndoClick();
        EXPECT_GE(cycle_->LiveBoard().MoveCount(), c.mode == GameCycle::kModeGame ? 1 : 0) << c.what;
    }
}

TEST_F(UndoTest, TheReplayShowsTheMovesThatStoodAtTheEnd)
{
    UserAgainstComputer(StartRows());
    ASSERT_TRUE(UserAsked());
    Click(4, 6);
    ASSERT_TRUE(UserAsked());
    cycle_->MenuUndoClick();
    ASSERT_TRUE(UserAsked());
    Click(5, 3);
    ASSERT_TRUE(UserAsked());
    const std::vector<std::string> rows = Rows();
    cycle_->FinishGame();
    EXPECT_EQ(cycle_->Record().Moves().size(), 2u);
    cycle_->BitBtnReplayClick();
    ASSERT_NE(TickUntil([&] { return Finished(); }, 100), -1);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 53);
}

}  // namespace

namespace {

// A search that holds until it is stopped or released, then answers the first legal cell.
class LatchedSearch {
public:
    SearchWorker::Runner Runner()
    {
        return [this](const SearchWorker::Request& request, const std::atomic<bool>& stop) {
            ++started;
            while (!stop && !release)
                std::this_thread::yield();
            if (stop)
                ++stopped;
            SearchWorker::Cells cells;
            for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
                if (request.board.IsLegal(cell / 10, cell % 10, request.side)) {
                    cells[0] = {cell};
                    break;
                }
            }
            return cells;
        };
    }

    std::atomic<int> started{0};
    std::atomic<int> stopped{0};
    std::atomic<bool> release{false};
};

class SearchMoveTest : public GameCycleTest {
protected:
    void SetUp() override
    {
        GameCycleTest::SetUp();
        dir_.Write("search.tsp", "[Brain_000]\r\nName=Reader\r\nBrain_00=100,NormalBrain12,,\r\n"
                                 "[Brain_001]\r\nName=Looker\r\nBrain_00=100,NormalBrain11,,\r\n");
        cycle_->Searches().SetRunner(latch_.Runner());
        NormalBoard(1, 1);
        UseSearchPlayer("Brain_000");
        cycle_->StartGame();
    }

    void UseSearchPlayer(const std::string& section)
    {
        cycle_->PlayerFor(1).Load("search.tsp", section);
        cycle_->PlayerFor(1).SetPlayType(Player::kPlayComputer);
        cycle_->PlayerFor(2).Load("players.tsp", "Brain_000");
        cycle_->PlayerFor(2).SetPlayType(Player::kPlayUser);
    }

    void WaitForWorker()
    {
        while (cycle_->Searches().Running())
            std::this_thread::yield();
    }

    // The computer's first move found by the worker, and the user asked next.
    void ComputerMoves()
    {
        latch_.release = true;
        cycle_->TimerTimer();
        WaitForWorker();
        ASSERT_NE(TickUntil([&] { return State(2) == GameCycle::kStateThinking; }, 100), -1);
    }

    LatchedSearch latch_;
};

TEST_F(SearchMoveTest, TicksGoOnWhileTheWorkerThinksAndItsMoveIsPlayedOnce)
{
    cycle_->TimerTimer();
    while (latch_.started == 0)
        std::this_thread::yield();
    for (int tick = 0; tick < 5; ++tick) {
        cycle_->TimerTimer();
        EXPECT_EQ(State(1), GameCycle::kStateThinking);
    }
    EXPECT_EQ(latch_.started, 1) << "one request per move, however many ticks poll it";
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 0);
    latch_.release = true;
    WaitForWorker();
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 35) << "the first legal cell of the start";
    EXPECT_EQ(latch_.stopped, 0);
}

TEST_F(SearchMoveTest, PauseStopsTheSearchAndContinueAsksAgain)
{
    cycle_->TimerTimer();
    ASSERT_TRUE(cycle_->Searches().Running());
    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->Searches().Running());
    EXPECT_EQ(latch_.stopped, 1);
    cycle_->BitBtnCountinueClick();
    latch_.release = true;
    cycle_->TimerTimer();
    WaitForWorker();
    cycle_->TimerTimer();
    EXPECT_EQ(latch_.started, 2);
    EXPECT_EQ(cycle_->LiveBoard().MoveCount(), 1);
}

TEST_F(SearchMoveTest, ANewGameNeverReceivesTheOldGamesMove)
{
    cycle_->TimerTimer();
    ASSERT_TRUE(cycle_->Searches().Running());
    StartGameOn(kThreeFlips);
    EXPECT_EQ(latch_.stopped, 1);
    latch_.release = true;
    cycle_->TimerTimer();
    WaitForWorker();
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 45) << "the only legal cell of the new position";
}

TEST_F(SearchMoveTest, ClosingDuringASearchStopsAndJoinsTheWorker)
{
    cycle_->TimerTimer();
    ASSERT_TRUE(cycle_->Searches().Running());
    cycle_.reset();
    EXPECT_EQ(latch_.stopped, 1);
}

TEST_F(SearchMoveTest, UndoStopsTheSearchForTheReply)
{
    ComputerMoves();
    const std::vector<std::string> rows = Rows();
    latch_.release = false;
    int reply = 0;
    while (cycle_->LiveBoard().IsLegal(reply / 10, reply % 10, 2) != 1)
        ++reply;
    Click(reply / 10, reply % 10);
    ASSERT_NE(TickUntil([&] { return cycle_->Searches().Running(); }, 20), -1);
    ASSERT_EQ(cycle_->LiveBoard().MoveCount(), 2);
    ASSERT_TRUE(cycle_->Undo().enabled);
    cycle_->MenuUndoClick();
    EXPECT_FALSE(cycle_->Searches().Running());
    EXPECT_EQ(latch_.stopped, 1);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(cycle_->SideToMove(), 2);
}

TEST_F(SearchMoveTest, AHintIsSearchedOnTheWorkerAndMarkedUntilTheUserMoves)
{
    EXPECT_FALSE(cycle_->Hint().enabled) << "the computer is to move";
    ComputerMoves();
    ASSERT_TRUE(cycle_->Hint().enabled);
    latch_.release = false;
    cycle_->MenuHintClick();
    EXPECT_FALSE(cycle_->Hint().enabled);
    ASSERT_TRUE(cycle_->Searches().Running()) << "on the worker";
    EXPECT_EQ(cycle_->HintCell(), -1);

    // A pause stops the search; the next tick after continuing asks again.
    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->Searches().Running());
    cycle_->BitBtnCountinueClick();
    latch_.release = true;
    cycle_->TimerTimer();
    WaitForWorker();
    cycle_->TimerTimer();
    ASSERT_NE(cycle_->HintCell(), -1);
    int first = 0;
    while (cycle_->LiveBoard().IsLegal(first / 10, first % 10, 2) != 1)
        ++first;
    EXPECT_EQ(cycle_->HintCell(), first) << "the search's answer";
    EXPECT_EQ(latch_.started, 3) << "the first move, the hint and the hint again";
    for (int tick = 0; tick < 5; ++tick)
        cycle_->TimerTimer();
    EXPECT_EQ(cycle_->HintCell(), first);
    EXPECT_FALSE(cycle_->Hint().enabled);

    int other = first + 1;
    while (cycle_->LiveBoard().IsLegal(other / 10, other % 10, 2) != 1)
        ++other;
    Click(other / 10, other % 10);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LastMove(), other);
    EXPECT_EQ(cycle_->HintCell(), -1) << "gone with the user's move";
}

TEST_F(SearchMoveTest, SynchronousSearchesMoveInTheTickTheyAreAsked)
{
    for (const char* section : {"Brain_000", "Brain_001"}) {
        cycle_->Searches().SetRunner(SearchWorker::RunSearches);
        cycle_->Searches().SetSynchronous(true);
        UseSearchPlayer(section);
        StartGameOn(kThreeFlips);
        cycle_->TimerTimer();
        EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 45) << section;
    }
}

}  // namespace
