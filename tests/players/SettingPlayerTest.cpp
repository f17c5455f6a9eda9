#include "players/TFormSettingPlayer.h"

#include "platform/FileDialogs.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/InProgramFolder.h"
#include "support/PlayerSetText.h"
#include "support/ScriptedDialogs.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"
#include "support/TextMatch.h"

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
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const QRgb kFaceColours[5] = {qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(0, 0, 250), qRgb(250, 250, 0), qRgb(0, 250, 250)};

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

    bool Holds(const std::string& file, const std::string& line) const
    {
        return dir_.Read(file).find("\r\n" + line + "\r\n") != std::string::npos;
    }

    QString Abs(const std::string& relative) const { return QString::fromStdString((dir_.Path() / relative).string()); }

    void ChooseFace(int index, const QString& path)
    {
        editor_->ScrollBarFace->setValue(index);
        dialogs_.picks.push_back(path);
        editor_->BitBtnReferPlayer->click();
    }

    void ChooseFaces(int count = 5)
    {
        for (int i = 0; i < count; ++i)
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
    const std::string before = PlayerSectionText(0, "P0") + PlayerSectionText(1, "P1") + PlayerSectionText(3, "P3");
    Open("Gap.tsp", before);
    editor_->RadioButtonCreate->click();
    EXPECT_FALSE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_FALSE(editor_->BitBtnDeletePlayer->isEnabled());
    EXPECT_TRUE(Name().isEmpty());
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 新規 / 2"));
    ChooseFaces(4);
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled()) << "all five faces are needed";
    ChooseFace(4, Abs("Pic/f4.bmp"));
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
    Open("Set.tsp", PlayerSectionsText(2));
    QComboBox* user = editor_->ComboBox2ndBrainName[0];
    EXPECT_EQ(editor_->ComboBox1stBrainName[0]->currentText(), QStringLiteral("自角取"));
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

    EXPECT_TRUE(editor_->LabelPhaseWarning->text().startsWith(QStringLiteral("手数 1 より後の手")));
    EXPECT_TRUE(editor_->BitBtnDefault->isEnabled());

    editor_->BitBtnSave->click();
    for (const std::string& line : {std::string("Brain_00=1,NormalBrain02,,NormalBrain08"), std::string("Brain_02=40,,,"),
                                     std::string("Brain_01=0,NormalBrain04,,NormalBrain10"), std::string("Brain_03=1,,,"),
                                     std::string("Brain_04=80,,,"), std::string("Brain_05=2147483647,,,"),
                                     "Name=" + Sj("A，B；C！"), "Author=" + Sj("x；y"), "Comment=" + Sj("x y！")})
        EXPECT_TRUE(Holds("Set.tsp", line)) << line;

    editor_->UpDownBrainLimit[2]->stepUp();
    editor_->BitBtnDefault->click();
    EXPECT_EQ(editor_->EditBrainLimit[2]->text(), QStringLiteral("40"));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled() || editor_->BitBtnDefault->isEnabled());

    // Reverting a new player clears it again.
    editor_->RadioButtonCreate->click();
    EXPECT_EQ(user->count(), 13);
    EXPECT_EQ(user->currentText(), QString());
    ChooseFaces();
    editor_->BitBtnDefault->click();
    EXPECT_EQ(editor_->FaceFile(4), "");
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
}

// Browsing wraps and keeps its index between showings; players are moved and deleted with the references
// reported (the shared entry buttons are tested through the board editor; this checks the wiring).
TEST_F(SettingPlayerTest, BrowsingWrapsAndPlayersAreMovedAndDeleted)
{
    std::vector<SetEntries::Renumbering> calls;
    editor_->SetOnRenumbered([&calls](const SetEntries::Renumbering& renumbering) {
        calls.push_back(renumbering);
        return QStringLiteral("moved");
    });
    Open("Five.tsp", PlayerSectionsText(5));
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
    Open("Two.tsp", PlayerSectionText(0, "Q0") + PlayerSectionText(1, "Q1"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("Q0"));
    EXPECT_EQ(editor_->BrowseIndex(), 0);
    editor_->BitBtnCloseClick();

    Open("Missing.tsp");
    editor_->BitBtnBackPlayer->click();
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(editor_->BrowseIndex(), 0);
    EXPECT_EQ(editor_->GetSection(), "Brain_000");
    EXPECT_FALSE(fs::exists("Missing.tsp"));
    editor_->BitBtnCloseClick();

    Open("Set.tsp", PlayerSectionsText(3));
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

TEST_F(SettingPlayerTest, LeavingAfterAnEditAsksAndFollowsTheAnswer)
{
    using Leave = std::function<void(TFormSettingPlayer&)>;
    const Leave closeButton = [](TFormSettingPlayer& e) { e.BitBtnClose->click(); };
    const Leave closeBox = [](TFormSettingPlayer& e) { e.close(); };
    const Leave next = [](TFormSettingPlayer& e) { e.BitBtnNextPlayer->click(); };
    const Leave create = [](TFormSettingPlayer& e) { e.RadioButtonCreate->click(); };
    // How the editor is left, the answer to the save question, then whether the edit stays, is saved, and the
    // editor stays in modify mode.
    const std::tuple<const char*, Leave, int, bool, bool, bool> cases[] = {
        {"close, cancel", closeButton, kModalCancel, true, false, true}, {"close, no", closeButton, kModalNo, false, false, true},
        {"close, yes", closeButton, kModalYes, false, true, true},       {"close box, no", closeBox, kModalNo, false, false, true},
        {"next, cancel", next, kModalCancel, true, false, true},         {"next, no", next, kModalNo, false, false, true},
        {"next, yes", next, kModalYes, false, true, true},               {"create, cancel", create, kModalCancel, true, false, true},
        {"create, yes", create, kModalYes, false, true, false},
    };
    const std::string original = PlayerSectionsText(2);
    Open("Set.tsp", original);
    editor_->BitBtnClose->click();
    EXPECT_FALSE(editor_->isVisible()) << "nothing changed: no question";
    for (const auto& [what, leave, answer, stays, saved, modify] : cases) {
        SCOPED_TRACE(what);
        Open("Set.tsp", original);
        asked_ = 0;
        TypeText(editor_->EditName, QStringLiteral("Z"));
        answer_ = answer;
        leave(*editor_);
        EXPECT_EQ(asked_, 1);
        EXPECT_EQ(editor_->isVisible() && Name() == QStringLiteral("P0Z") && editor_->BitBtnSave->isEnabled(), stays);
        EXPECT_EQ(editor_->RadioButtonModify->isChecked(), modify);
        EXPECT_EQ(Holds("Set.tsp", "Name=P0Z"), saved);
        editor_->hide();
    }

    // Back to modify after an edit of a new player: cancel keeps it, yes saves it and shows it.
    Open("Set.tsp", original);
    editor_->RadioButtonCreate->click();
    ChooseFaces();
    answer_ = kModalCancel;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonCreate->isChecked());
    answer_ = kModalYes;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_EQ(editor_->GetSection() + editor_->FaceFile(4), "Brain_002Pic\\f4.bmp");
}

// Texts or a set file that cannot be written are refused or reported; lines a save would lose are asked about.
TEST_F(SettingPlayerTest, WhatCannotBeWrittenIsRefusedOrReportedAndLosingLinesIsAskedFirst)
{
    const std::string original = PlayerSectionsText(1);
    Open("Set.tsp", original);
    // Name, comment, and the field the refusal names.
    const std::tuple<QString, QString, const char*> cases[] = {
        {QStringLiteral("한"), QStringLiteral("c"), "名前"},
        {QString(127, QChar(0x3042)), QString(256, QLatin1Char('c')), "コメント"},
    };
    for (const auto& [name, comment, field] : cases) {
        editor_->EditName->setText(name);
        editor_->MemoComment->setPlainText(comment);
        editor_->BitBtnSave->click();
        ASSERT_FALSE(dialogs_.texts.empty());
        EXPECT_TRUE(dialogs_.texts.back().contains(QString::fromUtf8(field))) << dialogs_.texts.back().toStdString();
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

    editor_->hide();
    const std::string broken = PlayerSectionsText(1) + "[Broken\r\nName=kept\r\n";
    Open("Lossy.tsp", broken);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs_.texts.size(), 5u);
    TypeText(editor_->EditAuthor, QStringLiteral("x"));
    dialogs_.answer = kModalCancel;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Lossy.tsp"), broken);
    dialogs_.answer = kModalYes;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Lossy.tsp").find("kept"), std::string::npos);
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    editor_->hide();
    Open("Gone.tsp");
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.texts.size(), 8u);
    EXPECT_TRUE(dialogs_.texts.back().contains(QStringLiteral("「Gone.tsp」が見つかりません")));
}

TEST_F(SettingPlayerTest, ChosenFacesAreStoredRelativeInsideTheFolderAndCheckedOtherwise)
{
    fs::create_directories("Pic/Deep");
    fs::copy_file("Pic/f2.bmp", "Pic/Deep/g.bmp");
    dir_.Write("Pic/broken.bmp", "not a picture");
    fs::copy_file("Pic/f0.bmp", "Pic/a,b.bmp");
    TempDir elsewhere;
    fs::copy_file("Pic/f3.bmp", elsewhere.Path() / "h.bmp");
    Open("Set.tsp", PlayerSectionsText(1));

    ChooseFace(1, Abs("Pic/Deep/g.bmp"));
    EXPECT_EQ(editor_->FaceFile(1), "Pic\\Deep\\g.bmp");
    EXPECT_EQ(PreviewCentre(), kFaceColours[2]);
    const std::string outside = (elsewhere.Path() / "h.bmp").string();
    ChooseFace(3, QString::fromStdString(outside));
    std::string outsideStored = outside;
    std::replace(outsideStored.begin(), outsideStored.end(), '/', '\\');
    EXPECT_EQ(editor_->FaceFile(3), outsideStored);
    EXPECT_EQ(PreviewCentre(), kFaceColours[3]);
    EXPECT_EQ(dialogs_.texts.size(), 1u) << "a face outside the program folder is reported";
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

    // Showing a player returns the scroll bar to the first face; clearing for a new one keeps it.
    editor_->ScrollBarFace->setValue(3);
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 0);
    EXPECT_EQ(PreviewCentre(), kFaceColours[0]);
    editor_->ScrollBarFace->setValue(3);
    editor_->RadioButtonCreate->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 3);
    EXPECT_TRUE(editor_->ImageFace->pixmap().isNull());
}

TEST_F(SettingPlayerTest, MeasuringStrengthPlaysInTheBackgroundAndCanBeCancelled)
{
    dir_.Write("Standard.tsp", "[Brain_000]\r\nName=Rand\r\nBrain_00=72,NormalBrain01,,\r\n"
                               "[Brain_001]\r\nName=Greedy\r\nBrain_00=72,NormalBrain08,,\r\n");
    Open("Set.tsp", PlayerSectionsText(1));
    ASSERT_EQ(editor_->ComboBoxMeasureOpponent->count(), 2);
    EXPECT_EQ(editor_->ComboBoxMeasureOpponent->currentText(), QStringLiteral("Greedy")) << "the last, strongest one";

    editor_->BitBtnMeasure->click();
    EXPECT_FALSE(editor_->BitBtnMeasure->isEnabled());
    EXPECT_TRUE(editor_->BitBtnMeasureCancel->isEnabled());
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
