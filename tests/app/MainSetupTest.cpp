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
#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>

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

TEST_F(MainSetupTest, CancelledPreparationLetsTheDemonstrationGoOn)
{
    GameCycle& cycle = window_->Cycle();
    for (int tick = 0; tick < 30; ++tick)
        cycle.TimerTimer();
    const int moves = cycle.LiveBoard().MoveCount();
    ModalHost::SetResponder([](QDialog&) { return static_cast<int>(kModalCancel); });
    window_->BitBtnPrepareClick();
    EXPECT_EQ(cycle.GameMode(), GameCycle::kModeDemo);
    EXPECT_TRUE(cycle.TimerRunning());
    EXPECT_EQ(cycle.LiveBoard().MoveCount(), moves);
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

    QString opened;
    Shell::SetResponder([&](const QString& document) {
        opened = document;
        pausedWhileShown = !cycle.TimerRunning();
        return true;
    });
    pausedWhileShown = false;
    window_->MenuHPClick();
    Shell::SetResponder({});
    EXPECT_TRUE(pausedWhileShown);
    EXPECT_TRUE(opened.endsWith(QStringLiteral("Document/TSReadme.htm"))) << opened.toStdString();
    EXPECT_TRUE(cycle.TimerRunning());
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
