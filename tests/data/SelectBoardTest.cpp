#include "data/TFormSelectBoard.h"

#include "data/BoardStyle.h"
#include "platform/TextCodec.h"
#include "support/BoardSets.h"
#include "support/SetFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Forest: five boards of three first player frames, CP932 titles. Small: two boards and a stray third
// without a title.
class SelectBoardTest : public BoardSetFolder {
protected:
    void SetUp() override
    {
        BoardSetFolder::SetUp();
        std::vector<BoardSpec> forest = NumberedBoards(Sj("森の盤"), 5, 3);
        forest[1].frames2 = 2;
        forest[1].kinds1 = 3;
        forest[2].type = "Picture";
        forest[2].interval = 0;
        forest[3].stretch = false;
        dir_.Write("Forest.tsb", BoardSetText("x", forest));
        std::vector<BoardSpec> small = NumberedBoards("Small ", 3);
        small[2].title.clear();
        dir_.Write("Small.tsb", BoardSetText("x", small));
        dir_.Write("Broken.tsb", BoardSetText("x", {{"no type", ""}, {"typed"}}));
        dir_.Write("Standard.tsb", BoardSetText("x", NumberedBoards("Std ", 2)));
        WriteSettings(Sj("森"), "Board_003");
    }

    void WriteSettings(const std::string& set, const std::string& board)
    {
        dir_.Write("Tessella.ini", "[Tessella]\r\nDefaultBoardSet=" + set + "\r\nDefaultBoardName=" + board +
                                       "\r\n[BoardSet]\r\n" + Sj("森") + "=Forest.tsb\r\nSmall=Small.tsb\r\n"
                                       "Broken=Broken.tsb\r\nGone=Gone.tsb\r\n[BrainSet]\r\nP=p.tsp\r\n");
    }

    bool SettingsHold(const std::string& line) const
    {
        return dir_.Read("Tessella.ini").find("\r\n" + line + "\r\n") != std::string::npos;
    }
};

TEST_F(SelectBoardTest, ShowsTheRememberedBoardOpensTypedOrChosenRegisteredSetsAnimatesAndBrowsesAround)
{
    TFormSelectBoard form;
    form.FormShow();
    ASSERT_EQ(form.ComboBoxBoardSet->count(), 4);
    EXPECT_EQ(form.ComboBoxBoardSet->itemText(3), QStringLiteral("Gone"));
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤3"));
    EXPECT_EQ(form.PanelAuthor->text(), QStringLiteral("作者"));
    EXPECT_EQ(form.LabelComment->text(), QStringLiteral("説明森の盤3"));
    EXPECT_EQ(form.PanelBoardType->text(), QStringLiteral("ノーマルタイプ"));
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(40, 40)) << "Stretch=False keeps the picture as it is";
    EXPECT_FALSE(form.ImageBorder->pixmap().isNull());
    EXPECT_TRUE(form.Timer->isActive());
    EXPECT_EQ(form.Timer->interval(), 40);

    // Only a whole registered name opens a set, at its first board.
    QLineEdit* edit = form.ComboBoxBoardSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Smal"));
    EXPECT_EQ(form.GetBoardName(), "Board_003");
    TypeText(edit, QStringLiteral("l"));
    EXPECT_EQ(form.GetBoardSetName(), "Small");
    EXPECT_EQ(form.GetBoardName(), "Board_000");
    edit->clear();
    TypeText(edit, QStringLiteral("🌲"));
    EXPECT_EQ(form.GetBoardSetName(), "Small") << "a name CP932 cannot hold is no registered name";
    form.ComboBoxBoardSet->setCurrentIndex(0);
    emit form.ComboBoxBoardSet->activated(0);
    EXPECT_EQ(form.GetBoardSetName(), Sj("森"));
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤0"));

    // The first player's animation shows its own frames, then the other side's, and stops.
    form.TimerTimer();
    EXPECT_EQ(form.ShownPiece(1).pixel(1, 1), PieceColour(1, 0, 0));
    form.BitBtn1stAnimation->click();
    const std::vector<QRgb> expected = {PieceColour(1, 0, 0), PieceColour(1, 0, 1), PieceColour(1, 0, 2),
                                        PieceColour(2, 0, 0), PieceColour(2, 0, 0), PieceColour(1, 0, 0)};
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        form.TimerTimer();
        EXPECT_EQ(form.ShownPiece(1).pixel(1, 1), expected[tick]) << "tick " << tick;
        EXPECT_EQ(form.ShownPiece(2).pixel(1, 1), PieceColour(2, 0, 0));
    }
    EXPECT_EQ(form.AnimationFlag(1), 0);
    EXPECT_EQ(form.AnimationStep(1), 0);

    // A preview running when another board comes up starts over from nothing.
    form.BitBtn1stAnimationClick();
    form.TimerTimer();
    form.TimerTimer();
    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.AnimationFlag(1), 0);
    EXPECT_EQ(form.AnimationStep(1), 0);
    form.TimerTimer();
    EXPECT_EQ(form.ShownPiece(1).pixel(1, 1), PieceColour(1, 0, 0));

    // A registered set that cannot be opened keeps the board on screen.
    for (const char* set : {"Broken", "Gone"}) {
        form.ComboBoxBoardSet->setEditText(QString::fromLatin1(set));
        form.ComboBoxBoardSetChange();
        EXPECT_EQ(form.GetBoardSetName(), Sj("森")) << set;
        EXPECT_EQ(form.GetBoardSetFile(), "Forest.tsb");
        EXPECT_EQ(form.GetBoardName(), "Board_001");
        EXPECT_EQ(form.BrowseIndex(), 1);
        EXPECT_EQ(form.GetBoardStyle().Title(), Sj("森の盤1"));
    }
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(200, 200));
    EXPECT_TRUE(form.BitBtn2ndAnimation->isEnabled());
    EXPECT_EQ(form.ScrollBar1stFloat->maximum(), 2);
    form.ScrollBar1stFloat->setSliderPosition(2);
    form.ScrollBar1stFloatScroll();
    EXPECT_EQ(form.ShownPiece(1).pixel(4, 4), PieceColour(1, 2, 0));

    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.PanelBoardType->text(), QStringLiteral("ピクチャータイプ"));
    EXPECT_FALSE(form.BitBtn2ndAnimation->isEnabled());
    EXPECT_EQ(form.CurrentKind(1), 0);
    EXPECT_EQ(form.Timer->interval(), 1) << "IntervalTime=0 never makes a timer of interval 0";

    // Browsing wraps at both ends and never leaves a smaller set.
    const auto step = [&form](int delta) {
        for (; delta > 0; --delta)
            form.BitBtnNextBoardClick();
        for (; delta < 0; ++delta)
            form.BitBtnBackBoardClick();
        return form.GetBoardName();
    };
    EXPECT_EQ(step(2), "Board_004");
    EXPECT_EQ(step(1), "Board_000");
    EXPECT_EQ(step(-1), "Board_004");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤4"));

    // The remembered board of the two-board set lies past its count, so the index stays at 4.
    WriteSettings("Small", "Board_002");
    form.FormShow();
    EXPECT_EQ(form.GetBoardSetFile(), "Small.tsb");
    EXPECT_EQ(form.BoardCount(), 2);
    EXPECT_EQ(step(1), "Board_000");
    EXPECT_EQ(step(-1), "Board_001");
    // A later showing that cannot open the remembered set keeps the board on screen.
    WriteSettings("Gone", "Board_001");
    form.FormShow();
    EXPECT_EQ(form.GetBoardSetFile(), "Small.tsb");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("Small 1"));
}

TEST_F(SelectBoardTest, ARememberedBoardThatCannotBeShownGivesWayAndOkWritesTheBoardShownCancelNothing)
{
    // The remembered set and board, then the file opened, the set name written back, the board shown and
    // the one OK writes after one step.
    const std::tuple<std::string, const char*, const char*, std::string, const char*, const char*> cases[] = {
        {"Gone", "Board_001", "Standard.tsb", Sj("標準"), "Board_000", "Board_001"},
        {"Small", "Board_007", "Small.tsb", "Small", "Board_000", "Board_001"},
        {"Broken", "Board_000", "Standard.tsb", Sj("標準"), "Board_000", "Board_001"},
        // An unregistered set reads the standard file and keeps its name.
        {Sj("消えたセット"), "Board_001", "Standard.tsb", Sj("消えたセット"), "Board_001", "Board_000"},
    };
    for (const auto& [set, board, file, written, shown, next] : cases) {
        SCOPED_TRACE(set);
        WriteSettings(set, board);
        TFormSelectBoard form;
        form.FormShow();
        EXPECT_EQ(form.GetBoardSetFile(), file);
        EXPECT_EQ(form.ComboBoxBoardSet->currentText(), TextCodec::ToUi(written));
        EXPECT_EQ(form.BoardCount(), 2);
        EXPECT_EQ(form.GetBoardName(), shown);
        form.BitBtnNextBoardClick();
        form.BitBtnOkClick();
        EXPECT_TRUE(SettingsHold("DefaultBoardSet=" + written + "\r\nDefaultBoardName=" + next));
    }

    // Cancel writes nothing; OK writes into the program folder wherever the working folder is.
    WriteSettings(Sj("森"), "Board_003");
    const std::string before = dir_.Read("Tessella.ini");
    TFormSelectBoard form;
    form.SetProgramDir(QString::fromStdString(dir_.Path().string()));
    fs::current_path(previous_);
    form.FormShow();
    form.BitBtnNextBoardClick();
    form.BitBtnCancel->click();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_FALSE(form.Timer->isActive());
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    form.BitBtnNextBoardClick();
    fs::current_path(previous_);
    form.BitBtnOkClick();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_FALSE(form.Timer->isActive());
    EXPECT_TRUE(SettingsHold("DefaultBoardSet=" + Sj("森") + "\r\nDefaultBoardName=Board_004"));

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    form.setResult(0);
    form.BitBtnOkClick();
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("Tessella.ini")));
    EXPECT_EQ(form.result(), 0);
}

}  // namespace
