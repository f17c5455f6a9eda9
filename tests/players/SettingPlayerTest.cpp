#include "players/TFormSettingPlayer.h"

#include "data/WindowsIni.h"
#include "platform/FileDialogs.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"
#include "support/TextMatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const QRgb kFaceColours[5] = {qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(0, 0, 250), qRgb(250, 250, 0), qRgb(0, 250, 250)};

std::string Section(int number, const std::string& name)
{
    std::string text = Format("[Brain_%03d]\r\nName=%s\r\nAuthor=A%d\r\nComment=C\r\nStretch=False\r\n", number,
                              name.c_str(), number);
    for (int i = 0; i < 5; ++i)
        text += Format("Face_0%d=Pic\\f%d.bmp\r\n", i, i);
    return text + "Brain_00=20,NormalBrain02,NormalBrain00,NormalBrain08\r\nBrain_01=72,NormalBrain04,,\r\n"
                  "Brain_02=0,,,\r\nBrain_03=0,,,\r\nBrain_04=0,,,\r\nBrain_05=0,,,\r\n";
}

std::string Sections(int count)
{
    std::string text;
    for (int n = 0; n < count; ++n)
        text += Section(n, Format("P%d", n));
    return text;
}

bool Holds(const std::string& file, const std::string& line)
{
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

class SettingPlayerTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        fs::create_directories("Pic");
        for (int i = 0; i < 5; ++i)
            SaveBmp(Format("Pic/f%d.bmp", i), kFaceColours[i], 100, 100);
        FileDialogs::ForgetPictureFolder();
        editor_ = std::make_unique<TFormSettingPlayer>();
        editor_->SetAskSave([this] {
            ++asked_;
            return answer_;
        });
    }

    void TearDown() override
    {
        editor_.reset();
        InProgramFolder::TearDown();
    }

    void Open(const std::string& file, const std::string& text = std::string())
    {
        if (!text.empty())
            dir_.Write(file, text);
        editor_->SetPlayerSet("Mine", file, QString::fromStdString(dir_.Path().string()));
        editor_->show();
    }

    QString Abs(const std::string& relative) const { return QString::fromStdString((dir_.Path() / relative).string()); }

    void ChooseFace(int index, const QString& path)
    {
        editor_->ScrollBarFace->setValue(index);
        dialogs_.picks.push_back(path);
        editor_->BitBtnReferPlayer->click();
    }

    void ChooseAllFaces()
    {
        for (int i = 0; i < 5; ++i)
            ChooseFace(i, Abs(Format("Pic/f%d.bmp", i)));
    }

    QRgb PreviewCentre() const { return editor_->ImageFace->pixmap().toImage().pixel(50, 50); }
    QString Name() const { return editor_->EditName->text(); }

    ScriptedDialogs dialogs_;
    std::unique_ptr<TFormSettingPlayer> editor_;
    int asked_ = 0;
    int answer_ = kModalCancel;
};

TEST_F(SettingPlayerTest, AddModeAppendsAfterTheLastListedPlayerThenModifiesIt)
{
    const std::string before = Section(0, "P0") + Section(1, "P1") + Section(3, "P3");
    Open("Gap.tsp", before);
    editor_->RadioButtonCreate->click();
    EXPECT_FALSE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_FALSE(editor_->BitBtnDeletePlayer->isEnabled());
    EXPECT_TRUE(Name().isEmpty());
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 新規 / 2"));
    for (int i = 0; i < 4; ++i)
        ChooseFace(i, Abs(Format("Pic/f%d.bmp", i)));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled()) << "all five faces are needed";
    ChooseFace(4, Abs("Pic/f4.bmp"));
    EXPECT_EQ(dialogs_.captions, std::vector<QString>(5, QStringLiteral("プレーヤーの絵を開く")));
    EXPECT_EQ(FileDialogs::PictureStartFolder(), Abs("Pic")) << "the next dialog opens where the last pick was";
    ASSERT_TRUE(editor_->BitBtnSave->isEnabled());
    editor_->BitBtnSave->click();

    EXPECT_EQ(dir_.Read("Gap.tsp"),
              before + Crlf({"[Brain_002]", "Name=", "Author=", "Comment=", "Stretch=False", "Face_00=Pic\\f0.bmp",
                             "Face_01=Pic\\f1.bmp", "Face_02=Pic\\f2.bmp", "Face_03=Pic\\f3.bmp", "Face_04=Pic\\f4.bmp",
                             "Brain_00=0,,,", "Brain_01=0,,,", "Brain_02=0,,,", "Brain_03=0,,,", "Brain_04=0,,,",
                             "Brain_05=0,,,"}));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_TRUE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_EQ(editor_->LabelModeNote->text(), QStringLiteral("プレーヤー 3 として追加しました。ここからは修正です"));
    // Brain_002 closed the gap, so Brain_003 is now listed too.
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 3 / 4"));
    TypeText(editor_->EditName, QStringLiteral("N"));
    editor_->BitBtnSave->click();
    EXPECT_EQ(editor_->GetSection(), "Brain_002");
    EXPECT_EQ(PlayerSetFile::CountPlayers("Gap.tsp"), 4);
    EXPECT_TRUE(Holds("Gap.tsp", "[Brain_002]\r\nName=N"));
    EXPECT_TRUE(dialogs_.texts.empty());
}

TEST_F(SettingPlayerTest, StrategiesLimitsAndTextsAreSavedAsShown)
{
    Open("Set.tsp", Sections(2));
    QComboBox* user = editor_->ComboBox2ndBrainName[0];
    EXPECT_FALSE(user->isEditable());
    EXPECT_EQ(editor_->ComboBox1stBrainName[0]->currentText(), QStringLiteral("自角取"));
    EXPECT_EQ(editor_->ComboBox1stBrainName[0]->count(), 13);
    // The user's strategy, never offered, shows as an extra item only where the file has it.
    EXPECT_EQ(user->currentText(), QStringLiteral("ユーザ"));
    EXPECT_EQ(user->count(), 14);

    QComboBox* box = editor_->ComboBox3rdBrainName[1];
    box->setCurrentIndex(box->findText(QStringLiteral("相置小")));
    emit box->activated(box->currentIndex());
    const QString typed[6] = {QStringLiteral("1,2"), QStringLiteral("abc"), QStringLiteral("40;x"),
                              QString(), QStringLiteral("080"), QStringLiteral("99999999999")};
    for (int phase = 0; phase < 6; ++phase) {
        editor_->EditBrainLimit[phase]->setText(typed[phase]);
        emit editor_->EditBrainLimit[phase]->textEdited(typed[phase]);
    }
    EXPECT_EQ(editor_->UpDownBrainLimit[2]->value(), 40);
    EXPECT_EQ(editor_->UpDownBrainLimit[4]->value(), 72);
    editor_->UpDownBrainLimit[3]->stepUp();
    EXPECT_EQ(editor_->EditBrainLimit[3]->text(), QStringLiteral("1"));

    editor_->EditName->clear();
    TypeText(editor_->EditName, QStringLiteral("A,B;C!"));
    EXPECT_EQ(Name(), QStringLiteral("A，B；C！"));
    editor_->MemoComment->clear();
    TypeText(editor_->MemoComment, QStringLiteral("one\ntwo,"));
    EXPECT_EQ(editor_->MemoComment->toPlainText(), QStringLiteral("one two，"));
    editor_->MemoComment->setPlainText(QStringLiteral("x\r\ny!"));
    editor_->EditAuthor->setText(QStringLiteral("x;y"));
    emit editor_->EditAuthor->textEdited(editor_->EditAuthor->text());
    EXPECT_EQ(editor_->EditAuthor->text(), QStringLiteral("x；y"));

    editor_->BitBtnSave->click();
    for (const std::string& line : std::vector<std::string>{"Brain_00=1,NormalBrain02,,NormalBrain08", "Brain_01=0,NormalBrain04,,NormalBrain10", "Brain_02=40,,,",
          "Brain_03=1,,,", "Brain_04=80,,,", "Brain_05=2147483647,,,", "Name=" + Sj("A，B；C！"),
          "Author=" + Sj("x；y"), "Comment=" + Sj("x y！")})
        EXPECT_TRUE(Holds("Set.tsp", line)) << line;

    editor_->RadioButtonCreate->click();
    EXPECT_EQ(user->count(), 13);
    EXPECT_EQ(user->currentText(), QString());
}

TEST_F(SettingPlayerTest, BrowsingWrapsAndKeepsItsIndexBetweenShowings)
{
    Open("Five.tsp", Sections(5));
    const auto step = [this](QPushButton* button, int times) {
        for (int i = 0; i < times; ++i)
            button->click();
        return Name();
    };
    EXPECT_EQ(step(editor_->BitBtnBackPlayer, 1), QStringLiteral("P4"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("P0"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 3), QStringLiteral("P3"));
    editor_->BitBtnCloseClick();
    EXPECT_FALSE(editor_->isVisible());

    Open("Five.tsp");
    EXPECT_EQ(Name(), QStringLiteral("P0"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("P4"));
    editor_->BitBtnCloseClick();

    // The index left by the larger set lies past the end of a smaller one.
    Open("Two.tsp", Section(0, "Q0") + Section(1, "Q1"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("Q0"));
    EXPECT_EQ(editor_->BrowseIndex(), 0);
    editor_->BitBtnCloseClick();

    Open("Missing.tsp");
    editor_->BitBtnBackPlayer->click();
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(editor_->BrowseIndex(), 0);
    EXPECT_EQ(editor_->GetSection(), "Brain_000");
    EXPECT_FALSE(fs::exists("Missing.tsp"));
}

TEST_F(SettingPlayerTest, LeavingAfterAnEditAsksAndFollowsTheAnswer)
{
    using Leave = std::function<void(TFormSettingPlayer&)>;
    const Leave closeButton = [](TFormSettingPlayer& e) { e.BitBtnClose->click(); };
    const Leave closeBox = [](TFormSettingPlayer& e) { e.close(); };
    const Leave next = [](TFormSettingPlayer& e) { e.BitBtnNextPlayer->click(); };
    const Leave create = [](TFormSettingPlayer& e) { e.RadioButtonCreate->click(); };
    const struct {
        const char* what;
        Leave leave;
        int answer;
        bool stays;
        bool saved;
        bool modify;
    } cases[] = {
        {"close, cancel", closeButton, kModalCancel, true, false, true}, {"close, no", closeButton, kModalNo, false, false, true},
        {"close, yes", closeButton, kModalYes, false, true, true},       {"close box, no", closeBox, kModalNo, false, false, true},
        {"next, cancel", next, kModalCancel, true, false, true},         {"next, no", next, kModalNo, false, false, true},
        {"next, yes", next, kModalYes, false, true, true},               {"create, cancel", create, kModalCancel, true, false, true},
        {"create, yes", create, kModalYes, false, true, false},
    };
    const std::string original = Sections(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open("Set.tsp", original);
        editor_->BitBtnClose->click();
        EXPECT_FALSE(editor_->isVisible()) << "nothing changed: no question";
        Open("Set.tsp");
        asked_ = 0;
        TypeText(editor_->EditName, QStringLiteral("Z"));
        answer_ = c.answer;
        c.leave(*editor_);
        EXPECT_EQ(asked_, 1);
        EXPECT_EQ(editor_->isVisible() && Name() == QStringLiteral("P0Z") && editor_->BitBtnSave->isEnabled(), c.stays);
        EXPECT_EQ(editor_->RadioButtonModify->isChecked(), c.modify);
        EXPECT_EQ(Holds("Set.tsp", "Name=P0Z"), c.saved);
        editor_->hide();
    }

    // Back to modify after an edit of a new player: cancel keeps it, yes saves it and shows it.
    Open("Set.tsp", original);
    editor_->RadioButtonCreate->click();
    ChooseAllFaces();
    answer_ = kModalCancel;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonCreate->isChecked());
    answer_ = kModalYes;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_EQ(editor_->GetSection(), "Brain_002");
    EXPECT_EQ(editor_->FaceFile(4), "Pic\\f4.bmp");
}

TEST_F(SettingPlayerTest, RevertingShowsTheSavedPlayerOrClearsANewOne)
{
    Open("Set.tsp", Sections(2));
    EXPECT_FALSE(editor_->BitBtnDefault->isEnabled());
    editor_->UpDownBrainLimit[2]->stepUp();
    EXPECT_TRUE(editor_->BitBtnDefault->isEnabled());
    editor_->BitBtnDefault->click();
    EXPECT_EQ(editor_->EditBrainLimit[2]->text(), QStringLiteral("0"));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_FALSE(editor_->BitBtnDefault->isEnabled());

    editor_->RadioButtonCreate->click();
    TypeText(editor_->EditName, QStringLiteral("new"));
    ChooseAllFaces();
    editor_->BitBtnDefault->click();
    EXPECT_TRUE(Name().isEmpty());
    EXPECT_EQ(editor_->FaceFile(4), "");
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
}

TEST_F(SettingPlayerTest, TextsThatCannotBeWrittenAreRefusedAndNothingIsWritten)
{
    const std::string original = Sections(1);
    Open("Set.tsp", original);
    const struct {
        QString name;
        QString comment;
        const char* reason;
    } cases[] = {
        {QStringLiteral("한"), QStringLiteral("c"), "名前"},
        {QString(127, QChar(0x3042)), QString(256, QLatin1Char('c')), "コメント"},
    };
    for (const auto& c : cases) {
        editor_->EditName->setText(c.name);
        editor_->MemoComment->setPlainText(c.comment);
        editor_->BitBtnSave->click();
        ASSERT_FALSE(dialogs_.texts.empty());
        EXPECT_TRUE(dialogs_.texts.back().contains(QString::fromUtf8(c.reason))) << dialogs_.texts.back().toStdString();
        EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
        EXPECT_EQ(dir_.Read("Set.tsp"), original);
    }
    // Yes in the save question with a refused text keeps the editor open.
    answer_ = kModalYes;
    editor_->BitBtnClose->click();
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(dialogs_.texts.size(), 3u);

    editor_->MemoComment->setPlainText(QString(255, QLatin1Char('c')));
    editor_->BitBtnSave->click();
    EXPECT_EQ(dialogs_.texts.size(), 3u);
    EXPECT_TRUE(Holds("Set.tsp", "Comment=" + std::string(255, 'c')));

    // A set file that cannot be written is reported and Save stays enabled.
    TypeText(editor_->EditName, QStringLiteral("Z"));
    fs::rename("Set.tsp", "Moved.tsp");
    fs::create_directory("Set.tsp");
    editor_->BitBtnSave->click();
    ASSERT_EQ(dialogs_.texts.size(), 4u);
    EXPECT_TRUE(dialogs_.texts.back().contains(QStringLiteral("書き込めませんでした")));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
}

TEST_F(SettingPlayerTest, ChosenFacesAreStoredRelativeInsideTheFolderAndCheckedOtherwise)
{
    fs::create_directories("Pic/Deep");
    fs::copy_file("Pic/f2.bmp", "Pic/Deep/g.bmp");
    dir_.Write("Pic/broken.bmp", "not a picture");
    fs::copy_file("Pic/f0.bmp", "Pic/a,b.bmp");
    TempDir elsewhere;
    fs::copy_file("Pic/f3.bmp", elsewhere.Path() / "h.bmp");
    Open("Set.tsp", Sections(1));

    ChooseFace(1, Abs("Pic/Deep/g.bmp"));
    EXPECT_EQ(editor_->FaceFile(1), "Pic\\Deep\\g.bmp");
    EXPECT_EQ(PreviewCentre(), kFaceColours[2]);
    const std::string outside = (elsewhere.Path() / "h.bmp").string();
    ChooseFace(3, QString::fromStdString(outside));
    std::string outsideStored = outside;
    std::replace(outsideStored.begin(), outsideStored.end(), '/', '\\');
    EXPECT_EQ(editor_->FaceFile(3), outsideStored);
    EXPECT_EQ(PreviewCentre(), kFaceColours[3]);
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].startsWith(QStringLiteral("選んだ絵はプログラムのフォルダの外にあります。")));
    EXPECT_EQ(FileDialogs::PictureStartFolder(), QString::fromStdString(elsewhere.Path().string()));

    ChooseFace(2, Abs("Pic/broken.bmp"));
    EXPECT_EQ(dialogs_.texts.size(), 2u);
    EXPECT_EQ(editor_->FaceFile(2), "Pic\\broken.bmp") << "reported, kept";
    editor_->ScrollBarFace->setValue(0);
    editor_->ScrollBarFace->setValue(2);
    EXPECT_EQ(dialogs_.texts.size(), 2u) << "showing it again reports nothing";
    ChooseFace(0, Abs("Pic/a,b.bmp"));
    ChooseFace(0, Abs("Pic/" + std::string(130, 'd') + "/" + std::string(130, 'e') + "/face.bmp"));
    EXPECT_EQ(dialogs_.texts.size(), 4u);
    EXPECT_EQ(editor_->FaceFile(0), "Pic\\f0.bmp") << "refused names change nothing";
    editor_->ScrollBarFace->setValue(1);
    editor_->BitBtnReferPlayer->click();
    EXPECT_EQ(editor_->FaceFile(1), "Pic\\Deep\\g.bmp") << "cancelling the dialog changes nothing";
    EXPECT_EQ(fs::current_path(), dir_.Path());

    editor_->BitBtnSave->click();
    EXPECT_TRUE(Holds("Set.tsp", "Face_01=Pic\\Deep\\g.bmp\r\nFace_02=Pic\\broken.bmp\r\nFace_03=" + outsideStored));
}

TEST_F(SettingPlayerTest, ShowingAPlayerReturnsTheFaceScrollBarToTheFirstFace)
{
    Open("Set.tsp", Sections(2));
    EXPECT_EQ(PreviewCentre(), kFaceColours[0]);
    editor_->ScrollBarFace->setValue(3);
    EXPECT_EQ(PreviewCentre(), kFaceColours[3]);
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 0);
    EXPECT_EQ(PreviewCentre(), kFaceColours[0]);
    dialogs_.picks.push_back(Abs("Pic/f4.bmp"));
    editor_->BitBtnReferPlayer->click();
    EXPECT_EQ(editor_->FaceFile(0), "Pic\\f4.bmp") << "the browse button replaces the face on show";

    // Clearing for a new player empties the face on show without moving the scroll bar.
    editor_->ScrollBarFace->setValue(3);
    answer_ = kModalNo;
    editor_->RadioButtonCreate->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 3);
    EXPECT_TRUE(editor_->ImageFace->pixmap().isNull());
}

TEST_F(SettingPlayerTest, ASetFileThatWouldLoseLinesOrIsMissingIsReportedAndSavingAsksFirst)
{
    const std::string broken = Sections(1) + "[Broken\r\nName=kept\r\n";
    Open("Set.tsp", broken);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("1 行あります（最初は 18 行目")));
    TypeText(editor_->EditAuthor, QStringLiteral("x"));
    dialogs_.answer = kModalCancel;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Set.tsp"), broken);
    dialogs_.answer = kModalYes;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Set.tsp").find("kept"), std::string::npos);
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    editor_->hide();
    Open("Gone.tsp");
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.texts.size(), 4u);
    EXPECT_TRUE(dialogs_.texts[3].contains(QStringLiteral("「Gone.tsp」が見つかりません")));
}

// The shared entry buttons are tested through the board editor; this checks the player editor's wiring.
TEST_F(SettingPlayerTest, PlayersAreDeletedAndMovedWithTheReferencesReported)
{
    std::vector<SetEntries::Renumbering> calls;
    editor_->SetOnRenumbered([&calls](const SetEntries::Renumbering& renumbering) {
        calls.push_back(renumbering);
        return QStringLiteral("moved");
    });
    Open("Set.tsp", Sections(3));
    EXPECT_EQ(editor_->windowTitle(), QStringLiteral("テセラ／ユーザ用プレーヤーセット － Mine"));
    EXPECT_FALSE(editor_->BitBtnUpPlayer->isEnabled());
    TypeText(editor_->EditName, QStringLiteral("x"));
    editor_->BitBtnDownPlayer->click();
    EXPECT_EQ(Name(), QStringLiteral("P0x")) << "cancelling the save question keeps the edit and the order";
    answer_ = kModalNo;
    editor_->BitBtnDownPlayer->click();
    EXPECT_EQ(Name(), QStringLiteral("P0"));
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 2 / 3"));
    EXPECT_EQ(dialogs_.texts, std::vector<QString>{QStringLiteral("moved")});
    dialogs_.answer = kModalYes;
    editor_->BitBtnDeletePlayer->click();
    EXPECT_EQ(Name(), QStringLiteral("P2"));
    EXPECT_EQ(PlayerSetFile::CountPlayers("Set.tsp"), 2);
    EXPECT_EQ(calls, (std::vector<SetEntries::Renumbering>{{1, 0, 2}, {0, -1, 1}}));
}

TEST_F(SettingPlayerTest, StrategiesAndFacesAreExplainedAndAShortLastPhaseIsWarned)
{
    Open("Set.tsp", Sections(1));
    EXPECT_EQ(editor_->ComboBox1stBrainName[0]->toolTip(),
              QStringLiteral("角（八角形の頂点の 8 マス）に置ける手すべてに票を入れます。"));
    EXPECT_EQ(editor_->LabelFaceMeaning->text(), QStringLiteral("顔 1：ふつう"));
    editor_->ScrollBarFace->setValue(4);
    EXPECT_EQ(editor_->LabelFaceMeaning->text(), QStringLiteral("顔 5：負け"));
    EXPECT_TRUE(editor_->LabelPhaseWarning->text().isEmpty()) << "the last used phase ends at 72";
    editor_->EditBrainLimit[1]->selectAll();
    TypeText(editor_->EditBrainLimit[1], QStringLiteral("60"));
    EXPECT_TRUE(editor_->LabelPhaseWarning->text().startsWith(QStringLiteral("手数 60 より後の手")));
}

TEST_F(SettingPlayerTest, MeasuringStrengthPlaysInTheBackgroundAndCanBeCancelled)
{
    dir_.Write("Standard.tsp", "[Brain_000]\r\nName=Rand\r\nBrain_00=72,NormalBrain01,,\r\n"
                               "[Brain_001]\r\nName=Greedy\r\nBrain_00=72,NormalBrain08,,\r\n");
    Open("Set.tsp", Sections(1));
    ASSERT_EQ(editor_->ComboBoxMeasureOpponent->count(), 2);
    EXPECT_EQ(editor_->ComboBoxMeasureOpponent->currentText(), QStringLiteral("Greedy")) << "the last, strongest one";

    editor_->BitBtnMeasure->click();
    EXPECT_FALSE(editor_->BitBtnMeasure->isEnabled());
    EXPECT_TRUE(editor_->BitBtnMeasureCancel->isEnabled());
    TypeText(editor_->EditAuthor, QStringLiteral("x"));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled()) << "the editor stays usable while the games run";
    while (!editor_->Trial().Finished())
        std::this_thread::yield();
    editor_->TimerMeasureTimer();
    EXPECT_EQ(editor_->ProgressBarMeasure->value(), StrengthTrial::kGames);
    const std::string result = editor_->LabelMeasureResult->text().toStdString();
    const auto match = MatchWhole(result, R"((\d+)勝 (\d+)敗 (\d+)分 \(対 Greedy\))");
    ASSERT_TRUE(match) << result;
    EXPECT_EQ(std::stoi((*match)[1]) + std::stoi((*match)[2]) + std::stoi((*match)[3]), StrengthTrial::kGames);
    EXPECT_TRUE(editor_->BitBtnMeasure->isEnabled());

    editor_->BitBtnMeasure->click();
    editor_->BitBtnMeasureCancel->click();
    EXPECT_FALSE(editor_->Trial().Running());
    EXPECT_EQ(editor_->LabelMeasureResult->text(), QStringLiteral("中止しました"));
    EXPECT_TRUE(editor_->BitBtnMeasure->isEnabled());
    EXPECT_FALSE(editor_->BitBtnMeasureCancel->isEnabled());
}

}  // namespace
