#include "players/TFormSelectPlayer.h"
#include "players/TFormSettingPlayer.h"

#include "platform/FileDialogs.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/InProgramFolder.h"
#include "support/PlayerSetText.h"
#include "support/ScriptedDialogs.h"
#include "support/SetFiles.h"
#include "support/TextMatch.h"
#include "support/UiApp.h"

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

// A program folder with faces Pic\f0.bmp..f4.bmp (60 x 40, one colour each), the registered player sets
// 仲間 (Players.tsp: 棋士0..棋士3, only 棋士1 stretched), Two and Gone (missing), a standard set, and a
// player editor whose save question answers answer_.
class PlayerWindowTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        fs::create_directories("Pic");
        for (int i = 0; i < 5; ++i)
            SaveBmp(Format("Pic/f%d.bmp", i), kFaceColours[i], 60, 40);
        FileDialogs::ForgetPictureFolder();
        std::string players = "[BrainSet]\r\nName=x\r\n";
        for (int n = 0; n < 4; ++n)
            players += PlayerSectionText(n, Sj("棋士") + Format("%d", n), n == 1);
        players += PlayerSectionText(5, "hidden");  // a player after a gap is never listed
        dir_.Write("Players.tsp", players);
        dir_.Write("Two.tsp", PlayerSectionText(0, "Two 0") + PlayerSectionText(1, "Two 1"));
        dir_.Write("Standard.tsp", Crlf({"[Brain_000]", "Name=Rand", "Brain_00=72,NormalBrain01,,", "[Brain_001]",
                                         "Name=Greedy", "Brain_00=72,NormalBrain08,,"}));
        WriteSettings(Sj("仲間"), "Brain_000");
        editor_ = std::make_unique<TFormSettingPlayer>();
        editor_->SetAskSave([this] {
            ++asked_;
            return answer_;
        });
    }

    void WriteSettings(const std::string& set, const std::string& player)
    {
        dir_.Write("Tessella.ini", Crlf({"[Tessella]", "DefaultBrainSet=" + set, "DefaultBrainName=" + player, "[BoardSet]",
                                         "B=b.tsb", "[BrainSet]", Sj("仲間") + "=Players.tsp", "Two=Two.tsp",
                                         "Gone=Gone.tsp"}));
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

    QRgb Preview() const { return editor_->ImageFace->pixmap().toImage().pixel(0, 0); }
    QString Name() const { return editor_->EditName->text(); }

    ScriptedDialogs dialogs_;
    std::unique_ptr<TFormSettingPlayer> editor_;
    int asked_ = 0;
    int answer_ = kModalCancel;
};

// One walk through the selection window: it shows the remembered player, browses from its own index, switches
// sets only for registered names, falls back to the standard file and writes the choice only on OK.
TEST_F(PlayerWindowTest, SelectionShowsBrowsesAndWritesTheChoiceOnlyOnOk)
{
    WriteSettings(Sj("仲間"), "Brain_001");
    const std::string before = dir_.Read("Tessella.ini");
    TFormSelectPlayer form;
    form.SetProgramDir(QString::fromStdString(dir_.Path().string()));
    form.SetLifetimeSource([](const std::string& file, const std::string& section) {
        return QString::fromStdString(file + ":" + section);
    });
    fs::current_path(previous_);
    form.FormShow();
    ASSERT_EQ(form.ComboBoxPlayerSet->count(), 3);
    EXPECT_EQ(form.ComboBoxPlayerSet->currentText(), QStringLiteral("仲間"));
    EXPECT_EQ(form.PanelName->text() + form.PanelAuthor->text() + form.LabelComment->text(), QStringLiteral("棋士1A棋士1C"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(100, 100)) << "stretched";
    EXPECT_EQ(form.LabelLimit[1]->text() + form.LabelLimit[2]->text(), QStringLiteral("72 "));
    EXPECT_EQ(form.LabelStrategy[0][0]->text() + form.LabelStrategy[0][2]->text(), QStringLiteral("自角取自大返"));
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_003") << "browsing starts from the index, not the remembered player";
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(60, 40)) << "not stretched: the face keeps its size";
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Players.tsp:Brain_003"));
    form.BitBtnCancel->click();
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    // A smaller set after the next showing: the index past its end wraps to the first player.
    WriteSettings("Two", "Brain_000");
    form.FormShow();
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    form.BitBtnBackPlayerClick();
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.GetPlayer().Name() + form.GetPlayer().SectionName(), "Two 1Brain_001");
    EXPECT_NE(dir_.Read("Tessella.ini").find("DefaultBrainSet=Two\r\nDefaultBrainName=Brain_001"), std::string::npos);

    form.ComboBoxPlayerSet->setCurrentIndex(0);
    emit form.ComboBoxPlayerSet->activated(0);
    EXPECT_EQ(form.PlayerCount(), 4);
    form.BitBtnNextPlayerClick();
    QLineEdit* edit = form.ComboBoxPlayerSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Tw"));
    EXPECT_EQ(form.GetPlayerSetName() + form.GetPlayerSection(), Sj("仲間") + "Brain_001");
    TypeText(edit, QStringLiteral("o"));
    EXPECT_EQ(form.GetPlayerSetName() + form.GetPlayerSetFile() + form.GetPlayerSection(), "TwoTwo.tspBrain_000");
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Two 0"));
    form.ComboBoxPlayerSet->setEditText(QStringLiteral("Gone"));
    form.ComboBoxPlayerSetChange();
    EXPECT_EQ(form.GetPlayerSetFile() + std::to_string(form.PlayerCount()), "Gone.tsp0");
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    EXPECT_EQ(form.PanelName->text() + form.LabelLimit[0]->text(), QStringLiteral(" "));

    WriteSettings("Removed", "Brain_000");
    form.FormShow();
    EXPECT_EQ(form.GetPlayerSetFile(), "Standard.tsp");
    EXPECT_EQ(form.PanelName->text() + form.ComboBoxPlayerSet->currentText(), QStringLiteral("RandRemoved"));

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    form.setResult(0);
    form.BitBtnOkClick();
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("Tessella.ini")));
    EXPECT_EQ(form.result(), 0);
    fs::current_path(dir_.Path());
    TFormSelectPlayer plain;
    plain.FormShow();
    EXPECT_TRUE(plain.LabelLifetime->isHidden()) << "without a source the line stays hidden";
}

TEST_F(PlayerWindowTest, EditorSavesStrategiesLimitsAndTextsAsShownAndMeasuresThePhases)
{
    Open("Set.tsp", PlayerSectionsText(2));
    // The user's strategy, never offered, shows as an extra item only where the file has it.
    QComboBox* user = editor_->ComboBox2ndBrainName[0];
    EXPECT_EQ(user->currentText(), QStringLiteral("ユーザ"));

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
    editor_->UpDownBrainLimit[3]->stepUp();
    EXPECT_TRUE(editor_->LabelPhaseWarning->text().startsWith(QStringLiteral("手数 1 より後の手")));

    editor_->EditName->clear();
    TypeText(editor_->EditName, QStringLiteral("A,B;C!"));
    editor_->MemoComment->setPlainText(QStringLiteral("x\r\ny!"));
    EXPECT_EQ(editor_->MemoComment->toPlainText(), QStringLiteral("x y！"));
    editor_->EditAuthor->clear();
    TypeText(editor_->EditAuthor, QStringLiteral("x;y"));
    EXPECT_EQ(Name() + editor_->EditAuthor->text(), QStringLiteral("A，B；C！x；y"));

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
    ChooseFaces();
    editor_->BitBtnDefault->click();
    EXPECT_EQ(editor_->FaceFile(4), "");
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    // Measuring plays the shown phases in the background, by default against the last, strongest standard player.
    EXPECT_EQ(editor_->ComboBoxMeasureOpponent->currentText(), QStringLiteral("Greedy"));
    editor_->BitBtnMeasure->click();
    EXPECT_FALSE(editor_->BitBtnMeasure->isEnabled());
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
    EXPECT_TRUE(editor_->BitBtnMeasure->isEnabled() && !editor_->BitBtnMeasureCancel->isEnabled());
}

// Browsing wraps and keeps its index between showings; players are moved and deleted with the references
// reported (the shared entry buttons are tested through the board editor; this checks the wiring).
TEST_F(PlayerWindowTest, EditorBrowsingWrapsAndPlayersAreMovedAndDeleted)
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
    Open("Five.tsp");
    EXPECT_EQ(Name(), QStringLiteral("P0"));
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("P4"));
    editor_->BitBtnCloseClick();
    // The index left by the larger set lies past the end of a smaller one.
    Open("Two.tsp");
    EXPECT_EQ(step(editor_->BitBtnNextPlayer, 1), QStringLiteral("Two 0"));
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
    EXPECT_EQ(calls, (std::vector<SetEntries::Renumbering>{{1, 0, 2}, {0, -1, 1}}));
}

TEST_F(PlayerWindowTest, EditorLeftAfterAnEditAsksAndFollowsTheAnswer)
{
    using Act = std::function<void(TFormSettingPlayer&)>;
    const Act rename = [](TFormSettingPlayer& e) { TypeText(e.EditName, QStringLiteral("Z")); };
    const Act addNew = [this](TFormSettingPlayer& e) {
        e.RadioButtonCreate->click();
        ChooseFaces();
    };
    const Act closeButton = [](TFormSettingPlayer& e) { e.BitBtnClose->click(); };
    const Act closeBox = [](TFormSettingPlayer& e) { e.close(); };
    const Act next = [](TFormSettingPlayer& e) { e.BitBtnNextPlayer->click(); };
    const Act create = [](TFormSettingPlayer& e) { e.RadioButtonCreate->click(); };
    const Act modify = [](TFormSettingPlayer& e) { e.RadioButtonModify->click(); };
    // What, the edit, how the editor is left, the answer to the save question, then whether the edit stays, the
    // line the save writes (or "" when nothing is saved), and whether the editor is in modify mode after.
    const std::tuple<const char*, Act, Act, int, bool, const char*, bool> cases[] = {
        {"close, cancel", rename, closeButton, kModalCancel, true, "", true},
        {"close, no", rename, closeButton, kModalNo, false, "", true},
        {"close, yes", rename, closeButton, kModalYes, false, "Name=P0Z", true},
        {"close box, no", rename, closeBox, kModalNo, false, "", true},
        {"next, cancel", rename, next, kModalCancel, true, "", true},
        {"next, yes", rename, next, kModalYes, false, "Name=P0Z", true},
        {"create, cancel", rename, create, kModalCancel, true, "", true},
        {"create, yes", rename, create, kModalYes, false, "Name=P0Z", false},
        {"new, modify, cancel", addNew, modify, kModalCancel, true, "", false},
        {"new, modify, yes", addNew, modify, kModalYes, false, "[Brain_002]", true},
    };
    const std::string original = PlayerSectionsText(2);
    Open("Set.tsp", original);
    editor_->BitBtnClose->click();
    EXPECT_FALSE(editor_->isVisible()) << "nothing changed: no question";
    for (const auto& [what, edit, leave, answer, stays, saved, modify] : cases) {
        SCOPED_TRACE(what);
        Open("Set.tsp", original);
        edit(*editor_);
        asked_ = 0;
        answer_ = answer;
        leave(*editor_);
        EXPECT_EQ(asked_, 1);
        EXPECT_EQ(editor_->isVisible() && editor_->BitBtnSave->isEnabled(), stays);
        EXPECT_EQ(editor_->RadioButtonModify->isChecked(), modify);
        EXPECT_EQ(dir_.Read("Set.tsp") == original, *saved == '\0');
        EXPECT_TRUE(*saved == '\0' || Holds("Set.tsp", saved));
        editor_->hide();
    }
}

// Texts or a set file that cannot be written are refused or reported; lines a save would lose are asked about.
TEST_F(PlayerWindowTest, EditorRefusesOrReportsWhatCannotBeWrittenAndAsksBeforeLosingLines)
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

    // A set file that cannot be written is reported and Save stays enabled.
    editor_->MemoComment->setPlainText(QStringLiteral("c"));
    fs::rename("Set.tsp", "Moved.tsp");
    fs::create_directory("Set.tsp");
    editor_->BitBtnSave->click();
    EXPECT_TRUE(dialogs_.texts.back().contains(QStringLiteral("書き込めませんでした")));
    EXPECT_TRUE(editor_->BitBtnSave->isEnabled());

    editor_->hide();
    const std::string broken = PlayerSectionsText(1) + "[Broken\r\nName=kept\r\n";
    Open("Lossy.tsp", broken);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs_.texts.size(), 5u);
    editor_->MemoComment->setPlainText(QString(255, QLatin1Char('c')));
    dialogs_.answer = kModalCancel;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Lossy.tsp"), broken);
    dialogs_.answer = kModalYes;
    editor_->BitBtnSave->click();
    EXPECT_EQ(dir_.Read("Lossy.tsp").find("kept"), std::string::npos);
    EXPECT_TRUE(Holds("Lossy.tsp", "Comment=" + std::string(255, 'c')));
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled());

    // A missing set is reported, browses as empty and is not created.
    editor_->hide();
    Open("Gone.tsp");
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.texts.size(), 8u);
    EXPECT_TRUE(dialogs_.texts.back().contains(QStringLiteral("「Gone.tsp」が見つかりません")));
    editor_->BitBtnBackPlayer->click();
    EXPECT_EQ(editor_->GetSection(), "Brain_000");
    EXPECT_FALSE(fs::exists("Gone.tsp"));
}

// Faces are stored relative inside the program folder and checked otherwise; a new player is added after the
// last listed one and is modified from then on.
TEST_F(PlayerWindowTest, EditorStoresChosenFacesAndAddsAfterTheLastListedPlayer)
{
    fs::create_directories("Pic/Deep");
    fs::copy_file("Pic/f2.bmp", "Pic/Deep/g.bmp");
    dir_.Write("Pic/broken.bmp", "not a picture");
    fs::copy_file("Pic/f0.bmp", "Pic/a,b.bmp");
    TempDir elsewhere;
    fs::copy_file("Pic/f3.bmp", elsewhere.Path() / "h.bmp");
    Open("Gap.tsp", PlayerSectionText(0, "P0") + PlayerSectionText(1, "P1") + PlayerSectionText(3, "P3"));

    ChooseFace(1, Abs("Pic/Deep/g.bmp"));
    EXPECT_EQ(Preview(), kFaceColours[2]);
    const std::string outside = (elsewhere.Path() / "h.bmp").string();
    ChooseFace(3, QString::fromStdString(outside));
    EXPECT_EQ(dialogs_.texts.size(), 1u) << "a face outside the program folder is reported";
    ChooseFace(2, Abs("Pic/broken.bmp"));
    EXPECT_EQ(dialogs_.texts.size(), 2u) << "an unreadable picture is reported and kept";
    editor_->ScrollBarFace->setValue(0);
    editor_->ScrollBarFace->setValue(2);
    EXPECT_EQ(dialogs_.texts.size(), 2u) << "showing it again reports nothing";
    ChooseFace(0, Abs("Pic/a,b.bmp"));
    ChooseFace(0, Abs("Pic/" + std::string(130, 'd') + "/" + std::string(130, 'e') + "/face.bmp"));
    EXPECT_EQ(dialogs_.texts.size(), 4u) << "names that cannot be stored are refused";
    editor_->ScrollBarFace->setValue(1);
    editor_->BitBtnReferPlayer->click();  // a cancelled dialog changes nothing
    editor_->BitBtnSave->click();
    std::string outsideStored = outside;
    std::replace(outsideStored.begin(), outsideStored.end(), '/', '\\');
    EXPECT_TRUE(Holds("Gap.tsp", "Face_00=Pic\\f0.bmp\r\nFace_01=Pic\\Deep\\g.bmp\r\nFace_02=Pic\\broken.bmp\r\nFace_03=" +
                                     outsideStored));

    // Showing a player returns the scroll bar to the first face; clearing for a new one keeps it.
    editor_->ScrollBarFace->setValue(3);
    editor_->BitBtnNextPlayer->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 0);
    EXPECT_EQ(Preview(), kFaceColours[0]);
    editor_->ScrollBarFace->setValue(3);
    editor_->RadioButtonCreate->click();
    EXPECT_EQ(editor_->ScrollBarFace->value(), 3);
    EXPECT_TRUE(editor_->ImageFace->pixmap().isNull());

    EXPECT_FALSE(editor_->BitBtnNextPlayer->isEnabled());
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 新規 / 2"));
    ChooseFaces(4);
    EXPECT_FALSE(editor_->BitBtnSave->isEnabled()) << "all five faces are needed";
    ChooseFace(4, Abs("Pic/f4.bmp"));
    EXPECT_EQ(FileDialogs::PictureStartFolder(), Abs("Pic")) << "the next dialog opens where the last pick was";
    editor_->BitBtnSave->click();
    EXPECT_TRUE(dir_.Read("Gap.tsp").ends_with(
        Crlf({"[Brain_002]", "Name=", "Author=", "Comment=", "Stretch=False", "Face_00=Pic\\f0.bmp", "Face_01=Pic\\f1.bmp",
              "Face_02=Pic\\f2.bmp", "Face_03=Pic\\f3.bmp", "Face_04=Pic\\f4.bmp", "Brain_00=0,,,", "Brain_01=0,,,",
              "Brain_02=0,,,", "Brain_03=0,,,", "Brain_04=0,,,", "Brain_05=0,,,"})));
    EXPECT_TRUE(editor_->RadioButtonModify->isChecked() && editor_->BitBtnNextPlayer->isEnabled());
    // Brain_002 closed the gap, so Brain_003 is now listed too.
    EXPECT_EQ(editor_->LabelPlayerIndex->text(), QStringLiteral("プレーヤー 3 / 4"));
    TypeText(editor_->EditName, QStringLiteral("N"));
    editor_->BitBtnSave->click();
    EXPECT_EQ(editor_->GetSection(), "Brain_002");
}

}  // namespace
