#include "players/TFormSelectPlayer.h"

#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/InProgramFolder.h"
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

std::string Section(int number, const std::string& name, bool stretch = false)
{
    return Crlf({std::string("[") + PlayerSetFile::PlayerSection(number) + "]", "Name=" + name, "Author=" + Sj("作者") + name,
                 "Comment=" + Sj("説明"), std::string("Stretch=") + (stretch ? "True" : "False"),
                 "Face_00=Pic\\face.bmp", "Brain_00=20,NormalBrain02,,NormalBrain08",
                 "Brain_01=72,NormalBrain04,NormalBrain10,", "Brain_02=0,,,"});
}

class SelectPlayerTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
        fs::create_directories("Pic");
        SaveBmp("Pic/face.bmp", qRgb(200, 150, 100), 60, 40);
        std::string players = "[BrainSet]\r\nName=x\r\n";
        for (int n = 0; n < 4; ++n)
            players += Section(n, Sj("棋士") + Format("%d", n), n == 1);
        players += Section(5, "hidden");  // a player after a gap is never listed
        dir_.Write("Players.tsp", players);
        dir_.Write("Two.tsp", Section(0, "Two 0") + Section(1, "Two 1"));
        dir_.Write("Standard.tsp", Section(0, "Std 0"));
        WriteSettings(Sj("仲間"), "Brain_000");
    }

    void WriteSettings(const std::string& set, const std::string& player)
    {
        dir_.Write("Tessella.ini", Crlf({"[Tessella]", "DefaultBrainSet=" + set, "DefaultBrainName=" + player, "[BoardSet]",
                                         "B=b.tsb", "[BrainSet]", Sj("仲間") + "=Players.tsp", "Two=Two.tsp",
                                         "Gone=Gone.tsp"}));
    }

    bool SettingsHold(const std::string& line) const
    {
        return dir_.Read("Tessella.ini").find("\r\n" + line + "\r\n") != std::string::npos;
    }

    ScriptedDialogs dialogs_;
};

TEST_F(SelectPlayerTest, ShowsTheRememberedPlayerWithFaceTextsBrainTableAndLifetime)
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
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士1"));
    EXPECT_EQ(form.PanelAuthor->text(), QStringLiteral("作者棋士1"));
    EXPECT_EQ(form.LabelComment->text(), QStringLiteral("説明"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(100, 100)) << "stretched";
    const QString limits[6] = {QStringLiteral("20"), QStringLiteral("72"), QStringLiteral(" "), QStringLiteral(" "),
                               QStringLiteral(" "), QStringLiteral(" ")};
    for (int phase = 0; phase < 6; ++phase)
        EXPECT_EQ(form.LabelLimit[phase]->text(), limits[phase]) << phase;
    EXPECT_EQ(form.LabelStrategy[0][0]->text(), QStringLiteral("自角取"));
    EXPECT_EQ(form.LabelStrategy[0][1]->text(), QString());
    EXPECT_EQ(form.LabelStrategy[1][1]->text(), QStringLiteral("相置小"));
    EXPECT_EQ(form.LabelStrategy[0][2]->text(), QStringLiteral("自大返"));
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_001"));

    form.BitBtnBackPlayerClick();
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士3"));
    EXPECT_EQ(form.ImageFace->pixmap().size(), QSize(60, 40)) << "not stretched: the face keeps its size";
    EXPECT_EQ(asked.back(), "Players.tsp:Brain_003");
    EXPECT_EQ(form.LabelLifetime->text(), QStringLiteral("Brain_003"));

    TFormSelectPlayer plain;
    plain.FormShow();
    EXPECT_TRUE(plain.LabelLifetime->isHidden()) << "without a source the line stays hidden";
}

TEST_F(SelectPlayerTest, BrowsingWrapsFromTheBrowseIndexInTheSetShown)
{
    WriteSettings(Sj("仲間"), "Brain_003");
    TFormSelectPlayer form;
    form.FormShow();
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士3"));
    EXPECT_EQ(form.BrowseIndex(), 0) << "browsing starts from the index, not the remembered player";
    const auto step = [&form](int delta) {
        for (; delta > 0; --delta)
            form.BitBtnNextPlayerClick();
        for (; delta < 0; ++delta)
            form.BitBtnBackPlayerClick();
        return form.GetPlayerSection();
    };
    EXPECT_EQ(step(1), "Brain_001");
    EXPECT_EQ(step(-2), "Brain_003");
    EXPECT_EQ(step(1), "Brain_000");
    EXPECT_EQ(step(-1), "Brain_003");

    // A smaller set after the next showing: the index past its end wraps to the first player.
    WriteSettings("Two", "Brain_000");
    form.FormShow();
    EXPECT_EQ(form.PlayerCount(), 2);
    EXPECT_EQ(step(1), "Brain_000");
    EXPECT_EQ(step(-1), "Brain_001");
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("Two 1"));

    form.ComboBoxPlayerSet->setEditText(QStringLiteral("Gone"));
    form.ComboBoxPlayerSetChange();
    EXPECT_EQ(form.GetPlayerSetFile(), "Gone.tsp");
    EXPECT_EQ(form.PlayerCount(), 0);
    EXPECT_EQ(step(-1), "Brain_000");
    EXPECT_EQ(step(1), "Brain_000");
    EXPECT_EQ(form.BrowseIndex(), 0);
    EXPECT_EQ(form.PanelName->text(), QString());
    EXPECT_EQ(form.LabelLimit[0]->text(), QStringLiteral(" "));
}

TEST_F(SelectPlayerTest, OnlyARegisteredNameChangesTheSetAndAnUnregisteredOneUsesTheStandardFile)
{
    TFormSelectPlayer form;
    form.FormShow();
    form.BitBtnNextPlayerClick();
    QLineEdit* edit = form.ComboBoxPlayerSet->lineEdit();
    edit->clear();
    TypeText(edit, QStringLiteral("Tw"));
    EXPECT_EQ(form.GetPlayerSetName(), Sj("仲間"));
    EXPECT_EQ(form.GetPlayerSection(), "Brain_001");
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
    EXPECT_EQ(form.PanelName->text(), QStringLiteral("棋士0"));
    form.BitBtnNextPlayerClick();
    form.BitBtnCancel->click();
    EXPECT_EQ(form.result(), kModalCancel);
    form.show();
    form.close();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    form.FormShow();
    form.BitBtnBackPlayerClick();
    form.BitBtnBackPlayerClick();
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.GetPlayer().Name(), Sj("棋士3"));
    EXPECT_EQ(form.GetPlayer().SectionName(), "Brain_003");
    EXPECT_TRUE(SettingsHold("DefaultBrainSet=" + Sj("仲間") + "\r\nDefaultBrainName=Brain_003"));

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
