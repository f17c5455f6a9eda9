#include "data/TFormSettingBoard.h"

#include "data/BoardPreview.h"
#include "data/WindowsIni.h"
#include "support/BoardSets.h"
#include "support/SetFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string SetText(int boards)
{
    return BoardSetText("Mine", NumberedBoards("B", boards));
}

// The saved values of the keys, "a,b" each or "(none)", joined by " | ".
std::string Stored(const std::string& section, std::initializer_list<const char*> keys)
{
    const WindowsIni ini("Mine.tsb");
    std::string text;
    for (const char* key : keys) {
        std::string values = ini.FindValue(section, key, 0) == nullptr ? "(none)" : "";
        for (int i = 0; const std::string* value = ini.FindValue(section, key, i); ++i)
            values += (i > 0 ? "," : "") + *value;
        text += (text.empty() ? "" : " | ") + values;
    }
    return text;
}

class SettingBoardTest : public BoardSetFolder {
protected:
    void SetUp() override
    {
        BoardSetFolder::SetUp();
        form_.SetAskSave([this] {
            ++asked_;
            return answer_;
        });
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
        dialogs_.picks.push_back(QString::fromStdString((dir_.Path() / hostName).string()));
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

    TFormSettingBoard form_;
    int asked_ = 0;
    int answer_ = kModalCancel;
};

TEST_F(SettingBoardTest, AddModeWritesANewSectionAfterTheLastBoardOrInTheFirstGapThenModifiesIt)
{
    Open(SetText(5));
    const std::string before = dir_.Read("Mine.tsb");
    form_.RadioButtonCreate->click();
    EXPECT_FALSE(form_.BitBtnNextBoard->isEnabled());
    EXPECT_FALSE(form_.BitBtnDeleteBoard->isEnabled());
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 新規 / 5"));
    FillNewBoard();
    form_.ComboBoxBoardType->setCurrentIndex(1);
    form_.ComboBoxBoardTypeChange();
    form_.BitBtnSave->click();

    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    EXPECT_TRUE(form_.RadioButtonModify->isChecked());
    EXPECT_TRUE(form_.BitBtnNextBoard->isEnabled());
    EXPECT_EQ(form_.LabelModeNote->text(), QStringLiteral("ボード 6 を追加、以後は修正"));
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 6 / 6"));
    EXPECT_EQ(dir_.Read("Mine.tsb"),
              before + Crlf({"[Board_005]", "BoardType=Random", "Board=Pic\\board.bmp", "Border=Pic\\border.bmp",
                             "NoFloat=Pic\\none.bmp", "1stFloat_00=Pic\\1_0_0.bmp", "2ndFloat_00=Pic\\2_0_0.bmp",
                             "Title=", "Author=", "Comment=", "IntervalTime=55", "Stretch=False",
                             "TransparentNoFloat=False", "Transparent1stFloat=False", "Transparent2ndFloat=False"}));
    form_.EditTitle->insert(QStringLiteral("again"));
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_005", {"Title"}), "again");

    // After a gap in the numbers the new board fills it, without the stray section's keys.
    Open(SetText(3) + BoardSection(3, {""}) + "1stFloat_05=Pic\\stray.bmp\r\n" + BoardSection(4, {"B4"}) +
         "[Board_003]\r\n2ndFloat_07=Pic\\stray.bmp\r\n");
    EXPECT_EQ(form_.BoardCount(), 3);
    form_.RadioButtonCreate->click();
    FillNewBoard();
    form_.EditTitle->insert(QStringLiteral("new"));
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_003", {"Title", "1stFloat_05", "2ndFloat_07"}), "new | (none) | (none)");
    EXPECT_EQ(form_.BoardCount(), 5);
}

TEST_F(SettingBoardTest, PieceFramesAreTestedClearedAndChangedByKindAndFrame)
{
    // Kind 0 fills every one of the 76 frames the file holds; the test still ends after the last.
    std::string text = BoardSetText("Mine", {{"B0", "Normal", 3, 3}});
    for (int frame = 3; frame < 76; ++frame)
        text.insert(text.find("1_0_2.bmp") + 9, Format(",%s", PiecePath(1, 0, 0).c_str()));
    Open(text);
    form_.BitBtnTest1stFloat->click();
    for (int tick = 0; tick < 77; ++tick)
        form_.TimerTimer();
    EXPECT_FALSE(form_.TestRunning(1));
    EXPECT_EQ(form_.CurrentFrame(1), 75);
    EXPECT_EQ(form_.Label1stFloatAnimationNum->text(), QStringLiteral("76"));
    EXPECT_EQ(form_.ScrollBar1stFloatAnimation->value(), form_.ScrollBar1stFloatAnimation->maximum());

    // Clearing a frame or a kind removes only that from the file.
    Scroll(form_.ScrollBar1stFloatAnimation, 1);
    EXPECT_EQ(form_.Label1stFloatAnimationNum->text(), QStringLiteral("2"));
    form_.BitBtnClear1stFloat->click();
    EXPECT_TRUE(form_.Image1stFloat->pixmap().isNull());
    // Another kind starts at its frame 0, so the clear button empties what the screen shows.
    Scroll(form_.ScrollBar1stFloatAnimation, 2);
    Scroll(form_.ScrollBar1stFloatKind, 1);
    EXPECT_EQ(form_.Label1stFloatKindNum->text(), QStringLiteral("2"));
    form_.BitBtnClear1stFloat->click();
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"1stFloat_00", "1stFloat_01", "1stFloat_02"}),
              "Pic\\1_0_0.bmp | (none) | Pic\\1_2_0.bmp,Pic\\1_2_1.bmp,Pic\\1_2_2.bmp");

    // The second player's kinds are shown and changed by their number, even without kind 00.
    const QRgb red = qRgb(250, 0, 0);
    SaveBmp("Pic/red.bmp", red);
    Open("[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nTitle=T\r\nBoardType=Normal\r\nBoard=Pic\\board.bmp\r\n"
         "Border=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n1stFloat_00=Pic\\1_0_0.bmp\r\n2ndFloat_01=Pic\\red.bmp\r\n");
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
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"2ndFloat_00", "2ndFloat_01", "Transparent1stFloat", "Transparent2ndFloat"}),
              "(none) | Pic\\red.bmp,Pic\\2_1_1.bmp | False | True");
}

TEST_F(SettingBoardTest, TimerTextKeepsDigitsRevertsOnOtherCharactersAndSaturates)
{
    Open(SetText(1));
    // Whether the text is replaced or typed at its end, what is typed, then what the edit shows and the timer (from 40).
    const std::tuple<bool, QString, QString, int> cases[] = {
        {true, QStringLiteral("12a5"), QStringLiteral("405"), 405},
        {false, QStringLiteral("x"), QStringLiteral("405"), 405},
        {true, QStringLiteral("98765432109876"), QStringLiteral("999999"), 999999},
        {true, QStringLiteral("0"), QStringLiteral("0"), 0},
    };
    for (const auto& [replace, typed, shown, timer] : cases) {
        if (replace)
            form_.EditBoardTimer->selectAll();
        else
            form_.EditBoardTimer->end(false);
        form_.EditBoardTimer->insert(typed);
        EXPECT_EQ(form_.EditBoardTimer->text(), shown) << typed.toStdString();
        EXPECT_EQ(form_.BoardTimer(), timer);
        EXPECT_EQ(form_.Timer->interval(), std::max(1, timer));
    }
    form_.UpDownBoardTimer->stepUp();
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("1"));
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"IntervalTime"}), "1");

    // A value the edit cannot show survives an unrelated edit until the timer is set.
    std::string text = BoardSetText("Mine", {{"B0", "Normal", 1, 1, 1, 2000000}});
    const std::string longPath = "Pic\\" + std::string(300, 'p') + ".bmp";
    Open(text.replace(text.find("Pic\\board.bmp"), 13, longPath));
    EXPECT_EQ(form_.EditBoardTimer->text(), QStringLiteral("999999"));
    EXPECT_EQ(form_.UpDownBoardTimer->value(), 999);
    form_.EditTitle->insert(QStringLiteral("x"));
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"Board", "IntervalTime"}), longPath + " | 2000000");
    form_.EditBoardTimer->end(false);
    form_.EditBoardTimer->backspace();
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"IntervalTime"}), "99999");
}

TEST_F(SettingBoardTest, BrowsingWrapsKeepsItsIndexAndDeleteDuplicateAndMoveRenumberTheBoards)
{
    Open(SetText(5));
    form_.BitBtnBackBoard->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_004");
    form_.BitBtnNextBoard->click();
    EXPECT_EQ(form_.CurrentSection(), "Board_000");
    for (int n = 0; n < 3; ++n)
        form_.BitBtnNextBoard->click();
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

    // Boards are moved, duplicated and deleted, with the references to them reported.
    std::vector<SetEntries::Renumbering> calls;
    form_.SetOnRenumbered([&calls](const SetEntries::Renumbering& renumbering) {
        calls.push_back(renumbering);
        return calls.size() == 1 ? QStringLiteral("moved") : QString();
    });
    Open(SetText(4));
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("テセラ／ユーザ用ボードセット設定 － Mine"));
    const auto titles = [] {
        const WindowsIni ini("Mine.tsb");
        std::string text;
        for (int n = 0; const std::string* title = ini.FindValue(Format("Board_%03d", n), "Title", 0); ++n)
            text += *title + " ";
        return text;
    };
    form_.BitBtnNextBoard->click();
    form_.BitBtnNextBoard->click();
    form_.BitBtnUpBoard->click();
    EXPECT_EQ(titles(), "B0 B2 B1 B3 ");
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B2"));
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 2 / 4"));
    EXPECT_EQ(dialogs_.texts, std::vector<QString>{QStringLiteral("moved")});
    form_.BitBtnDownBoard->click();
    form_.BitBtnDownBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 ");
    EXPECT_FALSE(form_.BitBtnDownBoard->isEnabled());
    form_.BitBtnDuplicateBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 B2 ");
    EXPECT_EQ(form_.LabelBoardIndex->text(), QStringLiteral("ボード 5 / 5"));
    for (int n = 0; n < 3; ++n)
        form_.BitBtnBackBoard->click();
    form_.BitBtnDeleteBoard->click();
    EXPECT_EQ(titles(), "B0 B1 B3 B2 B2 ") << "deleting asks first; only a yes deletes";
    dialogs_.answer = kModalYes;
    form_.BitBtnDeleteBoard->click();
    EXPECT_EQ(titles(), "B0 B3 B2 B2 ");
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("B3"));
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.back(), (SetEntries::Renumbering{0, -1, 1, 2, 3}));
}

TEST_F(SettingBoardTest, LeavingAfterAnEditAsksAndFollowsTheAnswer)
{
    using Leave = std::function<void(TFormSettingBoard&)>;
    const Leave closeButton = [](TFormSettingBoard& f) { f.BitBtnClose->click(); };
    const Leave closeBox = [](TFormSettingBoard& f) { f.reject(); };
    const Leave back = [](TFormSettingBoard& f) { f.BitBtnBackBoard->click(); };
    const Leave create = [](TFormSettingBoard& f) { f.RadioButtonCreate->click(); };
    const Leave closeUnwritable = [](TFormSettingBoard& f) {
        fs::remove("Mine.tsb");
        fs::create_directory("Mine.tsb");
        f.BitBtnClose->click();
    };
    // How the editor is left, the answer to the save question, then whether the edit stays with Save
    // enabled, the title the file holds, and whether the editor is in modify mode.
    const std::tuple<const char*, Leave, int, bool, std::string, bool> cases[] = {
        {"close, cancel", closeButton, kModalCancel, true, "B0", true}, {"close, no", closeButton, kModalNo, false, "B0", true},
        {"close, yes", closeButton, kModalYes, false, "B0x", true},     {"close box, no", closeBox, kModalNo, false, "B0", true},
        {"back, cancel", back, kModalCancel, true, "B0", true},         {"back, no", back, kModalNo, false, "B0", true},
        {"create, cancel", create, kModalCancel, true, "B0", true},     {"create, yes", create, kModalYes, false, "B0x", false},
        {"close, yes, the file became a folder", closeUnwritable, kModalYes, true, "(none)", true},
    };
    Open(SetText(3));
    form_.show();
    form_.BitBtnClose->click();
    EXPECT_FALSE(form_.isVisible()) << "nothing changed: no question";
    for (const auto& [what, leave, answer, stays, stored, modify] : cases) {
        SCOPED_TRACE(what);
        Open(SetText(3));
        form_.show();
        asked_ = 0;
        form_.EditTitle->insert(QStringLiteral("x"));
        answer_ = answer;
        leave(form_);
        EXPECT_EQ(asked_, 1);
        EXPECT_EQ(form_.isVisible() && form_.EditTitle->text() == QStringLiteral("B0x") && form_.BitBtnSave->isEnabled(), stays);
        EXPECT_EQ(form_.RadioButtonModify->isChecked(), modify);
        EXPECT_EQ(Stored("Board_000", {"Title"}), stored);
        form_.hide();
    }
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("書き込めませんでした")));
}

TEST_F(SettingBoardTest, SaveNeedsThePicturesAndAValidBoardTypeAndThePreviewAndWarningsFollowTheEdits)
{
    Open(BoardSetText("Mine", {{"B0"}, {"untyped", ""}}));
    EXPECT_TRUE(form_.Warnings().isEmpty());
    EXPECT_FALSE(form_.BitBtnDefault->isEnabled());
    form_.BitBtnClearNoFloat->click();
    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    EXPECT_TRUE(form_.BitBtnDefault->isEnabled());
    form_.BitBtnDefault->click();
    form_.CheckBoxStretch->click();
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    // The warnings' texts are the checks' own; here they follow the form: the 40 x 40 test board picture no
    // longer fills the grid once it is drawn at its own size, and a frame after a gap is never used.
    EXPECT_EQ(form_.Warnings().size(), 1);
    Scroll(form_.ScrollBar1stFloatAnimation, 2);
    Choose(form_.BitBtnRefer1stFloat, "Pic/1_0_2.bmp");
    EXPECT_EQ(form_.Warnings().size(), 2);
    EXPECT_EQ(form_.ImagePreview->Render().pixel(18 + 37 * 4 + 16, 18 + 37 * 4 + 16) | 0xff000000u, PieceColour(1, 0, 0));

    answer_ = kModalNo;
    form_.BitBtnNextBoard->click();
    form_.EditAuthor->insert(QStringLiteral("me"));
    EXPECT_FALSE(form_.BitBtnSave->isEnabled());
    form_.ComboBoxBoardType->setCurrentIndex(2);
    form_.ComboBoxBoardTypeChange();
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_001", {"BoardType"}), "Picture");
}

TEST_F(SettingBoardTest, TypedSeparatorsBecomeFullWidthAndWhatCannotBeWrittenIsRefusedOrAskedAbout)
{
    Open(SetText(1));
    form_.EditTitle->selectAll();
    form_.EditTitle->insert(QStringLiteral("a,b;c!"));
    EXPECT_EQ(form_.EditTitle->text(), QStringLiteral("a，b；c！"));
    form_.MemoComment->setPlainText(QStringLiteral("one,\ntwo"));
    EXPECT_EQ(form_.MemoComment->toPlainText(), QStringLiteral("one， two"));
    form_.BitBtnSave->click();
    EXPECT_EQ(Stored("Board_000", {"Title", "Comment"}), Sj("a，b；c！ | one， two"));

    const std::string before = dir_.Read("Mine.tsb");
    form_.EditAuthor->insert(QString::fromUtf8("\xF0\x9F\x98\x80"));
    form_.BitBtnSave->click();
    EXPECT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(form_.BitBtnSave->isEnabled());
    EXPECT_EQ(dir_.Read("Mine.tsb"), before);

    // Picture names a set file cannot hold are refused; a picture that cannot be read is reported and kept.
    dir_.Write("Pic/a,b.bmp", "");
    Choose(form_.BitBtnReferNoFloat, "Pic/a,b.bmp");
    Choose(form_.BitBtnReferNoFloat, "Pic/" + std::string(150, 'd') + "/" + std::string(120, 'f') + ".bmp");
    EXPECT_EQ(dialogs_.texts.size(), 3u);
    EXPECT_EQ(form_.NoFloatPath(), "Pic\\none.bmp") << "refused names change nothing";
    dir_.Write("Pic/bad.bmp", "not a picture");
    Scroll(form_.ScrollBar1stFloatAnimation, 1);
    Choose(form_.BitBtnRefer1stFloat, "Pic/bad.bmp");
    EXPECT_EQ(dialogs_.texts.size(), 4u);
    EXPECT_EQ(form_.FloatPath(1, 0, 1), "Pic\\bad.bmp");

    // A picture outside the program folder is asked about: declining keeps it where it is, agreeing copies it
    // into the set's folder.
    TempDir elsewhere;
    const fs::path outside = elsewhere.Path() / "far.bmp";
    SaveBmp(outside.string(), qRgb(1, 2, 3));
    dialogs_.picks.push_back(QString::fromStdString(outside.string()));
    form_.BitBtnReferBorder->click();
    std::string full = outside.string();
    std::replace(full.begin(), full.end(), '/', '\\');
    EXPECT_EQ(form_.BorderPath(), full);
    EXPECT_EQ(dialogs_.texts.size(), 5u);
    dialogs_.answer = kModalYes;
    dialogs_.picks.push_back(QString::fromStdString(outside.string()));
    form_.BitBtnReferBorder->click();
    EXPECT_EQ(form_.BorderPath(), "Picture\\User\\Mine\\far.bmp");

    // A set file that would lose lines is reported on opening and a save asks first; a missing one is reported.
    dialogs_.texts.clear();
    const std::string broken = SetText(1) + "[Board_001\r\nTitle=lost\r\n";
    Open(broken);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("1 行あります（最初は 16 行目")));
    form_.EditTitle->insert(QStringLiteral("x"));
    dialogs_.answer = kModalCancel;
    form_.BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Mine.tsb"), broken);
    dialogs_.answer = kModalYes;
    form_.BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Mine.tsb").find("lost"), std::string::npos);

    Open("", "Gone.tsb");
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs_.texts.back().contains(QStringLiteral("「Gone.tsb」が見つかりません")));
}

}  // namespace
