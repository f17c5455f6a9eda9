#include "players/TFormSelectPlayer.h"

#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "players/Player.h"
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

// One key press per character, as a person types.
void TypeText(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
}

class SelectPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        fs::create_directories("Pic");
        QImage face(60, 40, QImage::Format_RGB32);
        face.fill(qRgb(200, 150, 100));
        ASSERT_TRUE(face.save(QStringLiteral("Pic/face.bmp"), "BMP"));

        std::string players = "[BrainSet]\r\nName=x\r\n";
        for (int n = 0; n < 4; ++n)
            players += Section(n, Sj("棋士") + std::to_string(n), n == 1);
        // A player after a gap is never listed.
        players += Section(5, "hidden", false);
        dir_.Write("Players.tsp", players);
        dir_.Write("Two.tsp", Section(0, "Two 0", false) + Section(1, "Two 1", false));
        dir_.Write("Standard.tsp", Section(0, "Std 0", false));
        WriteSettings(Sj("仲間"), "Brain_000");
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        fs::current_path(previous_);
    }

    static std::string Section(int number, const std::string& name, bool stretch)
    {
        char header[24];
        std::snprintf(header, sizeof header, "[Brain_%03d]\r\n", number);
        return std::string(header) + "Name=" + name + "\r\nAuthor=" + Sj("作者") + name + "\r\nComment=" + Sj("説明") +
               "\r\nStretch=" + (stretch ? "True" : "False") + "\r\nFace_00=Pic\\face.bmp\r\n"
               "Brain_00=20,NormalBrain02,,NormalBrain08\r\nBrain_01=72,NormalBrain04,NormalBrain10,\r\n"
               "Brain_02=0,,,\r\nBrain_03=0,,,\r\nBrain_04=0,,,\r\nBrain_05=0,,,\r\n";
    }

    void WriteSettings(const std::string& set, const std::string& player)
    {
        dir_.Write("Tessella.ini", "[Tessella]\r\nDefaultBrainSet=" + set + "\r\nDefaultBrainName=" + player +
                                       "\r\n[BoardSet]\r\nB=b.tsb\r\n[BrainSet]\r\n" + Sj("仲間") +
                                       "=Players.tsp\r\nTwo=Two.tsp\r\nGone=Gone.tsp\r\n");
    }

    TempDir dir_;
    fs::path previous_;
};

TEST_F(SelectPlayerTest, ShowsTheRememberedPlayerWithFaceTextsAndBrainTable)
{
    WriteSettings(Sj("仲間"), "Brain_001");
    TFormSelectPlayer form;
    form.FormShow();

    ASSERT_EQ(form.ComboBoxPlayerSet->count(), 3);
    EXPECT_EQ(form.ComboBoxPlayerSet->itemText(0), QStringLiteral("仲間"));
    EXPECT_EQ(form.ComboBoxPlayerSet->currentText(), QStringLiteral("仲間"));
    EXPECT_EQ(form.PlayerCount(), 4);
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士1"));
    EXPECT_EQ(form.PanelAuthor->text(), QStringLiteral("作者棋士1"));
    EXPECT_EQ(form.LabelComment->text(), QStringLiteral("説明"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(100, 100));
    EXPECT_EQ(form.LabelLimit[0]->text(), QStringLiteral("20"));
    EXPECT_EQ(form.LabelLimit[1]->text(), QStringLiteral("72"));
    for (int phase = 2; phase < 6; ++phase)
        EXPECT_EQ(form.LabelLimit[phase]->text(), QStringLiteral(" "));
    EXPECT_EQ(form.LabelStrategy[0][0]->text(), QStringLiteral("自角取"));
    EXPECT_EQ(form.LabelStrategy[0][1]->text(), QString());
    EXPECT_EQ(form.LabelStrategy[1][1]->text(), QStringLiteral("相置小"));
    EXPECT_EQ(form.LabelStrategy[0][2]->text(), QStringLiteral("自大返"));
    EXPECT_EQ(form.LabelStrategy[5][2]->text(), QString());

    // Not stretched: the face keeps its own size.
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士3"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(60, 40));
}

TEST_F(SelectPlayerTest, TheLifetimeLineFollowsTheShownPlayer)
{
    WriteSettings(Sj("仲間"), "Brain_001");
    TFormSelectPlayer form;
    std::vector<std::string> asked;
    form.SetLifetimeSource([&](const std::string& file, const std::string& section) {
        asked.push_back(file + ":" + section);
        return QString::fromStdString(section);
    });
    form.FormShow();
    EXPECT_FALSE(form.LabelLifetime->isHidden());
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_001"));
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(asked.back(), "Players.tsp:Brain_003");
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_003"));

    TFormSelectPlayer plain;
    plain.FormShow();
    EXPECT_TRUE(plain.LabelLifetime->isHidden()) << "without a source the line stays hidden";
}

TEST_F(SelectPlayerTest, BrowsingWrapsFromTheBrowseIndexNotTheRememberedPlayer)
{
    WriteSettings(Sj("仲間"), "Brain_003");
    TFormSelectPlayer form;
    form.FormShow();
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士3"));
    EXPECT_EQ(form.BrowseIndex(), 0);
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_001");
    form.BitBtnBackPlayerClick();
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_003");
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.BrowseIndex(), 3);

    // A smaller set after the next showing: the index past its end wraps to the first player.
    WriteSettings("Two", "Brain_000");
    form.FormShow();
    EXPECT_EQ(form.PlayerCount(), 2);
    EXPECT_EQ(form.BrowseIndex(), 3);
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_001");
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Two 1"));
}

TEST_F(SelectPlayerTest, AnEmptyOrMissingSetShowsNobodyAndBrowsesNowhere)
{
    TFormSelectPlayer form;
    form.FormShow();
    form.ComboBoxPlayerSet->setEditText(QStringLiteral("Gone"));
    form.ComboBoxPlayerSetChange();
    EXPECT_EQ(form.GetPlayerSetFile(), "Gone.tsp");
    EXPECT_EQ(form.PlayerCount(), 0);
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    EXPECT_EQ(form.PanelName->text(), QString());
    EXPECT_EQ(form.LabelLimit[0]->text(), QStringLiteral(" "));
}

TEST_F(SelectPlayerTest, OnlyARegisteredNameChangesTheSet)
{
    TFormSelectPlayer form;
    form.FormShow();
    form.BitBtnNextPlayerClick();
    QLineEdit* edit = form.ComboBoxPlayerSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Tw"));
    EXPECT_EQ(form.GetPlayerSetName(), Sj("仲間"));
    EXPECT_EQ(form.GetPlayerSection(), "Brain_001");
    EXPECT_EQ(form.BrowseIndex(), 1);

    form.BitBtnOkClick();
    EXPECT_NE(dir_.Read("Tessella.ini").find("DefaultBrainSet=" + Sj("仲間") + "\r\n"), std::string::npos);

    TypeText(edit, QStringLiteral("o"));
    EXPECT_EQ(form.GetPlayerSetName(), "Two");
    EXPECT_EQ(form.GetPlayerSetFile(), "Two.tsp");
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Two 0"));

    form.ComboBoxPlayerSet->setCurrentIndex(0);
    emit form.ComboBoxPlayerSet->activated(0);
    EXPECT_EQ(form.GetPlayerSetName(), Sj("仲間"));
    EXPECT_EQ(form.PlayerCount(), 4);
}

TEST_F(SelectPlayerTest, OkWritesTheChoiceAndCancelWritesNothing)
{
    const std::string before = dir_.Read("Tessella.ini");
    TFormSelectPlayer form;
    form.FormShow();
    form.BitBtnNextPlayerClick();
    form.BitBtnCancel->click();
    EXPECT_EQ(form.result(), kModalCancel);
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    form.FormShow();
    form.BitBtnBackPlayerClick();
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.GetPlayer().Name(), Sj("棋士0"));
    EXPECT_EQ(form.GetPlayer().SectionName(), "Brain_000");
    EXPECT_EQ(form.GetPlayerSetFile(), "Players.tsp");
    const std::string after = dir_.Read("Tessella.ini");
    EXPECT_NE(after.find("DefaultBrainSet=" + Sj("仲間") + "\r\nDefaultBrainName=Brain_000\r\n"), std::string::npos);
}

TEST_F(SelectPlayerTest, AnUnregisteredRememberedSetUsesTheStandardFile)
{
    WriteSettings("Removed", "Brain_000");
    TFormSelectPlayer form;
    form.FormShow();
    EXPECT_EQ(form.GetPlayerSetFile(), "Standard.tsp");
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Std 0"));
    EXPECT_EQ(form.ComboBoxPlayerSet->currentText(), QStringLiteral("Removed"));
}

TEST_F(SelectPlayerTest, OkWritesIntoTheProgramFolderAndReportsAFailedWrite)
{
    TFormSelectPlayer form;
    form.SetProgramDir(QString::fromStdString(dir_.Path().string()));
    fs::current_path(previous_);
    form.FormShow();
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士0"));

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
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
