#include "app/ProgramWindows.h"
#include "app/TFormHelp.h"
#include "platform/ModalResult.h"
#include "platform/Shell.h"
#include "support/CycleDriver.h"
#include "support/ModalAnswers.h"
#include "support/ProgramFolderCopy.h"
#include "support/ScriptedRandom.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <set>
#include <string>

namespace {

// The program as main() builds it, in a copy of the standard program folder.
class MainSetupTest : public ::testing::Test {
protected:
    // Accepts the preparation window computer against computer; on request the first side
    // takes the next player of the selection window.
    void StartComputerGame(bool nextFirstPlayer)
    {
        TFormPrepareGame& prepare = windows_->prepareGame;
        const ModalAnswers answers([&](QDialog& dialog) {
            if (&dialog == &windows_->selectPlayer) {
                windows_->selectPlayer.FormShow();
                windows_->selectPlayer.BitBtnNextPlayerClick();
                windows_->selectPlayer.BitBtnOkClick();
                return dialog.result();
            }
            prepare.FormShow();
            prepare.RadioButtonComp_Comp->click();
            if (nextFirstPlayer)
                prepare.ButtonSelect1stPlayerClick();
            prepare.BitBtnOkClick();
            return dialog.result();
        });
        windows_->main.BitBtnPrepareClick();
    }

    int GamesOf(int side)
    {
        const Player& player = windows_->main.Cycle().PlayerFor(side);
        return player.Wins() + player.Losses() + player.Draws();
    }

    QApplication& app_ = UiApp();
    SeededRandom seed_{7};
    ProgramFolderCopy folder_{TESSELLA_CONTENT_DIR};
    std::unique_ptr<ProgramWindows> windows_ = std::make_unique<ProgramWindows>(false);
};

// Demonstrations draw their boards; the settings window, when accepted, changes the base timer to 30; an accepted
// preparation starts a game with the chosen players, who keep their games until others are chosen.
TEST_F(MainSetupTest, TheTimerStopsWhileAWindowIsOpenAndAnAcceptedPreparationStartsAGameWithTheChosenPlayers)
{
    TFormMain& main = windows_->main;
    GameCycle& cycle = main.Cycle();
    TFormSettingGame& settings = windows_->settingGame;
    TFormPrepareGame& prepare = windows_->prepareGame;
    main.FormShow();
    const struct {
        const char* step;
        bool game;
        bool paused;
        bool accept;
        QDialog* dialog;
        void (TFormMain::*open)();
    } cases[] = {
        {"preparation in a demonstration", false, false, false, &prepare, &TFormMain::BitBtnPrepareClick},
        {"preparation in a paused demonstration", false, true, false, &prepare, &TFormMain::BitBtnPrepareClick},
        {"settings in a paused game", true, true, false, &settings, &TFormMain::ButtonSettingClick},
        {"settings in a running game", true, false, true, &settings, &TFormMain::ButtonSettingClick},
        {"preparation in a paused game", true, true, false, &prepare, &TFormMain::BitBtnPrepareClick},
    };
    std::set<std::string> boards;
    for (int demo = 0; demo < 8; ++demo) {
        cycle.StartDemo();
        EXPECT_EQ(cycle.Style().SectionName(), prepare.GetBoardStyle().SectionName());
        boards.insert(cycle.Style().SectionName());
    }
    EXPECT_GT(boards.size(), 1u) << "the standard settings draw the board of each demonstration";
    int interval = cycle.TimerInterval();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        if (c.game && cycle.GameMode() != GameCycle::kModeGame)
            StartComputerGame(false);
        if (c.paused == cycle.TimerRunning())
            main.BitBtnCountinue->click();
        Ticks(cycle, 5);
        const int moves = cycle.LiveBoard().MoveCount();
        bool stoppedWhileOpen = false;
        {
            const ModalAnswers answers([&](QDialog& dialog) {
                stoppedWhileOpen = !cycle.TimerRunning() && !main.Timer->isActive();
                if (&dialog != &settings)
                    return static_cast<int>(kModalCancel);
                settings.FormShow();
                settings.EditBaseTimer->setText(QStringLiteral("30"));
                settings.EditBaseTimerChange();
                c.accept ? settings.BitBtnOkClick() : settings.BitBtnCancelClick();
                return settings.result();
            });
            (main.*c.open)();
            EXPECT_EQ(answers.shown, std::vector<QDialog*>{c.dialog});
        }
        interval = c.accept ? 30 : interval;
        EXPECT_TRUE(stoppedWhileOpen);
        EXPECT_EQ(main.Timer->isActive(), !c.paused);
        EXPECT_EQ(cycle.TimerInterval(), interval);
        EXPECT_EQ(cycle.GameMode(), c.game ? GameCycle::kModeGame : GameCycle::kModeDemo);
        EXPECT_EQ(cycle.LiveBoard().MoveCount(), moves);
    }
    StartComputerGame(false);
    EXPECT_TRUE(cycle.TimerRunning());
    EXPECT_EQ(cycle.PlayerFor(1).SectionName(), prepare.Get1stPlayer().SectionName());
    EXPECT_EQ(cycle.PlayerFor(2).SectionName(), prepare.Get2ndPlayer().SectionName());
    EXPECT_EQ(cycle.PlayerFor(2).PlayType(), Player::kPlayComputer);
    EXPECT_EQ(cycle.Style().SectionName(), prepare.GetBoardStyle().SectionName());
    TickUntil(cycle, [&] { return cycle.PlayerFor(1).State() == GameCycle::kStateFinished; });
    ASSERT_EQ(GamesOf(1), 1);
    const QString firstRecord = main.Panel1stGameResult->text();

    StartComputerGame(false);
    EXPECT_EQ(GamesOf(1), 1) << "the same player keeps the games it played";
    EXPECT_EQ(main.Panel1stGameResult->text(), firstRecord);
    StartComputerGame(true);
    EXPECT_EQ(GamesOf(1), 0) << "another player starts with no games";
    EXPECT_EQ(GamesOf(2), 1);
}

TEST_F(MainSetupTest, TheTitleComesBeforeTheDemonstrationAndReleaseInformationAndHelpPauseIt)
{
    windows_ = std::make_unique<ProgramWindows>(true);
    ProgramWindows& windows = *windows_;
    TFormMain& main = windows.main;
    GameCycle& cycle = main.Cycle();
    int modeAtTitle = -1;
    bool pausedWhileShown = false;
    {
        const ModalAnswers answers([&](QDialog&) {
            modeAtTitle = cycle.GameMode();
            pausedWhileShown = !cycle.TimerRunning();
            return static_cast<int>(kModalOk);
        });
        main.show();
        EXPECT_TRUE(answers.shown.empty()) << "the title waits until the main window is on screen";
        QCoreApplication::processEvents();
        ASSERT_EQ(answers.shown, std::vector<QDialog*>{&windows.title});
        EXPECT_EQ(modeAtTitle, GameCycle::kModeNone);
        main.MenuReleaseClick();
        EXPECT_EQ(answers.shown, (std::vector<QDialog*>{&windows.title, &windows.release}));
    }
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_TRUE(cycle.TimerRunning()) << "the demonstration started after the title goes on";

    // The desktop opens the document; when it cannot, the program's own help window shows it.
    QString opened;
    bool desktopOpens = true;
    Shell::SetResponder([&](const QString& document) {
        opened = document;
        pausedWhileShown = !cycle.TimerRunning();
        return desktopOpens;
    });
    pausedWhileShown = false;
    main.MenuHPClick();
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_TRUE(opened.endsWith(QStringLiteral("Document/TSReadme.htm"))) << opened.toStdString();
    EXPECT_EQ(main.findChild<TFormHelp*>(), nullptr);
    desktopOpens = false;
    main.MenuActionHelpClick();
    Shell::SetResponder({});
    EXPECT_TRUE(cycle.TimerRunning());
    TFormHelp* help = main.findChild<TFormHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->BrowserHelp->toPlainText().contains(QStringLiteral("テセラとは")));
    const QVariant picture =
        help->BrowserHelp->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../Picture/Title.jpg")));
    EXPECT_FALSE(picture.toByteArray().isEmpty()) << "pictures are found beside the document";
    help->close();
}

}  // namespace
