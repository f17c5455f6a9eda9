#include "app/BoardView.h"
#include "app/TFormMain.h"

#include "platform/Clock.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "support/BoardText.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const QRgb kKey = qRgb(255, 0, 255);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kDark = qRgb(20, 20, 20);
const QRgb kLight = qRgb(250, 250, 250);

std::string Sjis(const QString& text)
{
    std::string bytes;
    TextCodec::FromUi(text, &bytes);
    return bytes;
}

// A disc on the transparent key colour, so the board shows around it.
QImage Disc(QRgb colour, int side = 32)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(colour));
    painter.drawEllipse(3, 3, side - 6, side - 6);
    return image;
}

QImage Plain(QRgb colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The border is the key colour with one black line down the middle.
QImage Border()
{
    QImage image = Plain(kKey, 400, 400);
    for (int y = 0; y < 400; ++y)
        image.setPixel(200, y, kBlack);
    return image;
}

class TFormMainTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qApp != nullptr)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }

    void SetUp() override
    {
        WriteProgramFolder();
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        Clock::ClearOverride();
        window_.reset();
        fs::current_path(previous_);
    }

    void Save(const std::string& name, const QImage& image)
    {
        fs::create_directories((dir_.Path() / name).parent_path());
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }

    void WriteProgramFolder(const std::string& extraSettings = "")
    {
        const std::string standard = Sjis(QStringLiteral("標準"));
        dir_.Write("Tessella.ini", "[Tessella]\r\nDefaultBoardSet=" + standard +
                                       "\r\nDefaultBoardName=Board_000\r\nBaseTimer=55\r\nAnimation=True\r\n"
                                       "Pass=Manual\r\nRandomBoard=False\r\n" + extraSettings +
                                       "[BoardSet]\r\n" + standard + "=Test.tsb\r\n[BrainSet]\r\n" + standard +
                                       "=Test.tsp\r\n");
        dir_.Write("Test.tsb",
                   "[BoardSet]\r\nName=Test\r\n"
                   "[Board_000]\r\nBoardType=Normal\r\nBoard=Board.bmp\r\nBorder=Border.bmp\r\nNoFloat=Empty.bmp\r\n"
                   "1stFloat_00=D0.bmp,D1.bmp,D2.bmp\r\n2ndFloat_00=L0.bmp,L1.bmp,L2.bmp\r\nTitle=" +
                       Sjis(QStringLiteral("試験盤")) +
                       "\r\nIntervalTime=100\r\nStretch=True\r\nTransparentNoFloat=True\r\n"
                       "Transparent1stFloat=True\r\nTransparent2ndFloat=True\r\n"
                       "[Board_001]\r\nBoardType=Picture\r\nBoard=Board.bmp\r\nBorder=Border.bmp\r\n"
                       "NoFloat=Square.bmp\r\n1stBoard=Whole1.bmp\r\n2ndBoard=Whole2.bmp\r\nTitle=Picture\r\n"
                       "IntervalTime=100\r\nStretch=True\r\n");
        const std::string faces = "Face_00=F0.bmp\r\nFace_01=F1.bmp\r\nFace_02=F2.bmp\r\nFace_03=F3.bmp\r\n"
                                  "Face_04=F4.bmp\r\n";
        dir_.Write("Test.tsp", "[Demo_000]\r\nName=" + Sjis(QStringLiteral("先手くん")) + "\r\nStretch=True\r\n" +
                                   faces + "Brain_00=80,NormalBrain08,,\r\n[Demo_001]\r\nName=Beta\r\n"
                                   "Stretch=False\r\n" + faces + "Brain_00=80,NormalBrain01,,\r\n");
        Save("Board.bmp", Plain(kGreen, 400, 400));
        Save("Border.bmp", Border());
        Save("Empty.bmp", Plain(kKey, 32, 32));
        Save("Square.bmp", Plain(qRgb(128, 128, 128), 37, 37));
        Save("Whole1.bmp", Plain(qRgb(200, 0, 0), 400, 400));
        Save("Whole2.bmp", Plain(qRgb(0, 0, 200), 400, 400));
        for (int frame = 0; frame < 3; ++frame) {
            Save("D" + std::to_string(frame) + ".bmp", Disc(frame == 0 ? kDark : qRgb(90 + frame, 90, 90)));
            Save("L" + std::to_string(frame) + ".bmp", Disc(frame == 0 ? kLight : qRgb(160 + frame, 160, 160)));
        }
        for (int face = 0; face < 5; ++face)
            Save("F" + std::to_string(face) + ".bmp", Plain(qRgb(40 * face, 100, 100), 50, 50));
        Save("Picture/User.bmp", Plain(qRgb(0, 0, 255), 100, 20));
        Save("Picture/Computer.bmp", Plain(qRgb(255, 128, 0), 100, 20));
    }

    TFormMain& Window()
    {
        if (!window_)
            window_ = std::make_unique<TFormMain>();
        return *window_;
    }

    // Shown, demonstration running; the real timer never fires because no test runs the event loop.
    TFormMain& Shown()
    {
        TFormMain& window = Window();
        window.show();
        return window;
    }

    static void FlushPaints() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

    // Ticks until the commands are back after a game; false when it never ends.
    bool PlayToTheEnd(TFormMain& window)
    {
        for (int tick = 0; tick < 20000; ++tick) {
            window.Cycle().TimerTimer();
            if (window.MenuPrepare->isEnabled())
                return true;
        }
        return false;
    }

    static QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

    TempDir dir_;
    SeededRandom seed_{20240601};
    fs::path previous_;
    std::unique_ptr<TFormMain> window_;
};

std::vector<std::pair<QAction*, QPushButton*>> CommandPairs(TFormMain& window)
{
    return {{window.MenuPrepare, window.BitBtnPrepare}, {window.MenuReplay, window.BitBtnReplay},
            {window.MenuCountinue, window.BitBtnCountinue}, {window.MenuPass, window.BitBtnPass},
            {window.MenuSetting, window.ButtonSetting},   {window.MenuBorder, window.BitBtnBorder},
            {window.MenuExit, window.BitBtnExit}};
}

std::vector<QString> MenuLayout(const QMenu* menu)
{
    std::vector<QString> items;
    for (const QAction* action : menu->actions())
        items.push_back(action->isSeparator() ? QStringLiteral("-") : action->objectName() + "=" + action->text());
    return items;
}

TEST_F(TFormMainTest, ANewWindowOpensAtItsSmallestSizeWithTheCommandMenus)
{
    TFormMain& window = Window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("テセラ"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(632, 434));
    EXPECT_EQ(window.size(), window.minimumSizeHint());
    EXPECT_EQ(window.BitBtnExit->text(), QStringLiteral("終了"));
    EXPECT_FALSE(window.Timer->isActive());

    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("メニュー"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("棋譜"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("ヘルプ"));
    const std::vector<QString> main = {
        "MenuPrepare=ゲーム開始", "MenuReplay=リプレイ", "MenuCountinue=中断", "MenuPass=パス", "MenuUndo=待った",
        "MenuRedo=やり直し", "MenuHint=ヒント", "-",
        "MenuSetting=環境設定", "MenuBorder=境界線を隠す", "-", "MenuExit=テセラの終了"};
    EXPECT_EQ(MenuLayout(window.MenuMain), main);
    const std::vector<QString> help = {"MenuActionHelp=テセラとは？", "MenuHP=ホームページ", "-",
                                       "MenuRelease=リリース情報"};
    EXPECT_EQ(MenuLayout(window.MenuHelp), help);
    const std::vector<QString> record = {"MenuRecordWindow=棋譜ウィンドウ", "-", "MenuOpenRecord=棋譜を開く...",
                                         "MenuSaveRecord=棋譜を保存...", "MenuCopyMoves=手順をコピー",
                                         "MenuPasteMoves=手順を貼り付け", "-", "MenuStats=成績"};
    EXPECT_EQ(MenuLayout(window.MenuRecord), record);
}

TEST_F(TFormMainTest, ShowingLoadsTheBoardOfTheSettingsAndStartsTheDemonstration)
{
    TFormMain& window = Shown();
    EXPECT_EQ(window.PanelTitle->text(), QStringLiteral("試験盤"));
    EXPECT_EQ(window.Panel1stName->text(), QStringLiteral("先手くん"));
    EXPECT_EQ(window.Panel2ndName->text(), QStringLiteral("Beta"));
    EXPECT_EQ(window.Cycle().GameMode(), GameCycle::kModeDemo);
    EXPECT_TRUE(window.Timer->isActive());
    EXPECT_EQ(window.Timer->interval(), 55);

    // Faces: the first player's are stretched to the frame, the second's keep their size.
    ASSERT_FALSE(window.Image1stFace->pixmap().isNull());
    EXPECT_EQ(window.Image1stFace->pixmap().deviceIndependentSize().toSize(), QSize(100, 100));
    EXPECT_EQ(window.Image2ndFace->pixmap().deviceIndependentSize().toSize(), QSize(50, 50));
    EXPECT_EQ(window.Image1stPlayType->pixmap().toImage().pixel(50, 10), qRgb(255, 128, 0));
    EXPECT_EQ(window.Image1stFloat->pixmap().toImage().pixelColor(16, 16), QColor(kDark));
}

TEST_F(TFormMainTest, RestoringTheWindowDoesNotStartTheDemonstrationAgain)
{
    TFormMain& window = Shown();
    for (int tick = 0; tick < 60; ++tick)
        window.Cycle().TimerTimer();
    const int moves = window.Cycle().LiveBoard().MoveCount();
    ASSERT_GT(moves, 0);

    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    // notify() keeps the event spontaneous, as the window system's restore delivers it.
    QApplication::instance()->notify(&window, &restored);
    EXPECT_EQ(window.Cycle().LiveBoard().MoveCount(), moves);

    window.hide();
    window.show();
    EXPECT_EQ(window.Cycle().LiveBoard().MoveCount(), 0) << "a new showing starts afresh";
}

TEST_F(TFormMainTest, EachButtonAndItsMenuItemShareOneStateThroughADemonstrationAndAGame)
{
    TFormMain& window = Shown();
    const auto pairs = CommandPairs(window);
    auto expectShared = [&](int tick) {
        for (const auto& [action, button] : pairs) {
            ASSERT_EQ(action->isEnabled(), button->isEnabled()) << button->objectName().toStdString() << " " << tick;
            if (button != window.BitBtnExit) {
                ASSERT_EQ(action->text(), button->text()) << button->objectName().toStdString() << " " << tick;
            }
        }
    };
    for (int tick = 0; tick < 300; ++tick) {
        window.Cycle().TimerTimer();
        expectShared(tick);
    }
    window.BitBtnPrepare->click();
    for (int tick = 0; tick < 20000 && !window.MenuPrepare->isEnabled(); ++tick) {
        window.Cycle().TimerTimer();
        expectShared(tick);
    }
    expectShared(-1);
    EXPECT_TRUE(window.BitBtnReplay->isEnabled());
}

TEST_F(TFormMainTest, PauseAndContinueFollowTheModeOnBothControls)
{
    TFormMain& window = Shown();
    window.BitBtnCountinue->click();
    EXPECT_EQ(window.MenuCountinue->text(), QStringLiteral("継続"));
    EXPECT_FALSE(window.Timer->isActive());

    window.MenuCountinue->trigger();
    EXPECT_EQ(window.BitBtnCountinue->text(), QStringLiteral("中断"));
    EXPECT_TRUE(window.Timer->isActive());
    EXPECT_TRUE(window.BitBtnPrepare->isEnabled()) << "a demonstration keeps its commands";

    window.BitBtnPrepare->click();
    EXPECT_EQ(window.LabelMessage->text(), QStringLiteral("先手の番です"));
    EXPECT_EQ(Background(window.Panel1stName), QColor(0, 255, 255));
    EXPECT_EQ(Background(window.Panel2ndName), QColor(192, 192, 192));
    EXPECT_TRUE(window.Timer->isActive());
    EXPECT_FALSE(window.BitBtnPrepare->isEnabled());
    EXPECT_FALSE(window.MenuExit->isEnabled());

    window.BitBtnCountinue->click();
    EXPECT_TRUE(window.MenuPrepare->isEnabled()) << "a paused game offers preparation and exit";
    EXPECT_TRUE(window.BitBtnExit->isEnabled());
    window.BitBtnCountinue->click();
    EXPECT_FALSE(window.BitBtnPrepare->isEnabled());
    EXPECT_FALSE(window.BitBtnExit->isEnabled());
}

TEST_F(TFormMainTest, AFinishedPictureGameLetsTheBorderBeHiddenAndShownAgain)
{
    TFormMain& window = Shown();
    window.Cycle().Style().Load("Test.tsb", "Board_001");
    window.BitBtnPrepare->click();
    EXPECT_FALSE(window.BitBtnBorder->isEnabled());
    ASSERT_TRUE(PlayToTheEnd(window));

    const QString message = window.LabelMessage->text();
    const QColor first = Background(window.Panel1stName);
    const QColor second = Background(window.Panel2ndName);
    if (message == QStringLiteral("引き分けです")) {
        EXPECT_EQ(first, QColor(192, 192, 192));
        EXPECT_EQ(second, QColor(192, 192, 192));
    } else {
        EXPECT_TRUE(message.endsWith(QStringLiteral("の勝ちです"))) << message.toStdString();
        const QLabel* winner = first == QColor(255, 0, 0) ? window.Panel1stName : window.Panel2ndName;
        const QLabel* loser = winner == window.Panel1stName ? window.Panel2ndName : window.Panel1stName;
        EXPECT_EQ(Background(winner), QColor(255, 0, 0));
        EXPECT_EQ(Background(loser), QColor(0, 0, 255));
        EXPECT_EQ(winner->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        EXPECT_TRUE(message.startsWith(winner->text()));
    }

    ASSERT_TRUE(window.BitBtnBorder->isEnabled());
    EXPECT_EQ(window.ImageBoard->grab().toImage().pixel(200, 5), kBlack);
    window.BitBtnBorder->click();
    EXPECT_EQ(window.MenuBorder->text(), QStringLiteral("境界線を表示する"));
    EXPECT_EQ(window.ImageBoard->grab().toImage().pixel(200, 5), kGreen);
    window.MenuBorder->trigger();
    EXPECT_EQ(window.BitBtnBorder->text(), QStringLiteral("境界線を隠す"));
    EXPECT_EQ(window.ImageBoard->grab().toImage().pixel(200, 5), kBlack);
}

TEST_F(TFormMainTest, AUserPlaysByClickingALegalCellUnderTheCrossHair)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepare->click();
    cycle.TimerTimer();
    ASSERT_EQ(window.Panel1stPoint->text(), QStringLiteral("Thinking"));

    const int legal = 35;  // legal for the first player in the starting position
    ASSERT_EQ(cycle.LiveBoard().IsLegal(3, 5, 1), 1);
    const QPoint legalPoint = cycle.SpriteAt(legal / 10, legal % 10).rect.center();
    const QPoint cornerPoint = cycle.SpriteAt(0, 3).rect.center();

    QTest::mouseMove(window.ImageBoard, cornerPoint);
    EXPECT_EQ(window.ImageBoard->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(window.ImageBoard, legalPoint);
    EXPECT_EQ(window.ImageBoard->cursor().shape(), Qt::CrossCursor);

    QTest::mouseClick(window.ImageBoard, Qt::LeftButton, {}, cornerPoint);
    cycle.TimerTimer();
    EXPECT_EQ(window.Panel1stPoint->text(), QStringLiteral("Thinking"));
    EXPECT_EQ(cycle.LiveBoard().OwnerAt(0, 3), 0);

    QTest::mouseClick(window.ImageBoard, Qt::LeftButton, {}, legalPoint);
    cycle.TimerTimer();
    EXPECT_EQ(cycle.LiveBoard().OwnerAt(legal / 10, legal % 10), 1);
    EXPECT_EQ(window.Panel1stPoint->text(), QStringLiteral("%1 - %2").arg(legal / 10 + 1).arg(legal % 10 + 1));
    QTest::mouseMove(window.ImageBoard, legalPoint + QPoint(1, 0));
    EXPECT_EQ(window.ImageBoard->cursor().shape(), Qt::ArrowCursor) << "the cell is taken";
}

TEST_F(TFormMainTest, ATickRepaintsOnlyTheCellsThatChanged)
{
    // The last-move mark repaints the cell it leaves; its own test follows.
    WriteProgramFolder("ShowLastMove=False\r\n");
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    FlushPaints();
    BoardView& board = *window.ImageBoard;

    board.ResetStats();
    window.BitBtnPrepare->click();
    FlushPaints();
    EXPECT_EQ(board.Stats().paints, 1);
    EXPECT_TRUE(board.Stats().lastRegion.contains(board.rect())) << "a new game redraws the whole board";

    int checkedTicks = 0;
    for (int tick = 0; tick < 400; ++tick) {
        std::vector<qint64> before;
        for (int cell = 0; cell < 100; ++cell)
            before.push_back(cycle.SpriteAt(cell / 10, cell % 10).picture.cacheKey());
        board.ResetStats();
        cycle.TimerTimer();
        FlushPaints();
        QRegion changed;
        int changedCells = 0;
        for (int cell = 0; cell < 100; ++cell) {
            if (cycle.SpriteAt(cell / 10, cell % 10).picture.cacheKey() != before[cell]) {
                changed += cycle.SpriteAt(cell / 10, cell % 10).rect;
                ++changedCells;
            }
        }
        if (changed.isEmpty()) {
            EXPECT_EQ(board.Stats().paints, 0) << "tick " << tick;
            continue;
        }
        ++checkedTicks;
        EXPECT_EQ(board.Stats().paints, 1) << "tick " << tick;
        EXPECT_EQ(board.Stats().lastRegion, changed) << "tick " << tick;
        EXPECT_EQ(board.Stats().spritesDrawn, changedCells) << "tick " << tick;
    }
    EXPECT_GT(checkedTicks, 20);
}

TEST_F(TFormMainTest, APictureThatCannotBeLoadedIsNamedInTheMessageLine)
{
    WriteProgramFolder("UserPicture=Picture\\Missing.bmp\r\n");
    TFormMain& window = Shown();
    EXPECT_TRUE(window.LabelMessage->text().contains(QStringLiteral("Missing.bmp")))
        << window.LabelMessage->text().toStdString();
    for (int tick = 0; tick < 50; ++tick)
        window.Cycle().TimerTimer();
    EXPECT_TRUE(window.LabelMessage->text().contains(QStringLiteral("Missing.bmp"))) << "a demonstration says nothing";
    window.BitBtnPrepare->click();
    EXPECT_EQ(window.LabelMessage->text(), QStringLiteral("先手の番です"));
}

TEST_F(TFormMainTest, ExitEndsTheEventLoopWithStatusZero)
{
    TFormMain& window = Shown();
    QTimer::singleShot(0, window.BitBtnExit, &QPushButton::click);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(TFormMainTest, LeavingAsksOnlyWhileAGameWithAUserSideGoesOn)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    int asked = 0;
    int answer = kModalNo;
    bool stoppedWhileAsking = false;
    ModalHost::SetResponder([&](QDialog&) {
        ++asked;
        stoppedWhileAsking = !window.Timer->isActive();
        return answer;
    });
    const auto closeBoxLeaves = [&window] {
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
        return close.isAccepted();
    };

    EXPECT_TRUE(closeBoxLeaves()) << "a demonstration";
    window.BitBtnPrepare->click();
    EXPECT_TRUE(closeBoxLeaves()) << "computer against computer";
    EXPECT_EQ(asked, 0);

    cycle.PlayerFor(2).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepareClick();
    cycle.TimerTimer();
    EXPECT_FALSE(closeBoxLeaves()) << "no keeps the game";
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(stoppedWhileAsking);
    EXPECT_TRUE(window.Timer->isActive());
    answer = kModalYes;
    EXPECT_TRUE(closeBoxLeaves());
    EXPECT_EQ(asked, 2);

    cycle.PlayerFor(2).SetPlayType(Player::kPlayComputer);
    ASSERT_TRUE(PlayToTheEnd(window));
    cycle.PlayerFor(2).SetPlayType(Player::kPlayUser);
    EXPECT_TRUE(closeBoxLeaves()) << "a finished game";
    EXPECT_EQ(asked, 2);
}

TEST_F(TFormMainTest, TheThinkingTimeOfTheSideToMoveRunsWithTheClock)
{
    std::int64_t now = 50000;
    Clock::SetOverride([&now] { return now; });
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepare->click();
    cycle.TimerTimer();
    EXPECT_EQ(window.Panel1stUseTime->text(), QStringLiteral("00:00:00"));
    for (const char* shown : {"00:00:01", "00:00:02", "00:00:03"}) {
        ++now;
        cycle.TimerTimer();
        cycle.TimerTimer();
        EXPECT_EQ(window.Panel1stUseTime->text(), QString::fromLatin1(shown));
    }
    EXPECT_EQ(window.Panel2ndUseTime->text(), QStringLiteral("00:00:00")) << "only the side to move thinks";
}

TEST_F(TFormMainTest, AUserWithoutAPlacementWaitsForThePassButtonWithThePanelsShowingTheBoard)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepare->click();
    // The first player cannot place; the second can take the first player's only piece.
    cycle.LiveBoard() = BoardFromRows({
        "   OX..   ",
        "  ......  ",
        " ........ ",
        "..........",
        "..........",
        "..........",
        "..........",
        " ........ ",
        "  ......  ",
        "   ....   ",
    });
    cycle.RedrawBoard();

    for (int tick = 0; tick < 5; ++tick)
        cycle.TimerTimer();
    EXPECT_TRUE(window.BitBtnPass->isEnabled());
    EXPECT_TRUE(window.MenuPass->isEnabled());
    EXPECT_EQ(window.LabelMessage->text(), QStringLiteral("先手はパスです"));
    EXPECT_EQ(window.Panel1stPoint->text(), QStringLiteral("Pass"));
    EXPECT_EQ(window.Panel1stScore->text(), QStringLiteral("1/76"));
    EXPECT_EQ(window.Panel2ndScore->text(), QStringLiteral("1/76"));
    EXPECT_EQ(cycle.LiveBoard().OwnerAt(0, 5), 0) << "the pass waits for the button";

    window.BitBtnPass->click();
    ASSERT_TRUE(PlayToTheEnd(window));
    EXPECT_EQ(BoardToRows(cycle.LiveBoard())[0], "   OOO.   ");
    EXPECT_EQ(window.Panel1stScore->text(), QStringLiteral("0/76"));
    EXPECT_EQ(window.Panel2ndScore->text(), QStringLiteral("3/76"));
    EXPECT_FALSE(window.BitBtnPass->isEnabled());
}

TEST_F(TFormMainTest, ScoresFollowTheBoardThroughAGameAndItsReplay)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    const auto expectScoresOfTheBoard = [&](const char* when, int tick) {
        // Only while a placement's flips are still being shown may the panels lag behind.
        if (cycle.PlayerFor(1).State() == GameCycle::kStatePlacing
            || cycle.PlayerFor(2).State() == GameCycle::kStatePlacing)
            return;
        for (int side = 1; side <= 2; ++side) {
            const QLabel* score = side == 1 ? window.Panel1stScore : window.Panel2ndScore;
            ASSERT_EQ(score->text(), QStringLiteral("%1/76").arg(cycle.LiveBoard().CountOwner(side)))
                << when << " tick " << tick << " side " << side;
        }
    };
    window.BitBtnPrepare->click();
    for (int tick = 0; tick < 20000 && !window.MenuPrepare->isEnabled(); ++tick) {
        cycle.TimerTimer();
        expectScoresOfTheBoard("game", tick);
    }
    ASSERT_TRUE(window.BitBtnReplay->isEnabled());
    const std::vector<std::string> finalRows = BoardToRows(cycle.LiveBoard());
    const QString record = window.Panel1stGameResult->text();

    window.BitBtnReplay->click();
    EXPECT_EQ(cycle.GameMode(), GameCycle::kModeReplay);
    EXPECT_FALSE(window.BitBtnPrepare->isEnabled());
    for (int tick = 0; tick < 20000 && !window.MenuPrepare->isEnabled(); ++tick) {
        cycle.TimerTimer();
        expectScoresOfTheBoard("replay", tick);
    }
    EXPECT_EQ(BoardToRows(cycle.LiveBoard()), finalRows);
    EXPECT_EQ(window.Panel1stGameResult->text(), record) << "a replay changes no record";
    EXPECT_TRUE(window.BitBtnReplay->isEnabled());
}

int Luminance(QRgb pixel)
{
    return qGray(pixel);
}

TEST_F(TFormMainTest, MarksTakeTheirColourFromTheCellUnderThem)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepare->click();
    cycle.TimerTimer();
    const auto centre = [&](int cell) { return board.grab().toImage().pixel(cycle.SpriteAt(cell / 10, cell % 10).rect.center()); };

    // On the dark green felt a legal cell is lit, a cell that is not legal stays green.
    EXPECT_EQ(centre(3), kGreen);
    ASSERT_TRUE(board.ShownMarks().legal.test(35));
    EXPECT_GT(Luminance(centre(35)), Luminance(kGreen) + 20);

    board.ResetStats();
    QTest::mouseClick(&board, Qt::LeftButton, {}, cycle.SpriteAt(3, 5).rect.center());
    cycle.TimerTimer();
    EXPECT_TRUE(board.ShownMarks().legal.none());
    EXPECT_GT(Luminance(centre(35)), 150) << "a light mark on the dark piece just placed";
    ASSERT_NE(cycle.LiveBoard().MoveCount(), 0);
    for (int tick = 0; tick < 200 && cycle.LiveBoard().MoveCount() < 2; ++tick)
        cycle.TimerTimer();
    const int reply = cycle.LastMove();
    ASSERT_EQ(cycle.LiveBoard().OwnerAt(reply / 10, reply % 10), 2);
    EXPECT_LT(Luminance(centre(reply)), 100) << "a dark mark on the light piece";
    EXPECT_EQ(centre(35), kDark) << "the mark left the first move";
}

TEST_F(TFormMainTest, TheMarkOptionsComeFromTheSettingsFile)
{
    WriteProgramFolder("ShowLegalMoves=False\r\nShowLastMove=False\r\nShowCoordinates=True\r\n");
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    window.BitBtnPrepare->click();
    cycle.TimerTimer();
    EXPECT_TRUE(board.ShownMarks().legal.none());
    EXPECT_EQ(board.ShownMarks().lastMove, -1);

    // The coordinates take a band around the board, which shrinks to keep its proportions.
    const QRectF area = board.PictureArea();
    EXPECT_NEAR(area.width(), area.height(), 0.01);
    EXPECT_LT(area.width(), 400);
    EXPECT_GE(area.left(), BoardView::kCoordinateBand * board.Scale() - 1);
    const QImage shot = board.grab().toImage();
    int lit = 0;
    for (int y = 0; y < static_cast<int>(area.top()); ++y) {
        for (int x = static_cast<int>(area.left()); x < static_cast<int>(area.right()); ++x)
            lit += Luminance(shot.pixel(x, y)) > 150 ? 1 : 0;
    }
    EXPECT_GT(lit, 20) << "the column letters";
}

TEST_F(TFormMainTest, EveryCommandHasItsShortcutInTheMenus)
{
    TFormMain& window = Window();
    const struct {
        QAction* action;
        QString keys;
    } cases[] = {
        {window.MenuPrepare, "Ctrl+N"}, {window.MenuReplay, "Ctrl+R"}, {window.MenuCountinue, "Ctrl+P"},
        {window.MenuPass, "P"},         {window.MenuUndo, "Ctrl+Z"},   {window.MenuRedo, "Ctrl+Shift+Z"},
        {window.MenuSetting, "Ctrl+,"}, {window.MenuBorder, "Ctrl+B"},  {window.MenuExit, "Ctrl+Q"},
        {window.MenuActionHelp, "F1"},  {window.MenuHint, "H"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.action->shortcut().toString(), c.keys) << c.action->objectName().toStdString();
    EXPECT_EQ(window.MenuRedo->shortcuts().value(1).toString(), QStringLiteral("Ctrl+Y"));
}

TEST_F(TFormMainTest, AGameIsPlayedFromTheKeyboardAlone)
{
    TFormMain& window = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(cycle.GameMode(), GameCycle::kModeGame);
    board.setFocus();
    ASSERT_TRUE(board.hasFocus());
    cycle.TimerTimer();
    EXPECT_EQ(board.ShownMarks().cursor, 44) << "the cursor shows while the board has the focus";

    QTest::keyClick(&board, Qt::Key_Up);
    QTest::keyClick(&board, Qt::Key_Right);
    EXPECT_EQ(board.ShownMarks().cursor, 35);
    QTest::keyClicks(&board, "d1");
    EXPECT_EQ(board.ShownMarks().cursor, 3);
    QTest::keyClick(&board, Qt::Key_Return);
    cycle.TimerTimer();
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0) << "d1 is not legal";
    QTest::keyClicks(&board, "f4");
    QTest::keyClick(&board, Qt::Key_Space);
    cycle.TimerTimer();
    ASSERT_EQ(cycle.LiveBoard().MoveCount(), 1);
    EXPECT_EQ(cycle.LastMove(), 35);

    for (int tick = 0; tick < 200 && !(cycle.LiveBoard().MoveCount() == 2 && cycle.PlayerFor(1).State() == 1); ++tick)
        cycle.TimerTimer();
    QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0);
    QTest::keyClick(&board, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 2);
    QTest::keyClick(&board, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(window.Timer->isActive());

    board.clearFocus();
    EXPECT_EQ(board.ShownMarks().cursor, -1);
}

TEST_F(TFormMainTest, TabReachesTheBoardAndEveryEnabledButton)
{
    TFormMain& window = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::set<QWidget*> reached;
    QWidget* start = QApplication::focusWidget();
    ASSERT_EQ(start, window.ImageBoard);
    for (int press = 0; press < 20; ++press) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{window.ImageBoard, window.BitBtnPrepare,
                                                           window.BitBtnCountinue, window.BitBtnExit})
        EXPECT_EQ(reached.count(control), 1u) << control->objectName().toStdString();
}

TEST_F(TFormMainTest, TheBoardScalesWithTheWindowAndClicksFollowTheScale)
{
    TFormMain& window = Shown();
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    const QRect firstPanel = window.GroupBox1stPlayer->geometry();
    const struct {
        QSize client;
        double scale;
    } cases[] = {{{632, 434}, 1.0}, {{900, 700}, 666.0 / 400}, {{1400, 800}, 766.0 / 400}, {{700, 1000}, 468.0 / 400}};
    for (const auto& c : cases) {
        window.resize(c.client + (window.size() - window.centralWidget()->size()));
        QCoreApplication::processEvents();
        ASSERT_EQ(window.centralWidget()->size(), c.client);
        EXPECT_NEAR(board.Scale(), c.scale, 0.01) << c.client.width();
        EXPECT_EQ(window.GroupBox1stPlayer->size(), firstPanel.size()) << "the side panels keep their layout";
        EXPECT_EQ(window.GroupBox1stPlayer->geometry().right(), c.client.width() - 3);

        window.BitBtnPrepare->click();
        cycle.TimerTimer();
        const QPoint legal = board.ToWidget(cycle.SpriteAt(3, 5).rect).center();
        const QPoint corner = board.ToWidget(cycle.SpriteAt(0, 3).rect).center();
        QTest::mouseMove(&board, corner);
        EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor) << c.client.width();
        QTest::mouseMove(&board, legal);
        EXPECT_EQ(board.cursor().shape(), Qt::CrossCursor) << c.client.width();
        // Just outside the cell's hit box, which is as wide as a piece.
        QTest::mouseClick(&board, Qt::LeftButton, {}, board.ToWidget(cycle.SpriteAt(3, 5).rect).topLeft() - QPoint(2, 2));
        cycle.TimerTimer();
        EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0) << c.client.width();
        QTest::mouseClick(&board, Qt::LeftButton, {}, legal);
        cycle.TimerTimer();
        EXPECT_EQ(cycle.LastMove(), 35) << c.client.width();
        EXPECT_EQ(board.grab().toImage().pixel(legal + QPoint(0, static_cast<int>(10 * c.scale))), kDark)
            << "the piece drawn at the scale";
        window.BitBtnCountinue->click();
    }
    window.resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.centralWidget()->size(), QSize(632, 434)) << "never smaller than the classic layout";
}

TEST_F(TFormMainTest, TheWindowComesBackWhereItWasWhileAScreenShowsIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QString keys;
        bool restored;
    } cases[] = {
        {QStringLiteral("WindowLeft=%1\r\nWindowTop=%2\r\nWindowWidth=700\r\nWindowHeight=500\r\n")
             .arg(screen.left() + 10)
             .arg(screen.top() + 20),
         true},
        {QStringLiteral("WindowLeft=%1\r\nWindowTop=20\r\nWindowWidth=700\r\nWindowHeight=500\r\n")
             .arg(screen.right() + 4000),
         false},
    };
    for (const auto& c : cases) {
        WriteProgramFolder(c.keys.toStdString());
        window_.reset();
        TFormMain& window = Window();
        EXPECT_EQ(window.pos() == QPoint(screen.left() + 10, screen.top() + 20), c.restored) << c.keys.toStdString();
        EXPECT_EQ(window.size() == QSize(700, 500), c.restored) << c.keys.toStdString();
    }
    window_->resize(720, 520);
    window_->close();
    const std::string settings = dir_.Read("Tessella.ini");
    EXPECT_NE(settings.find("WindowWidth=720\r\nWindowHeight=520"), std::string::npos) << settings;
}

}  // namespace
