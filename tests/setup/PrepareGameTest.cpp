#include "setup/TFormPrepareGame.h"

#include "data/TFormSelectBoard.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "players/TFormSelectPlayer.h"
#include "setup/BoardDrawOptions.h"
#include "setup/Settings.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedModals.h"
#include "support/ScriptedRandom.h"
#include "support/SetFiles.h"
#include "support/UiApp.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>
#include <vector>

namespace {

const std::string kStandard = Settings::kStandardSetName;
const QColor kUserColour(200, 0, 0);
const QColor kComputerColour(0, 0, 200);

// The three random-board switches as the game settings give them.
struct FakeOptions : BoardDrawOptions {
    int GetRandomBoard() const override { return random[0]; }
    int GetRandomBoard2() const override { return random[1]; }
    int GetRandomBoard3() const override { return random[2]; }
    const QString& GetProgramDir() const override { return dir; }

    std::array<int, 3> random{};
    QString dir;
};

// Boards titled prefix0, prefix1, ... showing b.bmp, of the types given one letter each: Normal, Picture,
// Random, or U for a Normal one without a title.
std::string Boards(const std::string& prefix, const std::string& types)
{
    std::string text;
    for (std::size_t i = 0; i < types.size(); ++i) {
        text += Format("[Board_%03zu]\r\nBoardType=%s\r\nBoard=b.bmp\r\n", i,
                       types[i] == 'P' ? "Picture" : types[i] == 'R' ? "Random" : "Normal");
        if (types[i] != 'U')
            text += Format("Title=%s%zu\r\n", prefix.c_str(), i);
    }
    return text;
}

QColor PixelOf(const QLabel* label, int x, int y)
{
    return label->pixmap().toImage().pixelColor(x, y);
}

class PrepareGameTest : public InProgramFolder {
protected:
    // Before the fixture's windows are made.
    static void SetUpTestSuite() { UiApp(); }

    void SetUp() override
    {
        InProgramFolder::SetUp();
        options_.dir = QDir::currentPath();
        PictureLoader::ClearCache();
        QDir().mkdir(QStringLiteral("Picture"));
        SaveBmp(dir_.File("Picture/User.bmp"), kUserColour.rgb(), 100, 20);
        SaveBmp(dir_.File("Picture/Computer.bmp"), kComputerColour.rgb(), 100, 20);
        SaveBmp(dir_.File("b.bmp"), QColor(Qt::darkGreen).rgb(), 40, 40);
    }

    void Ini(const std::string& tessella, const std::string& boardSets = "", const std::string& brainSets = "") const
    {
        dir_.Write("Tessella.ini",
                   "[Tessella]\r\n" + tessella + "[BoardSet]\r\n" + boardSets + "[BrainSet]\r\n" + brainSets);
    }

    std::string Key(const char* key) const
    {
        return WindowsIni(dir_.File("Tessella.ini")).GetString("Tessella", key, 0, "(missing)");
    }

    FakeOptions options_;
    ScriptedModals modals_;
    TFormSelectPlayer selectPlayer_;
    TFormSelectBoard selectBoard_;
    TFormPrepareGame form_{options_, selectPlayer_, selectBoard_};
};

TEST_F(PrepareGameTest, ChosenPlayersBoardAndPlayTypesAreShownAndWrittenOnOkButNeverOnCancelOrTheCloseBox)
{
    SaveBmp(dir_.File("border.bmp"), qRgb(255, 255, 255), 40, 40);
    dir_.Write("Mine.tsp", "[Brain_000]\r\nName=Ann\r\n[Brain_001]\r\nName=Bob\r\n");
    dir_.Write("Mine.tsb", "[Board_000]\r\nBoardType=Normal\r\nBoard=b.bmp\r\nTitle=M0\r\nBorder=border.bmp\r\n"
                           "[Board_001]\r\nBoardType=Random\r\nBoard=b.bmp\r\nTitle=M1\r\nStretch=False\r\n");
    Ini("WarType=CompVsUser\r\n1stBrainSet=Mine\r\n1stBrainName=Brain_000\r\nDefaultBrainSet=Mine\r\n"
        "DefaultBoardSet=Mine\r\n", "Mine=Mine.tsb\r\n", "Mine=Mine.tsp\r\n");
    const std::string before = dir_.Read("Tessella.ini");
    int answer = kModalCancel;
    modals_.On<TFormSelectPlayer>([&answer](TFormSelectPlayer& select) {
        select.FormShow();
        for (int i = 0; i < 2 && select.GetPlayerSection() != "Brain_001"; ++i)
            select.BitBtnNextPlayer->click();
        if (answer == kModalOk)
            select.BitBtnOk->click();
        return answer;
    });
    modals_.On<TFormSelectBoard>([](TFormSelectBoard& select) {
        select.FormShow();
        select.BitBtnNextBoard->click();
        return static_cast<int>(kModalOk);
    });
    for (QPushButton* leave : {form_.BitBtnCancel, static_cast<QPushButton*>(nullptr)}) {
        form_.show();
        EXPECT_TRUE(form_.RadioButtonComp_User->isChecked()) << "each showing starts from the file";
        EXPECT_EQ(form_.PanelBoardTitle->text() + form_.Panel1stPlayerName->text(), QStringLiteral("M0Ann"));
        form_.RadioButtonComp_Comp->click();
        form_.ButtonSelectBoard->click();
        form_.ButtonSelect1stPlayer->click();
        EXPECT_EQ(form_.PanelBoardTitle->text() + form_.Panel1stPlayerName->text(), QStringLiteral("M1Ann"));
        leave ? leave->click() : static_cast<void>(form_.close());
        EXPECT_EQ(form_.result(), kModalCancel);
        EXPECT_EQ(dir_.Read("Tessella.ini"), before);
    }

    // The board stretched under its border, cleared by its bottom-left colour; a pixel off the picture reads opaque.
    form_.show();
    EXPECT_EQ(form_.ImageBoard->pixmap().size(), QSize(100, 100));
    EXPECT_EQ(PixelOf(form_.ImageBoard, 50, 50), QColor(Qt::darkGreen));
    EXPECT_EQ(PixelOf(form_.ImageBorder, 50, 50).alpha(), 0);
    // The play types of both sides, then the icons shown: U for the user, C for the computer.
    const std::pair<QRadioButton*, std::string> cases[] = {{form_.RadioButtonUser_Comp, "UCUC"},
                                                           {form_.RadioButtonComp_Comp, "CCCC"},
                                                           {form_.RadioButtonUser_User, "UUUU"},
                                                           {form_.RadioButtonComp_User, "CUCU"}};
    for (const auto& [radio, expected] : cases) {
        radio->click();
        std::string shown;
        for (const Player* player : {&form_.Get1stPlayer(), &form_.Get2ndPlayer()})
            shown += player->PlayType() == Player::kPlayUser ? 'U' : 'C';
        for (const QLabel* icon : {form_.Image1stPlayType, form_.Image2ndPlayType})
            shown += PixelOf(icon, 5, 5) == kUserColour ? 'U' : PixelOf(icon, 5, 5) == kComputerColour ? 'C' : '?';
        EXPECT_EQ(shown, expected) << radio->objectName().toStdString();
    }

    // A chosen player takes the play type of the checked button; a board that does not stretch shows at its own size.
    answer = kModalOk;
    form_.ButtonSelect2ndPlayer->click();
    EXPECT_EQ(form_.Panel2ndPlayerName->text(), QStringLiteral("Bob"));
    EXPECT_EQ(form_.Get2ndPlayer().PlayType(), Player::kPlayUser);
    form_.RadioButtonUser_Comp->click();
    form_.ButtonSelect1stPlayer->click();
    EXPECT_EQ(form_.Get1stPlayer().PlayType(), Player::kPlayUser);
    form_.ButtonSelectBoard->click();
    EXPECT_EQ(form_.GetBoardStyle().BoardType(), BoardStyle::kTypeRandom);
    EXPECT_EQ(form_.ImageBoard->pixmap().size(), QSize(40, 40));
    form_.BitBtnOk->click();
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_EQ(Key("1stBrainSet") + Key("1stBrainName") + Key("2ndBrainName"), "MineBrain_001Brain_001");
    EXPECT_EQ(Key("DefaultBoardSet") + Key("DefaultBoardName") + Key("WarType"), "MineBoard_001UserVsComp");
    // What the selection dialog wrote meanwhile is kept.
    EXPECT_EQ(Key("DefaultBrainName"), "Brain_001");
}

TEST_F(PrepareGameTest, OkWritesExactlyTheKeysItCanWithTheDefaultIconsButNeverWarTypeNone)
{
    Ini("WarType=None\r\nUserPicture=Other.bmp\r\nComputerPicture=Other.bmp\r\n");
    form_.FormShow();
    EXPECT_TRUE(form_.Image1stPlayType->pixmap().isNull());
    form_.BitBtnOk->click();
    EXPECT_EQ(Key("WarType") + Key("UserPicture") + Key("ComputerPicture"), "NonePicture\\User.bmpPicture\\Computer.bmp");

    std::filesystem::remove("Tessella.ini");
    form_.FormShow();
    form_.BitBtnOk->click();
    EXPECT_EQ(dir_.Read("Tessella.ini"),
              "[Tessella]\r\n1stBrainSet=" + kStandard + "\r\n1stBrainName=Brain_000\r\n2ndBrainSet=" + kStandard
                  + "\r\n2ndBrainName=Brain_000\r\nUserPicture=Picture\\User.bmp\r\n"
                    "ComputerPicture=Picture\\Computer.bmp\r\nWarType=UserVsComp\r\nDefaultBoardSet="
                  + kStandard + "\r\nDefaultBoardName=Board_000\r\n");

    // A value the file cannot hold is named and left out, the rest written, and dropped lines kept in a copy.
    options_.random[0] = 1;
    dir_.Write("Comma.tsb", Boards("C", "NN"));
    ScriptedRandom random({0, 1});
    Ini("WarType=UserVsUser\r\n[Lost\r\nGone=1\r\n", "A,B=Comma.tsb\r\n");
    Settings::TakeKeptCopies();
    form_.FormShow();
    ASSERT_EQ(form_.GetBoardStyle().FileName(), "Comma.tsb");
    form_.BitBtnOk->click();
    ASSERT_EQ(modals_.messages.size(), 1);
    EXPECT_TRUE(modals_.messages[0].contains(QStringLiteral("DefaultBoardSet「A,B」")));
    EXPECT_EQ(Key("DefaultBoardSet") + " " + Key("DefaultBoardName"), "(missing) Board_001");
    EXPECT_EQ(Settings::TakeKeptCopies(), std::vector<std::string>{"Tessella.ini.bak"});

    // A failed write is shown and the dialog stays open.
    std::filesystem::remove("Tessella.ini");
    QDir().mkdir(QStringLiteral("Tessella.ini"));
    form_.setResult(kModalNone);
    form_.BitBtnOk->click();
    ASSERT_EQ(modals_.messages.size(), 2);
    EXPECT_TRUE(modals_.messages[1].contains(QStringLiteral("Tessella.ini")));
    EXPECT_EQ(form_.result(), kModalNone);
}

// Each case: the draw options, the set files, the settings, the numbers the random source answers,
// then the board drawn, how many numbers it took and a part of the note shown ("": no note).
TEST_F(PrepareGameTest, BoardDraws)
{
    const std::string mine = "Mine=Mine.tsb\r\n";
    const std::string both = kStandard + "=Standard.tsb\r\n" + mine;
    const std::string fixed = "DefaultBoardSet=Mine\r\nDefaultBoardName=Board_004\r\n";
    using Files = std::vector<std::pair<std::string, std::string>>;
    const Files m5 = {{"Mine.tsb", Boards("M", "NNNNN")}};
    const Files s3 = {{"Standard.tsb", Boards("S", "NNN")}};
    const struct {
        const char* what;
        std::array<int, 3> random;
        Files files;
        std::string tessella, boardSets;
        std::vector<int> numbers;
        std::string drawn;
        int draws;
        const char* note;
    } cases[] = {
        {"no draw: the default", {0, 0, 0}, m5, fixed, mine, {1}, "Mine.tsb|Board_004", 0, ""},
        {"within the default set", {1, 1, 0}, m5, fixed, both, {7}, "Mine.tsb|Board_002", 1, ""},
        {"over every set", {1, 0, 0}, m5, "", both, {1, 7}, "Mine.tsb|Board_002", 2, ""},
        {"a board without a title ends the set", {1, 0, 0}, {{"Mine.tsb", Boards("M", "NNUN")}}, "", mine, {1, 7},
         "Mine.tsb|Board_001", 2, ""},
        {"a set without boards draws again", {1, 0, 0}, m5, fixed, "Empty=Empty.tsb\r\n" + mine, {0, 0, 3},
         "Mine.tsb|Board_003", 3, ""},
        {"no set with boards: the default", {1, 0, 0}, {}, fixed, "Empty=Empty.tsb\r\n", {0}, "Standard.tsb|Board_004", 1, ""},
        {"nothing registered: the standard set", {1, 0, 0}, s3, fixed, "", {0, 2}, "Standard.tsb|Board_002", 2, ""},
        {"picture only until a picture board", {1, 0, 1}, {{"Mine.tsb", Boards("M", "NPR")}}, "", mine, {0, 0, 0, 2, 0, 1},
         "Mine.tsb|Board_001", 6, ""},
        {"picture only: the first picture board", {1, 0, 1},
         {{"Mine.tsb", Boards("M", "NNN")}, {"Pics.tsb", Boards("P", "RP")}, {"More.tsb", Boards("Q", "P")}}, "",
         mine + "Pics=Pics.tsb\r\nMore=More.tsb\r\n", {0}, "Pics.tsb|Board_001", 2 * (6 + 20), "「P1」"},
        {"picture only without a picture board", {1, 0, 1}, {{"Mine.tsb", Boards("M", "NNN")}, {"O.tsb", Boards("O", "R")}},
         "", mine + "O=O.tsb\r\n", {1, 0, 0, 2}, "Mine.tsb|Board_002", 2 * (4 + 20), "「M2」"},
        {"picture only in a set without boards", {1, 1, 1}, {}, "DefaultBoardSet=Empty\r\n", "Empty=Empty.tsb\r\n", {0},
         "Empty.tsb|Board_000", 0, "「」"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"Mine.tsb", "Standard.tsb"})
            std::filesystem::remove(name);
        for (const auto& [name, text] : c.files)
            dir_.Write(name, text);
        options_.random = c.random;
        Ini(c.tessella, c.boardSets);
        ScriptedRandom random(c.numbers);
        WindowsIni settings = Settings::Open();
        form_.ChooseBoard(settings);
        EXPECT_EQ(form_.GetBoardStyle().FileName() + "|" + form_.GetBoardStyle().SectionName(), c.drawn);
        EXPECT_EQ(random.Draws(), c.draws);
        EXPECT_EQ(form_.GetBoardNote().isEmpty(), *c.note == '\0');
        EXPECT_TRUE(form_.GetBoardNote().contains(QString::fromUtf8(c.note)));
    }
}

}  // namespace
