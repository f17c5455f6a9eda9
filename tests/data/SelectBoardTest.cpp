#include "data/TFormSelectBoard.h"

#include "data/BoardStyle.h"
#include "pictures/PictureLoader.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Sj(const char* utf8)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &bytes));
    return bytes;
}

// Piece pictures are single colours that tell side, kind and frame apart.
QRgb PieceColour(int side, int kind, int frame)
{
    return qRgb(side * 100, 20 + kind * 60, 20 + frame * 60);
}

// One key press per character, as a person types.
void TypeText(QLineEdit* edit, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, length));
        QCoreApplication::sendEvent(edit, &press);
        i += length - 1;
    }
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

class SelectBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        PictureLoader::SetFailureReporter({});
        fs::create_directories("Pic");
        Save("Pic/board.bmp", qRgb(0, 128, 0), 40, 40);
        Save("Pic/border.bmp", qRgb(255, 0, 255), 40, 40);
        Save("Pic/none.bmp", qRgb(90, 90, 90));
        for (int side = 1; side <= 2; ++side)
            for (int kind = 0; kind < 3; ++kind)
                for (int frame = 0; frame < 3; ++frame)
                    Save(Piece(side, kind, frame), PieceColour(side, kind, frame));
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        fs::current_path(previous_);
    }

    static std::string Piece(int side, int kind, int frame)
    {
        return "Pic/" + std::to_string(side) + "_" + std::to_string(kind) + "_" + std::to_string(frame) + ".bmp";
    }

    static void Save(const std::string& name, QRgb colour, int width = 32, int height = 32)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(name), "BMP"));
    }

    static std::string Kind(int side, int kind, int frames)
    {
        std::string line = (side == 1 ? "1stFloat_0" : "2ndFloat_0") + std::to_string(kind) + "=";
        for (int frame = 0; frame < frames; ++frame) {
            std::string stored = Piece(side, kind, frame);
            stored[3] = '\\';
            line += (frame ? "," : "") + stored;
        }
        return line + "\r\n";
    }

    void WriteSet(const std::string& file, const std::vector<BoardSpec>& boards)
    {
        std::string text = "[BoardSet]\r\nName=x\r\n";
        for (std::size_t n = 0; n < boards.size(); ++n) {
            const BoardSpec& b = boards[n];
            char section[32];
            std::snprintf(section, sizeof section, "[Board_%03zu]\r\n", n);
            text += section;
            if (!b.type.empty())
                text += "BoardType=" + b.type + "\r\n";
            text += "Board=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n";
            for (int kind = 0; kind < b.kinds1; ++kind)
                text += Kind(1, kind, b.frames1);
            text += Kind(2, 0, b.frames2);
            if (!b.title.empty())
                text += "Title=" + b.title + "\r\n";
            text += "Author=" + Sj("作者") + "\r\nComment=" + Sj("説明") + b.title + "\r\n";
            text += "IntervalTime=" + std::to_string(b.interval) + "\r\n";
            text += std::string("Stretch=") + (b.stretch ? "True" : "False") + "\r\n";
        }
        dir_.Write(file, text);
    }

    static std::vector<BoardSpec> Numbered(const std::string& prefix, int count)
    {
        std::vector<BoardSpec> boards;
        for (int n = 0; n < count; ++n)
            boards.push_back({prefix + std::to_string(n)});
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

    static QString Ui(const std::string& cp932) { return TextCodec::ToUi(cp932); }

    TempDir dir_;
    fs::path previous_;
};

TEST_F(SelectBoardTest, ShowsTheRememberedBoardWithItsTextsPicturesAndControls)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();

    ASSERT_EQ(form.ComboBoxBoardSet->count(), 4);
    EXPECT_EQ(form.ComboBoxBoardSet->itemText(0), QStringLiteral("森"));
    EXPECT_EQ(form.ComboBoxBoardSet->itemText(3), QStringLiteral("Gone"));
    EXPECT_EQ(form.ComboBoxBoardSet->currentText(), QStringLiteral("森"));
    EXPECT_EQ(form.BoardCount(), 5);
    EXPECT_EQ(form.BrowseIndex(), 3);
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤3"));
    EXPECT_EQ(form.PanelAuthor->text(), QStringLiteral("作者"));
    EXPECT_EQ(form.LabelComment->text(), QStringLiteral("説明森の盤3"));
    EXPECT_EQ(form.PanelBoardType->text(), QStringLiteral("ノーマルタイプ"));
    // Stretch=False keeps the 40 x 40 picture as it is.
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(40, 40));
    EXPECT_FALSE(form.ImageBorder->pixmap().isNull());
    EXPECT_TRUE(form.Timer->isActive());
    EXPECT_EQ(form.Timer->interval(), 40);

    form.BitBtnBackBoardClick();
    form.BitBtnBackBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_001");
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(200, 200));
    EXPECT_TRUE(form.BitBtn1stAnimation->isEnabled());
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
    EXPECT_EQ(form.Timer->interval(), 1);
}

TEST_F(SelectBoardTest, BrowsingWrapsAtBothEndsAndNeverLeavesASmallerSet)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_004");
    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_000");
    form.BitBtnBackBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_004");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤4"));

    // The remembered board of the two-board set lies past its count, so the index stays at 4.
    WriteSettings("Small", "Board_002");
    form.FormShow();
    EXPECT_EQ(form.GetBoardSetFile(), "Small.tsb");
    EXPECT_EQ(form.BoardCount(), 2);
    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_000");
    form.BitBtnBackBoardClick();
    EXPECT_EQ(form.GetBoardName(), "Board_001");
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
    EXPECT_EQ(form.BoardCount(), 2);

    // A name CP932 cannot hold is no registered name.
    edit->clear();
    TypeText(edit, QStringLiteral("🌲"));
    EXPECT_EQ(form.GetBoardSetName(), "Small");

    form.ComboBoxBoardSet->setCurrentIndex(0);
    emit form.ComboBoxBoardSet->activated(0);
    EXPECT_EQ(form.GetBoardSetName(), Sj("森"));
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤0"));
}

TEST_F(SelectBoardTest, ASetThatCannotBeOpenedKeepsTheBoardOnScreen)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    form.BitBtnNextBoardClick();
    form.BitBtn1stAnimationClick();
    form.TimerTimer();

    for (const char* set : {"Broken", "Gone"}) {
        form.ComboBoxBoardSet->setEditText(QString::fromLatin1(set));
        form.ComboBoxBoardSetChange();
        EXPECT_EQ(form.GetBoardSetName(), Sj("森")) << set;
        EXPECT_EQ(form.GetBoardSetFile(), "Forest.tsb");
        EXPECT_EQ(form.GetBoardName(), "Board_004");
        EXPECT_EQ(form.BrowseIndex(), 4);
        EXPECT_EQ(form.BoardCount(), 5);
        EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("森の盤4"));
        EXPECT_EQ(form.GetBoardStyle().Title(), Sj("森の盤4"));
    }

    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    const std::string ini = dir_.Read("Tessella.ini");
    EXPECT_NE(ini.find("DefaultBoardSet=" + Sj("森") + "\r\n"), std::string::npos);
    EXPECT_NE(ini.find("DefaultBoardName=Board_004\r\n"), std::string::npos);
    EXPECT_FALSE(form.Timer->isActive());
}

TEST_F(SelectBoardTest, BrowsingOntoABoardWithoutTypeLeavesThePreviousBoard)
{
    WriteStandardFolder();
    WriteSettings("Broken", "Board_001");
    TFormSelectBoard form;
    form.FormShow();
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("typed"));
    form.BitBtnNextBoardClick();
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.GetBoardName(), "Board_001");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("typed"));
    EXPECT_EQ(form.GetBoardStyle().SectionName(), "Board_001");
}

TEST_F(SelectBoardTest, AnimationShowsOwnFramesThenTheOtherSidesAndStops)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.FormShow();
    form.BitBtnNextBoardClick();
    form.BitBtnNextBoardClick();  // Board_000: three frames first, one frame second
    EXPECT_FALSE(form.BitBtn2ndAnimation->isEnabled());

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

TEST_F(SelectBoardTest, CancelAndTheCloseBoxWriteNothing)
{
    WriteStandardFolder();
    const std::string before = dir_.Read("Tessella.ini");
    TFormSelectBoard form;
    form.FormShow();
    form.BitBtnNextBoardClick();
    form.BitBtnCancel->click();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_FALSE(form.Timer->isActive());

    ModalHost::SetResponder({});
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);
}

TEST_F(SelectBoardTest, AnUnregisteredSetFallsBackToTheStandardFile)
{
    WriteStandardFolder();
    WriteSettings(Sj("消えたセット"), "Board_001");
    TFormSelectBoard form;
    EXPECT_EQ(form.GetBoardSetFile(), "Standard.tsb");
    EXPECT_EQ(form.GetBoardStyle().Title(), "Std 1");
    form.FormShow();
    EXPECT_EQ(form.GetBoardSetFile(), "Standard.tsb");
    EXPECT_EQ(form.PanelTitle->text(), QStringLiteral("Std 1"));
    EXPECT_EQ(form.ComboBoxBoardSet->currentText(), QStringLiteral("消えたセット"));
    form.BitBtnOkClick();
    EXPECT_EQ(form.GetBoardSetName(), Sj("消えたセット"));
    EXPECT_NE(dir_.Read("Tessella.ini").find("DefaultBoardSet=" + Sj("消えたセット") + "\r\n"), std::string::npos);
}

TEST_F(SelectBoardTest, ARememberedBoardThatCannotBeShownGivesWayAndBrowsingCountsTheFileShown)
{
    WriteStandardFolder();
    struct Case {
        const char* set;
        const char* board;
        const char* file;
        std::string name;
    };
    const Case cases[] = {
        {"Gone", "Board_001", "Standard.tsb", Sj("標準")},
        {"Small", "Board_007", "Small.tsb", "Small"},
        {"Broken", "Board_000", "Standard.tsb", Sj("標準")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        WriteSettings(c.set, c.board);
        TFormSelectBoard form;
        form.FormShow();
        EXPECT_EQ(form.GetBoardSetFile(), c.file);
        EXPECT_EQ(form.BoardCount(), 2);
        EXPECT_EQ(form.GetBoardName(), "Board_000");
        form.BitBtnNextBoardClick();
        form.BitBtnOkClick();
        const std::string ini = dir_.Read("Tessella.ini");
        EXPECT_NE(ini.find("DefaultBoardSet=" + c.name + "\r\n"), std::string::npos);
        EXPECT_NE(ini.find("DefaultBoardName=Board_001\r\n"), std::string::npos);
    }
}

TEST_F(SelectBoardTest, OkWritesIntoTheProgramFolderAndReportsAFailedWrite)
{
    WriteStandardFolder();
    TFormSelectBoard form;
    form.SetProgramDir(QString::fromStdString(dir_.Path().string()));
    fs::current_path(previous_);
    form.FormShow();
    form.BitBtnNextBoardClick();
    form.BitBtnOkClick();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.GetBoardName(), "Board_004");
    EXPECT_NE(dir_.Read("Tessella.ini").find("DefaultBoardName=Board_004\r\n"), std::string::npos);

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    form.setResult(0);
    QString message;
    ModalHost::SetResponder([&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            message = box->text();
        return int(kModalOk);
    });
    form.BitBtnOkClick();
    EXPECT_TRUE(message.contains(QStringLiteral("Tessella.ini"))) << message.toStdString();
    EXPECT_EQ(form.result(), 0);
}

}  // namespace
