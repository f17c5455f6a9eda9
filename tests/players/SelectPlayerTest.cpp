#include "players/TFormSelectPlayer.h"

#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/InProgramFolder.h"
#include "support/PlayerSetText.h"
#include "support/ScriptedDialogs.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SelectPlayerTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        fs::create_directories("Pic");
        for (int i = 0; i < 5; ++i)
            SaveBmp(Format("Pic/f%d.bmp", i), qRgb(200, 150, 100), 60, 40);
        std::string players = "[BrainSet]\r\nName=x\r\n";
        for (int n = 0; n < 4; ++n)
            players += PlayerSectionText(n, Sj("棋士") + Format("%d", n), n == 1);
        players += PlayerSectionText(5, "hidden");  // a player after a gap is never listed
        dir_.Write("Players.tsp", players);
        dir_.Write("Two.tsp", PlayerSectionText(0, "Two 0") + PlayerSectionText(1, "Two 1"));
        dir_.Write("Standard.tsp", PlayerSectionText(0, "Std 0"));
        WriteSettings(Sj("仲間"), "Brain_000");
    }

    void WriteSettings(const std::string& set, const std::string& player)
    {
        dir_.Write("Tessella.ini", Crlf({"[Tessella]", "DefaultBrainSet=" + set, "DefaultBrainName=" + player, "[BoardSet]",
                                         "B=b.tsb", "[BrainSet]", Sj("仲間") + "=Players.tsp", "Two=Two.tsp",
                                         "Gone=Gone.tsp"}));
    }

    ScriptedDialogs dialogs_;
};

TEST_F(SelectPlayerTest, ShowsTheRememberedPlayerAndBrowsingWrapsFromTheBrowseIndex)
{
    WriteSettings(Sj("仲間"), "Brain_001");
    TFormSelectPlayer form;
    std::vector<std::string> asked;
    form.SetLifetimeSource([&](const std::string& file, const std::string& section) {
        asked.push_back(file + ":" + section);
        return QString::fromStdString(section);
    });
    form.FormShow();
    ASSERT_EQ(form.ComboBoxPlayerSet->count(), 3);
    EXPECT_EQ(form.ComboBoxPlayerSet->currentText(), QStringLiteral("仲間"));
    EXPECT_EQ(form.PlayerCount(), 4);
    EXPECT_EQ(form.PanelName->text() + form.PanelAuthor->text() + form.LabelComment->text(), QStringLiteral("棋士1A棋士1C"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(100, 100)) << "stretched";
    EXPECT_EQ(form.LabelLimit[1]->text() + form.LabelLimit[2]->text(), QStringLiteral("72 "));
    EXPECT_EQ(form.LabelStrategy[0][0]->text() + form.LabelStrategy[0][2]->text(), QStringLiteral("自角取自大返"));
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_001"));
    EXPECT_EQ(form.BrowseIndex(), 0) << "browsing starts from the index, not the remembered player";

    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_003");
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(60, 40)) << "not stretched: the face keeps its size";
    EXPECT_EQ(asked.back(), "Players.tsp:Brain_003");
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_003"));

    // A smaller set after the next showing: the index past its end wraps to the first player.
    WriteSettings("Two", "Brain_000");
    form.FormShow();
    EXPECT_EQ(form.PlayerCount(), 2);
    form.BitBtnNextPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_001");

    TFormSelectPlayer plain;
    plain.FormShow();
    EXPECT_TRUE(plain.LabelLifetime->isHidden()) << "without a source the line stays hidden";
}

TEST_F(SelectPlayerTest, OnlyARegisteredNameChangesTheSetAndAnUnregisteredOneUsesTheStandardFile)
{
    TFormSelectPlayer form;
    form.FormShow();
    form.BitBtnNextPlayerClick();
    QLineEdit* edit = form.ComboBoxPlayerSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Tw"));
    EXPECT_EQ(form.GetPlayerSetName() + form.GetPlayerSection(), Sj("仲間") + "Brain_001");
    TypeText(edit, QStringLiteral("o"));
    EXPECT_EQ(form.GetPlayerSetName() + form.GetPlayerSetFile() + form.GetPlayerSection(), "TwoTwo.tspBrain_000");
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Two 0"));
    form.ComboBoxPlayerSet->setCurrentIndex(0);
    emit form.ComboBoxPlayerSet->activated(0);
    EXPECT_EQ(form.PlayerCount(), 4);

    form.ComboBoxPlayerSet->setEditText(QStringLiteral("Gone"));
    form.ComboBoxPlayerSetChange();
    EXPECT_EQ(form.GetPlayerSetFile(), "Gone.tsp");
    EXPECT_EQ(form.PlayerCount(), 0);
    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.GetPlayerSection(), "Brain_000");
    EXPECT_EQ(form.PanelName->text(), QString());
    EXPECT_EQ(form.LabelLimit[0]->text(), QStringLiteral(" "));

    WriteSettings("Removed", "Brain_000");
    TFormSelectPlayer removed;
    removed.FormShow();
    EXPECT_EQ(removed.GetPlayerSetFile(), "Standard.tsp");
    EXPECT_EQ(removed.PanelName->text(), QStringLiteral("Std 0"));
    EXPECT_EQ(removed.ComboBoxPlayerSet->currentText(), QStringLiteral("Removed"));
}

TEST_F(SelectPlayerTest, OkWritesTheChoiceIntoTheProgramFolderAndCancelWritesNothing)
{
    const std::string before = dir_.Read("Tessella.ini");
    TFormSelectPlayer form;
    form.SetProgramDir(QString::fromStdString(dir_.Path().string()));
    fs::current_path(previous_);
    form.FormShow();
    form.BitBtnNextPlayerClick();
    form.BitBtnCancel->click();
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    form.FormShow();
    form.BitBtnBackPlayerClick();
    form.BitBtnBackPlayerClick();
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.GetPlayer().Name() + form.GetPlayer().SectionName(), Sj("棋士3") + "Brain_003");
    const std::string chosen = "DefaultBrainSet=" + Sj("仲間") + "\r\nDefaultBrainName=Brain_003";
    EXPECT_NE(dir_.Read("Tessella.ini").find(chosen), std::string::npos);

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    form.setResult(0);
    form.BitBtnOkClick();
    ASSERT_EQ(dialogs_.texts.size(), 1u);
    EXPECT_TRUE(dialogs_.texts[0].contains(QStringLiteral("Tessella.ini")));
    EXPECT_EQ(form.result(), 0);
    fs::current_path(dir_.Path());
}

}  // namespace
