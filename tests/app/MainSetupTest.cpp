#include "app/ProgramWindows.h"
#include "app/TFormHelp.h"
#include "app/TFormMain.h"
#include "app/TFormRelease.h"
#include "app/TFormTitle.h"
#include "platform/Shell.h"
#include "setup/TFormVersionUp.h"
#include "data/TFormSelectBoard.h"
#include "platform/ModalHost.h"
#include "players/TFormSelectPlayer.h"
#include "setup/TFormInputSetName.h"
#include "setup/TFormPrepareGame.h"
#include "setup/TFormSettingGame.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

// The program as main() builds it, in a copy of the standard program folder.
class MainSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy(TESSELLA_CONTENT_DIR, folder_.Path(), std::filesystem::copy_options::recursive);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.Path());
        window_ = std::make_unique<TFormMain>();
        settingGame_ = std::make_unique<TFormSettingGame>(inputSetName_);
        prepareGame_ = std::make_unique<TFormPrepareGame>(*settingGame_, selectPlayer_, selectBoard_);
        window_->AttachSetup(*settingGame_, *prepareGame_);
        window_->FormShow();
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        window_.reset();
        std::filesystem::current_path(previous_);
    }

    // Accepts the preparation window computer against computer; on request the first side
    // takes the next player of the selection window.
    void StartComputerGame(bool nextFirstPlayer)
    {
        ModalHost::SetResponder([this, nextFirstPlayer](QDialog& dialog) {
            if (&dialog == &selectPlayer_) {
                selectPlayer_.FormShow();
                selectPlayer_.BitBtnNextPlayerClick();
                selectPlayer_.BitBtnOkClick();
                return selectPlayer_.result();
            }
            prepareGame_->FormShow();
            prepareGame_->RadioButtonComp_Comp->click();
            if (nextFirstPlayer)
                prepareGame_->ButtonSelect1stPlayerClick();
            prepareGame_->BitBtnOkClick();
            return dialog.result();
        });
        window_->BitBtnPrepareClick();
        ModalHost::SetResponder({});
    }

    void PlayToTheEnd()
    {
        GameCycle& cycle = window_->Cycle();
        for (int tick = 0; tick < 20000 && cycle.PlayerFor(1).State() != GameCycle::kStateFinished; ++tick)
            cycle.TimerTimer();
        ASSERT_EQ(cycle.PlayerFor(1).State(), GameCycle::kStateFinished);
    }

    int GamesOf(int side)
    {
        const Player& player = window_->Cycle().PlayerFor(side);
        return player.Wins() + player.Losses() + player.Draws();
    }

    // Windows below need the application first.
    QApplication& app_ = UiApp();
    SeededRandom seed_{7};
    TempDir folder_;
    std::filesystem::path previous_;
    TFormInputSetName inputSetName_;
    TFormSelectBoard selectBoard_;
    TFormSelectPlayer selectPlayer_;
    std::unique_ptr<TFormMain> window_;
    std::unique_ptr<TFormSettingGame> settingGame_;
    std::unique_ptr<TFormPrepareGame> prepareGame_;
};

TEST_F(MainSetupTest, AcceptedPreparationStartsAGameWithTheChosenPlayersAndBoard)
{
    GameCycle& cycle = window_->Cycle();
    ASSERT_EQ(cycle.GameMode(), GameCycle::kModeDemo);
    ModalHost::SetResponder([this](QDialog& dialog) {
        EXPECT_EQ(&dialog, prepareGame_.get());
        prepareGame_->FormShow();
        prepareGame_->RadioButtonComp_Comp->click();
        prepareGame_->BitBtnOkClick();
        return dialog.result();
    });
    window_->BitBtnPrepareClick();
    EXPECT_EQ(cycle.GameMode(), GameCycle::kModeGame);
    EXPECT_TRUE(cycle.TimerRunning());
    for (int side = 1; side <= 2; ++side) {
        const Player& chosen = side == 1 ? prepareGame_->Get1stPlayer() : prepareGame_->Get2ndPlayer();
        EXPECT_EQ(cycle.PlayerFor(side).SectionName(), chosen.SectionName());
        EXPECT_EQ(cycle.PlayerFor(side).PlayType(), Player::kPlayComputer);
    }
    EXPECT_EQ(cycle.Style().SectionName(), prepareGame_->GetBoardStyle().SectionName());
}

TEST_F(MainSetupTest, TheTimerStopsWhileAWindowIsOpenAndComesBackAsItWas)
{
    GameCycle& cycle = window_->Cycle();
    for (int tick = 0; tick < 30; ++tick)
        cycle.TimerTimer();
    const struct {
        const char* step;
        bool game;
        bool paused;
        QDialog* dialog;
        void (TFormMain::*open)();
    } cases[] = {
        {"preparation cancelled in a demonstration", false, false, prepareGame_.get(), &TFormMain::BitBtnPrepareClick},
        {"preparation cancelled in a paused demonstration", false, true, prepareGame_.get(),
         &TFormMain::BitBtnPrepareClick},
        {"settings in a running game", true, false, settingGame_.get(), &TFormMain::ButtonSettingClick},
        {"settings in a paused game", true, true, settingGame_.get(), &TFormMain::ButtonSettingClick},
        {"preparation cancelled in a paused game", true, true, prepareGame_.get(), &TFormMain::BitBtnPrepareClick},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        if (c.game && cycle.GameMode() != GameCycle::kModeGame)
            StartComputerGame(false);
        if (c.paused == cycle.TimerRunning())
            window_->BitBtnCountinue->click();
        for (int tick = 0; tick < 5; ++tick)
            cycle.TimerTimer();
        const int mode = cycle.GameMode();
        const int moves = cycle.LiveBoard().MoveCount();
        QDialog* shown = nullptr;
        bool stoppedWhileOpen = false;
        ModalHost::SetResponder([&](QDialog& dialog) {
            shown = &dialog;
            stoppedWhileOpen = !cycle.TimerRunning() && !window_->Timer->isActive();
            return static_cast<int>(kModalCancel);
        });
        (window_.get()->*c.open)();
        ModalHost::SetResponder({});
        EXPECT_EQ(shown, c.dialog);
        EXPECT_TRUE(stoppedWhileOpen);
        EXPECT_EQ(window_->Timer->isActive(), !c.paused);
        EXPECT_EQ(window_->BitBtnCountinue->text(), c.paused ? QStringLiteral("継続") : QStringLiteral("中断"));
        EXPECT_EQ(cycle.GameMode(), mode);
        EXPECT_EQ(cycle.LiveBoard().MoveCount(), moves);
    }
}

TEST_F(MainSetupTest, APlayerChosenAgainKeepsItsRecordAndAnotherStartsAfresh)
{
    StartComputerGame(false);
    PlayToTheEnd();
    ASSERT_EQ(GamesOf(1), 1);
    ASSERT_EQ(GamesOf(2), 1);
    const QString firstRecord = window_->Panel1stGameResult->text();

    StartComputerGame(false);
    EXPECT_EQ(GamesOf(1), 1) << "the same player keeps the games it played";
    EXPECT_EQ(window_->Panel1stGameResult->text(), firstRecord);
    PlayToTheEnd();
    EXPECT_EQ(GamesOf(1), 2);
    EXPECT_EQ(GamesOf(2), 2);

    StartComputerGame(true);
    EXPECT_EQ(GamesOf(1), 0) << "another player starts with no games";
    EXPECT_EQ(window_->Panel1stGameResult->text(), QStringLiteral("   0勝   0敗   0分"));
    EXPECT_EQ(GamesOf(2), 2);
}

TEST_F(MainSetupTest, EachDemonstrationPlaysOnTheBoardThePreparationWindowDraws)
{
    GameCycle& cycle = window_->Cycle();
    std::set<std::string> boards;
    for (int demo = 0; demo < 8; ++demo) {
        cycle.StartDemo();
        EXPECT_EQ(cycle.Style().SectionName(), prepareGame_->GetBoardStyle().SectionName());
        EXPECT_EQ(cycle.Style().Title(), prepareGame_->GetBoardStyle().Title());
        boards.insert(cycle.Style().SectionName());
    }
    EXPECT_GT(boards.size(), 1u) << "the standard settings draw the board of each demonstration";
}

TEST_F(MainSetupTest, SettingsApplyTheBaseTimerOnlyWhenAccepted)
{
    GameCycle& cycle = window_->Cycle();
    const int before = cycle.TimerInterval();
    ModalHost::SetResponder([this](QDialog&) {
        settingGame_->FormShow();
        settingGame_->EditBaseTimer->setText(QStringLiteral("30"));
        settingGame_->EditBaseTimerChange();
        settingGame_->BitBtnCancelClick();
        return settingGame_->result();
    });
    window_->ButtonSettingClick();
    EXPECT_EQ(cycle.TimerInterval(), before);
    EXPECT_TRUE(cycle.TimerRunning());

    ModalHost::SetResponder([this](QDialog&) {
        settingGame_->FormShow();
        settingGame_->EditBaseTimer->setText(QStringLiteral("30"));
        settingGame_->EditBaseTimerChange();
        settingGame_->BitBtnOkClick();
        return settingGame_->result();
    });
    window_->ButtonSettingClick();
    EXPECT_EQ(cycle.TimerInterval(), 30);
    EXPECT_EQ(settingGame_->GetBaseTimer(), 30);
}

TEST_F(MainSetupTest, ReleaseInformationAndHelpPauseTheRunningGame)
{
    TFormVersionUp versionUp;
    TFormTitle title(versionUp);
    TFormRelease release;
    window_->AttachScreens(title, release);
    GameCycle& cycle = window_->Cycle();
    ASSERT_TRUE(cycle.TimerRunning());

    bool pausedWhileShown = false;
    ModalHost::SetResponder([&](QDialog& dialog) {
        EXPECT_EQ(&dialog, &release);
        pausedWhileShown = !cycle.TimerRunning();
        return static_cast<int>(kModalCancel);
    });
    window_->MenuReleaseClick();
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_TRUE(cycle.TimerRunning());

    // The desktop opens the document; when it cannot, the program's own help window shows it.
    QString opened;
    bool desktopOpens = true;
    Shell::SetResponder([&](const QString& document) {
        opened = document;
        pausedWhileShown = !cycle.TimerRunning();
        return desktopOpens;
    });
    const auto helpWindow = [this]() -> TFormHelp* { return window_->findChild<TFormHelp*>(); };
    for (void (TFormMain::*command)() : {&TFormMain::MenuActionHelpClick, &TFormMain::MenuHPClick}) {
        pausedWhileShown = false;
        (window_.get()->*command)();
        EXPECT_TRUE(pausedWhileShown);
        EXPECT_TRUE(opened.endsWith(QStringLiteral("Document/TSReadme.htm"))) << opened.toStdString();
        EXPECT_TRUE(helpWindow() == nullptr || !helpWindow()->isVisible());
    }
    desktopOpens = false;
    window_->MenuHPClick();
    Shell::SetResponder({});
    EXPECT_TRUE(cycle.TimerRunning());
    TFormHelp* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->BrowserHelp->source().toLocalFile().endsWith(QStringLiteral("Document/TSReadme.htm")));
    EXPECT_TRUE(help->BrowserHelp->toPlainText().contains(QStringLiteral("テセラとは")));
    const QVariant picture =
        help->BrowserHelp->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../Picture/Title.jpg")));
    EXPECT_FALSE(picture.toByteArray().isEmpty()) << "pictures are found beside the document";
    help->close();
}

TEST(MainStartUp, TheTitleComesFirstAndTheDemonstrationAfterIt)
{
    UiApp();
    TempDir folder;
    std::filesystem::copy(TESSELLA_CONTENT_DIR, folder.Path(), std::filesystem::copy_options::recursive);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    {
        ProgramWindows windows(true);
        std::vector<QDialog*> shown;
        int modeAtTitle = -1;
        bool mainShownFirst = false;
        ModalHost::SetResponder([&](QDialog& dialog) {
            shown.push_back(&dialog);
            modeAtTitle = windows.main.Cycle().GameMode();
            mainShownFirst = windows.main.isVisible();
            return static_cast<int>(kModalOk);
        });
        windows.main.show();
        EXPECT_TRUE(shown.empty()) << "the title waits until the main window is on screen";
        QCoreApplication::processEvents();
        ModalHost::SetResponder({});
        ASSERT_EQ(shown, std::vector<QDialog*>{&windows.title});
        EXPECT_TRUE(mainShownFirst);
        EXPECT_EQ(modeAtTitle, GameCycle::kModeNone);
        EXPECT_EQ(windows.main.Cycle().GameMode(), GameCycle::kModeDemo);
        EXPECT_TRUE(windows.main.Timer->isActive());
    }
    std::filesystem::current_path(previous);
}

TEST(MainStartUp, WithoutASettingsFileUsesTheStandardBoardAndA55MillisecondTimer)
{
    UiApp();
    TempDir empty;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(empty.Path());
    {
        TFormMain window;
        window.FormShow();
        GameCycle& cycle = window.Cycle();
        EXPECT_EQ(cycle.GameMode(), GameCycle::kModeDemo);
        EXPECT_EQ(cycle.TimerInterval(), 55);
        EXPECT_EQ(cycle.Style().FileName(), "Standard.tsb");
        EXPECT_EQ(cycle.Style().SectionName(), "Board_000");
        for (int tick = 0; tick < 20; ++tick)
            cycle.TimerTimer();
    }
    std::filesystem::current_path(previous);
}

}  // namespace
