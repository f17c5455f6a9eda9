#include "data/TFormSelectBoard.h"

#include "data/BoardStyle.h"
#include "pictures/PictureLoader.h"
#include "platform/TextCodec.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Piece pictures are single colours that tell side, kind and frame apart.
QRgb PieceColour(int side, int kind, int frame)
{
    return qRgb(side * 100, 20 + kind * 60, 20 + frame * 60);
}

struct BoardSpec {
    std::string title;
    std::string type = "Normal";
    int frames1 = 3;
    int frames2 = 1;
    int kinds1 = 1;
    int interval = 40;
    bool stretch = true;
};

class SelectBoardTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        PictureLoader::SetFailureReporter({});
        fs::create_directories("Pic");
        SaveBmp("Pic/board.bmp", qRgb(0, 128, 0), 40, 40);
        SaveBmp("Pic/border.bmp", qRgb(255, 0, 255), 40, 40);
        SaveBmp("Pic/none.bmp", qRgb(90, 90, 90));
        for (int side = 1; side <= 2; ++side)
            for (int kind = 0; kind < 3; ++kind)
                for (int frame = 0; frame < 3; ++frame)
                    SaveBmp(Format("Pic/%d_%d_%d.bmp", side, kind, frame), PieceColour(side, kind, frame));
    }

    static std::string Kind(int side, int kind, int frames)
    {
        std::string line = Format("%sFloat_0%d=", side == 1 ? "1st" : "2nd", kind);
        for (int frame = 0; frame < frames; ++frame)
            line += Format("%sPic\\%d_%d_%d.bmp", frame ? "," : "", side, kind, frame);
        return line + "\r\n";
    }

    void WriteSet(const std::string& file, const std::vector<BoardSpec>& boards)
    {
        std::string text = "[BoardSet]\r\nName=x\r\n";
        for (std::size_t n = 0; n < boards.size(); ++n) {
            const BoardSpec& b = boards[n];
            text += Format("[Board_%03zu]\r\n", n);
            if (!b.type.empty())
                text += "BoardType=" + b.type + "\r\n";
            text += "Board=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n";
            for (int kind = 0; kind < b.kinds1; ++kind)
                text += Kind(1, kind, b.frames1);
            text += Kind(2, 0, b.frames2);
            if (!b.title.empty())
                text += "Title=" + b.title + "\r\n";
            text += "Author=" + Sj("作者") + "\r\nComment=" + Sj("説明") + b.title + "\r\n";
            text += Format("IntervalTime=%d\r\n", b.interval);
            text += std::string("Stretch=") + (b.stretch ? "True" : "False") + "\r\n";
        }
        dir_.Write(file, text);
    }

    static std::vector<BoardSpec> Numbered(const std::string& prefix, int count)
    {
        std::vector<BoardSpec> boards;
        for (int n = 0; n < count; ++n)
            boards.push_back({prefix + Format("%d", n)});
        return boards;
    }

    void WriteSettings(const std::string& set, const std::string& board)
    {
        dir_.Write("Tessella.ini", "[Tessella]\r\nDefaultBoardSet=" + set + "\r\nDefaultBoardName=" + board +
                                       "\r\n[BoardSet]\r\n" + Sj("森") + "=Forest.tsb\r\nSmall=Small.tsb\r\n"
                                       "Broken=Broken.tsb\r\nGone=Gone.tsb\r\n[BrainSet]\r\nP=p.tsp\r\n");
    }

    // Forest: five boards, CP932 titles. Small: two boards and a stray third without a title.
    void WriteStandardFolder()
    {
        std::vector<BoardSpec> forest = Numbered(Sj("森の盤"), 5);
        forest[1].frames2 = 2;
        forest[1].kinds1 = 3;
        forest[2].type = "Picture";
        forest[2].interval = 0;
        forest[3].stretch = false;
        WriteSet("Forest.tsb", forest);
        std::vector<BoardSpec> small = Numbered("Small ", 3);
        small[2].title.clear();
        WriteSet("Small.tsb", small);
        WriteSet("Broken.tsb", {{"no type", ""}, {"typed"}});
        WriteSet("Standard.tsb", Numbered("Std ", 2));
        WriteSettings(Sj("森"), "Board_003");
    }

    bool SettingsHold(const std::string& line) const
    {
        return dir_.Read("Tessella.ini").find("\r\n" + line + "\r\n") != std::string::npos;
    }

    ScriptedDialogs dialogs_;
};

TEST_F(SelectBoardTest, ShowsTheRememberedBoardWithItsTextsPicturesAndControls)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    ASSERT_EQ(form.ComboBoxBoardSet->count(), 4);
    EXPECT_EQ(form.ComboBoxBoardSet->itemText(3), QStringLiteral("Gone"));
    EXPECT_EQ(form.ComboBoxBoardSet->currentText(), QStringLiteral("森"));
    EXPECT_EQ(form.BoardCount(), 5);
    EXPECT_EQ(form.BrowseIndex(), 3);
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤3"));
    EXPECT_EQ(form.PanelAuthor->text(), QStringLiteral("作者"));
    EXPECT_EQ(form.LabelComment->text(), QStringLiteral("説明森の盤3"));
    EXPECT_EQ(form.PanelBoardType->text(), QStringLiteral("ノーマルタイプ"));
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(40, 40)) << "Stretch=False keeps the picture as it is";
    EXPECT_FALSE(form.ImageBorder->pixmap().isNull());
    EXPECT_TRUE(form.Timer->isActive());
    EXPECT_EQ(form.Timer->interval(), 40);

    form.BitBtnBackBoardClick();
    form.BitBtnBackBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_001");
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(200, 200));
    EXPECT_TRUE(form.BitBtn2ndAnimation->isEnabled());
    EXPECT_EQ(form.ScrollBar1stFloat->maximum(), 2);
    EXPECT_EQ(form.ScrollBar2ndFloat->maximum(), 0);
    form.ScrollBar1stFloat->setSliderPosition(2);
    form.ScrollBar1stFloatScroll();
    EXPECT_EQ(form.CurrentKind(1), 2);
    EXPECT_EQ(form.ShownPiece(1).pixel(4, 4), PieceColour(1, 2, 0));

    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.PanelBoardType->text(), QStringLiteral("ピクチャータイプ"));
    EXPECT_FALSE(form.BitBtn2ndAnimation->isEnabled());
    EXPECT_EQ(form.CurrentKind(1), 0);
    EXPECT_EQ(form.ScrollBar1stFloat->value(), 0);
    EXPECT_EQ(form.Timer->interval(), 1) << "IntervalTime=0 never makes a timer of interval 0";
}

TEST_F(SelectBoardTest, BrowsingWrapsAtBothEndsAndNeverLeavesASmallerSet)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    const auto step = [&form](int delta) {
        for (; delta > 0; --delta)
            form.BitBtnNextBoardClick();
        for (; delta < 0; ++delta)
            form.BitBtnBackBoardClick();
        return form.GetBoardName();
    };
    EXPECT_EQ(step(1), "Board_004");
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

    // Browsing onto a board without a type leaves the previous one on screen.
    WriteSettings("Broken", "Board_001");
    TFormSelectBoard broken;
    broken.FormShow();
    EXPECT_EQ(broken.PanelTitle->text(), QStringLiteral("typed"));
    broken.BitBtnNextBoardClick();
    EXPECT_EQ(broken.BrowseIndex(), 0);
    EXPECT_EQ(broken.GetBoardName(), "Board_001");
    EXPECT_EQ(broken.PanelTitle->text(), QStringLiteral("typed"));
    EXPECT_EQ(broken.GetBoardStyle().SectionName(), "Board_001");
}

TEST_F(SelectBoardTest, ChoosingAndTypingSetNamesOpenOnlyRegisteredSets)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    QLineEdit* edit = form.ComboBoxBoardSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Smal"));
    EXPECT_EQ(form.GetBoardSetName(), Sj("森"));
    EXPECT_EQ(form.GetBoardName(), "Board_003");
    TypeText(edit, QStringLiteral("l"));
    EXPECT_EQ(form.GetBoardSetName(), "Small");
    EXPECT_EQ(form.GetBoardSetFile(), "Small.tsb");
    EXPECT_EQ(form.GetBoardName(), "Board_000");
    EXPECT_EQ(form.BrowseIndex(), 0);
    edit->clear();
    TypeText(edit, QStringLiteral("🌲"));
    EXPECT_EQ(form.GetBoardSetName(), "Small") << "a name CP932 cannot hold is no registered name";
    form.ComboBoxBoardSet->setCurrentIndex(0);
    emit form.ComboBoxBoardSet->activated(0);
    EXPECT_EQ(form.GetBoardSetName(), Sj("森"));
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤0"));

    // A registered set that cannot be opened keeps the board on screen.
    form.BitBtnNextBoardClick();
    for (const char* set : {"Broken", "Gone"}) {
        form.ComboBoxBoardSet->setEditText(QString::fromLatin1(set));
        form.ComboBoxBoardSetChange();
        EXPECT_EQ(form.GetBoardSetName(), Sj("森")) << set;
        EXPECT_EQ(form.GetBoardSetFile(), "Forest.tsb");
        EXPECT_EQ(form.GetBoardName(), "Board_001");
        EXPECT_EQ(form.BrowseIndex(), 1);
        EXPECT_EQ(form.BoardCount(), 5);
        EXPECT_EQ(form.GetBoardStyle().Title(), Sj("森の盤1"));
    }
}

TEST_F(SelectBoardTest, AnimationShowsOwnFramesThenTheOtherSidesAndStops)
{
    WriteStandardFolder();
    WriteSettings(Sj("森"), "Board_000");
    TFormSelectBoard form;
    form.FormShow();
    EXPECT_FALSE(form.BitBtn2ndAnimation->isEnabled()) << "one frame only";
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
}

TEST_F(SelectBoardTest, ARememberedBoardThatCannotBeShownGivesWayAndBrowsingCountsTheFileShown)
{
    WriteStandardFolder();
    const struct {
        std::string set;
        const char* board;
        const char* file;
        std::string written;
        const char* shown;
        const char* next;
    } cases[] = {
        {"Gone", "Board_001", "Standard.tsb", Sj("標準"), "Board_000", "Board_001"},
        {"Small", "Board_007", "Small.tsb", "Small", "Board_000", "Board_001"},
        {"Broken", "Board_000", "Standard.tsb", Sj("標準"), "Board_000", "Board_001"},
        // An unregistered set reads the standard file and keeps its name.
        {Sj("消えたセット"), "Board_001", "Standard.tsb", Sj("消えたセット"), "Board_001", "Board_000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        WriteSettings(c.set, c.board);
        TFormSelectBoard form;
        form.FormShow();
        EXPECT_EQ(form.GetBoardSetFile(), c.file);
        EXPECT_EQ(form.ComboBoxBoardSet->currentText(), TextCodec::ToUi(c.written));
        EXPECT_EQ(form.BoardCount(), 2);
        EXPECT_EQ(form.GetBoardName(), c.shown);
        form.BitBtnNextBoardClick();
        form.BitBtnOkClick();
        EXPECT_TRUE(SettingsHold("DefaultBoardSet=" + c.written + "\r\nDefaultBoardName=" + c.next));
    }
    // On a later showing the board already on screen stays.
    WriteSettings(Sj("森"), "Board_003");
    TFormSelectBoard form;
    form.FormShow();
    WriteSettings("Gone", "Board_001");
    form.FormShow();
    EXPECT_EQ(form.GetBoardSetFile(), "Forest.tsb");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤3"));
}

TEST_F(SelectBoardTest, OkWritesTheChoiceIntoTheProgramFolderAndCancelWritesNothing)
{
    WriteStandardFolder();
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

    form.FormShow();
    form.BitBtnNextBoardClick();
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
