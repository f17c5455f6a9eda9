#include "app/MoveListPanel.h"
#include "app/TFormRecord.h"
#include "app/TFormStats.h"
#include "platform/ModalResult.h"
#include "platform/FileDialogs.h"
#include "records/Notation.h"
#include "support/BoardText.h"
#include "support/CycleDriver.h"
#include "support/InProgramFolder.h"
#include "support/ModalAnswers.h"
#include "support/RecordGames.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class RecordWindowTest : public ::testing::Test {
protected:
    void TearDown() override { FileDialogs::SetResponder({}); }

    // Made before the window below.
    QApplication& app_ = UiApp();
    CycleDriver driver_;
    GameCycle& cycle_ = *driver_.cycle_;
    TFormRecord window_{cycle_};
};

TEST_F(RecordWindowTest, ViewsStepsSavesAndReopensAGamePlaysFromTheViewedPositionListsItAndReplaysFromIt)
{
    cycle_.SetChangeListener([this](unsigned changes) { window_.CycleChanged(changes); });
    QObject::connect(&window_, &TFormRecord::PlayFromHereRequested, &window_,
                     [this](const BoardStatus& board, int side) { cycle_.StartGameFrom(board, side); });
    EXPECT_FALSE(window_.ViewText(QStringLiteral("Date=x\nf4 g4\nk9")));
    EXPECT_FALSE(window_.Viewing());
    EXPECT_TRUE(window_.LabelStatus->text().contains(QStringLiteral("3 行目"))) << window_.LabelStatus->text().toStdString();
    const GameRecord game = RandomGame(3);
    cycle_.StartDemo();
    cycle_.SetTimerRunning(true);
    const std::string live = cycle_.Record().Text() + cycle_.Side(1).gameResult.toStdString();
    ASSERT_TRUE(window_.ViewText(QString::fromStdString(Notation::MoveLine(game.MoveCells()))));
    EXPECT_FALSE(cycle_.TimerRunning()) << "viewing stops the turn cycle";
    EXPECT_EQ(window_.PanelMoves->ListMoves->count(), static_cast<int>(game.Moves().size()) + 1);
    EXPECT_FALSE(window_.PanelMoves->BitBtnBack->isEnabled());
    window_.Jump(10);
    EXPECT_EQ(window_.PanelMoves->ListMoves->currentRow(), 10);
    window_.PanelMoves->BitBtnForward->click();
    BoardStatus position;
    int side = 0;
    game.PositionAfter(11, position, side);
    EXPECT_EQ(driver_.Board(), BoardToRows(position));
    window_.PanelMoves->BitBtnLast->click();
    EXPECT_EQ(driver_.Board(), BoardToRows(game.Current()));
    EXPECT_FALSE(window_.PanelMoves->BitBtnForward->isEnabled());
    EXPECT_FALSE(window_.ButtonPlayFromHere->isEnabled()) << "nothing to play after the end";
    window_.ButtonLeave->click();
    EXPECT_EQ(cycle_.Record().Text() + cycle_.Side(1).gameResult.toStdString(), live) << "viewing touches no record";
    EXPECT_FALSE(window_.Viewing());
    EXPECT_EQ(driver_.Board(), StartRows()) << "the demonstration's board comes back";
    EXPECT_TRUE(cycle_.TimerRunning());

    ASSERT_TRUE(window_.ViewText(QString::fromStdString(game.Text())));
    window_.MenuCopyMovesClick();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Notation::MoveLine(game.MoveCells()));
    TempDir dir;
    const QString target = QString::fromStdString(dir.File("saved"));
    FileDialogs::SetResponder([&](const QString&, const QString&) { return target; });
    window_.MenuSaveRecordClick();
    EXPECT_EQ(dir.Read("saved.tsr"), game.Text());
    window_.ButtonLeaveClick();
    window_.MenuOpenRecordClick();
    EXPECT_FALSE(window_.Viewing()) << "a missing file opens nothing";
    FileDialogs::SetResponder([&](const QString&, const QString&) { return target + QStringLiteral(".tsr"); });
    window_.MenuOpenRecordClick();
    ASSERT_TRUE(window_.Viewing());
    EXPECT_EQ(window_.Viewer().Record().MoveCells(), game.MoveCells());

    window_.Jump(7);
    game.PositionAfter(7, position, side);
    ASSERT_EQ(side, 2);
    window_.ButtonAnalyseClick();
    window_.ButtonPlayFromHere->click();

    EXPECT_TRUE(window_.Scores().empty());
    EXPECT_EQ(cycle_.GameMode(), GameCycle::kModeGame);
    EXPECT_EQ(cycle_.SideToMove(), 2);
    EXPECT_EQ(driver_.Board(), BoardToRows(position));
    EXPECT_NE(cycle_.Record().Text().find("Start=" + Notation::PositionText(position, 2) + "\r\n"), std::string::npos)
        << cycle_.Record().Text();
    TickUntil(cycle_, [&] { return cycle_.Prepare().enabled; });
    ASSERT_TRUE(cycle_.Record().Finished()) << "the game ends and leaves the board idle";
    const int moves = static_cast<int>(cycle_.Record().Moves().size());
    ASSERT_EQ(window_.PanelMoves->ListMoves->count(), moves + 1) << "the list follows the game as it is played";
    EXPECT_EQ(window_.PanelMoves->ListMoves->currentRow(), moves) << "the last move is highlighted";
    cycle_.BitBtnReplayClick();
    EXPECT_EQ(driver_.Board(), BoardToRows(position)) << "the replay starts where the game did";
}

TEST(MoveListPanelTest, EntryTexts)
{
    GameAnalysis::MoveScore bad;
    bad.scored = true;
    bad.played = -600;
    bad.best = 200;
    bad.bestCell = Notation::ParseCell("e3");
    bad.loss = 800;
    bad.mistake = true;
    const RecordViewer::Entry move{12, 1, Notation::ParseCell("d4"), 3};
    EXPECT_EQ(MoveListPanel::EntryText(move, nullptr), QStringLiteral("  12 先 d4   3枚"));
    EXPECT_EQ(MoveListPanel::EntryText(move, &bad).toStdString(), "? 12 先 d4   3枚   -6.0  最善 e3 +2.0 (-8.0)");
    bad.exact = true;
    EXPECT_EQ(MoveListPanel::EntryText(move, &bad), QStringLiteral("? 12 先 d4   3枚  =-6.0  最善 e3 =+2.0 (-8.0)"));
    EXPECT_EQ(MoveListPanel::EntryText({5, 2, Notation::kPass, 0}, nullptr), QStringLiteral("   5 後 パス     "));
}

using StatsWindowTest = InProgramFolder;

TEST_F(StatsWindowTest, ListsEveryPlayerAndResetsOneAfterAsking)
{
    UiApp();
    std::filesystem::create_directory(dir_.Path() / "Records");
    dir_.Write("Records/Stats.ini", "[Standard.tsp]\r\nBrain_011=12,3,1,0,5,Master\r\nBrain_000=0,2,0,0,0,\r\n");
    TFormStats stats;
    stats.FormShow();
    ASSERT_EQ(stats.TableStats->rowCount(), 2);
    EXPECT_EQ(stats.TableStats->item(0, 0)->text(), QStringLiteral("Master"));
    EXPECT_EQ(stats.TableStats->item(0, 2)->text(), QStringLiteral("16"));
    EXPECT_EQ(stats.TableStats->item(0, 6)->text(), QStringLiteral("5"));
    EXPECT_EQ(stats.TableStats->item(1, 0)->text(), QStringLiteral("Brain_000")) << "no name stored: the section shows";
    EXPECT_FALSE(stats.ButtonReset->isEnabled());

    int answer = kModalNo;
    const ModalAnswers answers([&](QDialog&) { return answer; });
    stats.TableStats->selectRow(0);
    ASSERT_TRUE(stats.ButtonReset->isEnabled());
    stats.ButtonReset->click();
    EXPECT_EQ(stats.TableStats->rowCount(), 2) << "answered no";
    answer = kModalYes;
    stats.ButtonReset->click();
    ASSERT_EQ(stats.TableStats->rowCount(), 1);
    EXPECT_EQ(stats.TableStats->item(0, 0)->text(), QStringLiteral("Brain_000"));
}

}
