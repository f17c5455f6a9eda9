#include "data/TFormSettingBoard.h"

#include "data/BoardPreview.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/FileDialogs.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
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

std::string Piece(int side, int kind, int frame)
{
    return "Pic\\" + std::to_string(side) + "_" + std::to_string(kind) + "_" + std::to_string(frame) + ".bmp";
}

std::string BoardName(int number)
{
    char name[24];
    std::snprintf(name, sizeof name, "Board_%03d", number);
    return name;
}

// A board with kinds of the first player each holding `frames` frames.
std::string BoardText(int number, const std::string& title, int kinds = 1, int frames = 1)
{
    std::string text = "[" + BoardName(number) + "]\r\nBoardType=Normal\r\n"
                       "Board=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n";
    for (int kind = 0; kind < kinds; ++kind) {
        text += "1stFloat_0" + std::to_string(kind) + "=";
        for (int frame = 0; frame < frames; ++frame)
            text += (frame ? "," : "") + Piece(1, kind, frame);
        text += "\r\n";
    }
    text += "2ndFloat_00=" + Piece(2, 0, 0) + "\r\n";
    if (!title.empty())
        text += "Title=" + title + "\r\n";
    return text + "Author=A\r\nComment=C\r\nIntervalTime=40\r\nStretch=True\r\n";
}

std::string SetText(int boards)
{
    std::string text = "[BoardSet]\r\nName=Mine\r\n";
    for (int n = 0; n < boards; ++n)
        text += BoardText(n, "B" + std::to_string(n));
    return text;
}

// Every key of every section with its values, in no particular order.
std::map<std::string, std::vector<std::string>> Values(const std::string& file)
{
    const WindowsIni ini(file);
    std::map<std::string, std::vector<std::string>> values;
    for (int s = 0; s < ini.SectionCount(); ++s) {
        const Section* section = ini.SectionAt(s);
        if (section == nullptr)
            continue;
        for (int k = 0; k < ini.KeyCount(section->Name()); ++k) {
            const std::string* key = ini.KeyNameAt(section->Name(), k);
            if (key == nullptr)
                continue;
            std::vector<std::string>& list = values[section->Name() + "/" + *key];
            for (int v = 0; const std::string* value = ini.FindValue(section->Name(), *key, v); ++v)
                list.push_back(*value);
        }
    }
    return values;
}

class SettingBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        PictureLoader::SetFailureReporter({});
        fs::create_directories("Pic");
        SavePicture("Pic/board.bmp");
        SavePicture("Pic/border.bmp");
        SavePicture("Pic/none.bmp");
        for (int side = 1; side <= 2; ++side)
            for (int kind = 0; kind < 3; ++kind)
                for (int frame = 0; frame < 3; ++frame)
                    SavePicture(HostName(Piece(side, kind, frame)));
        ModalHost::SetResponder([this](QDialog& dialog) {
            messages_.push_back(dialog.windowTitle());
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                texts_.push_back(box->text());
            return boxAnswer_;
        });
        FileDialogs::SetResponder([this](const QString& caption, const QString&) {
            captions_.push_back(caption);
            return chosen_;
        });
        form_.SetAskSave([this] {
            ++asked_;
            return answer_;
        });
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        FileDialogs::SetResponder({});
        fs::current_path(previous_);
    }

    static std::string HostName(std::string stored)
    {
        for (char& c : stored)
            if (c == '\\')
                c = '/';
        return stored;
    }

    static void SavePicture(const std::string& name, QRgb colour = qRgb(40, 90, 140))
    {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(name), "BMP"));
    }

    void Open(const std::string& setText, const std::string& file = "Mine.tsb")
    {
        if (!setText.empty())
            dir_.Write(file, setText);
        form_.SetBoardSet("Mine", file, QString::fromStdString(dir_.Path().string()));
        form_.FormShow();
    }

    void Choose(QPushButton* refer, const std::string& hostName)
    {
        chosen_ = QString::fromStdString((dir_.Path() / hostName).string());
        refer->click();
    }

    // Fills an empty form with the pictures a board needs.
    void FillNewBoard()
    {
        Choose(form_.BitBtnReferBoard, "Pic/board.bmp");
        Choose(form_.BitBtnReferBorder, "Pic/border.bmp");
        Choose(form_.BitBtnReferNoFloat, "Pic/none.bmp");
        Choose(form_.BitBtnRefer1stFloat, "Pic/1_0_0.bmp");
        Choose(form_.BitBtnRefer2ndFloat, "Pic/2_0_0.bmp");
    }

    static void Scroll(QScrollBar* bar, int position)
    {
        bar->setSliderPosition(position);
        bar->triggerAction(QAbstractSlider::SliderMove);
    }

    QApplication& app_ = UiApp();
    TFormSettingBoard form_;
    TempDir dir_;
    fs::path previous_;
    std::vector<QString> messages_;
    std::vector<QString> texts_;
    std::vector<QString> captions_;
    QString chosen_;
    int asked_ = 0;
    int answer_ = kModalCancel;
    int boxAnswer_ = kModalOk;
};

TEST_F(SettingBoardTest, AddModeWritesANewSectionAfterTheLastBoardInKeyOrder)
{
    Open(SetText(5));
    const std::string before = dir_.Read("Mine.tsb");
    form_.RadioButtonCreate->click();
    EXPECT_FALSE(form_.BitBtnNextBoard->isEnabled());
    EXPECT_EQ(form_.EditTitle->text(), QString());
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("55"));
    FillNewBoard();
    EXPECT_EQ(captions_.front(), QStringLiteral("ボードの絵を開く"));
    EXPECT_EQ(captions_.back(), QStringLiteral("コマ（後手）の絵を開く"));
    form_.ComboBoxBoardType->setCurrentIndex(1);
    form_.ComboBoxBoardTypeChange();
    ASSERT_TRUE(form_.BitBtnSave->isEnabled());
    form_.BitBtnSave->click();

    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    // The board just added is now the one a save changes.
    EXPECT_TRUE(form_.RadioButtonModify->isChecked());
    EXPECT_TRUE(form_.BitBtnNextBoard->isEnabled());
    EXPECT_EQ(form_.LabelModeNote->text(), QStringLiteral("ボード 6 を追加、以後は修正"));
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 6 / 6"));
    const std::string written = dir_.Read("Mine.tsb");
    EXPECT_EQ(written.substr(0, before.size()), before);
    EXPECT_EQ(written.substr(before.size()),
              "[Board_005]\r\nBoardType=Random\r\nBoard=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\n"
              "NoFloat=Pic\\none.bmp\r\n1stFloat_00=Pic\\1_0_0.bmp\r\n2ndFloat_00=Pic\\2_0_0.bmp\r\n"
              "Title=\r\nAuthor=\r\nComment=\r\nIntervalTime=55\r\nStretch=False\r\nTransparentNoFloat=False\r\n"
              "Transparent1stFloat=False\r\nTransparent2ndFloat=False\r\n");

    form_.EditTitle->insert(QStringLiteral("again"));
    form_.EditTitleChange();
    form_.BitBtnSave->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_005");
    EXPECT_EQ(form_.BoardCount(), 6);
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_005", "Title", 0), "again");
}

TEST_F(SettingBoardTest, AddModeAfterAGapFillsItWithoutTheStraySectionsKeys)
{
    Open(SetText(3) + BoardText(3, "") + "1stFloat_05=Pic\\stray.bmp\r\n" + BoardText(4, "B4")
         + "[Board_003]\r\n2ndFloat_07=Pic\\stray.bmp\r\n");
    EXPECT_EQ(form_.BoardCount(), 3);
    form_.RadioButtonCreate->click();
    FillNewBoard();
    form_.EditTitle->insert(QStringLiteral("new"));
    form_.BitBtnSave->click();

    const WindowsIni ini("Mine.tsb");
    EXPECT_EQ(*ini.FindValue("Board_003", "Title", 0), "new");
    EXPECT_EQ(ini.FindValue("Board_003", "1stFloat_05", 0), nullptr);
    EXPECT_EQ(ini.FindValue("Board_003", "2ndFloat_07", 0), nullptr);
    EXPECT_EQ(form_.BoardCount(), 5);
    form_.EditTitle->insert(QStringLiteral("2"));
    form_.EditTitleChange();
    form_.BitBtnSave->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_003");
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_003", "Title", 0), "new2");
}

TEST_F(SettingBoardTest, ClearingAFrameOrAKindRemovesOnlyThatFromTheFile)
{
    Open("[BoardSet]\r\nName=Mine\r\n" + BoardText(0, "B0", 3, 3));
    Scroll(form_.ScrollBar1stFloatAnimation, 1);
    EXPECT_EQ(form_.Label1stFloatAnimationNum->text(), QStringLiteral("2"));
    form_.BitBtnClear1stFloat->click();
    EXPECT_TRUE(form_.Image1stFloat->pixmap().isNull());
    EXPECT_TRUE(form_.BitBtnDefault->isEnabled());

    // Another kind starts at its frame 0, so the clear button empties what the screen shows.
    Scroll(form_.ScrollBar1stFloatAnimation, 2);
    Scroll(form_.ScrollBar1stFloatKind, 1);
    EXPECT_EQ(form_.CurrentFrame(1), 0);
    EXPECT_EQ(form_.Label1stFloatAnimationNum->text(), QStringLiteral("1"));
    EXPECT_EQ(form_.Label1stFloatKindNum->text(), QStringLiteral("2"));
    form_.BitBtnClear1stFloat->click();
    ASSERT_TRUE(form_.BitBtnSave->isEnabled());
    form_.BitBtnSave->click();

    const WindowsIni ini("Mine.tsb");
    EXPECT_EQ(*ini.FindValue("Board_000", "1stFloat_00", 0), Piece(1, 0, 0));
    EXPECT_EQ(ini.FindValue("Board_000", "1stFloat_00", 1), nullptr);
    EXPECT_EQ(ini.FindValue("Board_000", "1stFloat_01", 0), nullptr);
    EXPECT_EQ(*ini.FindValue("Board_000", "1stFloat_02", 2), Piece(1, 2, 2));
}

TEST_F(SettingBoardTest, TimerTextKeepsDigitsRevertsOnOtherCharactersAndSaturates)
{
    Open(SetText(1));
    EXPECT_EQ(form_.BoardTimer(), 40);
    form_.EditBoardTimer->selectAll();
    form_.EditBoardTimer->insert(QStringLiteral("12a5"));
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("405"));
    EXPECT_EQ(form_.Timer->interval(), 405);
    form_.EditBoardTimer->end(false);
    form_.EditBoardTimer->insert(QStringLiteral("x"));
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("405"));
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());

    form_.EditBoardTimer->selectAll();
    form_.EditBoardTimer->insert(QStringLiteral("98765432109876"));
    EXPECT_EQ(form_.BoardTimer(), 999999);
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("999999"));
    EXPECT_EQ(form_.UpDownBoardTimer->value(), 999);

    form_.EditBoardTimer->selectAll();
    form_.EditBoardTimer->insert(QStringLiteral("0"));
    EXPECT_EQ(form_.BoardTimer(), 0);
    EXPECT_GE(form_.Timer->interval(), 1);

    form_.UpDownBoardTimer->stepUp();
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("1"));
    form_.BitBtnSave->click();
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "IntervalTime", 0), "1");
}

TEST_F(SettingBoardTest, BrowsingWrapsAndTheIndexOutlivesAShowing)
{
    Open(SetText(5));
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B0"));
    form_.BitBtnBackBoard->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_004");
    form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_000");
    for (int n = 0; n < 3; ++n)
        form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B3"));

    form_.BitBtnClose->click();
    form_.FormShow();
    EXPECT_EQ(form_.CurrentSection(), "Board_000");
    form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B4"));

    // A smaller set: an index at or past its end wraps to the first board.
    Open(SetText(2), "Two.tsb");
    form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.BrowseIndex(), 0);
    Open("", "Missing.tsb");
    form_.BitBtnNextBoard->click();
    form_.BitBtnBackBoard->click();
    EXPECT_EQ(form_.BrowseIndex(), 0);
    EXPECT_EQ(form_.CurrentSection(), "Board_000");
}

TEST_F(SettingBoardTest, CloseAsksOnlyAfterAnEditAndFollowsTheAnswer)
{
    Open(SetText(2));
    const std::string before = dir_.Read("Mine.tsb");
    form_.show();
    form_.BitBtnClose->click();
    EXPECT_EQ(asked_, 0);
    EXPECT_FALSE(form_.isVisible());
    EXPECT_EQ(form_.result(), kModalCancel);

    form_.show();
    form_.EditTitle->insert(QStringLiteral("X"));
    answer_ = kModalCancel;
    form_.BitBtnClose->click();
    EXPECT_EQ(asked_, 1);
    EXPECT_TRUE(form_.isVisible());
    EXPECT_EQ(dir_.Read("Mine.tsb"), before);

    answer_ = kModalNo;
    form_.reject();
    EXPECT_EQ(asked_, 2);
    EXPECT_FALSE(form_.isVisible());
    EXPECT_EQ(dir_.Read("Mine.tsb"), before);

    form_.show();
    form_.EditTitle->insert(QStringLiteral("Y"));
    answer_ = kModalYes;
    form_.BitBtnClose->click();
    EXPECT_FALSE(form_.isVisible());
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "Title", 0), "B0Y");
}

TEST_F(SettingBoardTest, SaveNeedsThePicturesAndAValidBoardType)
{
    Open("[BoardSet]\r\nName=Mine\r\n" + BoardText(0, "B0") + "[Board_001]\r\nTitle=untyped\r\n" +
         "Board=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n"
         "1stFloat_00=Pic\\1_0_0.bmp\r\n2ndFloat_00=Pic\\2_0_0.bmp\r\n");
    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    EXPECT_FALSE(form_.BitBtnDefault->isEnabled());
    form_.BitBtnClearNoFloat->click();
    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    EXPECT_TRUE(form_.BitBtnDefault->isEnabled());
    form_.BitBtnDefault->click();
    EXPECT_EQ(form_.NoFloatPath(), "Pic\\none.bmp");
    form_.CheckBoxStretch->click();
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());

    answer_ = kModalNo;
    form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.ComboBoxBoardType->currentText(), QStringLiteral("タイプ無し"));
    form_.EditAuthor->insert(QStringLiteral("me"));
    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    form_.ComboBoxBoardType->setCurrentIndex(2);
    form_.ComboBoxBoardTypeChange();
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    form_.BitBtnSave->click();
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_001", "BoardType", 0), "Picture");
}

TEST_F(SettingBoardTest, TypedSeparatorsBecomeFullWidthAndUnwritableTextIsRefused)
{
    Open(SetText(1));
    form_.EditTitle->selectAll();
    form_.EditTitle->insert(QStringLiteral("a,b;c!"));
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("a，b；c！"));
    form_.MemoComment->setPlainText(QStringLiteral("one,\ntwo"));
    EXPECT_EQ(form_.MemoComment->toPlainText(), QStringLiteral("one， two"));
    form_.BitBtnSave->click();
    const WindowsIni ini("Mine.tsb");
    EXPECT_EQ(*ini.FindValue("Board_000", "Title", 0), Sj("a，b；c！"));
    EXPECT_EQ(*ini.FindValue("Board_000", "Comment", 0), Sj("one， two"));

    const std::string before = dir_.Read("Mine.tsb");
    form_.EditAuthor->insert(QString::fromUtf8("\xF0\x9F\x98\x80"));
    form_.BitBtnSave->click();
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    EXPECT_EQ(dir_.Read("Mine.tsb"), before);
}

TEST_F(SettingBoardTest, AnUnwritableSetFileIsReportedAndSaveStaysEnabled)
{
    fs::create_directory("Folder.tsb");
    Open("", "Folder.tsb");
    form_.show();
    form_.RadioButtonCreate->click();
    FillNewBoard();
    form_.ComboBoxBoardType->setCurrentIndex(0);
    form_.ComboBoxBoardTypeChange();
    form_.BitBtnSave->click();
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    answer_ = kModalYes;
    form_.BitBtnClose->click();
    EXPECT_TRUE(form_.isVisible());
    EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(SettingBoardTest, ChosenPicturesAreStoredRelativeInsideTheFolderAndRefusedWhenUnreadable)
{
    Open(SetText(1));
    Choose(form_.BitBtnReferBoard, "Pic/1_1_1.bmp");
    EXPECT_EQ(form_.BoardPath(), "Pic\\1_1_1.bmp");

    TempDir elsewhere;
    const fs::path outside = elsewhere.Path() / "far.bmp";
    SavePicture(outside.string());
    chosen_ = QString::fromStdString(outside.string());
    // Declining the offer to copy it keeps the picture where it is.
    form_.BitBtnReferBorder->click();
    std::string full = outside.string();
    for (char& c : full)
        if (c == '/')
            c = '\\';
    EXPECT_EQ(form_.BorderPath(), full);
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_TRUE(texts_[0].startsWith(QStringLiteral("選んだ絵はプログラムのフォルダの外にあります。")));
    messages_.clear();

    dir_.Write("Pic/bad.bmp", "not a picture");
    Scroll(form_.ScrollBar1stFloatAnimation, 1);
    Choose(form_.BitBtnRefer1stFloat, "Pic/bad.bmp");
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(form_.FloatPath(1, 0, 1), "Pic\\bad.bmp");

    dir_.Write("Pic/a,b.bmp", "");
    Choose(form_.BitBtnReferNoFloat, "Pic/a,b.bmp");
    Choose(form_.BitBtnReferNoFloat, "Pic/" + std::string(150, 'd') + "/" + std::string(120, 'f') + ".bmp");
    EXPECT_EQ(messages_.size(), 3u);
    EXPECT_EQ(form_.NoFloatPath(), "Pic\\none.bmp");
}

TEST_F(SettingBoardTest, TestAnimationRunsTheKindsFramesAndStops)
{
    Open("[BoardSet]\r\nName=Mine\r\n" + BoardText(0, "B0", 1, 3));
    form_.BitBtnTest1stFloat->click();
    for (int frame = 1; frame <= 3; ++frame) {
        form_.TimerTimer();
        EXPECT_EQ(form_.Label1stFloatAnimationNum->text(), QString::number(frame));
        EXPECT_EQ(form_.ScrollBar1stFloatAnimation->value(), frame - 1);
    }
    form_.TimerTimer();
    EXPECT_FALSE(form_.TestRunning(1));
    EXPECT_EQ(form_.CurrentFrame(1), 2);

    // Every one of the 76 frames filled: the test still ends.
    std::string frames;
    for (int frame = 0; frame < 76; ++frame)
        frames += (frame ? "," : "") + Piece(1, 0, 0);
    Open("[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nTitle=L\r\n1stFloat_00=" + frames + "\r\n", "Long.tsb");
    form_.BitBtnTest1stFloat->click();
    for (int tick = 0; tick < 77 && form_.TestRunning(1); ++tick)
        form_.TimerTimer();
    EXPECT_FALSE(form_.TestRunning(1));
    EXPECT_EQ(form_.CurrentFrame(1), 75);
}

TEST_F(SettingBoardTest, SecondPlayerKindsAreShownAndChangedByTheirNumberEvenWithoutKind00)
{
    const QRgb red = qRgb(250, 0, 0);
    SavePicture("Pic/red.bmp", red);
    Open("[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nTitle=T\r\nBoardType=Normal\r\nBoard=Pic\\board.bmp\r\n"
         "Border=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n1stFloat_00=Pic\\1_0_0.bmp\r\n"
         "2ndFloat_01=Pic\\red.bmp\r\n");
    EXPECT_EQ(form_.Label2ndFloatKindNum->text(), QStringLiteral("1"));
    EXPECT_TRUE(form_.Image2ndFloat->pixmap().isNull());
    Scroll(form_.ScrollBar2ndFloatKind, 1);
    EXPECT_EQ(form_.Label2ndFloatKindNum->text(), QStringLiteral("2"));
    EXPECT_EQ(form_.Image2ndFloat->pixmap().toImage().pixel(16, 16), red);

    Scroll(form_.ScrollBar2ndFloatAnimation, 1);
    Choose(form_.BitBtnRefer2ndFloat, "Pic/2_1_1.bmp");
    Scroll(form_.ScrollBar2ndFloatAnimation, 2);
    Choose(form_.BitBtnRefer2ndFloat, "Pic/2_1_2.bmp");
    form_.BitBtnClear2ndFloat->click();
    form_.CheckBoxTransparent2ndFloat->click();
    form_.BitBtnTest2ndFloat->click();
    for (int tick = 0; tick < 3; ++tick)
        form_.TimerTimer();
    EXPECT_FALSE(form_.TestRunning(2));
    EXPECT_EQ(form_.CurrentFrame(2), 1);
    EXPECT_EQ(form_.CurrentKind(1), 0);
    form_.BitBtnSave->click();

    const WindowsIni ini("Mine.tsb");
    EXPECT_EQ(ini.FindValue("Board_000", "2ndFloat_00", 0), nullptr);
    EXPECT_EQ(*ini.FindValue("Board_000", "2ndFloat_01", 0), "Pic\\red.bmp");
    EXPECT_EQ(*ini.FindValue("Board_000", "2ndFloat_01", 1), Piece(2, 1, 1));
    EXPECT_EQ(ini.FindValue("Board_000", "2ndFloat_01", 2), nullptr);
    EXPECT_EQ(*ini.FindValue("Board_000", "Transparent2ndFloat", 0), "True");
    EXPECT_EQ(*ini.FindValue("Board_000", "Transparent1stFloat", 0), "False");
}

TEST_F(SettingBoardTest, LongPathsAndAnUnshowableTimerSurviveAnUnrelatedEditUntilTheTimerIsSet)
{
    const std::string longPath = "Pic\\" + std::string(300, 'p') + ".bmp";
    std::string text = BoardText(0, "B0");
    text.replace(text.find("Pic\\board.bmp"), 13, longPath);
    text.replace(text.find("IntervalTime=40"), 15, "IntervalTime=2000000");
    Open("[BoardSet]\r\nName=Mine\r\n" + text);
    EXPECT_EQ(form_.BoardPath(), longPath);
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("999999"));
    form_.EditTitle->insert(QStringLiteral("x"));
    form_.BitBtnSave->click();
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "Board", 0), longPath);
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "IntervalTime", 0), "2000000");

    form_.EditBoardTimer->end(false);
    form_.EditBoardTimer->backspace();
    form_.BitBtnSave->click();
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "IntervalTime", 0), "99999");
}

TEST_F(SettingBoardTest, BrowsingOrSwitchingModeAfterAnEditAsksFirst)
{
    Open(SetText(3));
    form_.EditTitle->insert(QStringLiteral("x"));
    answer_ = kModalCancel;
    form_.BitBtnNextBoard->click();
    form_.RadioButtonCreate->click();
    EXPECT_EQ(asked_, 2);
    EXPECT_EQ(form_.CurrentSection(), "Board_000");
    EXPECT_TRUE(form_.RadioButtonModify->isChecked());
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B0x"));

    answer_ = kModalNo;
    form_.BitBtnBackBoard->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_002");
    form_.EditTitle->insert(QStringLiteral("y"));
    answer_ = kModalYes;
    form_.RadioButtonCreate->click();
    EXPECT_TRUE(form_.RadioButtonCreate->isChecked());
    EXPECT_EQ(form_.EditTitle->text(), QString());
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_002", "Title", 0), "B2y");
    EXPECT_EQ(*WindowsIni("Mine.tsb").FindValue("Board_000", "Title", 0), "B0");
    EXPECT_EQ(asked_, 4);
}

TEST_F(SettingBoardTest, ASetFileThatWouldLoseLinesOrIsMissingIsReportedAndSavingAsksFirst)
{
    const std::string broken = SetText(1) + "[Board_001\r\nTitle=lost\r\n";
    Open(broken);
    QCoreApplication::processEvents();
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_TRUE(texts_[0].contains(QStringLiteral("1 行あります（最初は 16 行目"))) << texts_[0].toStdString();

    form_.EditTitle->insert(QStringLiteral("x"));
    boxAnswer_ = kModalCancel;
    form_.BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Mine.tsb"), broken);
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    boxAnswer_ = kModalYes;
    form_.BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Mine.tsb").find("lost"), std::string::npos);
    EXPECT_EQ(texts_.size(), 3u);

    Open("", "Gone.tsb");
    QCoreApplication::processEvents();
    ASSERT_EQ(texts_.size(), 4u);
    EXPECT_TRUE(texts_[3].contains(QStringLiteral("「Gone.tsb」が見つかりません")));
}

TEST_F(SettingBoardTest, AChosenPictureIsMeasuredBeforeItIsRead)
{
    Open(SetText(1));
    dir_.Write("Pic/huge.bmp", "BM");
    fs::resize_file(dir_.Path() / "Pic" / "huge.bmp", 65LL * 1024 * 1024);
    const int decodes = PictureLoader::DecodeCount();
    Choose(form_.BitBtnReferNoFloat, "Pic/huge.bmp");
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_TRUE(texts_[0].contains(QStringLiteral("大きすぎます")));
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
}

#ifdef TESSELLA_CONTENT_DIR
TEST_F(SettingBoardTest, EveryStandardBoardSavedUnchangedReadsBackTheSame)
{
    const fs::path content(TESSELLA_CONTENT_DIR);
    fs::copy(content / "Standard.tsb", "Standard.tsb");
    fs::copy(content / "Picture", "Picture", fs::copy_options::recursive);
    const auto before = Values("Standard.tsb");
    Open("", "Standard.tsb");
    ASSERT_GT(form_.BoardCount(), 1);
    for (int n = 0; n < form_.BoardCount(); ++n) {
        form_.BitBtnSaveClick();
        form_.BitBtnNextBoard->click();
    }
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Values("Standard.tsb"), before);
}
#endif

}  // namespace

TEST_F(SettingBoardTest, DeleteDuplicateAndMoveRenumberTheBoardsAndReportTheReferences)
{
    std::vector<SetEntries::Renumbering> calls;
    form_.SetOnRenumbered([&calls](const SetEntries::Renumbering& renumbering) {
        calls.push_back(renumbering);
        return calls.size() == 1 ? QStringLiteral("moved") : QString();
    });
    Open(SetText(4));
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("テセラ／ユーザ用ボードセット設定 － Mine"));
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 1 / 4"));
    EXPECT_FALSE(form_.BitBtnUpBoard->isEnabled());
    form_.BitBtnNextBoard->click();
    form_.BitBtnNextBoard->click();

    const auto titles = [] {
        const WindowsIni ini("Mine.tsb");
        std::string text;
        for (int n = 0; const std::string* title = ini.FindValue(BoardName(n), "Title", 0); ++n)
            text += *title + " ";
        return text;
    };
    form_.BitBtnUpBoard->click();
    EXPECT_EQ(titles(), "B0 B2 B1 B3 ");
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B2"));
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 2 / 4"));
    EXPECT_EQ(texts_, std::vector<QString>{QStringLiteral("moved")});

    form_.BitBtnDownBoard->click();
    form_.BitBtnDownBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 ");
    EXPECT_FALSE(form_.BitBtnDownBoard->isEnabled());

    form_.BitBtnDuplicateBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 B2 ");
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 5 / 5"));

    // Deleting asks first; only a yes deletes.
    form_.BitBtnBackBoard->click();
    form_.BitBtnBackBoard->click();
    form_.BitBtnBackBoard->click();
    form_.BitBtnDeleteBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 B2 ");
    boxAnswer_ = kModalYes;
    form_.BitBtnDeleteBoard->click();
    EXPECT_EQ(titles(), "B0 B3 B2 B2 ");
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B3"));
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.back(), (SetEntries::Renumbering{0, -1, 1, 2, 3}));

    form_.RadioButtonCreate->click();
    EXPECT_FALSE(form_.BitBtnDeleteBoard->isEnabled());
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 新規 / 4"));
}

TEST_F(SettingBoardTest, APictureFromOutsideIsCopiedIntoTheSetsFolderWhenTheUserAgrees)
{
    Open(SetText(1));
    TempDir elsewhere;
    SavePicture((elsewhere.Path() / "far.bmp").string(), qRgb(1, 2, 3));
    // A different picture of that name is already there.
    fs::create_directories(dir_.Path() / "Picture/User/Mine");
    SavePicture((dir_.Path() / "Picture/User/Mine/far.bmp").string(), qRgb(9, 9, 9));
    boxAnswer_ = kModalYes;
    chosen_ = QString::fromStdString((elsewhere.Path() / "far.bmp").string());
    form_.BitBtnReferBorder->click();
    EXPECT_EQ(form_.BorderPath(), "Picture\\User\\Mine\\far_2.bmp");
    EXPECT_TRUE(dir_.Read("Picture/User/Mine/far_2.bmp") == elsewhere.Read("far.bmp"));
}

TEST_F(SettingBoardTest, PreviewAndWarningsFollowThePicturesAndOptions)
{
    Open(SetText(1));
    EXPECT_TRUE(form_.Warnings().isEmpty());
    form_.CheckBoxStretch->click();
    // The 32 x 32 test board picture no longer fills the grid once it is drawn at its own size.
    EXPECT_EQ(form_.Warnings(),
              QStringList{QStringLiteral("ボードの絵が盤の升目より小さい（32 × 32、升目は 386 × 386 まで）")});
    Scroll(form_.ScrollBar1stFloatAnimation, 2);
    Choose(form_.BitBtnRefer1stFloat, "Pic/1_0_2.bmp");
    EXPECT_TRUE(form_.Warnings().contains(
        QStringLiteral("先手コマの種類 1 は変化 2 が抜けているため、変化 3 から後は使われません")));
    EXPECT_EQ(form_.ImagePreview->Render().pixel(18 + 37 * 4 + 16, 18 + 37 * 4 + 16) | 0xff000000u,
              qRgb(40, 90, 140));
}
