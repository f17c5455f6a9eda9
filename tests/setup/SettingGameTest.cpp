#include "setup/TFormInputSetName.h"
#include "setup/TFormSaveConfirm.h"
#include "setup/TFormSettingGame.h"

#include "data/WindowsIni.h"
#include "platform/FileDialogs.h"
#include "support/Cp932.h"
#include "support/InProgramFolder.h"
#include "support/ScriptedModals.h"
#include "support/UiApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <memory>

namespace fs = std::filesystem;

namespace {

const QString kStandard = QStringLiteral("標準");

// The shown texts of a list, or with `whole` the full names behind items cut short.
QStringList Items(const QListWidget* list, bool whole = false)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << (whole ? list->item(i)->toolTip() : list->item(i)->text());
    return items;
}

// Base timer, animation, auto pass and the three random-board switches as the getters give them.
std::string Options(const TFormSettingGame& window)
{
    std::string text = std::to_string(window.GetBaseTimer());
    for (int option : {window.GetAnimation(), window.GetAutoPass(), window.GetRandomBoard(), window.GetRandomBoard2(),
                       window.GetRandomBoard3()})
        text.append(1, ' ').append(std::to_string(option));
    return text;
}

void Select(QListWidget* list, const QString& text)
{
    list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
}

}  // namespace

TEST(SaveConfirmTest, EachButtonAnswersItsResultAndYesHasTheFocus)
{
    UiApp();
    TFormSaveConfirm dialog;
    const std::pair<QPushButton*, int> presses[] = {{dialog.BitBtnYes, kModalYes}, {dialog.BitBtnNo, kModalNo},
                                                    {dialog.BitBtnCancel, kModalCancel}, {nullptr, kModalCancel}};
    // Through the real modal host: each press runs inside the dialog's own event loop.
    for (const auto& [button, result] : presses) {
        QTimer::singleShot(0, &dialog, [&dialog, button = button] {
            EXPECT_EQ(dialog.focusWidget(), dialog.BitBtnYes);
            button ? button->click() : static_cast<void>(dialog.close());
        });
        EXPECT_EQ(ModalHost::ShowModal(dialog), result);
    }
}

class SettingGameTest : public InProgramFolder {
protected:
    static void SetUpTestSuite() { UiApp(); }

    void SetUp() override
    {
        InProgramFolder::SetUp();
        home_ = QDir::currentPath();
        WriteCp932(dir_, "Base.ts", QStringLiteral("; template\n[Board_000]\nTitle=雛形\n[Brain_000]\nName=雛形\n"));
        // Each name is typed and OK pressed while the dialog stays open; with none left it cancels.
        modals_.On<TFormInputSetName>([this](TFormInputSetName& input) {
            input.setResult(kModalNone);
            input.show();
            offered_ << input.EditSetName->text();
            for (; input.isVisible() && !names_.empty(); names_.pop_front()) {
                input.EditSetName->setText(names_.front());
                input.ButtonOk->click();
            }
            if (input.isVisible())
                input.ButtonCancel->click();
            return input.result();
        });
        FileDialogs::SetResponder([this](const QString&, const QString&) {
            // The real dialog may leave the working directory elsewhere.
            QDir::setCurrent(QString::fromStdString(outside_.Path().string()));
            return files_.isEmpty() ? QString() : files_.takeFirst();
        });
    }

    void TearDown() override
    {
        window_.reset();
        FileDialogs::SetResponder({});
        InProgramFolder::TearDown();
    }

    void WriteSettings(const QString& text) { WriteCp932(dir_, "Tessella.ini", text); }

    // Made at first use; shown as the modal host would, which runs its show handler, unless `show` is false.
    TFormSettingGame& Shown(bool show = true)
    {
        if (!window_)
            window_ = std::make_unique<TFormSettingGame>(input_);
        if (show) {
            window_->setResult(kModalNone);
            window_->show();
        }
        return *window_;
    }

    // The values of the keys in the settings file, each "-" when missing, joined by spaces.
    static QString Values(const std::string& section, const QStringList& keys)
    {
        const WindowsIni ini("Tessella.ini");
        QStringList values;
        for (const QString& key : keys) {
            const std::string* value = ini.FindValue(section, Cp932(key), 0);
            values << (value ? TextCodec::ToUi(*value) : QStringLiteral("-"));
        }
        return values.join(QLatin1Char(' '));
    }

    QString home_;
    ScriptedModals modals_;
    TFormInputSetName input_;
    std::unique_ptr<TFormSettingGame> window_;
    QStringList names_;
    QStringList files_;
    QStringList offered_;
};

TEST_F(SettingGameTest, OptionsAreReadAtCreationWrittenOnOkRestoredOnCancelAndFollowTheirEnablingAndTextRules)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=一番\nBaseTimer=55\nAnimation=true\nPass=Manual\n"
                                 "RandomBoard=True\nShowLastMove=False\n[BoardSet]\n一番=One.tsb\n"));
    const std::string before = dir_.Read("Tessella.ini");
    TFormSettingGame& window = Shown(false);
    EXPECT_EQ(Options(window), "55 0 0 1 0 0");
    const auto changeEverything = [&] {
        Shown().EditBaseTimer->setText(QStringLiteral("80"));
        for (QCheckBox* box : {window.CheckBoxAnimation, window.CheckBoxAutoPass, window.CheckBoxRandomBoard2,
                               window.CheckBoxShowLegalMoves, window.CheckBoxShowLastMove, window.CheckBoxShowCoordinates})
            box->click();
        window.ComboBoxRandomBoard2->setEditText(QStringLiteral("未登録"));
    };
    for (const std::function<void()>& leave : std::initializer_list<std::function<void()>>{
             [&] { window.BitBtnCancel->click(); }, [&] { window.close(); }}) {
        changeEverything();
        leave();
        EXPECT_EQ(window.result(), kModalCancel);
        EXPECT_EQ(dir_.Read("Tessella.ini"), before);
        EXPECT_EQ(Options(window), "55 0 0 1 0 0");
        EXPECT_EQ(window.GetBoardSetName(), Cp932(QStringLiteral("一番")));
    }

    changeEverything();
    // A set name the file cannot hold keeps the dialog open, and so does a write that fails.
    for (const QString& text : {QStringLiteral("한국어"), QStringLiteral("a,b"), QStringLiteral("未登録")}) {
        window.ComboBoxRandomBoard2->setEditText(text);
        if (text == QStringLiteral("未登録")) {
            fs::remove("Tessella.ini");
            fs::create_directory("Tessella.ini");
        }
        window.BitBtnOk->click();
    }
    ASSERT_EQ(modals_.messages.size(), 3);
    EXPECT_TRUE(modals_.messages[2].contains(QStringLiteral("Tessella.ini")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Options(window), "80 0 0 1 0 0");
    // Once the folder can take the file again, OK saves everything the dialog held.
    fs::remove("Tessella.ini");
    window.BitBtnOk->click();
    EXPECT_EQ(window.result(), kModalOk);
    EXPECT_EQ(Options(window), "80 1 1 1 1 0");
    EXPECT_EQ(window.GetBoardSetName(), Cp932(QStringLiteral("未登録")));
    EXPECT_EQ(Values("Tessella", {"BaseTimer", "Animation", "Pass", "RandomBoard2", "DefaultBoardSet", "ShowLegalMoves",
                                  "ShowLastMove", "ShowCoordinates"}),
              QStringLiteral("80 True Auto True 未登録 False True True"));
    EXPECT_EQ(Values("BoardSet", {"一番"}), "One.tsb");

    // Cancel after a failed write shows the options as they were last written.
    changeEverything();
    fs::remove("Tessella.ini");
    fs::create_directory("Tessella.ini");
    window.BitBtnOk->click();
    window.BitBtnCancel->click();
    EXPECT_EQ(Options(window), "80 1 1 1 1 0");

    // The random-board options follow their enabling table.
    fs::remove("Tessella.ini");
    WriteSettings(QStringLiteral("[Tessella]\nRandomBoard=True\nRandomBoard2=True\nRandomBoard3=True\n"));
    Shown();
    QCheckBox* random = window.CheckBoxRandomBoard;
    QCheckBox* withinSet = window.CheckBoxRandomBoard2;
    QCheckBox* pictureOnly = window.CheckBoxRandomBoard3;
    const auto click = [&](QCheckBox* box) {
        if (box != nullptr)
            box->click();
        return std::string(withinSet->isEnabled() ? "2" : "-") + (pictureOnly->isEnabled() ? "3" : "-")
            + (window.ComboBoxRandomBoard2->isEnabled() ? "B" : "-");
    };
    // Both narrowing options come only from an edited file: the box then waits for a click.
    EXPECT_EQ(click(nullptr), "---");
    EXPECT_EQ(click(random), "---");
    EXPECT_EQ(click(random), "--B");
    // Checks disabled by the other narrowing option still count.
    window.BitBtnOk->click();
    EXPECT_EQ(Options(window), "55 1 0 1 1 1");
    EXPECT_EQ(Values("Tessella", {"RandomBoard3"}), "True");

    WriteSettings(QStringLiteral("[Tessella]\nRandomBoard=True\n"));
    Shown();
    EXPECT_EQ(click(nullptr), "23-");
    const std::pair<QCheckBox*, const char*> more[] = {
        {withinSet, "2-B"}, {withinSet, "23-"}, {pictureOnly, "-3-"}, {random, "---"}, {random, "-3-"}};
    for (const auto& [box, expected] : more)
        EXPECT_EQ(click(box), expected);
    EXPECT_TRUE(pictureOnly->isChecked());

    // Base timer texts typed one after another, from the default 55: a letter stands for the value
    // before it, digits stop at the limit.
    const struct {
        const char* typed;
        int value;
        int upDown;
    } cases[] = {{"12a3", 553, 553}, {"0", 0, 0}, {"1500", 1500, 999}, {"98765432109876", 999999, 999},
                 {"12", 12, 12}, {"12a", 12, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        window.EditBaseTimer->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(window.GetBaseTimer(), c.value);
        EXPECT_EQ(window.EditBaseTimer->text(), QString::number(c.value));
        EXPECT_EQ(window.UpDownBaseTimer->value(), c.upDown);
    }
    window.EditBaseTimer->setText(QStringLiteral("40"));
    window.UpDownBaseTimer->stepUp();
    window.BitBtnOk->click();
    EXPECT_EQ(Values("Tessella", {"BaseTimer"}), "41");
}

TEST_F(SettingGameTest, NewRefusesNamesTheFileCannotStoreCancelRemovesUneditedSetsAndDeleteAsksOnlyForASetInUse)
{
    // The standard set's name is refused even where no standard set is registered.
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\n[BoardSet]\n一番=One.tsb\n二番=Two.tsb\n三番=Three.tsb\n"
                                 "[BrainSet]\n甲=Kou.tsp\n"));
    dir_.Write("Taken.tsb", "[BoardSet]\r\nName=Other\r\n");
    std::string before = dir_.Read("Tessella.ini");
    TFormSettingGame& window = Shown();
    names_ = {QStringLiteral("Mine"), QStringLiteral("Mine"), QStringLiteral("Edited")};
    window.ButtonNewBoardSet->click();
    window.ButtonNewPlayerSet->click();
    // The name dialog offers the name it accepted last.
    EXPECT_EQ(offered_, QStringList({QString(), QStringLiteral("Mine")}));
    const QString body = QStringLiteral("[Board_000]\r\nTitle=雛形\r\n[Brain_000]\r\nName=雛形\r\n");
    EXPECT_EQ(dir_.Read("Mine.tsb"), Cp932(body + QStringLiteral("[BoardSet]\r\nName=Mine\r\n")));
    EXPECT_EQ(dir_.Read("Mine.tsp"), Cp932(body + QStringLiteral("[BrainSet]\r\nName=Mine\r\n")));
    QComboBox* box = window.ComboBoxRandomBoard2;
    EXPECT_EQ(box->itemText(box->count() - 1) + box->currentText(), QStringLiteral("Mine二番"));
    EXPECT_EQ(Items(window.ListBoxPlayerSet), QStringList({QStringLiteral("甲"), QStringLiteral("Mine")}));
    window.ButtonNewBoardSet->click();
    EXPECT_EQ(Items(window.ListBoxBoardSet).mid(3), QStringList({QStringLiteral("Mine"), QStringLiteral("Edited")}));
    dir_.Write("Edited.tsb", dir_.Read("Edited.tsb") + "[Board_001]\r\nTitle=work\r\n");
    window.BitBtnCancel->click();
    EXPECT_FALSE(fs::exists("Mine.tsb") || fs::exists("Mine.tsp"));
    ASSERT_EQ(modals_.messages.size(), 1);
    EXPECT_TRUE(modals_.messages.front().contains(QStringLiteral("Edited.tsb")));
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    // The name is free again, and a set kept by OK stays on a later Cancel.
    names_ = {QStringLiteral("Mine")};
    Shown().ButtonNewBoardSet->click();
    window.BitBtnOk->click();
    Shown().BitBtnCancel->click();
    EXPECT_TRUE(fs::exists("Mine.tsb"));
    EXPECT_EQ(Values("BoardSet", {"Mine"}), "Mine.tsb");
    EXPECT_EQ(modals_.messages.size(), 1);

    Shown();
    // The name dialog itself refuses what CP932 cannot hold or its field cannot take, and stays open.
    const QStringList refusedByTheDialog = {QStringLiteral("한국어"), QString(260, QLatin1Char('a'))};
    QStringList refused = refusedByTheDialog;
    refused << QStringLiteral("") << QStringLiteral("一番") << QStringLiteral("taken") << kStandard
            << QStringLiteral("a\nb") << QStringLiteral("a\tb") << QString(228, QLatin1Char('y'))
            << QStringLiteral("\u3000") << QStringLiteral(" lead") << QStringLiteral("trail ")
            << QStringLiteral(".hidden") << QString(76, QChar(0x6f22)) << QString(129, QChar(0x3042)) + 'a';
    for (const QChar c : QStringLiteral(",;!=[]\\/:*?\"<>|"))
        refused << QStringLiteral("名%1前").arg(c);
    for (const QString& name : refused) {
        SCOPED_TRACE(name.toStdString());
        modals_.messages.clear();
        offered_.clear();
        names_ = {name};
        window.ButtonNewBoardSet->click();
        EXPECT_EQ(modals_.messages.size(), 1);
        // Otherwise offered again with the refused name, ready to be corrected.
        EXPECT_EQ(offered_.size(), refusedByTheDialog.contains(name) ? 1 : 2);
        EXPECT_EQ(offered_.back(), refusedByTheDialog.contains(name) ? offered_.front() : name);
    }

    // The set file's name must fit the host's, where a kanji takes three bytes.
    names_ = {QString(75, QChar(0x6f22)), QString(227, QLatin1Char('y'))};
    window.ButtonNewBoardSet->click();
    window.ButtonNewBoardSet->click();
    EXPECT_EQ(Items(window.ListBoxBoardSet, true).mid(4),
              QStringList({QString(75, QChar(0x6f22)), QString(227, QLatin1Char('y'))}));
    window.BitBtnOk->click();
    EXPECT_EQ(Values("BoardSet", {"Taken", QString(227, 'y')}), "- " + QString(227, 'y') + ".tsb");

    // Delete asks only for a set in use and moves the random box to the set before.
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nDefaultBoardName=Board_004\n1stBrainSet=甲\n"
                                 "1stBrainName=Brain_003\n2ndBrainSet=乙\nRandomBoard2=True\n[BoardSet]\n一番=One.tsb\n"
                                 "二番=Two.tsb\n三番=Three.tsb\n四番=Four.tsb\n[BrainSet]\n甲=Kou.tsp\n乙=Otsu.tsp\n"));
    dir_.Write("Three.tsb", "[BoardSet]\r\nName=Three\r\n");
    before = dir_.Read("Tessella.ini");
    Shown();
    const auto remove = [&](const QString& name) {
        Select(window.ListBoxBoardSet, name);
        window.ButtonDeleteBoardSet->click();
        return box->currentText();
    };
    // The set in use: No keeps it, Yes sends the box to the standard set; Cancel leaves the file.
    modals_.answers = {kModalNo, kModalYes};
    EXPECT_EQ(remove(QStringLiteral("二番")), QStringLiteral("二番"));
    EXPECT_EQ(window.ListBoxBoardSet->count(), 4);
    window.ButtonDeleteBoardSet->click();
    EXPECT_EQ(box->currentText(), kStandard);
    window.BitBtnCancel->click();
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    Shown();
    box->setCurrentIndex(2);
    EXPECT_EQ(remove(QStringLiteral("三番")), QStringLiteral("二番"));
    window.ButtonDeleteBoardSet->click();
    EXPECT_EQ(window.ListBoxBoardSet->count(), 3) << "nothing stays selected after a delete";
    box->setCurrentIndex(0);
    EXPECT_EQ(remove(QStringLiteral("一番")), QStringLiteral("二番"));
    box->setEditText(QStringLiteral("手入力"));
    EXPECT_EQ(remove(QStringLiteral("四番")), QStringLiteral("手入力"));
    EXPECT_EQ(modals_.questions.size(), 2) << "a set not in use goes without a question";
    modals_.answers = {kModalYes};
    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonDeletePlayerSet->click();
    ASSERT_EQ(modals_.questions.size(), 3);
    EXPECT_TRUE(modals_.questions[2].contains(QStringLiteral("甲")));
    EXPECT_TRUE(fs::exists("Three.tsb"));

    box->setEditText(QStringLiteral("二番"));
    window.BitBtnOk->click();
    EXPECT_EQ(Settings::Registry(WindowsIni("Tessella.ini"), Settings::SetKind::Board).size(), 1u);
    EXPECT_EQ(Values("BrainSet", {"甲"}), "-");
    EXPECT_EQ(Values("Tessella", {"1stBrainSet", "1stBrainName", "2ndBrainSet", "DefaultBoardSet"}),
              QStringLiteral("標準 Brain_000 乙 二番"));
}

TEST_F(SettingGameTest, CaptionsFitModifyFollowsTheRenumberingAndAddCopiesOnlyWhatIsOutsideNeverReplacingAFile)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nDefaultBoardName=Board_002\n1stBrainSet=甲\n"
                                 "1stBrainName=Brain_001\n[BoardSet]\n標準=Standard.tsb\n一番=One.tsb\n二番=Two.tsb\n"
                                 "三番=Three.tsb\n[BrainSet]\n標準=Standard.tsp\n甲=Kou.tsp\n"));
    TFormSettingGame& window = Shown();
    // Every caption fits inside the fixed window.
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        if (!widget->isVisible() || (button == nullptr && label == nullptr))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_TRUE(window.rect().contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())));
        if (qobject_cast<QPushButton*>(widget) != nullptr) {
            EXPECT_GE(widget->width(), widget->fontMetrics().horizontalAdvance(button->text()) + 16);
        } else if (label == nullptr || label->pixmap().isNull()) {
            EXPECT_GE(widget->width(), widget->sizeHint().width());
        }
    }
    EXPECT_EQ(window.ComboBoxRandomBoard2->itemText(0), kStandard);
    EXPECT_FALSE(window.ButtonModifyBoardSet->isEnabled());

    // The editors renumber entries as a person's moves and deletes would.
    std::string edited;
    QStringList notices;
    window.SetBoardEditor([&] {
        edited += window.GetBoardSetName() + "|" + window.GetBoardSetFile();
        notices << window.FollowRenumbering(Settings::SetKind::Board, window.GetBoardSetName(), {0, 2, 1});
        QDir::setCurrent(QString::fromStdString(outside_.Path().string()));
    });
    window.SetPlayerEditor([&] {
        edited += window.GetPlayerSetName() + "|" + window.GetPlayerSetFile();
        notices << window.FollowRenumbering(Settings::SetKind::Player, window.GetPlayerSetName(), {0, -1});
    });
    EXPECT_TRUE(window.ButtonModifyBoardSet->isEnabled());
    window.ButtonModifyBoardSet->click();
    EXPECT_EQ(edited, "") << "nothing selected";
    Select(window.ListBoxBoardSet, QStringLiteral("二番"));
    window.ButtonModifyBoardSet->click();
    EXPECT_EQ(QDir::currentPath(), home_);
    EXPECT_EQ(Values("Tessella", {"DefaultBoardName"}), "Board_001");
    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonModifyPlayerSet->click();
    EXPECT_EQ(edited, Cp932(QStringLiteral("二番|Two.tsb甲|Kou.tsp")));
    ASSERT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[0].isEmpty());
    EXPECT_TRUE(notices[1].contains(QStringLiteral("Brain_001")));
    // OK writes the held copy, which must not bring the old references back.
    const int width = window.sizeHint().width();
    window.BitBtnOk->click();
    EXPECT_EQ(Values("Tessella", {"DefaultBoardName", "1stBrainSet"}), QStringLiteral("Board_001 標準"));

    // Add, with the lists left as they were.
    dir_.Write("Standard.tsb", "[BoardSet]\r\nName=Standard\r\n");
    dir_.Write("Standard_2.tsb", "[BoardSet]\r\nName=Other\r\n");
    const std::string outside = "; kept comment\r\n[BoardSet]\r\nName=Outside ; note\r\n";
    // Only the file name is stored, so a folder CP932 cannot name does not matter.
    fs::create_directory(outside_.Path() / "한국");
    outside_.Write("한국/Standard.tsb", outside);
    WriteCp932(outside_, "Team.tsp", QStringLiteral("[BrainSet]\nName=チーム\n"));
    WriteCp932(outside_, "Nameless.tsb", QStringLiteral("[Board_000]\nTitle=x\n"));
    WriteCp932(outside_, "Again.tsb", QStringLiteral("[BoardSet]\nName=一番\n"));
    WriteCp932(outside_, "Player.tsp", QStringLiteral("[BoardSet]\nName=Wrong\n"));
    fs::create_directory("Sets");
    WriteCp932(dir_, "Sets/Deep.tsb", QStringLiteral("[BoardSet]\nName=Deep\n"));
    const std::string before = dir_.Read("Tessella.ini");
    Shown();
    files_ = {Outside("한국/Standard.tsb"), Outside("Team.tsp"), QString::fromStdString(dir_.File("Sets/Deep.tsb"))};
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(QDir::currentPath(), home_);
    ASSERT_EQ(modals_.messages.size(), 1);
    EXPECT_TRUE(modals_.messages.front().contains(QStringLiteral("Standard_3.tsb")));
    EXPECT_EQ(dir_.Read("Standard_3.tsb"), outside);
    window.ButtonAddPlayerSet->click();
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(dir_.Read("Team.tsp"), outside_.Read("Team.tsp"));
    EXPECT_EQ(Items(window.ListBoxBoardSet).mid(3), QStringList({QStringLiteral("Outside "), QStringLiteral("Deep")}));
    EXPECT_EQ(window.ComboBoxRandomBoard2->itemText(window.ComboBoxRandomBoard2->count() - 1), QStringLiteral("Deep"));
    EXPECT_EQ(Items(window.ListBoxPlayerSet).last(), QStringLiteral("チーム"));
    EXPECT_EQ(dir_.Read("Tessella.ini"), before);

    // Added again after a delete: the identical copy is found and no other is made.
    Select(window.ListBoxBoardSet, QStringLiteral("Outside "));
    window.ButtonDeleteBoardSet->click();
    files_ = {Outside("한국/Standard.tsb"), Outside("Nameless.tsb"), Outside("Again.tsb"), Outside("Player.tsp")};
    for (int i = 0; i < 4; ++i)
        (i < 3 ? window.ButtonAddBoardSet : window.ButtonAddPlayerSet)->click();
    EXPECT_FALSE(fs::exists("Standard_4.tsb"));
    ASSERT_EQ(modals_.messages.size(), 4);
    EXPECT_TRUE(modals_.messages[1].contains(QStringLiteral("Nameless.tsb")));
    EXPECT_TRUE(modals_.messages[2].contains(QStringLiteral("既に登録")));
    EXPECT_TRUE(modals_.messages[3].contains(QStringLiteral("[BrainSet]")));

    // An exported set comes back from its zip under a free name; what is no zip is refused.
    fs::create_directory("Pic");
    dir_.Write("Pic/board.bmp", "picture bytes");
    WriteCp932(dir_, "One.tsb", QStringLiteral("[BoardSet]\nName=一番\n[Board_000]\nTitle=A\nBoard=Pic\\board.bmp\n"));
    outside_.Write("bad.zip", "not an archive");
    Select(window.ListBoxBoardSet, QStringLiteral("一番"));
    files_ = {Outside("one"), Outside("one.zip"), Outside("bad.zip")};
    window.ButtonExportBoardSet->click();
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(Items(window.ListBoxBoardSet).last(), QStringLiteral("一番_2"));
    EXPECT_EQ(modals_.messages.value(5),
              QStringLiteral("セット「一番_2」を「One_2.tsb」として、絵 1 枚と一緒に追加しました。"));
    window.ButtonAddBoardSet->click();
    EXPECT_TRUE(modals_.messages.last().startsWith(QStringLiteral("「bad.zip」は追加できません。")));
    // Cancelling the open dialog says nothing.
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(modals_.messages.size(), 7);
    window.BitBtnOk->click();
    // A file inside the program folder is registered where it lies.
    EXPECT_EQ(Values("BoardSet", {"一番_2", "Outside ", "Deep"}), "One_2.tsb Standard_3.tsb Sets\\Deep.tsb");
    EXPECT_EQ(Values("BrainSet", {"チーム"}), "Team.tsp");

    // A long name is cut short in the list, which keeps the window's width.
    const QString longName = QString(120, QChar(0x6f22));
    WriteSettings(QStringLiteral("[BoardSet]\n%1=Long.tsb\n").arg(longName));
    Shown();
    EXPECT_EQ(window.sizeHint().width(), width);
    EXPECT_TRUE(Items(window.ListBoxBoardSet).front().endsWith(QChar(0x2026)));
    EXPECT_EQ(Items(window.ListBoxBoardSet, true), QStringList({longName}));
}
