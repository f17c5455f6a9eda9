#include "app/BoardView.h"
#include "app/TFormMain.h"

#include "platform/Clock.h"
#include "platform/ModalResult.h"
#include "support/CycleDriver.h"
#include "support/InProgramFolder.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedRandom.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const QRgb kKey = qRgb(255, 0, 255);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kDark = qRgb(20, 20, 20);
const QRgb kLight = qRgb(250, 250, 250);

// The main window alone in a program folder of its own: a green board with a black border line down
// the middle, dark and light pieces, and two demonstration players.
class TFormMainTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        WriteProgramFolder();
    }

    void TearDown() override
    {
        Clock::ClearOverride();
        window_.reset();
        InProgramFolder::TearDown();
    }

    void WriteProgramFolder(const std::string& extraSettings = "")
    {
        const std::string standard = Sj("標準");
        dir_.Write("Tessella.ini", "[Tessella]\r\nDefaultBoardSet=" + standard +
                                       "\r\nDefaultBoardName=Board_000\r\nBaseTimer=55\r\nAnimation=True\r\n"
                                       "Pass=Manual\r\nRandomBoard=False\r\n" + extraSettings +
                                       "[BoardSet]\r\n" + standard + "=Test.tsb\r\n[BrainSet]\r\n" + standard +
                                       "=Test.tsp\r\n");
        const auto pic = [](QRgb colour, int size = 32) { return CycleDriver::Pic(colour, size); };
        const auto frames = [&pic](QRgb first, int grey) {
            return pic(first) + "," + pic(qRgb(grey + 1, grey, grey)) + "," + pic(qRgb(grey + 2, grey, grey));
        };
        const std::string shared = "Board=" + pic(kGreen, 400) + "\r\nBorder=Border.bmp\r\nIntervalTime=100\r\nStretch=True\r\n";
        dir_.Write("Test.tsb", "[BoardSet]\r\nName=Test\r\n[Board_000]\r\nBoardType=Normal\r\n" + shared + "NoFloat=" +
                                   pic(kKey) + "\r\nTransparentNoFloat=True\r\n1stFloat_00=" + frames(kDark, 90) +
                                   "\r\n2ndFloat_00=" + frames(kLight, 160) + "\r\nTitle=" + Sj("試験盤") +
                                   "\r\n[Board_001]\r\nBoardType=Picture\r\n" + shared + "NoFloat=" +
                                   pic(qRgb(128, 128, 128), 37) + "\r\n1stBoard=" + pic(qRgb(200, 0, 0), 400) +
                                   "\r\n2ndBoard=" + pic(qRgb(0, 0, 200), 400) + "\r\nTitle=Picture\r\n");
        std::string faces;
        for (int face = 0; face < 5; ++face)
            faces += Format("Face_%02d=", face) + pic(qRgb(40 * face, 100, 100), 50) + "\r\n";
        dir_.Write("Test.tsp", "[Demo_000]\r\nName=" + Sj("先手くん") + "\r\nStretch=True\r\n" +
                                   faces + "Brain_00=80,NormalBrain08,,\r\n[Demo_001]\r\nName=Beta\r\n"
                                   "Stretch=False\r\n" + faces + "Brain_00=80,NormalBrain01,,\r\n");
        QImage border(400, 400, QImage::Format_RGB32);
        border.fill(kKey);
        for (int y = 0; y < 400; ++y)
            border.setPixel(200, y, kBlack);
        ASSERT_TRUE(border.save(QString::fromStdString(dir_.File("Border.bmp")), "BMP"));
        std::filesystem::create_directories(dir_.Path() / "Picture");
        SaveBmp("Picture/User.bmp", qRgb(0, 0, 255), 100, 20);
        SaveBmp("Picture/Computer.bmp", qRgb(255, 128, 0), 100, 20);
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
        Window().show();
        return *window_;
    }

    // A game started with the first side played by the user, asked for its first move.
    GameCycle& UserGame()
    {
        GameCycle& cycle = Shown().Cycle();
        cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
        window_->BitBtnPrepare->click();
        cycle.TimerTimer();
        return cycle;
    }

    static QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }
    QRgb Pixel(QPoint at) const { return window_->ImageBoard->grab().toImage().pixel(at); }
    QRgb CellMiddle(int cell) const { return Pixel(window_->Cycle().SpriteAt(cell / 10, cell % 10).rect.center()); }

    SeededRandom seed_{20240601};
    std::unique_ptr<TFormMain> window_;
};

// The window comes back where it was only while a screen shows that place.
TEST_F(TFormMainTest, ShowingPlacesTheWindowAndStartsTheDemonstrationCommandsPanelsAndRepaintsFollowAGameExitSavesThePlace)
{
    // Without a settings file the standard board and a 55 ms timer are used, though nothing is there.
    std::filesystem::remove("Tessella.ini");
    Window().FormShow();
    EXPECT_EQ(window_->Cycle().GameMode(), GameCycle::kModeDemo);
    EXPECT_EQ(window_->Cycle().TimerInterval(), 55);
    EXPECT_EQ(window_->Cycle().Style().FileName(), "Standard.tsb");
    EXPECT_EQ(window_->Cycle().Style().SectionName(), "Board_000");
    Ticks(window_->Cycle(), 20);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const int left : {screen.left() + 10, screen.right() + 4000}) {
        const bool restored = left < screen.right();
        // A missing picture is reported once, so only the window shown below names it.
        WriteProgramFolder(QStringLiteral("%1WindowLeft=%2\r\nWindowTop=%3\r\nWindowWidth=700\r\nWindowHeight=500\r\n")
                               .arg(restored ? QString() : QStringLiteral("UserPicture=Picture\\Missing.bmp\r\nShowLastMove=False\r\n"))
                               .arg(left)
                               .arg(screen.top() + 20)
                               .toStdString());
        window_.reset();
        EXPECT_EQ(Window().pos() == QPoint(left, screen.top() + 20), restored) << left;
        EXPECT_EQ(window_->size() == QSize(700, 500), restored) << left;
    }
    TFormMain& window = Shown();
    EXPECT_EQ(window.PanelTitle->text(), QStringLiteral("試験盤"));
    EXPECT_EQ(window.Panel1stName->text(), QStringLiteral("先手くん"));
    EXPECT_EQ(window.Timer->interval(), 55);
    // Faces: the first player's are stretched to the frame, the second's keep their size.
    EXPECT_EQ(window.Image1stFace->pixmap().deviceIndependentSize().toSize(), QSize(100, 100));
    EXPECT_EQ(window.Image2ndFace->pixmap().deviceIndependentSize().toSize(), QSize(50, 50));
    EXPECT_EQ(window.Image1stPlayType->pixmap().toImage().pixel(50, 10), qRgb(255, 128, 0));
    EXPECT_EQ(window.Image1stFloat->pixmap().toImage().pixelColor(16, 16), QColor(kDark));

    // A picture that cannot be loaded is named in the message line until a game says more.
    EXPECT_TRUE(window.LabelMessage->text().contains(QStringLiteral("Missing.bmp")));
    Ticks(window.Cycle(), 60);
    EXPECT_TRUE(window.LabelMessage->text().contains(QStringLiteral("Missing.bmp"))) << "a demonstration says nothing";

    // The window system's restore is spontaneous and goes on with the demonstration; a new showing starts afresh.
    const int moves = window.Cycle().LiveBoard().MoveCount();
    ASSERT_GT(moves, 0);
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    QApplication::instance()->notify(&window, &restored);
    EXPECT_EQ(window.Cycle().LiveBoard().MoveCount(), moves);
    window.hide();
    window.show();
    EXPECT_EQ(window.Cycle().LiveBoard().MoveCount(), 0);


    // Commands, panels and leaving follow the pause, a game and its end; the last-move mark is off, as it
    // repaints the cell it leaves, which the repaint checks below do not count.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    const auto flush = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); };
    const auto pictures = [&cycle] {
        std::vector<qint64> keys;
        for (int cell = 0; cell < 100; ++cell)
            keys.push_back(cycle.SpriteAt(cell / 10, cell % 10).picture.cacheKey());
        return keys;
    };
    const std::vector<std::pair<QAction*, QPushButton*>> pairs = {
        {window.MenuPrepare, window.BitBtnPrepare}, {window.MenuReplay, window.BitBtnReplay},
        {window.MenuCountinue, window.BitBtnCountinue}, {window.MenuPass, window.BitBtnPass},
        {window.MenuBorder, window.BitBtnBorder}, {window.MenuExit, window.BitBtnExit}};
    const auto expectShared = [&] {
        for (const auto& [action, button] : pairs) {
            ASSERT_EQ(action->isEnabled(), button->isEnabled()) << button->objectName().toStdString();
            if (button != window.BitBtnExit) {
                ASSERT_EQ(action->text(), button->text()) << button->objectName().toStdString();
            }
        }
    };
    int answer = kModalNo;
    bool stoppedWhileAsking = false;
    const ModalAnswers answers([&](QDialog&) {
        stoppedWhileAsking = !window.Timer->isActive();
        return answer;
    });
    const auto closeBoxLeaves = [&window] {
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
        return close.isAccepted();
    };
    EXPECT_TRUE(closeBoxLeaves()) << "a demonstration";
    window.BitBtnCountinue->click();
    EXPECT_EQ(window.MenuCountinue->text(), QStringLiteral("継続"));
    EXPECT_FALSE(window.Timer->isActive());
    expectShared();
    window.MenuCountinue->trigger();
    EXPECT_EQ(window.BitBtnCountinue->text(), QStringLiteral("中断"));
    EXPECT_TRUE(window.Timer->isActive());

    cycle.Style().Load("Test.tsb", "Board_001");
    flush();
    board.ResetStats();
    UserGame();
    flush();
    EXPECT_EQ(board.Stats().paints, 1);
    EXPECT_TRUE(board.Stats().lastRegion.contains(board.rect())) << "a new game redraws the whole board";
    EXPECT_EQ(window.LabelMessage->text(), QStringLiteral("先手の番です"));
    EXPECT_EQ(Background(window.Panel1stName), QColor(0, 255, 255));
    EXPECT_EQ(Background(window.Panel2ndName), QColor(192, 192, 192));
    EXPECT_FALSE(window.MenuExit->isEnabled());
    expectShared();
    EXPECT_FALSE(closeBoxLeaves()) << "no keeps the game with a user side";
    EXPECT_EQ(answers.shown.size(), 1u);
    EXPECT_TRUE(stoppedWhileAsking);
    EXPECT_TRUE(window.Timer->isActive());
    answer = kModalYes;
    EXPECT_TRUE(closeBoxLeaves());

    // A tick repaints only the cells whose pictures changed.
    cycle.PlayerFor(1).SetPlayType(Player::kPlayComputer);
    cycle.TimerTimer();  // the user's legal-move marks go
    flush();
    std::vector<qint64> before = pictures();
    board.ResetStats();
    int repaints = 0;
    ASSERT_NE(TickUntil(cycle, [&] {
        expectShared();
        flush();
        const std::vector<qint64> after = pictures();
        QRegion changed;
        for (int cell = 0; cell < 100; ++cell)
            changed += after[cell] != before[cell] ? cycle.SpriteAt(cell / 10, cell % 10).rect : QRect();
        EXPECT_EQ(board.Stats().paints, changed.isEmpty() ? 0 : 1) << "move " << cycle.LiveBoard().MoveCount();
        EXPECT_EQ(board.Stats().lastRegion, changed);
        repaints += changed.isEmpty() ? 0 : 1;
        before = after;
        board.ResetStats();
        return window.MenuPrepare->isEnabled();
    }),
              -1) << "the game never ended";
    EXPECT_GT(repaints, 20);
    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    EXPECT_TRUE(closeBoxLeaves()) << "a finished game";
    EXPECT_EQ(answers.shown.size(), 2u);

    const QString message = window.LabelMessage->text();
    ASSERT_TRUE(message.endsWith(QStringLiteral("の勝ちです"))) << message.toStdString();
    const bool firstWon = message.startsWith(window.Panel1stName->text());
    const QLabel* winner = firstWon ? window.Panel1stName : window.Panel2ndName;
    const QLabel* loser = firstWon ? window.Panel2ndName : window.Panel1stName;
    EXPECT_EQ(Background(winner), QColor(255, 0, 0));
    EXPECT_EQ(Background(loser), QColor(0, 0, 255));
    EXPECT_EQ(winner->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(window.Panel2ndScore->text(), QStringLiteral("%1/76").arg(cycle.LiveBoard().CountOwner(2)));

    ASSERT_TRUE(window.BitBtnBorder->isEnabled());
    EXPECT_EQ(Pixel({200, 5}), kBlack);
    window.BitBtnBorder->click();
    expectShared();
    EXPECT_EQ(Pixel({200, 5}), kGreen);

    window.resize(720, 520);
    QTimer::singleShot(0, window.BitBtnExit, &QPushButton::click);
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "exit ends the event loop with status 0";
    const std::string settings = dir_.Read("Tessella.ini");
    EXPECT_NE(settings.find("WindowWidth=720\r\nWindowHeight=520"), std::string::npos) << settings;
}

TEST_F(TFormMainTest, TheThinkingTimeRunsWithTheClockMarksTakeTheirColourFromTheCellAndTheBoardScalesWithTheWindow)
{
    std::int64_t now = 50000;
    Clock::SetOverride([&now] { return now; });
    GameCycle& cycle = UserGame();
    TFormMain& window = *window_;
    for (const char* shown : {"00:00:00", "00:00:01", "00:00:02"}) {
        EXPECT_EQ(window.Panel1stUseTime->text(), QString::fromLatin1(shown));
        ++now;
        Ticks(cycle, 2);
    }
    EXPECT_EQ(window.Panel2ndUseTime->text(), QStringLiteral("00:00:00")) << "only the side to move thinks";
    BoardView& board = *window.ImageBoard;
    // On the dark green felt a legal cell is lit, a cell that is not legal stays green.
    EXPECT_EQ(CellMiddle(3), kGreen);
    ASSERT_TRUE(board.ShownMarks().legal.test(35));
    EXPECT_GT(qGray(CellMiddle(35)), qGray(kGreen) + 20);

    QTest::mouseClick(&board, Qt::LeftButton, {}, cycle.SpriteAt(3, 5).rect.center());
    cycle.TimerTimer();
    EXPECT_TRUE(board.ShownMarks().legal.none());
    EXPECT_GT(qGray(CellMiddle(35)), 150) << "a light mark on the dark piece just placed";
    TickUntil(cycle, [&] { return cycle.LiveBoard().MoveCount() == 2; }, 200);
    const int reply = cycle.LastMove();
    ASSERT_EQ(cycle.LiveBoard().OwnerAt(reply / 10, reply % 10), 2);
    EXPECT_LT(qGray(CellMiddle(reply)), 100) << "a dark mark on the light piece";
    EXPECT_EQ(CellMiddle(35), kDark) << "the mark left the first move";
    window.BitBtnCountinue->click();

    const QRect firstPanel = window.GroupBox1stPlayer->geometry();
    const struct {
        QSize client;
        double scale;
    } cases[] = {{{632, 434}, 1.0}, {{900, 700}, 666.0 / 400}, {{1400, 800}, 766.0 / 400}, {{700, 1000}, 468.0 / 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.client.width());
        window.resize(c.client + (window.size() - window.centralWidget()->size()));
        QCoreApplication::processEvents();
        ASSERT_EQ(window.centralWidget()->size(), c.client);
        EXPECT_NEAR(board.Scale(), c.scale, 0.01);
        EXPECT_EQ(window.GroupBox1stPlayer->size(), firstPanel.size()) << "the side panels keep their layout";
        EXPECT_EQ(window.GroupBox1stPlayer->geometry().right(), c.client.width() - 3);

        window.BitBtnPrepare->click();
        cycle.TimerTimer();
        const QRect legal = board.ToWidget(cycle.SpriteAt(3, 5).rect);
        QTest::mouseMove(&board, board.ToWidget(cycle.SpriteAt(0, 3).rect).center());
        EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(&board, legal.center());
        EXPECT_EQ(board.cursor().shape(), Qt::CrossCursor);
        // Just outside the cell's hit box, which is as wide as a piece.
        QTest::mouseClick(&board, Qt::LeftButton, {}, legal.topLeft() - QPoint(2, 2));
        cycle.TimerTimer();
        EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0);
        QTest::mouseClick(&board, Qt::LeftButton, {}, legal.center());
        cycle.TimerTimer();
        EXPECT_EQ(cycle.LastMove(), 35);
        EXPECT_EQ(Pixel(legal.center() + QPoint(0, static_cast<int>(10 * c.scale))), kDark) << "drawn at the scale";
        window.BitBtnCountinue->click();
    }
    window.resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.centralWidget()->size(), QSize(632, 434)) << "never smaller than the classic layout";
}

TEST_F(TFormMainTest, AGameIsPlayedFromTheKeyboardAloneAndTabReachesEveryControlWithTheMarksOfTheSettings)
{
    WriteProgramFolder("ShowLegalMoves=False\r\nShowLastMove=False\r\nShowCoordinates=True\r\n");
    TFormMain& window = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    GameCycle& cycle = window.Cycle();
    BoardView& board = *window.ImageBoard;
    std::set<QWidget*> reached;
    ASSERT_EQ(QApplication::focusWidget(), &board);
    for (int press = 0; press < 20; ++press) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{&board, window.BitBtnPrepare, window.BitBtnCountinue,
                                                            window.BitBtnExit})
        EXPECT_EQ(reached.count(control), 1u) << control->objectName().toStdString();

    cycle.PlayerFor(1).SetPlayType(Player::kPlayUser);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(cycle.GameMode(), GameCycle::kModeGame);
    board.setFocus();
    cycle.TimerTimer();
    EXPECT_EQ(board.ShownMarks().cursor, 44) << "the cursor shows while the board has the focus";
    EXPECT_TRUE(board.ShownMarks().legal.none());
    QTest::keyClick(&board, Qt::Key_Up);
    QTest::keyClick(&board, Qt::Key_Right);
    EXPECT_EQ(board.ShownMarks().cursor, 35);
    QTest::keyClicks(&board, "d1");
    QTest::keyClick(&board, Qt::Key_Return);
    cycle.TimerTimer();
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0) << "d1 is not legal";
    QTest::keyClicks(&board, "f4");
    QTest::keyClick(&board, Qt::Key_Space);
    cycle.TimerTimer();
    EXPECT_EQ(cycle.LastMove(), 35);
    EXPECT_EQ(board.ShownMarks().lastMove, -1);
    // The coordinates take a band around the board, which shrinks to keep its proportions.
    const QRectF area = board.PictureArea();
    EXPECT_NEAR(area.width(), area.height(), 0.01);
    EXPECT_GE(area.left(), BoardView::kCoordinateBand * board.Scale() - 1);
    const QImage shot = board.grab().toImage();
    int lit = 0;
    for (int y = 0; y < static_cast<int>(area.top()); ++y) {
        for (int x = static_cast<int>(area.left()); x < static_cast<int>(area.right()); ++x)
            lit += qGray(shot.pixel(x, y)) > 150 ? 1 : 0;
    }
    EXPECT_GT(lit, 20) << "the column letters";

    TickUntil(cycle, [&] { return cycle.LiveBoard().MoveCount() == 2 && cycle.PlayerFor(1).State() == 1; }, 200);
    QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 0);
    QTest::keyClick(&board, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), 2);
    QTest::keyClick(&board, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(window.Timer->isActive());
    board.clearFocus();
    EXPECT_EQ(board.ShownMarks().cursor, -1);
}

}  // namespace
