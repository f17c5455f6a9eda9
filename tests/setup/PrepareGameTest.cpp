#include "setup/TFormPrepareGame.h"

#include "data/TFormSelectBoard.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/ModalHost.h"
#include "players/TFormSelectPlayer.h"
#include "setup/BoardDrawOptions.h"
#include "setup/Settings.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kStandard = Settings::kStandardSetName;
const QColor kUserColour(200, 0, 0);
const QColor kComputerColour(0, 0, 200);

class FakeOptions : public BoardDrawOptions {
public:
    int GetRandomBoard() const override { return random; }
    int GetRandomBoard2() const override { return random2; }
    int GetRandomBoard3() const override { return random3; }
    const QString& GetProgramDir() const override { return dir; }

    int random = 0;
    int random2 = 0;
    int random3 = 0;
    QString dir;
};

// One board section; the picture is a flat square of the given colour.
std::string Board(int number, const std::string& title, const std::string& type, const std::string& picture = "b.bmp")
{
    char section[32];
    std::snprintf(section, sizeof section, "[Board_%03d]\r\n", number);
    return section + ("BoardType=" + type + "\r\nBoard=" + picture + "\r\nTitle=" + title + "\r\n");
}

std::string Boards(const std::string& prefix, const std::vector<std::string>& types)
{
    std::string text;
    for (std::size_t i = 0; i < types.size(); ++i)
        text += Board(static_cast<int>(i), prefix + std::to_string(i), types[i]);
    return text;
}

QColor PixelOf(const QLabel* label, int x, int y)
{
    return label->pixmap().toImage().pixelColor(x, y);
}

class PrepareGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previousDir_ = QDir::currentPath();
        options_.dir = QString::fromStdString(dir_.Path().string());
        QDir::setCurrent(options_.dir);
        PictureLoader::ClearCache();
        QDir(options_.dir).mkdir(QStringLiteral("Picture"));
        Picture("Picture/User.bmp", kUserColour, QSize(100, 20));
        Picture("Picture/Computer.bmp", kComputerColour, QSize(100, 20));
        Picture("b.bmp", Qt::darkGreen, QSize(40, 40));
    }

    void TearDown() override
    {
        ModalHost::SetResponder({});
        QDir::setCurrent(previousDir_);
    }

    void Picture(const std::string& name, const QColor& colour, const QSize& size) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(QString::fromStdString(dir_.File(name)), "BMP");
    }

    void Ini(const std::string& tessella, const std::string& boardSets = "", const std::string& brainSets = "") const
    {
        dir_.Write("Tessella.ini",
                   "[Tessella]\r\n" + tessella + "[BoardSet]\r\n" + boardSets + "[BrainSet]\r\n" + brainSets);
    }

    TFormPrepareGame& Form()
    {
        if (!form_) {
            selectPlayer_ = std::make_unique<TFormSelectPlayer>();
            selectBoard_ = std::make_unique<TFormSelectBoard>();
            form_ = std::make_unique<TFormPrepareGame>(options_, *selectPlayer_, *selectBoard_);
        }
        return *form_;
    }

    int Choose()
    {
        WindowsIni settings = Settings::Open();
        return Form().ChooseBoard(settings);
    }

    std::string Key(const char* key) const
    {
        return WindowsIni(dir_.File("Tessella.ini")).GetString("Tessella", key, 0, "(missing)");
    }

    TempDir dir_;
    FakeOptions options_;
    QString previousDir_;
    std::unique_ptr<TFormSelectPlayer> selectPlayer_;
    std::unique_ptr<TFormSelectBoard> selectBoard_;
    std::unique_ptr<TFormPrepareGame> form_;
};

TEST_F(PrepareGameTest, WarTypeButtonsSetPlayTypesAndIcons)
{
    Ini("WarType=CompVsUser\r\n");
    TFormPrepareGame& form = Form();
    form.FormShow();
    EXPECT_TRUE(form.RadioButtonComp_User->isChecked());
    EXPECT_EQ(form.Get1stPlayer().PlayType(), Player::kPlayComputer);
    EXPECT_EQ(form.Get2ndPlayer().PlayType(), Player::kPlayUser);
    EXPECT_EQ(PixelOf(form.Image1stPlayType, 5, 5), kComputerColour);
    EXPECT_EQ(PixelOf(form.Image2ndPlayType, 5, 5), kUserColour);

    form.RadioButtonUser_Comp->click();
    EXPECT_EQ(form.Get1stPlayer().PlayType(), Player::kPlayUser);
    EXPECT_EQ(form.Get2ndPlayer().PlayType(), Player::kPlayComputer);
    EXPECT_EQ(PixelOf(form.Image1stPlayType, 5, 5), kUserColour);
    EXPECT_EQ(PixelOf(form.Image2ndPlayType, 5, 5), kComputerColour);

    form.RadioButtonUser_User->click();
    EXPECT_EQ(form.Get1stPlayer().PlayType() + form.Get2ndPlayer().PlayType(), 2 * Player::kPlayUser);
    form.BitBtnOk->click();
    EXPECT_EQ(Key("WarType"), "UserVsUser");
}

TEST_F(PrepareGameTest, WarTypeNoneChecksNothingAndOkLeavesIt)
{
    Ini("WarType=None\r\n");
    TFormPrepareGame& form = Form();
    form.FormShow();
    for (QRadioButton* radio : {form.RadioButtonUser_User, form.RadioButtonUser_Comp, form.RadioButtonComp_User,
                                form.RadioButtonComp_Comp})
        EXPECT_FALSE(radio->isChecked());
    EXPECT_EQ(form.Get1stPlayer().PlayType(), Player::kPlayComputer);
    EXPECT_TRUE(form.Image1stPlayType->pixmap().isNull());
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(Key("WarType"), "None");
}

TEST_F(PrepareGameTest, ChosenPlayerTakesThePlayTypeOfTheCheckedButton)
{
    dir_.Write("Mine.tsp", "[Brain_000]\r\nName=Ann\r\n[Brain_001]\r\nName=Bob\r\n");
    Ini("WarType=CompVsUser\r\n1stBrainSet=Mine\r\n1stBrainName=Brain_000\r\nDefaultBrainSet=Mine\r\n", "",
        "Mine=Mine.tsp\r\n");
    TFormPrepareGame& form = Form();
    form.FormShow();
    EXPECT_EQ(form.Panel1stPlayerName->text(), QStringLiteral("Ann"));

    int answer = kModalOk;
    ModalHost::SetResponder([&answer](QDialog& dialog) {
        auto& select = dynamic_cast<TFormSelectPlayer&>(dialog);
        select.FormShow();
        for (int i = 0; i < 2 && select.GetPlayerSection() != "Brain_001"; ++i)
            select.BitBtnNextPlayer->click();
        if (answer == kModalOk)
            select.BitBtnOk->click();
        return answer;
    });
    answer = kModalCancel;
    form.ButtonSelect1stPlayer->click();
    EXPECT_EQ(form.Panel1stPlayerName->text(), QStringLiteral("Ann"));

    answer = kModalOk;
    form.ButtonSelect2ndPlayer->click();
    EXPECT_EQ(form.Panel2ndPlayerName->text(), QStringLiteral("Bob"));
    EXPECT_EQ(form.Get2ndPlayer().SectionName(), "Brain_001");
    EXPECT_EQ(form.Get2ndPlayer().PlayType(), Player::kPlayUser);

    form.RadioButtonUser_Comp->click();
    form.ButtonSelect1stPlayer->click();
    EXPECT_EQ(form.Get1stPlayer().PlayType(), Player::kPlayUser);

    form.BitBtnOk->click();
    EXPECT_EQ(Key("1stBrainSet"), "Mine");
    EXPECT_EQ(Key("1stBrainName"), "Brain_001");
    EXPECT_EQ(Key("2ndBrainName"), "Brain_001");
    // What the selection dialog wrote meanwhile is kept.
    EXPECT_EQ(Key("DefaultBrainName"), "Brain_001");
}

TEST_F(PrepareGameTest, ChosenBoardIsShownAndWrittenOnOk)
{
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Random"}));
    Ini("DefaultBoardSet=Mine\r\n", "Mine=Mine.tsb\r\n");
    TFormPrepareGame& form = Form();
    form.FormShow();
    EXPECT_EQ(form.PanelBoardTitle->text(), QStringLiteral("M0"));

    ModalHost::SetResponder([](QDialog& dialog) {
        auto& select = dynamic_cast<TFormSelectBoard&>(dialog);
        select.FormShow();
        select.BitBtnNextBoard->click();
        return kModalOk;
    });
    form.ButtonSelectBoard->click();
    EXPECT_EQ(form.PanelBoardTitle->text(), QStringLiteral("M1"));
    EXPECT_EQ(form.GetBoardStyle().BoardType(), BoardStyle::kTypeRandom);
    form.BitBtnOk->click();
    EXPECT_EQ(Key("DefaultBoardSet"), "Mine");
    EXPECT_EQ(Key("DefaultBoardName"), "Board_001");
}

TEST_F(PrepareGameTest, OkOnMissingFileWritesExactlyItsKeysInOrder)
{
    TFormPrepareGame& form = Form();
    form.FormShow();
    form.BitBtnOk->click();
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(dir_.Read("Tessella.ini"),
              "[Tessella]\r\n1stBrainSet=" + kStandard + "\r\n1stBrainName=Brain_000\r\n2ndBrainSet=" + kStandard
                  + "\r\n2ndBrainName=Brain_000\r\nUserPicture=Picture\\User.bmp\r\n"
                    "ComputerPicture=Picture\\Computer.bmp\r\nWarType=UserVsComp\r\nDefaultBoardSet="
                  + kStandard + "\r\nDefaultBoardName=Board_000\r\n");
}

TEST_F(PrepareGameTest, OkWritesDefaultIconsWhateverTheFileHeld)
{
    Ini("UserPicture=Other.bmp\r\nComputerPicture=Other.bmp\r\n");
    Form().FormShow();
    Form().BitBtnOk->click();
    EXPECT_EQ(Key("UserPicture"), "Picture\\User.bmp");
    EXPECT_EQ(Key("ComputerPicture"), "Picture\\Computer.bmp");
}

TEST_F(PrepareGameTest, CancelAndCloseBoxWriteNothingAndTheNextShowingStartsFromTheFile)
{
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal"}));
    Ini("WarType=UserVsComp\r\nDefaultBoardSet=Mine\r\n", "Mine=Mine.tsb\r\n");
    const std::string before = dir_.Read("Tessella.ini");
    TFormPrepareGame& form = Form();
    form.FormShow();
    form.RadioButtonComp_Comp->click();
    ModalHost::SetResponder([](QDialog& dialog) {
        auto& select = dynamic_cast<TFormSelectBoard&>(dialog);
        select.FormShow();
        select.BitBtnNextBoard->click();
        return kModalOk;
    });
    form.ButtonSelectBoard->click();
    EXPECT_EQ(form.PanelBoardTitle->text(), QStringLiteral("M1"));
    form.BitBtnCancel->click();
    EXPECT_EQ(form.result(), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    ModalHost::SetResponder({});
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    EXPECT_EQ(ModalHost::ShowModal(form), kModalCancel);
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);
    EXPECT_TRUE(form.RadioButtonUser_Comp->isChecked());
    EXPECT_EQ(form.Get1stPlayer().PlayType(), Player::kPlayUser);
    EXPECT_EQ(form.PanelBoardTitle->text(), QStringLiteral("M0"));
}

TEST_F(PrepareGameTest, FailedWriteIsShownAndTheDialogStaysOpen)
{
    QDir(options_.dir).mkdir(QStringLiteral("Tessella.ini"));
    dir_.Write("Tessella.ini/keep", "");
    TFormPrepareGame& form = Form();
    form.FormShow();
    QString message;
    ModalHost::SetResponder([&message](QDialog& dialog) {
        message = dynamic_cast<QMessageBox&>(dialog).text();
        return kModalOk;
    });
    form.setResult(kModalNone);
    form.BitBtnOk->click();
    EXPECT_TRUE(message.contains(QStringLiteral("Tessella.ini")));
    EXPECT_EQ(form.result(), kModalNone);
}

TEST_F(PrepareGameTest, AValueTheFileCannotHoldIsNamedTheRestWrittenAndDroppedLinesKept)
{
    options_.random = 1;
    dir_.Write("Comma.tsb", Boards("C", {"Normal", "Normal"}));
    ScriptedRandom random({0, 1});
    Ini("WarType=UserVsUser\r\n[Lost\r\nGone=1\r\n", "A,B=Comma.tsb\r\n");
    const std::string before = dir_.Read("Tessella.ini");
    Settings::TakeKeptCopies();
    Choose();
    ASSERT_EQ(Form().GetBoardStyle().FileName(), "Comma.tsb");
    QStringList messages;
    ModalHost::SetResponder([&messages](QDialog& dialog) {
        messages << dynamic_cast<QMessageBox&>(dialog).text();
        return kModalOk;
    });
    Form().setResult(kModalNone);
    Form().BitBtnOk->click();

    EXPECT_EQ(Form().result(), kModalOk);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("DefaultBoardSet「A,B」")));
    EXPECT_EQ(Key("DefaultBoardSet"), "(missing)");
    EXPECT_EQ(Key("DefaultBoardName"), "Board_001");
    EXPECT_EQ(dir_.Read("Tessella.ini.bak"), before);
    EXPECT_EQ(Settings::TakeKeptCopies(), std::vector<std::string>{"Tessella.ini.bak"});
}

TEST_F(PrepareGameTest, BoardPreviewStretchesAndClearsTheBorderBackground)
{
    QImage border(40, 40, QImage::Format_RGB32);
    border.fill(Qt::white);
    border.setPixel(20, 2, qRgb(255, 0, 0));
    border.save(QString::fromStdString(dir_.File("border.bmp")), "BMP");
    dir_.Write("Mine.tsb", Board(0, "Stretched", "Normal") + "Border=border.bmp\r\n" + Board(1, "Plain", "Normal")
                               + "Stretch=False\r\n");
    Ini("DefaultBoardSet=Mine\r\n", "Mine=Mine.tsb\r\n");
    Choose();
    TFormPrepareGame& form = Form();
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(100, 100));
    EXPECT_EQ(PixelOf(form.ImageBoard, 50, 50), QColor(Qt::darkGreen));
    EXPECT_EQ(PixelOf(form.ImageBorder, 50, 50).alpha(), 0);
    EXPECT_GT(PixelOf(form.ImageBorder, 50, 6).red(), 0);

    Ini("DefaultBoardSet=Mine\r\nDefaultBoardName=Board_001\r\n", "Mine=Mine.tsb\r\n");
    Choose();
    EXPECT_EQ(form.ImageBoard->pixmap().size(), QSize(40, 40));
}

TEST_F(PrepareGameTest, WithoutRandomTheBoardIsTheDefaultOne)
{
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal"}));
    ScriptedRandom random({1});
    Ini("DefaultBoardSet=Mine\r\nDefaultBoardName=Board_002\r\n", "Mine=Mine.tsb\r\n");
    EXPECT_EQ(Choose(), 0);
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Mine.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_002");
    EXPECT_EQ(Form().PanelBoardTitle->text(), QStringLiteral("M2"));

    Ini("DefaultBoardSet=Unknown\r\n", "Mine=Mine.tsb\r\n");
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Standard.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_000");
    EXPECT_EQ(random.Draws(), 0);
}

TEST_F(PrepareGameTest, RandomDrawWithinTheDefaultSet)
{
    options_.random = 1;
    options_.random2 = 1;
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal", "Normal", "Normal"}));
    dir_.Write("Standard.tsb", Boards("S", {"Normal", "Normal"}));
    ScriptedRandom random({7});
    Ini("DefaultBoardSet=Mine\r\nDefaultBoardName=Board_000\r\n", kStandard + "=Standard.tsb\r\nMine=Mine.tsb\r\n");
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Mine.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_002");
    EXPECT_EQ(random.Draws(), 1);

    Ini("", kStandard + "=Standard.tsb\r\nMine=Mine.tsb\r\n");
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Standard.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_001");
    Form().BitBtnOk->click();
    EXPECT_EQ(Key("DefaultBoardSet"), kStandard);
    EXPECT_EQ(Key("DefaultBoardName"), "Board_001");
}

TEST_F(PrepareGameTest, RandomDrawOverEveryRegisteredSet)
{
    options_.random = 1;
    dir_.Write("Standard.tsb", Boards("S", {"Normal", "Normal", "Normal"}));
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal", "Normal", "Normal"}));
    Ini("", kStandard + "=Standard.tsb\r\nMine=Mine.tsb\r\n");
    {
        ScriptedRandom random({1, 7});
        Choose();
        EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_002");
        EXPECT_EQ(Form().GetBoardStyle().FileName(), "Mine.tsb");
    }
    {
        ScriptedRandom random({2, 4});
        Choose();
        EXPECT_EQ(Form().GetBoardStyle().FileName(), "Standard.tsb");
        EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_001");
    }
    // A board without a Title ends the set.
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal"}) + "[Board_002]\r\nBoardType=Normal\r\n"
                               + Board(3, "M3", "Normal"));
    ScriptedRandom random({1, 7});
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_001");
}

TEST_F(PrepareGameTest, DrawOnASetWithoutBoardsDrawsAgainOrFallsBackToTheDefault)
{
    options_.random = 1;
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal", "Normal", "Normal"}));
    Ini("DefaultBoardSet=Mine\r\nDefaultBoardName=Board_004\r\n", "Empty=Empty.tsb\r\nMine=Mine.tsb\r\n");
    ScriptedRandom random({0, 0, 3});
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Mine.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_003");

    // Mine is not registered now, so the default board comes from the standard file.
    dir_.Write("Standard.tsb", Boards("S", {"Normal", "Normal", "Normal", "Normal", "Normal"}));
    Ini("DefaultBoardSet=Mine\r\nDefaultBoardName=Board_004\r\n", "Empty=Empty.tsb\r\nGone=Gone.tsb\r\n");
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Standard.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_004");
    EXPECT_EQ(Form().PanelBoardTitle->text(), QStringLiteral("S4"));
}

TEST_F(PrepareGameTest, WithNoSetRegisteredTheDrawTakesTheStandardSet)
{
    options_.random = 1;
    dir_.Write("Standard.tsb", Boards("S", {"Normal", "Normal", "Normal"}));
    Ini("DefaultBoardSet=Mine\r\n");
    ScriptedRandom random({0, 2});
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Standard.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_002");
    Form().BitBtnOk->click();
    EXPECT_EQ(Key("DefaultBoardSet"), kStandard);
}

TEST_F(PrepareGameTest, PictureOnlyDrawsUntilAPictureBoard)
{
    options_.random = 1;
    options_.random3 = 1;
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Picture", "Random"}));
    Ini("", "Mine=Mine.tsb\r\n");
    ScriptedRandom random({0, 0, 0, 2, 0, 1});
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_001");
    EXPECT_EQ(Form().GetBoardStyle().BoardType(), BoardStyle::kTypePicture);
    EXPECT_EQ(random.Draws(), 6);
    EXPECT_TRUE(Form().GetBoardNote().isEmpty());
}

TEST_F(PrepareGameTest, PictureOnlyEndsWithTheFirstPictureBoardOfTheRegistry)
{
    options_.random = 1;
    options_.random3 = 1;
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal"}));
    dir_.Write("Pics.tsb", Boards("P", {"Random", "Picture"}));
    dir_.Write("More.tsb", Boards("Q", {"Picture"}));
    Ini("", "Mine=Mine.tsb\r\nPics=Pics.tsb\r\nMore=More.tsb\r\n");
    ScriptedRandom random({0});
    Choose();
    EXPECT_EQ(random.Draws(), 2 * (6 + 20));
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Pics.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_001");
    EXPECT_TRUE(Form().GetBoardNote().contains(QStringLiteral("P1")));
    Form().BitBtnOk->click();
    EXPECT_EQ(Key("DefaultBoardSet"), "Pics");
}

TEST_F(PrepareGameTest, PictureOnlyWithoutAnyPictureBoardKeepsTheLastDraw)
{
    options_.random = 1;
    options_.random3 = 1;
    dir_.Write("Mine.tsb", Boards("M", {"Normal", "Normal", "Normal"}));
    dir_.Write("Other.tsb", Boards("O", {"Random"}));
    Ini("", "Mine=Mine.tsb\r\nOther=Other.tsb\r\n");
    ScriptedRandom random({1, 0, 0, 2});
    Choose();
    EXPECT_EQ(random.Draws(), 2 * (4 + 20));
    EXPECT_EQ(Form().GetBoardStyle().FileName(), "Mine.tsb");
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_002");
    EXPECT_TRUE(Form().GetBoardNote().contains(QStringLiteral("M2")));

    // Limited to one set without boards, the draw still ends.
    options_.random2 = 1;
    Ini("DefaultBoardSet=Empty\r\n", "Empty=Empty.tsb\r\n");
    Choose();
    EXPECT_EQ(Form().GetBoardStyle().SectionName(), "Board_000");
    EXPECT_FALSE(Form().GetBoardNote().isEmpty());
}

}  // namespace
