#include "app/SettingsGameOptions.h"

#include "data/WindowsIni.h"
#include "support/BoardText.h"
#include "support/CycleDriver.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedRandom.h"
#include "support/SetFiles.h"

#include <gtest/gtest.h>

#include <QImage>

#include <atomic>
#include <functional>
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

using Rows = std::vector<std::string>;

// Unique per pixel and side, so a square cut from the wrong place or board never matches.
QRgb WholeBoardPixel(int side, int x, int y)
{
    return qRgb(x & 0xff, y & 0xff, (side == 1 ? 0 : 0x80) | ((x >> 8) << 4) | (y >> 8));
}

// X can only play (4,5), flipping (3,5), (4,4) and (4,3) in that order; O can answer at (9,5).
const Rows kThreeFlips = {"   ....   ", "  ......  ", " ....X... ", ".....O....", "..XOO.....",
                          "..........", "..........", " ........ ", "  ......  ", "   OX..   "};
// X cannot move, O can.
const Rows kFirstMustPass = {"   ....   ", "  ......  ", " ........ ", "..........", "..........",
                             "..........", "..........", " ........ ", "  ......  ", "   OX..   "};
// Nobody can move; X leads 2 to 1.
const Rows kNobodyMoves = {"   ....   ", "  ......  ", " ........ ", "..........", "....XX....",
                           "..........", "..........", " ........ ", "  ......  ", "   O...   "};
// One empty cell: X at (0,3) flips (0,4) and ends the game 38 to 38.
const Rows kLastMoveDraws = {"   .OXO   ", "  XXXOOO  ", " XXXXXXXX ", "XXXXXXXXXX", "XXXXXXXXXX",
                             "XXXXOOOOOO", "OOOOOOOOOO", " OOOOOOOO ", "  OOOOOO  ", "   OOOO   "};
// X, the user, has two moves and O none: after either, O passes and X is asked again.
const Rows kSecondAlwaysPasses = {"   ....   ", "  ......  ", " XO...... ", "..........", "O.........",
                                  "X.........", "X.........", " ........ ", "  ......  ", "   ....   "};

// Each test plays in its own program folder with its own board and player sets.
class GameCycleTest : public InProgramFolder, public CycleDriver {
protected:
    void SetUp() override
    {
        InProgramFolder::SetUp();
        dir_.Write("players.tsp", "[Brain_000]\r\nName=\x83\x41\x83\x8b\x83\x74\x83\x40\r\nBrain_00=100,NormalBrain08,,\r\n"
                                  "[Brain_001]\r\nName=Beta\r\nBrain_00=100,NormalBrain08,,\r\n"
                                  "[Brain_002]\r\nName=UserOnly\r\nBrain_00=100,NormalBrain00,,\r\n"
                                  "[Brain_003]\r\nName=NoCodes\r\nBrain_00=100,,,\r\n"
                                  "[Brain_004]\r\nName=Reader\r\nBrain_00=100,NormalBrain12,,\r\n");
    }

    // Everything a user sees of the position.
    std::vector<QString> Seen() const
    {
        std::vector<QString> seen = {cycle_->Message(), cycle_->Side(1).score, cycle_->Side(2).score,
                                     cycle_->Side(2).point, QString::number(cycle_->SideToMove()),
                                     QString::number(cycle_->Record().Moves().size())};
        for (int cell = 0; cell < 100; ++cell)
            seen.push_back(QString::number(Shown(cell), 16));
        return seen;
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
            ASSERT_EQ(Shown(cell), owner == 1 ? kRed : owner == 2 ? kBlue : kGrey)
                << "cell " << cell << " after move " << board.MoveCount();
        }
    }
};

// The move is placed in the tick it is chosen; each flip then waits out the pacing.
TEST_F(GameCycleTest, PacingShowsOneFlipPerStepAndPassesTheTurnAfterTheLast)
{
    const struct {
        int baseTimer;
        int intervalTime;
        int frames;
        int animation;
        int ticksPerStep;
    } cases[] = {{55, 100, 1, 1, 2}, {0, 3, 1, 1, 3}, {1000, 20000, 1, 1, 10}, {55, 1, 3, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.baseTimer);
        options_.baseTimer = c.baseTimer;
        options_.animation = c.animation;
        NormalBoard(c.intervalTime, c.frames);
        UsePlayers(0, 1, Player::kPlayComputer, Player::kPlayUser);
        StartGameOn(kThreeFlips);
        cycle_->TimerTimer();
        EXPECT_EQ(Dirty(), (std::set<int>{45, 35}));
        EXPECT_EQ(Shown(3, 5), kRed) << "without turning frames a flip shows its final picture";
        EXPECT_EQ(Shown(4, 4), kBlue);
        EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("5 - 6"));
        for (const int cell : {44, 43, -1}) {
            for (int tick = 1; tick < c.ticksPerStep; ++tick) {
                notifications_ = 0;
                cycle_->TimerTimer();
                EXPECT_EQ(Dirty(), std::set<int>{});
                EXPECT_EQ(notifications_, 0) << "a tick that changes nothing reports nothing";
            }
            EXPECT_EQ(cycle_->SideToMove(), 1);
            cycle_->TimerTimer();
            EXPECT_EQ(Dirty(), cell >= 0 ? std::set<int>{cell} : std::set<int>{});
        }
        EXPECT_EQ(Shown(4, 3), kRed);
        EXPECT_EQ(cycle_->SideToMove(), 2) << "the turn passes at the step that reveals nothing";
        EXPECT_EQ(cycle_->Side(1).score, QStringLiteral("7/76")) << "the scores follow the last flip";
        EXPECT_EQ(cycle_->Message(), QStringLiteral("後手の番です"));
        EXPECT_EQ(cycle_->Side(2).nameColour, GameCycle::PanelColour::Aqua);
        EXPECT_EQ(cycle_->Side(1).nameColour, GameCycle::PanelColour::Silver);
    }
}

TEST_F(GameCycleTest, AGameStartsInOneReportAndRandomBoardsFlipTheDrawnKindThroughTheLosersFramesUntilRedrawn)
{
    options_.baseTimer = 0;
    EXPECT_EQ(GameCycle(options_, demoBoards_).TimerInterval(), 1) << "a timer of interval 0 would fire without pause";
    options_.baseTimer = 55;
    RandomBoard();
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    notifications_ = 0;
    cycle_->StartGame();
    EXPECT_TRUE(changes_ & GameCycle::kChangedTimer);
    EXPECT_EQ(notifications_, 1) << "one operation reports once";
    EXPECT_TRUE(cycle_->SpriteAt(0, 0).picture.isNull());

    StartGameOn(kThreeFlips);
    const ScriptedRandom random({5, 1});
    Play(4, 5);
    cycle_->TimerTimer();
    EXPECT_EQ(Shown(4, 5), Kind(1, 2)) << "5 mod 3 kinds";
    std::vector<QRgb> framesOf35 = {Shown(3, 5)};
    for (int tick = 0; tick < 2; ++tick) {
        cycle_->TimerTimer();
        framesOf35.push_back(Shown(3, 5));
    }
    EXPECT_EQ(framesOf35, (std::vector<QRgb>{Kind(3, 2), kBlue2, Kind(1, 2)}))
        << "the loser's turning frames, of the drawn kind";
    ASSERT_TRUE(Asked(2, 20));
    Play(9, 5);
    cycle_->TimerTimer();
    EXPECT_EQ(Shown(9, 4), kRed1) << "the first side's turning frame";
    cycle_->RedrawBoard();
    EXPECT_TRUE(cycle_->TakeDirtyCells().empty()) << "the whole board is repainted instead";
    for (const int cell : {45, 35, 44, 43})
        EXPECT_EQ(Shown(cell), Kind(1, 2)) << "the kind is kept on the board: " << cell;
    EXPECT_EQ(Shown(9, 4), Kind(2, 1));
    EXPECT_EQ(Shown(2, 5), Kind(1, 0));

    LoadBoard({"BoardType=Random", "1stFloat_00=" + Pic(kRed)});
    EXPECT_EQ(cycle_->PieceKindFor(4, 5, 2), 0) << "a side without pieces draws nothing";
    EXPECT_EQ(random.Draws(), 2);
}

TEST_F(GameCycleTest, PictureBoardsShowEachCellsOwnSquareAndADoublePassEndsTheGameInThatTickCountedOnce)
{
    for (int side = 1; side <= 2; ++side) {
        QImage image(400, 400, QImage::Format_RGB32);
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 400; ++x)
                image.setPixel(x, y, WholeBoardPixel(side, x, y));
        }
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File("whole" + std::to_string(side) + ".bmp")), "BMP"));
    }
    LoadBoard({"BoardType=Picture", "IntervalTime=1", "NoFloat=" + Pic(kGrey, 37), "1stBoard=whole1.bmp",
               "2ndBoard=whole2.bmp"});
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    StartGameOn(StartRows());
    EXPECT_EQ(cycle_->SpriteAt(4, 4).rect, QRect(16 + 148, 16 + 148, 37, 37));
    EXPECT_TRUE(cycle_->SpriteAt(9, 7).rect.isEmpty());
    EXPECT_EQ(Shown(5, 4), WholeBoardPixel(2, 16 + 148, 16 + 185));

    Play(4, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(Shown(4, 6), WholeBoardPixel(1, 16 + 222, 16 + 148));
    EXPECT_EQ(Shown(4, 5), WholeBoardPixel(1, 16 + 185, 16 + 148)) << "its own square, not the placed piece's";

    StartGameOn(kNobodyMoves);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->Message(), QStringLiteral("アルファの勝ちです"));
    EXPECT_FALSE(cycle_->Pass().enabled) << "no pass may wait into the next game";
    EXPECT_EQ(cycle_->Side(2).faceIndex, 4);
    EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("End"));
    EXPECT_EQ(cycle_->Side(2).gameResult, QStringLiteral("   0勝   1敗   0分"));
    Ticks(5);
    EXPECT_EQ(cycle_->PlayerFor(1).Wins(), 1) << "the end is counted once";
    ASSERT_TRUE(cycle_->Border().enabled);
    cycle_->BitBtnBorderClick();
    EXPECT_FALSE(cycle_->BorderShown());
    EXPECT_EQ(cycle_->Border().caption, QStringLiteral("境界線を表示する"));

    UserGame(kLastMoveDraws, 1, 1);
    Play(0, 3);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 10), -1);
    EXPECT_EQ(cycle_->Message(), QStringLiteral("引き分けです"));
    for (int side = 1; side <= 2; ++side) {
        EXPECT_EQ(cycle_->Side(side).score, QStringLiteral("38/76"));
        EXPECT_EQ(cycle_->Side(side).nameColour, GameCycle::PanelColour::Silver);
        EXPECT_EQ(cycle_->Side(side).faceIndex, 0);
    }
    EXPECT_TRUE(cycle_->Side(2).gameResult.endsWith(QStringLiteral("1分")));
    EXPECT_TRUE(cycle_->BorderShown()) << "a new game shows the border again";
    EXPECT_FALSE(cycle_->Border().enabled) << "only a Picture board offers the border command";
    EXPECT_EQ(cycle_->Border().caption, QStringLiteral("境界線を隠す"));
}

TEST_F(GameCycleTest, HitTestUsesStrictBordersPerBoardType)
{
    const struct {
        const char* type;  // nullptr: an empty design, laid out and hit like Normal
        int x;
        int y;
        int cell;
    } cases[] = {
        {nullptr, 166, 167, 44}, {nullptr, 196, 197, 44}, {nullptr, 165, 167, -1}, {nullptr, 180, 166, -1},
        {nullptr, 30, 30, -1},   {"Picture", 164, 165, 44}, {"Picture", 180, 196, -1},
    };
    for (const auto& c : cases) {
        if (c.type != nullptr)
            NormalBoard(1, 1, c.type);
        else
            cycle_->RedrawBoard();
        EXPECT_EQ(cycle_->CellAt(c.x, c.y), c.cell) << (c.type ? c.type : "empty") << " " << c.x << "," << c.y;
    }
}

TEST_F(GameCycleTest, OnlyAUserWithManualPassingWaitsForThePassButton)
{
    const struct {
        int autoPass;
        int firstType;
        bool waits;
    } cases[] = {{0, Player::kPlayUser, true}, {1, Player::kPlayUser, false}, {0, Player::kPlayComputer, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.autoPass * 10 + c.firstType);
        options_.autoPass = c.autoPass;
        NormalBoard(1, 1);
        UsePlayers(0, 1, c.firstType, Player::kPlayUser);
        StartGameOn(kFirstMustPass);
        cycle_->TimerTimer();
        EXPECT_EQ(cycle_->Message(), QStringLiteral("先手はパスです")) << "every pass is announced";
        EXPECT_EQ(cycle_->Side(1).point, QStringLiteral("Pass"));
        EXPECT_EQ(cycle_->Pass().enabled, c.waits);
        StartGameOn(kFirstMustPass);
        EXPECT_FALSE(cycle_->Pass().enabled) << "a pass still waiting is dropped by a new game";
        Ticks(5);
        EXPECT_EQ(cycle_->SideToMove(), c.waits ? 1 : 2);
    }
}

TEST(GameSettings, SupplyTheOptions)
{
    TempDir dir;
    dir.Write("Tessella.ini", "[Tessella]\r\nBaseTimer=30\r\nAnimation=true\r\nPass=Auto\r\n");
    const SettingsGameOptions read{WindowsIni(dir.File("Tessella.ini"))};
    EXPECT_EQ(read.GetBaseTimer(), 30);
    EXPECT_EQ(read.GetAnimation(), 0) << "only \"True\" is on";
    EXPECT_EQ(read.GetAutoPass(), 1);
}

// Two users, whose clicks count only while they are asked; in a new game they always click the first
// legal cell, and that game holds a pass.
TEST_F(GameCycleTest, ClicksCountOnlyWhileAskedAndOnlyAGameIsHandedOverWhichItsReplayReproducesAndDemonstrationsLeave)
{
    std::vector<GameRecord> finished;
    cycle_->SetGameFinishedListener([&](const GameRecord& record) {
        finished.push_back(record);
        return QStringLiteral("(note)");
    });
    UserGame(StartRows(), 400, 1);
    cycle_->TimerTimer();
    ASSERT_EQ(State(1), GameCycle::kStateThinking);
    EXPECT_TRUE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 4));
    Click(0, 3);
    Click(4, 4);
    cycle_->ImageBoardMouseDown(5, 5);
    Ticks(4);
    EXPECT_EQ(Moves(), 0);

    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 4));
    Click(4, 6);
    cycle_->BitBtnCountinueClick();
    cycle_->TimerTimer();
    EXPECT_EQ(Moves(), 0) << "a click while paused does not count";

    Click(4, 6);
    cycle_->TimerTimer();
    ASSERT_EQ(State(1), GameCycle::kStatePlacing);
    EXPECT_FALSE(cycle_->ImageBoardMouseMove(30 + 37 * 6, 30 + 37 * 5));
    Click(5, 3);  // legal for X now and on its next turn, but X is still showing its move
    ASSERT_TRUE(Asked(2));
    Click(3, 6);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(1), 36) << "a chosen move does not wait out the pacing";
    ASSERT_TRUE(Asked(1));
    Ticks(5);
    EXPECT_EQ(Moves(), 2) << "the click made while placing was not kept";

    NormalBoard(1, 1);
    StartGameOn(StartRows());
    int passes = 0;
    ASSERT_NE(TickUntil([&] {
        if (cycle_->Pass().enabled) {
            ++passes;
            cycle_->BitBtnPassClick();
        }
        if (State(cycle_->SideToMove()) == GameCycle::kStateThinking)
            Click(LegalFrom(cycle_->SideToMove()));
        ExpectSpritesFollowTheBoard();
        return Finished();
    }),
              -1);
    ASSERT_GE(passes, 1);
    const Rows finalRows = Board();
    const int finalMoves = Moves();
    ASSERT_EQ(finished.size(), 1u);
    const GameRecord record = finished[0];
    EXPECT_EQ(static_cast<int>(record.Moves().size()), finalMoves + passes);
    EXPECT_EQ(record.TagValue(GameRecord::kTagSecond), "Beta");
    const QString result = cycle_->Message();
    EXPECT_TRUE(result.endsWith(QStringLiteral("の勝ちです (note)")));

    cycle_->BitBtnReplayClick();
    EXPECT_FALSE(cycle_->Prepare().enabled);
    Ticks(40);
    ASSERT_GT(Moves(), 5);
    cycle_->BitBtnReplayClick();
    EXPECT_EQ(Moves(), 0) << "the replay button restarts a running replay";
    ASSERT_NE(TickUntil([&] {
        ExpectSpritesFollowTheBoard();
        EXPECT_TRUE(cycle_->UserLegalCells().none() && !cycle_->Undo().enabled) << "a replay asks and takes back nothing";
        return Finished();
    }),
              -1);
    EXPECT_EQ(Board(), finalRows);
    EXPECT_EQ(cycle_->Side(1).faceIndex, 2);
    EXPECT_EQ(cycle_->PlayerFor(1).Wins(), 1) << "a replay changes no record";
    EXPECT_EQ(cycle_->Message(), result);
    EXPECT_TRUE(cycle_->Prepare().enabled);
    EXPECT_EQ(finished.size(), 1u) << "a replay is no game";
    EXPECT_EQ(cycle_->Record().Text(), record.Text()) << "a replay keeps the record";

    cycle_->StartDemo();
    cycle_->TimerTimer();
    EXPECT_TRUE(cycle_->UserLegalCells().none()) << "a demonstration asks no user";

    // Players that never vote still finish a demonstration, which says and counts nothing.
    const SeededRandom seed(7);
    UsePlayers(2, 3, Player::kPlayComputer, Player::kPlayComputer);
    cycle_->StartDemo();
    ASSERT_NE(TickUntil([&] { return Finished(); }), -1) << "the demonstration froze";
    EXPECT_GT(Moves(), 20);
    EXPECT_EQ(finished.size(), 1u) << "a demonstration is no game";
    EXPECT_EQ(BoardToRows(cycle_->Record().Current()), Board()) << "the demonstration's moves are listed too";
    EXPECT_EQ(cycle_->Message(), result) << "demonstrations show no messages";
    EXPECT_EQ(cycle_->Side(1).gameResult, QStringLiteral("   0勝   0敗   0分"));
    Ticks(9);
    EXPECT_EQ(demoBoards_.calls, 2);
    cycle_->TimerTimer();
    EXPECT_EQ(demoBoards_.calls, 3) << "ten ticks after the end";
    EXPECT_EQ(Moves(), 0);
    EXPECT_EQ(cycle_->SideToMove(), 1) << "the new demonstration opens with the first player";
}

TEST_F(GameCycleTest, UndoTakesBackTheMoveTheReplyOrAPassRedoPlaysThemAndANewMoveOrTheEndDropsThem)
{
    const SeededRandom seed(11);
    RandomBoard();
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayComputer);
    StartGameOn(StartRows());
    ASSERT_TRUE(Asked(1));
    const std::vector<QString> start = Seen();
    Click(4, 6);
    ASSERT_TRUE(Asked(1));
    ASSERT_EQ(Moves(), 2);
    const std::vector<QString> afterReply = Seen();
    ASSERT_TRUE(cycle_->Undo().enabled);

    cycle_->MenuUndoClick();
    EXPECT_EQ(Seen(), start);
    EXPECT_FALSE(cycle_->Undo().enabled) << "nothing to take back at the start";
    ASSERT_TRUE(cycle_->Redo().enabled);
    cycle_->TimerTimer();
    EXPECT_EQ(State(1), GameCycle::kStateThinking) << "the user is asked again";
    cycle_->MenuRedoClick();
    EXPECT_EQ(Seen(), afterReply) << "pieces keep the kinds they were drawn";
    EXPECT_FALSE(cycle_->Redo().enabled);

    cycle_->MenuUndoClick();
    ASSERT_TRUE(Asked(1));
    // A new move drops the moves taken back; one played again keeps them, so fixed draws repeat the reply.
    const ScriptedRandom sameReplies({0});
    Click(5, 3);
    ASSERT_TRUE(Asked(1));
    EXPECT_FALSE(cycle_->Redo().enabled);
    Click(LegalFrom(1));
    ASSERT_TRUE(Asked(1));
    cycle_->MenuUndoClick();
    cycle_->MenuUndoClick();
    ASSERT_TRUE(Asked(1));
    Click(5, 3);
    ASSERT_TRUE(Asked(1));
    EXPECT_TRUE(cycle_->Redo().enabled) << "the move taken back, played again, keeps the moves after it";
    const Rows rows = Board();
    const int reply = cycle_->LastMove();
    cycle_->FinishGame();
    cycle_->BitBtnReplayClick();
    EXPECT_EQ(cycle_->LastMove(), -1);
    ASSERT_NE(TickUntil([&] { return cycle_->LastMove() == 53; }, 10), -1);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 100), -1);
    EXPECT_EQ(Board(), rows) << "the replay of a record that runs out shows the moves that stood at the end";
    EXPECT_EQ(cycle_->LastMove(), reply);
    EXPECT_EQ(cycle_->Side(2).point, QStringLiteral("End"));
    EXPECT_TRUE(cycle_->Replay().enabled);

    // Undo during the placement, while a user's pass waits or after it goes back to the first user's turn.
    UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
    StartGameOn(kSecondAlwaysPasses);
    ASSERT_TRUE(Asked(1));
    Click(2, 3);
    cycle_->TimerTimer();
    ASSERT_EQ(Moves(), 1);
    ASSERT_TRUE(cycle_->Undo().enabled) << "the user's own move, still being placed";
    cycle_->MenuUndoClick();
    EXPECT_EQ(Board(), kSecondAlwaysPasses);
    ASSERT_TRUE(Asked(1));
    Click(2, 3);
    ASSERT_NE(TickUntil([&] { return cycle_->Pass().enabled; }, 50), -1);
    cycle_->MenuUndoClick();
    EXPECT_FALSE(cycle_->Pass().enabled) << "the waiting pass goes with the move";
    EXPECT_EQ(Board(), kSecondAlwaysPasses);

    ASSERT_TRUE(Asked(1));
    Click(2, 3);
    ASSERT_NE(TickUntil([&] { return cycle_->Pass().enabled; }, 50), -1);
    cycle_->BitBtnPassClick();
    ASSERT_TRUE(Asked(1));
    ASSERT_EQ(Moves(), 1) << "asked again after the second player's pass";
    cycle_->MenuUndoClick();
    EXPECT_EQ(Board(), kSecondAlwaysPasses) << "the pass goes with the move";
    EXPECT_EQ(cycle_->SideToMove(), 1);

    cycle_->MenuRedoClick();
    ASSERT_TRUE(Asked(1));
    Click(3, 0);
    ASSERT_NE(TickUntil([&] { return Finished(); }, 50), -1);
    EXPECT_FALSE(cycle_->Undo().enabled) << "a finished game stays finished";
}

// A searching computer player first against a user, whose search holds until it is stopped or
// released, then answers the first legal cell.
class SearchMoveTest : public GameCycleTest {
protected:
    void SetUp() override
    {
        GameCycleTest::SetUp();
        cycle_->Searches().SetRunner([this](const SearchWorker::Request& request, const std::atomic<bool>& stop) {
            ++started_;
            while (!stop && !release_)
                std::this_thread::yield();
            if (stop)
                ++stopped_;
            SearchWorker::Cells cells;
            int cell = 0;
            while (cell < BoardStatus::kCells && request.board.IsLegal(cell / 10, cell % 10, request.side) != 1)
                ++cell;
            cells[0] = {cell};
            return cells;
        });
        NormalBoard(1, 1);
        UsePlayers(4, 0, Player::kPlayComputer, Player::kPlayUser);
        cycle_->StartGame();
    }

    // Releases the search, waits for its answer and takes it with one tick.
    void Answer()
    {
        release_ = true;
        cycle_->TimerTimer();
        while (cycle_->Searches().Running())
            std::this_thread::yield();
        cycle_->TimerTimer();
    }

    std::atomic<int> started_{0};
    std::atomic<int> stopped_{0};
    std::atomic<bool> release_{false};
};

TEST_F(SearchMoveTest, TicksGoOnWhileTheWorkerThinksAPauseANewGameUndoOrClosingStopsItAndItFindsHints)
{
    EXPECT_FALSE(cycle_->Hint().enabled) << "the computer is to move";
    cycle_->TimerTimer();
    while (started_ == 0)
        std::this_thread::yield();
    Ticks(5);
    EXPECT_EQ(State(1), GameCycle::kStateThinking);
    EXPECT_EQ(started_, 1) << "one request per move, however many ticks poll it";
    ASSERT_TRUE(cycle_->Searches().Running());
    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->Searches().Running());
    cycle_->BitBtnCountinueClick();
    cycle_->TimerTimer();
    ASSERT_TRUE(cycle_->Searches().Running()) << "continuing asks again";
    StartGameOn(kThreeFlips);
    EXPECT_EQ(stopped_, 2);
    Answer();
    EXPECT_EQ(cycle_->LiveBoard().MoveAt(0), 45) << "the only legal cell of the new position, not the old one";
    EXPECT_EQ(started_, 3);
    EXPECT_EQ(Moves(), 1) << "played once";

    StartGameOn(StartRows());
    Answer();
    ASSERT_TRUE(Asked(2));
    ASSERT_TRUE(cycle_->Hint().enabled);
    release_ = false;
    cycle_->MenuHintClick();
    EXPECT_FALSE(cycle_->Hint().enabled);
    ASSERT_TRUE(cycle_->Searches().Running()) << "on the worker";
    EXPECT_EQ(cycle_->HintCell(), -1);
    cycle_->BitBtnCountinueClick();
    EXPECT_FALSE(cycle_->Searches().Running()) << "a pause stops the search";
    cycle_->BitBtnCountinueClick();
    Answer();
    const int first = LegalFrom(2);
    EXPECT_EQ(cycle_->HintCell(), first) << "the search's answer";
    EXPECT_EQ(started_, 6) << "the first move, the hint and the hint again";
    Ticks(5);
    EXPECT_EQ(cycle_->HintCell(), first);
    EXPECT_FALSE(cycle_->Hint().enabled);

    const Rows rows = Board();
    const QString computerPoint = cycle_->Side(1).point;
    release_ = false;
    const int other = LegalFrom(2, first + 1);
    Click(other);
    cycle_->TimerTimer();
    EXPECT_EQ(cycle_->LastMove(), other);
    EXPECT_EQ(cycle_->HintCell(), -1) << "gone with the user's move";
    ASSERT_NE(TickUntil([&] { return cycle_->Searches().Running(); }, 20), -1);
    ASSERT_TRUE(cycle_->Undo().enabled);
    cycle_->MenuUndoClick();
    EXPECT_FALSE(cycle_->Searches().Running()) << "undo stops the search for the reply";
    EXPECT_EQ(stopped_, 4);
    EXPECT_EQ(Board(), rows);
    EXPECT_EQ(cycle_->Side(1).point, computerPoint) << "the computer's panel no longer says it thinks";
    ASSERT_TRUE(Asked(2));
    cycle_->MenuHintClick();
    ASSERT_TRUE(cycle_->Searches().Running());
    cycle_.reset();
    EXPECT_EQ(stopped_, 5) << "closing stops and joins the worker";
}

}  // namespace
