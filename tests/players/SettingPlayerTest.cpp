#include "players/TFormSettingPlayer.h"

#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/FileDialogs.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Sj(const char* utf8)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &bytes));
    return bytes;
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c == QLatin1Char('\n') ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

const QRgb kFaceColours[5] = {qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(0, 0, 250), qRgb(250, 250, 0), qRgb(0, 250, 250)};

std::string Section(int number, const std::string& name)
{
    std::string text = PlayerSetFile::PlayerSection(number);
    text = "[" + text + "]\r\nName=" + name + "\r\nAuthor=A" + std::to_string(number) + "\r\nComment=C\r\nStretch=False\r\n";
    for (int i = 0; i < 5; ++i)
        text += "Face_0" + std::to_string(i) + "=Pic\\f" + std::to_string(i) + ".bmp\r\n";
    text += "Brain_00=20,NormalBrain02,NormalBrain00,NormalBrain08\r\nBrain_01=72,NormalBrain04,,\r\n"
            "Brain_02=0,,,\r\nBrain_03=0,,,\r\nBrain_04=0,,,\r\nBrain_05=0,,,\r\n";
    return text;
}

class SettingPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        fs::create_directories("Pic");
        for (int i = 0; i < 5; ++i) {
            QImage face(100, 100, QImage::Format_RGB32);
            face.fill(kFaceColours[i]);
            ASSERT_TRUE(face.save(QStringLiteral("Pic/f%1.bmp").arg(i), "BMP"));
        }
        ModalHost::SetResponder([this](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                messages_.push_back(box->text());
            return boxAnswer_;
        });
        FileDialogs::SetResponder([this](const QString& caption, const QString&) {
            captions_.push_back(caption);
            return picks_.empty() ? QString() : picks_.takeFirst();
        });
        editor_ = std::make_unique<TFormSettingPlayer>();
        editor_->SetAskSave([this] {
            ++asked_;
            return answer_;
        });
    }

    void TearDown() override
    {
        editor_.reset();
        ModalHost::SetResponder({});
        FileDialogs::SetResponder({});
        fs::current_path(previous_);
    }

    void Open(const std::string& file)
    {
        editor_->SetPlayerSet("Mine", file, QString::fromStdString(dir_.Path().string()));
        editor_->show();
    }

    QString Abs(const QString& relative) const
    {
        return QString::fromStdString((dir_.Path() / relative.toStdString()).string());
    }

    void ChooseFace(int index, const QString& path)
    {
        editor_->ScrollBarFace->setValue(index);
        picks_.push_back(path);
        editor_->BitBtnReferPlayer->click();
    }

    QRgb PreviewCentre() const
    {
        return editor_->ImageFace->pixmap().toImage().pixel(50, 50);
    }

    TempDir dir_;
    fs::path previous_;
    std::unique_ptr<TFormSettingPlayer> editor_;
    std::vector<QString> messages_;
    std::vector<QString> captions_;
    QStringList picks_;
    int asked_ = 0;
    int answer_ = kModalCancel;
    int boxAnswer_ = kModalOk;
};

TEST_F(SettingPlayerTest, AddModeAppendsAfterTheLastListedPlayerAndAgainOnEachSave)
{
    const std::string before = Section(0, "P0") + Section(1, "P1") + Section(3, "P3");
    dir_.Write("Gap.tsp", before);
    Open("Gap.tsp");

    editor_->RadioButtonCreate->click();
    EXPECT_FALSE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_FALSE(editor_->BitBtnBackPlayer->isEnabled());
    EXPECT_TRUE(editor_->EditName->text().isEmpty());
    for (int i = 0; i < 5; ++i)
        ChooseFace(i, Abs(QStringLiteral("Pic/f%1.bmp").arg(i)));
    EXPECT_EQ(std::vector<QString>(5, QStringLiteral("プレーヤーの絵を開く")), captions_);
    ASSERT_TRUE(editor_->BitBtnSave->isEnabled());
    editor_->BitBtnSave->click();

    const std::string added = "[Brain_002]\r\nName=\r\nAuthor=\r\nComment=\r\nStretch=False\r\n"
                              "Face_00=Pic\\f0.bmp\r\nFace_01=Pic\\f1.bmp\r\nFace_02=Pic\\f2.bmp\r\n"
                              "Face_03=Pic\\f3.bmp\r\nFace_04=Pic\\f4.bmp\r\n"
                              "Brain_00=0,,,\r\nBrain_01=0,,,\r\nBrain_02=0,,,\r\nBrain_03=0,,,\r\n"
                              "Brain_04=0,,,\r\nBrain_05=0,,,\r\n";
    EXPECT_EQ(before + added, dir_.Read("Gap.tsp"));
    EXPECT_EQ("Brain_002", editor_->GetSection());
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    // The player just added is the one a further save changes.
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_TRUE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_EQ(editor_->LabelModeNote->text(), QStringLiteral("プレーヤー 3 として追加しました。ここからは修正です"));

    // Brain_002 closed the gap, so Brain_003 is now listed too.
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 3 / 4"));
    TypeText(editor_->EditName, QStringLiteral("N"));
    editor_->BitBtnSave->click();
    EXPECT_EQ("Brain_002", editor_->GetSection());
    EXPECT_EQ(4, PlayerSetFile::CountPlayers("Gap.tsp"));
    EXPECT_NE(std::string::npos, dir_.Read("Gap.tsp").find("[Brain_002]\r\nName=N\r\n"));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SettingPlayerTest, StrategiesArePickedFromAListAndSavedAsShown)
{
    dir_.Write("Set.tsp", Section(0, "P0") + Section(1, "P1"));
    Open("Set.tsp");
    QComboBox* user = editor_->ComboBox2ndBrainName[0];
    EXPECT_FALSE(user->isEditable());
    EXPECT_EQ(QStringLiteral("自角取"), editor_->ComboBox1stBrainName[0]->currentText());
    EXPECT_EQ(13, editor_->ComboBox1stBrainName[0]->count());
    EXPECT_NE(-1, editor_->ComboBox1stBrainName[0]->findText(QStringLiteral("深読み")));
    // The user's strategy, never offered, shows as an extra item only where the file has it.
    EXPECT_EQ(QStringLiteral("ユーザ"), user->currentText());
    EXPECT_EQ(14, user->count());

    TypeText(editor_->EditAuthor, QStringLiteral("x"));
    QComboBox* box = editor_->ComboBox3rdBrainName[1];
    box->setCurrentIndex(box->findText(QStringLiteral("相置小")));
    emit box->activated(box->currentIndex());
    editor_->BitBtnSave->click();
    const std::string written = dir_.Read("Set.tsp");
    EXPECT_NE(std::string::npos, written.find("\r\nAuthor=A0x\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_00=20,NormalBrain02,NormalBrain00,NormalBrain08\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_01=72,NormalBrain04,,NormalBrain10\r\n"));

    editor_->RadioButtonCreate->click();
    EXPECT_EQ(13, user->count());
    EXPECT_EQ(QString(), user->currentText());
}

TEST_F(SettingPlayerTest, BrowsingWrapsAndKeepsItsIndexBetweenShowings)
{
    std::string set;
    for (int n = 0; n < 5; ++n)
        set += Section(n, "P" + std::to_string(n));
    dir_.Write("Five.tsp", set);
    Open("Five.tsp");
    EXPECT_EQ(QStringLiteral("P0"), editor_->EditName->text());
    editor_->BitBtnBackPlayer->click();
    EXPECT_EQ(QStringLiteral("P4"), editor_->EditName->text());
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(QStringLiteral("P0"), editor_->EditName->text());
    for (int i = 0; i < 3; ++i)
        editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(QStringLiteral("P3"), editor_->EditName->text());
    editor_->BitBtnCloseClick();
    EXPECT_FALSE(editor_->isVisible());

    Open("Five.tsp");
    EXPECT_EQ(QStringLiteral("P0"), editor_->EditName->text());
    EXPECT_EQ("Brain_000", editor_->GetSection());
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(QStringLiteral("P4"), editor_->EditName->text());
    editor_->BitBtnCloseClick();

    // The index left by the larger set lies past the end of a smaller one.
    dir_.Write("Two.tsp", Section(0, "Q0") + Section(1, "Q1"));
    Open("Two.tsp");
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(0, editor_->BrowseIndex());
    EXPECT_EQ(QStringLiteral("Q0"), editor_->EditName->text());
    editor_->BitBtnCloseClick();

    Open("Missing.tsp");
    EXPECT_EQ(0, editor_->PlayerCount());
    editor_->BitBtnBackPlayer->click();
    EXPECT_EQ(0, editor_->BrowseIndex());
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(0, editor_->BrowseIndex());
    EXPECT_EQ("Brain_000", editor_->GetSection());
    EXPECT_FALSE(fs::exists("Missing.tsp"));
}

TEST_F(SettingPlayerTest, CloseAsksOnlyWithUnsavedChangesAndActsOnTheAnswer)
{
    const std::string original = Section(0, "P0");
    dir_.Write("Set.tsp", original);
    Open("Set.tsp");
    editor_->BitBtnClose->click();
    EXPECT_EQ(0, asked_);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(kModalCancel, editor_->result());

    Open("Set.tsp");
    TypeText(editor_->EditName, QStringLiteral("Z"));
    answer_ = kModalCancel;
    editor_->BitBtnClose->click();
    EXPECT_EQ(1, asked_);
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(QStringLiteral("P0Z"), editor_->EditName->text());
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    EXPECT_EQ(original, dir_.Read("Set.tsp"));

    // The close box runs the same question.
    answer_ = kModalNo;
    editor_->close();
    EXPECT_EQ(2, asked_);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(original, dir_.Read("Set.tsp"));

    Open("Set.tsp");
    TypeText(editor_->EditName, QStringLiteral("Y"));
    answer_ = kModalYes;
    editor_->BitBtnClose->click();
    EXPECT_EQ(3, asked_);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_EQ(kModalCancel, editor_->result());
    EXPECT_NE(std::string::npos, dir_.Read("Set.tsp").find("\r\nName=P0Y\r\n"));
}

TEST_F(SettingPlayerTest, SaveNeedsAllFiveFacesAndLoadingClearingAndSavingDisableIt)
{
    dir_.Write("Set.tsp", Section(0, "P0") + Section(1, "P1"));
    Open("Set.tsp");
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_FALSE(editor_->BitBtnDefault->isEnabled());

    editor_->UpDownBrainLimit[2]->stepUp();
    EXPECT_EQ(QStringLiteral("1"), editor_->EditBrainLimit[2]->text());
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    EXPECT_TRUE(editor_->BitBtnDefault->isEnabled());

    editor_->BitBtnDefault->click();
    EXPECT_EQ(QStringLiteral("0"), editor_->EditBrainLimit[2]->text());
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_FALSE(editor_->BitBtnDefault->isEnabled());

    QComboBox* box = editor_->ComboBox3rdBrainName[5];
    box->setCurrentIndex(10);
    emit box->activated(10);
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    editor_->BitBtnSave->click();
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_NE(std::string::npos, dir_.Read("Set.tsp").find("\r\nBrain_05=0,,,NormalBrain10\r\n"));

    // Browsing after an edit asks first: cancel stays, no discards and goes on.
    TypeText(editor_->EditName, QStringLiteral("q"));
    answer_ = kModalCancel;
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(QStringLiteral("P0q"), editor_->EditName->text());
    answer_ = kModalNo;
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(QStringLiteral("P1"), editor_->EditName->text());
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    EXPECT_EQ(2, asked_);
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(2, asked_);

    editor_->RadioButtonCreate->click();
    TypeText(editor_->EditName, QStringLiteral("new"));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    for (int i = 0; i < 4; ++i)
        ChooseFace(i, Abs(QStringLiteral("Pic/f%1.bmp").arg(i)));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());
    ChooseFace(4, Abs(QStringLiteral("Pic/f4.bmp")));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    EXPECT_TRUE(editor_->BitBtnDefault->isEnabled());
    editor_->BitBtnDefault->click();
    EXPECT_TRUE(editor_->EditName->text().isEmpty());
    EXPECT_EQ("", editor_->FaceFile(4));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    // Back to modify after an edit: cancel keeps the new player, yes saves it and shows it.
    TypeText(editor_->EditName, QStringLiteral("new"));
    for (int i = 0; i < 5; ++i)
        ChooseFace(i, Abs(QStringLiteral("Pic/f%1.bmp").arg(i)));
    answer_ = kModalCancel;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonCreate->isChecked());
    EXPECT_EQ(QStringLiteral("new"), editor_->EditName->text());
    answer_ = kModalYes;
    editor_->RadioButtonModify->click();
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked());
    EXPECT_EQ(QStringLiteral("new"), editor_->EditName->text());
    EXPECT_EQ("Brain_002", editor_->GetSection());
    EXPECT_TRUE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_EQ("Pic\\f4.bmp", editor_->FaceFile(4));
}

TEST_F(SettingPlayerTest, SeparatorsTypedBecomeFullWidthAndCommentLineBreaksSpaces)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    Open("Set.tsp");
    editor_->EditName->clear();
    TypeText(editor_->EditName, QStringLiteral("A,B;C!"));
    EXPECT_EQ(QStringLiteral("A，B；C！"), editor_->EditName->text());
    editor_->MemoComment->clear();
    TypeText(editor_->MemoComment, QStringLiteral("one\ntwo,"));
    EXPECT_EQ(QStringLiteral("one two，"), editor_->MemoComment->toPlainText());
    editor_->MemoComment->setPlainText(QStringLiteral("x\r\ny!"));
    EXPECT_EQ(QStringLiteral("x y！"), editor_->MemoComment->toPlainText());
    editor_->EditAuthor->setText(QStringLiteral("x;y"));
    emit editor_->EditAuthor->textEdited(editor_->EditAuthor->text());
    EXPECT_EQ(QStringLiteral("x；y"), editor_->EditAuthor->text());

    editor_->BitBtnSave->click();
    const std::string written = dir_.Read("Set.tsp");
    EXPECT_NE(std::string::npos, written.find("\r\nName=" + Sj("A，B；C！") + "\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nAuthor=" + Sj("x；y") + "\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nComment=" + Sj("x y！") + "\r\n"));

    Player player(nullptr, nullptr, 0);
    player.Load("Set.tsp", "Brain_000");
    EXPECT_EQ(Sj("A，B；C！"), player.Name());
    EXPECT_EQ(Sj("x y！"), player.Comment());
}

TEST_F(SettingPlayerTest, TextOutsideCp932OrTooLongIsRefusedAndNothingIsWritten)
{
    const std::string original = Section(0, "P0");
    dir_.Write("Set.tsp", original);
    Open("Set.tsp");
    TypeText(editor_->EditName, QStringLiteral("한"));
    editor_->BitBtnSave->click();
    ASSERT_EQ(1u, messages_.size());
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("名前")));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    EXPECT_EQ(original, dir_.Read("Set.tsp"));

    // Yes in the save question with a refused text keeps the editor open.
    answer_ = kModalYes;
    editor_->BitBtnClose->click();
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(2u, messages_.size());

    editor_->EditName->setText(QString(127, QChar(0x3042)));
    editor_->MemoComment->setPlainText(QString(256, QLatin1Char('c')));
    editor_->BitBtnSave->click();
    ASSERT_EQ(3u, messages_.size());
    EXPECT_TRUE(messages_[2].contains(QStringLiteral("コメント")));
    EXPECT_EQ(original, dir_.Read("Set.tsp"));

    editor_->MemoComment->setPlainText(QString(255, QLatin1Char('c')));
    editor_->BitBtnSave->click();
    EXPECT_EQ(3u, messages_.size());
    EXPECT_NE(std::string::npos, dir_.Read("Set.tsp").find("\r\nComment=" + std::string(255, 'c') + "\r\n"));
}

TEST_F(SettingPlayerTest, AnUnwritableSetFileIsReportedAndSaveStaysEnabled)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    Open("Set.tsp");
    TypeText(editor_->EditName, QStringLiteral("Z"));
    fs::rename("Set.tsp", "Moved.tsp");
    fs::create_directory("Set.tsp");
    editor_->BitBtnSave->click();
    ASSERT_EQ(1u, messages_.size());
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("書き込めませんでした")));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());

    answer_ = kModalYes;
    editor_->BitBtnClose->click();
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(2u, messages_.size());
}

TEST_F(SettingPlayerTest, ChosenFacesAreStoredRelativeInsideTheProgramFolderAndWholeOutside)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    fs::create_directories("Pic/Deep");
    fs::copy_file("Pic/f2.bmp", "Pic/Deep/g.bmp");
    TempDir elsewhere;
    fs::copy_file("Pic/f3.bmp", elsewhere.Path() / "h.bmp");
    Open("Set.tsp");

    ChooseFace(1, Abs(QStringLiteral("Pic/Deep/g.bmp")));
    EXPECT_EQ("Pic\\Deep\\g.bmp", editor_->FaceFile(1));
    EXPECT_EQ(kFaceColours[2], PreviewCentre());
    const std::string outside = (elsewhere.Path() / "h.bmp").string();
    ChooseFace(3, QString::fromStdString(outside));
    std::string outsideStored = outside;
    std::replace(outsideStored.begin(), outsideStored.end(), '/', '\\');
    EXPECT_EQ(outsideStored, editor_->FaceFile(3));
    EXPECT_EQ(kFaceColours[3], PreviewCentre());
    // The offer to copy it into the folder was declined.
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("選んだ絵はプログラムのフォルダの外にあります。")));

    editor_->BitBtnSave->click();
    const std::string written = dir_.Read("Set.tsp");
    EXPECT_NE(std::string::npos, written.find("\r\nFace_01=Pic\\Deep\\g.bmp\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nFace_03=" + outsideStored + "\r\n"));

    // Cancelling the picture dialog changes nothing.
    editor_->ScrollBarFace->setValue(1);
    editor_->BitBtnReferPlayer->click();
    EXPECT_EQ("Pic\\Deep\\g.bmp", editor_->FaceFile(1));
    EXPECT_EQ(dir_.Path(), fs::current_path());
}

TEST_F(SettingPlayerTest, UnusablePictureChoicesAreReportedOrRefused)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    dir_.Write("Pic/broken.bmp", "not a picture");
    fs::copy_file("Pic/f0.bmp", "Pic/a,b.bmp");
    Open("Set.tsp");

    ChooseFace(2, Abs(QStringLiteral("Pic/broken.bmp")));
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ("Pic\\broken.bmp", editor_->FaceFile(2));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    editor_->ScrollBarFace->setValue(0);
    editor_->ScrollBarFace->setValue(2);
    EXPECT_EQ(1u, messages_.size());

    ChooseFace(1, Abs(QStringLiteral("Pic/a,b.bmp")));
    EXPECT_EQ(2u, messages_.size());
    EXPECT_EQ("Pic\\f1.bmp", editor_->FaceFile(1));

    const QString longName = Abs(QString::fromStdString("Pic/" + std::string(130, 'd') + "/" + std::string(130, 'e') + "/face.bmp"));
    ChooseFace(1, longName);
    EXPECT_EQ(3u, messages_.size());
    EXPECT_EQ("Pic\\f1.bmp", editor_->FaceFile(1));

    editor_->BitBtnSave->click();
    EXPECT_NE(std::string::npos, dir_.Read("Set.tsp").find("\r\nFace_02=Pic\\broken.bmp\r\n"));
}

TEST_F(SettingPlayerTest, LimitsAreWrittenAsTheNumberTheyReadBack)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    Open("Set.tsp");
    const QString typed[6] = {QStringLiteral("1,2"), QStringLiteral("abc"), QStringLiteral("40;x"),
                              QStringLiteral(""), QStringLiteral("080"), QStringLiteral("99999999999")};
    for (int phase = 0; phase < 6; ++phase) {
        editor_->EditBrainLimit[phase]->setText(typed[phase]);
        emit editor_->EditBrainLimit[phase]->textEdited(typed[phase]);
    }
    EXPECT_EQ(40, editor_->UpDownBrainLimit[2]->value());
    EXPECT_EQ(72, editor_->UpDownBrainLimit[4]->value());
    editor_->BitBtnSave->click();
    const std::string written = dir_.Read("Set.tsp");
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_00=1,NormalBrain02,,NormalBrain08\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_01=0,NormalBrain04,,\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_02=40,,,\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_03=0,,,\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_04=80,,,\r\n"));
    EXPECT_NE(std::string::npos, written.find("\r\nBrain_05=2147483647,,,\r\n"));
}

TEST_F(SettingPlayerTest, ShowingAPlayerReturnsTheFaceScrollBarToTheFirstFace)
{
    dir_.Write("Set.tsp", Section(0, "P0") + Section(1, "P1"));
    Open("Set.tsp");
    EXPECT_EQ(kFaceColours[0], PreviewCentre());
    editor_->ScrollBarFace->setValue(3);
    EXPECT_EQ(kFaceColours[3], PreviewCentre());
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(0, editor_->ScrollBarFace->value());
    EXPECT_EQ(kFaceColours[0], PreviewCentre());

    // The browse button now replaces face 0, the one on show.
    ChooseFace(editor_->ScrollBarFace->value(), Abs(QStringLiteral("Pic/f4.bmp")));
    EXPECT_EQ("Pic\\f4.bmp", editor_->FaceFile(0));
    EXPECT_EQ("Pic\\f1.bmp", editor_->FaceFile(1));

    // Clearing for a new player empties the face on show without moving the scroll bar.
    editor_->ScrollBarFace->setValue(3);
    answer_ = kModalNo;
    editor_->RadioButtonCreate->click();
    EXPECT_EQ(3, editor_->ScrollBarFace->value());
    EXPECT_TRUE(editor_->ImageFace->pixmap().isNull());
}

TEST_F(SettingPlayerTest, ASetFileThatWouldLoseLinesOrIsMissingIsReportedAndSavingAsksFirst)
{
    const std::string broken = Section(0, "P0") + "[Broken\r\nName=kept\r\n";
    dir_.Write("Set.tsp", broken);
    Open("Set.tsp");
    QCoreApplication::processEvents();
    ASSERT_EQ(1u, messages_.size());
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("1 行あります（最初は 18 行目"))) << messages_[0].toStdString();

    TypeText(editor_->EditAuthor, QStringLiteral("x"));
    boxAnswer_ = kModalCancel;
    editor_->BitBtnSave->click();
    EXPECT_EQ(2u, messages_.size());
    EXPECT_EQ(broken, dir_.Read("Set.tsp"));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());
    boxAnswer_ = kModalYes;
    editor_->BitBtnSave->click();
    EXPECT_EQ(std::string::npos, dir_.Read("Set.tsp").find("kept"));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    editor_->hide();
    Open("Gone.tsp");
    QCoreApplication::processEvents();
    ASSERT_EQ(4u, messages_.size());
    EXPECT_TRUE(messages_[3].contains(QStringLiteral("「Gone.tsp」が見つかりません")));
}

TEST(SettingPlayerStandardSet, EveryStandardPlayerSavedUnchangedReadsBackTheSame)
{
    UiApp();
    TempDir dir;
    fs::copy(TESSELLA_CONTENT_DIR, dir.Path(), fs::copy_options::recursive);
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    std::vector<QString> messages;
    ModalHost::SetResponder([&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages.push_back(box->text());
        return static_cast<int>(kModalOk);
    });

    const std::string file = "Standard.tsp";
    const int count = PlayerSetFile::CountPlayers(file);
    ASSERT_GT(count, 3);
    std::vector<PlayerSectionValues> before(count);
    {
        const WindowsIni ini(file);
        for (int n = 0; n < count; ++n)
            PlayerSetFile::ReadSection(ini, PlayerSetFile::PlayerSection(n), &before[n]);
    }

    TFormSettingPlayer editor;
    editor.SetPlayerSet(Sj("標準"), file, QString::fromStdString(dir.Path().string()));
    editor.FormShow();
    for (int n = 0; n < count; ++n) {
        ASSERT_EQ(PlayerSetFile::PlayerSection(n), editor.GetSection());
        // Ticking the scaling box twice is a change that leaves every value as it was.
        editor.CheckBoxStretch->click();
        editor.CheckBoxStretch->click();
        ASSERT_TRUE(editor.BitBtnSave->isEnabled());
        editor.BitBtnSave->click();
        editor.BitBtnNextPlayer->click();
    }
    EXPECT_EQ(PlayerSetFile::PlayerSection(0), editor.GetSection());
    EXPECT_TRUE(messages.empty());

    const WindowsIni ini(file);
    EXPECT_EQ(count, PlayerSetFile::CountPlayers(file));
    for (int n = 0; n < count; ++n) {
        PlayerSectionValues after;
        PlayerSetFile::ReadSection(ini, PlayerSetFile::PlayerSection(n), &after);
        SCOPED_TRACE(n);
        EXPECT_EQ(before[n].name, after.name);
        EXPECT_EQ(before[n].author, after.author);
        EXPECT_EQ(before[n].comment, after.comment);
        EXPECT_EQ(before[n].stretch, after.stretch);
        EXPECT_EQ(before[n].faceFiles, after.faceFiles);
        EXPECT_EQ(before[n].limits, after.limits);
        for (int phase = 0; phase < PlayerSectionValues::kPhases; ++phase)
            for (int slot = 0; slot < PlayerSectionValues::kSlots; ++slot) {
                // The user's strategy is the one code the editor never writes.
                const int expected = before[n].codes[phase][slot] == 10 ? 0 : before[n].codes[phase][slot];
                EXPECT_EQ(expected, after.codes[phase][slot]) << phase << "," << slot;
            }
    }
    ModalHost::SetResponder({});
    fs::current_path(previous);
}


TEST_F(SettingPlayerTest, PlayersAreDeletedDuplicatedAndMovedWithTheReferencesReported)
{
    dir_.Write("Set.tsp", Section(0, "P0") + Section(1, "P1") + Section(2, "P2"));
    std::vector<SetEntries::Renumbering> calls;
    editor_->SetOnRenumbered([&calls](const SetEntries::Renumbering& renumbering) {
        calls.push_back(renumbering);
        return QString();
    });
    Open("Set.tsp");
    EXPECT_EQ(editor_->windowTitle(), QStringLiteral("テセラ／ユーザ用プレーヤーセット － Mine"));
    const auto names = [] {
        const WindowsIni ini("Set.tsp");
        std::string text;
        for (int n = 0; n < PlayerSetFile::CountPlayers("Set.tsp"); ++n)
            text += ini.GetString(PlayerSetFile::PlayerSection(n), "Name", 0, "?") + " ";
        return text;
    };
    editor_->BitBtnDownPlayer->click();
    EXPECT_EQ(names(), "P1 P0 P2 ");
    EXPECT_EQ(editor_->EditName->text(), QStringLiteral("P0"));
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 2 / 3"));
    editor_->BitBtnDuplicatePlayer->click();
    EXPECT_EQ(names(), "P1 P0 P2 P0 ");
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 4 / 4"));
    editor_->BitBtnDeletePlayer->click();
    EXPECT_EQ(names(), "P1 P0 P2 P0 ");
    boxAnswer_ = kModalYes;
    editor_->BitBtnDeletePlayer->click();
    EXPECT_EQ(names(), "P1 P0 P2 ");
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 3 / 3"));
    EXPECT_FALSE(editor_->BitBtnDownPlayer->isEnabled());
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], (SetEntries::Renumbering{1, 0, 2}));
    EXPECT_EQ(calls[2], (SetEntries::Renumbering{0, 1, 2, -1}));
}

TEST_F(SettingPlayerTest, StrategiesAndFacesAreExplainedAndAShortLastPhaseIsWarned)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    Open("Set.tsp");
    EXPECT_EQ(editor_->ComboBox1stBrainName[0]->toolTip(),
              QStringLiteral("角（八角形の頂点の 8 マス）に置ける手すべてに票を入れます。"));
    EXPECT_EQ(editor_->LabelFaceMeaning->text(), QStringLiteral("顔 1：ふつう"));
    editor_->ScrollBarFace->setValue(4);
    EXPECT_EQ(editor_->LabelFaceMeaning->text(), QStringLiteral("顔 5：負け"));
    // The section's last used phase ends at 72.
    EXPECT_TRUE(editor_->LabelPhaseWarning->text().isEmpty());
    editor_->EditBrainLimit[1]->selectAll();
    TypeText(editor_->EditBrainLimit[1], QStringLiteral("60"));
    EXPECT_TRUE(editor_->LabelPhaseWarning->text().startsWith(QStringLiteral("手数 60 より後の手")));
}

TEST_F(SettingPlayerTest, MeasuringStrengthPlaysInTheBackgroundAndCanBeCancelled)
{
    dir_.Write("Set.tsp", Section(0, "P0"));
    dir_.Write("Standard.tsp", "[Brain_000]\r\nName=Rand\r\nBrain_00=72,NormalBrain01,,\r\n"
                               "[Brain_001]\r\nName=Greedy\r\nBrain_00=72,NormalBrain08,,\r\n");
    Open("Set.tsp");
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
    std::smatch match;
    ASSERT_TRUE(std::regex_match(result, match, std::regex("(\\d+)勝 (\\d+)敗 (\\d+)分 \\(対 Greedy\\)"))) << result;
    EXPECT_EQ(std::stoi(match[1]) + std::stoi(match[2]) + std::stoi(match[3]), StrengthTrial::kGames);
    EXPECT_TRUE(editor_->BitBtnMeasure->isEnabled());

    editor_->BitBtnMeasure->click();
    editor_->BitBtnMeasureCancel->click();
    EXPECT_FALSE(editor_->Trial().Running());
    EXPECT_EQ(editor_->LabelMeasureResult->text(), QStringLiteral("中止しました"));
    EXPECT_TRUE(editor_->BitBtnMeasure->isEnabled());
    EXPECT_FALSE(editor_->BitBtnMeasureCancel->isEnabled());
}

}  // namespace
