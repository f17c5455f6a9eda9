#include "setup/TFormInputSetName.h"
#include "setup/TFormSaveConfirm.h"
#include "setup/TFormSettingGame.h"

#include "data/WindowsIni.h"
#include "platform/FileDialogs.h"
#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Sjis(const QString& text)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUi(text, &bytes));
    return bytes;
}

// Writes the text as a CP932 file with CR LF line ends.
void WriteIni(const TempDir& dir, const std::string& name, QString text)
{
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    dir.Write(name, Sjis(text));
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The whole names behind the items, which show long names cut short.
QStringList FullItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->toolTip();
    return items;
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Base timer, animation, auto pass and the three random-board switches as the getters give them.
std::string Options(const TFormSettingGame& window)
{
    std::string text = std::to_string(window.GetBaseTimer());
    for (int option : {window.GetAnimation(), window.GetAutoPass(), window.GetRandomBoard(), window.GetRandomBoard2(),
                       window.GetRandomBoard3()})
        text += " " + std::to_string(option);
    return text;
}

void Select(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found.front());
}

// Runs the dialog through the real modal host with no responder installed; the
// script runs inside the dialog's own event loop.
int RunModal(QDialog& dialog, std::function<void()> script)
{
    QTimer::singleShot(0, &dialog, std::move(script));
    return ModalHost::ShowModal(dialog);
}

const QString kStandard = QStringLiteral("標準");

void StartUi()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UiApp();
}

}  // namespace

// ---------------------------------------------------------------------------

class SaveConfirmTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartUi(); }
    TFormSaveConfirm dialog_;
};

TEST_F(SaveConfirmTest, ShowsItsTextsAndGivesYesTheFocus)
{
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("テセラ／保存確認"));
    EXPECT_EQ(dialog_.LabelMessage->text(), QStringLiteral("保存しますか？"));
    EXPECT_EQ(dialog_.BitBtnYes->text(), QStringLiteral("はい"));
    EXPECT_EQ(dialog_.BitBtnNo->text(), QStringLiteral("いいえ"));
    EXPECT_EQ(dialog_.BitBtnCancel->text(), QStringLiteral("キャンセル"));

    QWidget* focused = nullptr;
    const int result = RunModal(dialog_, [&] {
        focused = dialog_.focusWidget();
        dialog_.BitBtnCancel->click();
    });
    EXPECT_EQ(result, kModalCancel);
    EXPECT_EQ(focused, dialog_.BitBtnYes);
}

TEST_F(SaveConfirmTest, EachButtonAnswersItsResultAndTheCloseBoxAnswersCancel)
{
    EXPECT_EQ(RunModal(dialog_, [&] { dialog_.BitBtnYes->click(); }), kModalYes);
    EXPECT_EQ(RunModal(dialog_, [&] { dialog_.BitBtnNo->click(); }), kModalNo);
    EXPECT_EQ(RunModal(dialog_, [&] { dialog_.BitBtnCancel->click(); }), kModalCancel);
    EXPECT_EQ(RunModal(dialog_, [&] { dialog_.close(); }), kModalCancel);
    EXPECT_EQ(dialog_.result(), kModalCancel);
}

// ---------------------------------------------------------------------------

class InputSetNameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartUi(); }

    void SetUp() override
    {
        ModalHost::SetResponder([this](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            EXPECT_NE(box, nullptr);
            if (box != nullptr)
                messages_ << box->text();
            return static_cast<int>(kModalOk);
        });
    }
    void TearDown() override { ModalHost::SetResponder({}); }

    // Shows the dialog, types the text and presses OK; answers the result, or none while it stays open.
    int Accept(const QString& text)
    {
        dialog_.setResult(kModalNone);
        dialog_.show();
        offered_ << dialog_.EditSetName->text();
        dialog_.EditSetName->setText(text);
        dialog_.ButtonOk->click();
        return dialog_.isVisible() ? kModalNone : dialog_.result();
    }

    TFormInputSetName dialog_;
    QStringList messages_;
    QStringList offered_;
};

TEST_F(InputSetNameTest, OffersTheLastAcceptedNameAndKeepsItOverCancel)
{
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("テセラ／セット名"));
    EXPECT_EQ(dialog_.LabelContent->text(), QStringLiteral("セット名を入力してください"));
    EXPECT_EQ(dialog_.ButtonOk->text(), QStringLiteral("決定"));
    EXPECT_EQ(dialog_.ButtonCancel->text(), QStringLiteral("キャンセル"));

    EXPECT_EQ(Accept(QStringLiteral("私のセット")), kModalOk);
    EXPECT_EQ(dialog_.GetSetName(), Sjis(QStringLiteral("私のセット")));

    dialog_.show();
    EXPECT_EQ(dialog_.EditSetName->text(), QStringLiteral("私のセット"));
    dialog_.EditSetName->setText(QStringLiteral("別の名前"));
    dialog_.ButtonCancel->click();
    EXPECT_EQ(dialog_.result(), kModalCancel);
    EXPECT_EQ(dialog_.GetSetName(), Sjis(QStringLiteral("私のセット")));

    dialog_.show();
    EXPECT_EQ(dialog_.EditSetName->text(), QStringLiteral("私のセット"));
    dialog_.close();
    EXPECT_EQ(dialog_.result(), kModalCancel);

    EXPECT_EQ(Accept(QString()), kModalOk);
    EXPECT_EQ(dialog_.GetSetName(), "");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(InputSetNameTest, RefusesTextsTheSetNameCannotHoldAndStaysOpen)
{
    ASSERT_EQ(Accept(QStringLiteral("Mine")), kModalOk);

    EXPECT_EQ(Accept(QStringLiteral("한국어")), kModalNone);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.back().contains(QStringLiteral("シフトJIS")));
    EXPECT_EQ(dialog_.EditSetName->text(), QStringLiteral("한국어"));
    dialog_.ButtonCancel->click();

    EXPECT_EQ(Accept(QString(260, QLatin1Char('a'))), kModalNone);
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_.back().contains(QStringLiteral("長すぎ")));
    dialog_.ButtonCancel->click();
    EXPECT_EQ(dialog_.GetSetName(), "Mine");

    // 259 bytes fit: 129 double-byte characters and one single-byte one.
    const QString longest = QString(129, QChar(0x3042)) + QLatin1Char('a');
    EXPECT_EQ(Accept(longest), kModalOk);
    EXPECT_EQ(dialog_.GetSetName().size(), 259u);
}

// ---------------------------------------------------------------------------

class SettingGameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartUi(); }

    void SetUp() override
    {
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        home_ = QDir::currentPath();
        WriteIni(dir_, "Base.ts",
                 QStringLiteral("; template\n[Board_000]\nTitle=雛形\nBoardType=Normal\n[Brain_000]\nName=雛形\n"));

        ModalHost::SetResponder([this](QDialog& dialog) { return Respond(dialog); });
        FileDialogs::SetResponder([this](const QString& caption, const QString& filter) {
            fileCaptions_ << caption;
            fileFilters_ << filter;
            // The real dialog may leave the working directory elsewhere.
            QDir::setCurrent(QString::fromStdString(elsewhere_.Path().string()));
            if (files_.empty())
                return QString();
            const QString file = files_.front();
            files_.pop_front();
            return file;
        });
    }

    void TearDown() override
    {
        window_.reset();
        ModalHost::SetResponder({});
        FileDialogs::SetResponder({});
        fs::current_path(previous_);
    }

    int Respond(QDialog& dialog)
    {
        if (auto* input = qobject_cast<TFormInputSetName*>(&dialog)) {
            input->setResult(kModalNone);
            input->show();
            offered_ << input->EditSetName->text();
            while (input->isVisible() && !names_.empty() && names_.front()) {
                input->EditSetName->setText(*names_.front());
                names_.pop_front();
                input->ButtonOk->click();
            }
            if (input->isVisible()) {
                if (!names_.empty())
                    names_.pop_front();
                input->ButtonCancel->click();
            }
            return input->result();
        }
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages_ << box->text();
            if (box->standardButtons() & QMessageBox::Yes) {
                questions_ << box->text();
                const int answer = answers_.empty() ? static_cast<int>(kModalNo) : answers_.front();
                if (!answers_.empty())
                    answers_.pop_front();
                return answer;
            }
            return static_cast<int>(kModalOk);
        }
        ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return static_cast<int>(kModalCancel);
    }

    void WriteSettings(const QString& text) { WriteIni(dir_, "Tessella.ini", text); }

    void WriteStandardSettings()
    {
        WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nBaseTimer=55\nAnimation=True\nPass=Manual\n"
                                     "RandomBoard=True\nRandomBoard2=False\nRandomBoard3=False\n"
                                     "[BoardSet]\n標準=Standard.tsb\n一番=One.tsb\n二番=Two.tsb\n三番=Three.tsb\n"
                                     "[BrainSet]\n標準=Standard.tsp\n甲=Kou.tsp\n"));
    }

    TFormSettingGame& Window()
    {
        if (!window_)
            window_ = std::make_unique<TFormSettingGame>(input_);
        return *window_;
    }

    // Shows the window as the modal host would, which runs its show handler.
    TFormSettingGame& Shown()
    {
        TFormSettingGame& window = Window();
        window.setResult(kModalNone);
        window.show();
        return window;
    }

    std::string SettingsText() const { return dir_.Read("Tessella.ini"); }

    std::optional<std::string> Value(const std::string& file, const std::string& section, const QString& key)
    {
        const WindowsIni ini(file);
        const std::string* value = ini.FindValue(section, Sjis(key), 0);
        return value ? std::optional<std::string>(*value) : std::nullopt;
    }

    std::optional<std::string> Registered(const std::string& section, const QString& name)
    {
        return Value("Tessella.ini", section, name);
    }

    TempDir dir_;
    TempDir elsewhere_;
    fs::path previous_;
    QString home_;
    TFormInputSetName input_;
    std::unique_ptr<TFormSettingGame> window_;
    std::deque<std::optional<QString>> names_;
    std::deque<int> answers_;
    std::deque<QString> files_;
    QStringList offered_;
    QStringList messages_;
    QStringList questions_;
    QStringList fileCaptions_;
    QStringList fileFilters_;
};

TEST_F(SettingGameTest, GettersHoldTheFileValuesFromCreationOn)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nBaseTimer=120\nAnimation=true\nPass=Auto\n"
                                 "RandomBoard=False\nRandomBoard2=True\nRandomBoard3=True\n"));
    TFormSettingGame& window = Window();
    EXPECT_EQ(Options(window), "120 0 1 0 1 1");
    EXPECT_EQ(window.GetProgramDir(), home_);
    EXPECT_EQ(window.GetBoardSetName(), Sjis(QStringLiteral("二番")));
    EXPECT_EQ(window.GetBoardSetFile(), "");
    EXPECT_EQ(window.GetPlayerSetName(), "");
    EXPECT_EQ(window.GetPlayerSetFile(), "");
    const GameOptions& options = window;
    EXPECT_EQ(options.GetAutoPass(), 1);
    const BoardDrawOptions& draw = window;
    EXPECT_EQ(draw.GetRandomBoard3(), 1);
}

TEST_F(SettingGameTest, MissingFileGivesTheDefaults)
{
    TFormSettingGame& window = Shown();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("テセラ／ゲーム設定"));
    EXPECT_EQ(Options(window), "55 1 0 1 0 0");
    EXPECT_EQ(window.EditBaseTimer->text(), QStringLiteral("55"));
    EXPECT_EQ(window.UpDownBaseTimer->value(), 55);
    EXPECT_EQ(window.ComboBoxRandomBoard2->currentText(), kStandard);
    EXPECT_EQ(window.ListBoxBoardSet->count(), 0);
    EXPECT_EQ(window.ListBoxPlayerSet->count(), 0);
    EXPECT_EQ(window.ComboBoxRandomBoard2->count(), 0);
}

TEST_F(SettingGameTest, RandomBoardOptionsFollowTheEnablingTable)
{
    WriteSettings(QStringLiteral("[Tessella]\nRandomBoard=True\nRandomBoard2=True\nRandomBoard3=True\n"));
    TFormSettingGame& window = Shown();
    QCheckBox* random = window.CheckBoxRandomBoard;
    QCheckBox* withinSet = window.CheckBoxRandomBoard2;
    QCheckBox* pictureOnly = window.CheckBoxRandomBoard3;
    QComboBox* box = window.ComboBoxRandomBoard2;
    auto state = [&] {
        return std::string(withinSet->isEnabled() ? "2" : "-") + (pictureOnly->isEnabled() ? "3" : "-") +
               (box->isEnabled() ? "B" : "-");
    };

    // Both narrowing options from an edited file: the box is disabled after loading.
    EXPECT_EQ(state(), "---");
    random->click();
    EXPECT_EQ(state(), "---");
    EXPECT_TRUE(withinSet->isChecked());
    EXPECT_TRUE(pictureOnly->isChecked());
    random->click();
    EXPECT_EQ(state(), "--B");

    WriteSettings(QStringLiteral("[Tessella]\nRandomBoard=True\n"));
    window.FormShow();
    EXPECT_EQ(state(), "23-");
    withinSet->click();
    EXPECT_EQ(state(), "2-B");
    withinSet->click();
    EXPECT_EQ(state(), "23-");
    pictureOnly->click();
    EXPECT_EQ(state(), "-3-");
    random->click();
    EXPECT_EQ(state(), "---");
    EXPECT_TRUE(pictureOnly->isChecked());
    random->click();
    EXPECT_EQ(state(), "-3-");
}

TEST_F(SettingGameTest, BaseTimerTextRules)
{
    WriteSettings(QStringLiteral("[Tessella]\nBaseTimer=55\n"));
    TFormSettingGame& window = Shown();
    QLineEdit* edit = window.EditBaseTimer;

    edit->setText(QStringLiteral("12a3"));
    EXPECT_EQ(window.GetBaseTimer(), 553);
    EXPECT_EQ(edit->text(), QStringLiteral("553"));
    EXPECT_EQ(window.UpDownBaseTimer->value(), 553);

    edit->setText(QStringLiteral("12"));
    edit->insert(QStringLiteral("a"));
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_EQ(window.GetBaseTimer(), 12);

    edit->setText(QStringLiteral("0"));
    EXPECT_EQ(window.GetBaseTimer(), 0);

    edit->setText(QStringLiteral("1500"));
    EXPECT_EQ(window.GetBaseTimer(), 1500);
    EXPECT_EQ(window.UpDownBaseTimer->value(), 999);
    EXPECT_EQ(window.UpDownBaseTimer->maximum(), 999);

    edit->setText(QStringLiteral("98765432109876"));
    EXPECT_EQ(window.GetBaseTimer(), 999999);
    EXPECT_EQ(edit->text(), QStringLiteral("999999"));

    edit->setText(QStringLiteral("40"));
    window.UpDownBaseTimer->stepUp();
    EXPECT_EQ(window.GetBaseTimer(), 41);
    EXPECT_EQ(edit->text(), QStringLiteral("41"));

    window.BitBtnOk->click();
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("BaseTimer")), "41");
    EXPECT_EQ(window.GetBaseTimer(), 41);

    // A stored value beyond the limit, taken up again by a letter, stops at the limit when a digit follows.
    WriteSettings(QStringLiteral("[Tessella]\nBaseTimer=2000000000\n"));
    Shown();
    edit->setText(QStringLiteral("x5"));
    EXPECT_EQ(window.GetBaseTimer(), 999999);
}

TEST_F(SettingGameTest, OkWritesTheOptionsAndCancelRestoresThem)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=一番\nBaseTimer=55\nAnimation=true\nPass=Manual\n"
                                 "RandomBoard=True\nRandomBoard2=False\nRandomBoard3=False\n"
                                 "[BoardSet]\n一番=One.tsb\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();
    EXPECT_FALSE(window.CheckBoxAnimation->isChecked());

    window.EditBaseTimer->setText(QStringLiteral("80"));
    window.CheckBoxAutoPass->click();
    window.CheckBoxRandomBoard2->click();
    window.ComboBoxRandomBoard2->setEditText(QStringLiteral("未登録"));
    window.BitBtnCancel->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), kModalCancel);
    EXPECT_EQ(SettingsText(), before);
    EXPECT_EQ(Options(window), "55 0 0 1 0 0");
    EXPECT_EQ(window.GetBoardSetName(), Sjis(QStringLiteral("一番")));

    // The close box is Cancel as well.
    Shown().EditBaseTimer->setText(QStringLiteral("90"));
    window.close();
    EXPECT_EQ(window.result(), kModalCancel);
    EXPECT_EQ(window.GetBaseTimer(), 55);
    EXPECT_EQ(SettingsText(), before);

    // With the within-set option off, OK leaves DefaultBoardSet alone.
    Shown().CheckBoxAutoPass->click();
    window.CheckBoxRandomBoard->click();
    window.BitBtnOk->click();
    EXPECT_EQ(window.result(), kModalOk);
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("Animation")), "False");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("Pass")), "Auto");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("RandomBoard")), "False");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("RandomBoard2")), "False");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("DefaultBoardSet")), Sjis(QStringLiteral("一番")));
    EXPECT_EQ(Options(window), "55 0 1 0 0 0");

    // A typed unregistered name is written as it stands when the within-set option is on.
    Shown().CheckBoxRandomBoard->click();
    window.CheckBoxRandomBoard2->click();
    window.ComboBoxRandomBoard2->setEditText(QStringLiteral("未登録"));
    window.BitBtnOk->click();
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("RandomBoard2")), "True");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("DefaultBoardSet")), Sjis(QStringLiteral("未登録")));
    EXPECT_EQ(window.GetBoardSetName(), Sjis(QStringLiteral("未登録")));
    EXPECT_EQ(Options(window), "55 0 1 1 1 0");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(SettingGameTest, TheBoardMarksSectionWritesOnOkAndLeavesTheFileOnCancel)
{
    WriteSettings(QStringLiteral("[Tessella]\nShowLastMove=False\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();
    EXPECT_EQ(window.GroupBoxBoardMarks->title(), QStringLiteral("[盤面の表示]"));
    QCheckBox* const boxes[] = {window.CheckBoxShowLegalMoves, window.CheckBoxShowLastMove,
                                window.CheckBoxShowCoordinates};
    const bool defaults[] = {true, false, false};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(boxes[i]->isChecked(), defaults[i]) << i;

    for (QCheckBox* box : boxes)
        box->click();
    window.BitBtnCancel->click();
    EXPECT_EQ(SettingsText(), before);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(boxes[i]->isChecked(), defaults[i]) << "cancel shows the file again " << i;

    Shown();
    for (QCheckBox* box : boxes)
        box->click();
    window.BitBtnOk->click();
    const char* const keys[] = {"ShowLegalMoves", "ShowLastMove", "ShowCoordinates"};
    const char* const written[] = {"False", "True", "True"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Value("Tessella.ini", "Tessella", QString::fromLatin1(keys[i])), written[i]) << keys[i];
}

TEST_F(SettingGameTest, RandomBoxTextThatCannotBeStoredKeepsTheDialogOpen)
{
    WriteSettings(QStringLiteral("[Tessella]\nRandomBoard=True\nRandomBoard2=True\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();
    window.ComboBoxRandomBoard2->setEditText(QStringLiteral("한국어"));
    window.BitBtnOk->click();
    window.ComboBoxRandomBoard2->setEditText(QStringLiteral("a,b"));
    window.BitBtnOk->click();
    EXPECT_EQ(messages_.size(), 2);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(SettingsText(), before);
}

TEST_F(SettingGameTest, NewSetsAreMadeFromTheTemplateAndRegisteredOnOk)
{
    WriteStandardSettings();
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();

    names_ = {QStringLiteral("Mine")};
    window.ButtonNewBoardSet->click();
    names_ = {QStringLiteral("Mine")};
    window.ButtonNewPlayerSet->click();
    EXPECT_EQ(offered_, QStringList({QString(), QStringLiteral("Mine")}));
    EXPECT_TRUE(messages_.isEmpty());

    EXPECT_EQ(dir_.Read("Mine.tsb"), Sjis(QStringLiteral("[Board_000]\r\nTitle=雛形\r\nBoardType=Normal\r\n"
                                                         "[Brain_000]\r\nName=雛形\r\n[BoardSet]\r\nName=Mine\r\n")));
    EXPECT_EQ(dir_.Read("Mine.tsp"), Sjis(QStringLiteral("[Board_000]\r\nTitle=雛形\r\nBoardType=Normal\r\n"
                                                         "[Brain_000]\r\nName=雛形\r\n[BrainSet]\r\nName=Mine\r\n")));
    EXPECT_EQ(Items(window.ListBoxBoardSet).last(), QStringLiteral("Mine"));
    EXPECT_EQ(Items(window.ComboBoxRandomBoard2).last(), QStringLiteral("Mine"));
    EXPECT_EQ(window.ComboBoxRandomBoard2->currentText(), QStringLiteral("二番"));
    EXPECT_EQ(Items(window.ListBoxPlayerSet), QStringList({QStringLiteral("甲"), QStringLiteral("Mine")}));
    EXPECT_EQ(window.ComboBoxRandomBoard2->count(), 5);
    EXPECT_EQ(SettingsText(), before);

    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Mine")), "Mine.tsb");
    EXPECT_EQ(Registered("BrainSet", QStringLiteral("Mine")), "Mine.tsp");
    const WindowsIni settings("Tessella.ini");
    EXPECT_EQ(*settings.KeyNameAt("BoardSet", settings.KeyCount("BoardSet") - 1), "Mine");
}

TEST_F(SettingGameTest, CancelAfterNewRemovesTheNewFileWithItsRegistration)
{
    WriteStandardSettings();
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();
    names_ = {QStringLiteral("Mine")};
    window.ButtonNewBoardSet->click();
    names_ = {QStringLiteral("Team")};
    window.ButtonNewPlayerSet->click();
    names_ = {QStringLiteral("Edited")};
    window.ButtonNewBoardSet->click();
    dir_.Write("Edited.tsb", dir_.Read("Edited.tsb") + "[Board_001]\r\nTitle=work\r\n");
    window.BitBtnCancel->click();
    EXPECT_FALSE(fs::exists(dir_.Path() / "Mine.tsb"));
    EXPECT_FALSE(fs::exists(dir_.Path() / "Team.tsp"));
    // A set edited since New made it stays, and the user is told so.
    EXPECT_TRUE(fs::exists(dir_.Path() / "Edited.tsb"));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("Edited.tsb")));
    messages_.clear();
    EXPECT_EQ(SettingsText(), before);

    // The name is free again, and a set kept by OK stays on a later Cancel.
    Shown();
    names_ = {QStringLiteral("Mine")};
    window.ButtonNewBoardSet->click();
    EXPECT_TRUE(messages_.isEmpty());
    window.BitBtnOk->click();
    Shown();
    window.BitBtnCancel->click();
    EXPECT_TRUE(fs::exists(dir_.Path() / "Mine.tsb"));
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Mine")), "Mine.tsb");
}

TEST_F(SettingGameTest, NewRefusesNamesItCannotStoreAndOffersTheDialogAgain)
{
    WriteStandardSettings();
    dir_.Write("Taken.tsb", "[BoardSet]\r\nName=Other\r\n");
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();

    QStringList refused = {QString(), QStringLiteral("一番"), QStringLiteral("Taken"), QStringLiteral("taken"),
                           kStandard, QStringLiteral("a\nb"), QStringLiteral("a\rb"), QStringLiteral("a\tb"),
                           QString(253, QLatin1Char('x')), QStringLiteral("  "), QStringLiteral("\u3000"),
                           QStringLiteral(" lead"), QStringLiteral("trail "), QStringLiteral("全角\u3000"),
                           QStringLiteral(".hidden")};
    for (const QChar c : QStringLiteral(",;!=[]\\/:*?\"<>|"))
        refused << QStringLiteral("名%1前").arg(c);

    for (const QString& name : refused) {
        SCOPED_TRACE(name.toStdString());
        messages_.clear();
        offered_.clear();
        names_ = {name, std::nullopt};
        window.ButtonNewBoardSet->click();
        EXPECT_EQ(messages_.size(), 1);
        // Offered again with the refused name, ready to be corrected.
        ASSERT_EQ(offered_.size(), 2);
        EXPECT_EQ(offered_.back(), name);
    }
    EXPECT_EQ(Items(window.ListBoxBoardSet).size(), 3);
    EXPECT_EQ(dir_.Read("Taken.tsb"), "[BoardSet]\r\nName=Other\r\n");

    // A name CP932 cannot hold is refused inside the name dialog, which stays open for the next try.
    messages_.clear();
    offered_.clear();
    names_ = {QStringLiteral("한국어"), QStringLiteral("Good")};
    window.ButtonNewBoardSet->click();
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_EQ(offered_.size(), 1);
    EXPECT_EQ(Items(window.ListBoxBoardSet).last(), QStringLiteral("Good"));

    // The set file's name must fit the host's file names, where a kanji takes three bytes, with
    // room for the temporary file of the write.
    names_ = {QString(228, QLatin1Char('y')), QString(76, QChar(0x6f22)), QString(75, QChar(0x6f22)),
              QString(227, QLatin1Char('y'))};
    window.ButtonNewBoardSet->click();
    window.ButtonNewBoardSet->click();
    EXPECT_EQ(messages_.size(), 3);
    EXPECT_TRUE(messages_.back().contains(QStringLiteral("長すぎ")));
    EXPECT_EQ(FullItems(window.ListBoxBoardSet).mid(4),
              QStringList({QString(75, QChar(0x6f22)), QString(227, QLatin1Char('y'))}));
    EXPECT_TRUE(fs::exists(dir_.Path() / (std::string(227, 'y') + ".tsb")));

    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Good")), "Good.tsb");
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("一番")), "One.tsb");
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Taken")), std::nullopt);
    EXPECT_NE(SettingsText(), before);
}

TEST_F(SettingGameTest, AddCopiesASetFromOutsideIntoTheProgramFolder)
{
    WriteStandardSettings();
    WriteIni(elsewhere_, "Extra.tsb", QStringLiteral("[BoardSet]\nName=Extra\n[Board_000]\nTitle=外の盤\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();

    files_ = {QString::fromStdString(elsewhere_.File("Extra.tsb"))};
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(fileCaptions_, QStringList({QStringLiteral("ボードセットを開く")}));
    EXPECT_TRUE(fileFilters_.front().startsWith(QStringLiteral("ボードセットファイル (")));
    EXPECT_TRUE(fileFilters_.front().contains(QStringLiteral("全てのファイル")));
    EXPECT_EQ(QDir::currentPath(), home_);
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(Value("Extra.tsb", "Board_000", QStringLiteral("Title")), Sjis(QStringLiteral("外の盤")));
    EXPECT_EQ(Items(window.ListBoxBoardSet).last(), QStringLiteral("Extra"));
    EXPECT_EQ(Items(window.ComboBoxRandomBoard2).last(), QStringLiteral("Extra"));
    EXPECT_EQ(SettingsText(), before);

    WriteIni(elsewhere_, "Team.tsp", QStringLiteral("[BrainSet]\nName=チーム\n"));
    files_ = {QString::fromStdString(elsewhere_.File("Team.tsp"))};
    window.ButtonAddPlayerSet->click();
    EXPECT_EQ(fileCaptions_.last(), QStringLiteral("プレーヤーセットを開く"));
    EXPECT_TRUE(fileFilters_.last().startsWith(QStringLiteral("プレーヤセットファイル (")));
    EXPECT_EQ(Items(window.ListBoxPlayerSet).last(), QStringLiteral("チーム"));
    EXPECT_FALSE(Items(window.ComboBoxRandomBoard2).contains(QStringLiteral("チーム")));

    // A file inside the program folder is registered by its path from there, without a copy.
    fs::create_directory(dir_.Path() / "Sets");
    WriteIni(dir_, "Sets/Deep.tsb", QStringLiteral("[BoardSet]\nName=Deep\n"));
    files_ = {QString::fromStdString(dir_.File("Sets/Deep.tsb"))};
    window.ButtonAddBoardSet->click();
    EXPECT_FALSE(fs::exists(dir_.Path() / "Deep.tsb"));

    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Extra")), "Extra.tsb");
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Deep")), "Sets\\Deep.tsb");
    EXPECT_EQ(Registered("BrainSet", QStringLiteral("チーム")), "Team.tsp");
    EXPECT_TRUE(fs::exists(dir_.Path() / "Team.tsp"));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(SettingGameTest, AddNeverReplacesAFileAndCopiesBytesUnderAFreeName)
{
    WriteStandardSettings();
    dir_.Write("Standard.tsb", "[BoardSet]\r\nName=Standard\r\n");
    dir_.Write("Standard_2.tsb", "[BoardSet]\r\nName=Other\r\n");
    const std::string outside = "; kept comment\r\n[BoardSet]\r\nName=Outside ; note\r\n";
    // Only the file name is stored, so a folder CP932 cannot name does not matter.
    fs::create_directory(elsewhere_.Path() / "한국");
    elsewhere_.Write("한국/Standard.tsb", outside);
    TFormSettingGame& window = Shown();

    files_ = {QString::fromStdString(elsewhere_.File("한국/Standard.tsb"))};
    window.ButtonAddBoardSet->click();
    EXPECT_TRUE(questions_.isEmpty());
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("Standard_3.tsb")));
    EXPECT_EQ(dir_.Read("Standard.tsb"), "[BoardSet]\r\nName=Standard\r\n");
    EXPECT_EQ(dir_.Read("Standard_2.tsb"), "[BoardSet]\r\nName=Other\r\n");
    EXPECT_EQ(dir_.Read("Standard_3.tsb"), outside);

    // Added again after a delete: the identical copy is found and no other is made.
    Select(window.ListBoxBoardSet, QStringLiteral("Outside "));
    window.ButtonDeleteBoardSet->click();
    files_ = {QString::fromStdString(elsewhere_.File("한국/Standard.tsb"))};
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_FALSE(fs::exists(dir_.Path() / "Standard_4.tsb"));
    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Outside ")), "Standard_3.tsb");
}

TEST_F(SettingGameTest, AddSaysWhyNothingWasRegistered)
{
    WriteStandardSettings();
    WriteIni(elsewhere_, "Nameless.tsb", QStringLiteral("[Board_000]\nTitle=x\n"));
    WriteIni(elsewhere_, "Again.tsb", QStringLiteral("[BoardSet]\nName=一番\n"));
    WriteIni(elsewhere_, "Player.tsp", QStringLiteral("[BoardSet]\nName=Wrong\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();

    files_ = {QString::fromStdString(elsewhere_.File("Nameless.tsb")),
              QString::fromStdString(elsewhere_.File("Again.tsb"))};
    window.ButtonAddBoardSet->click();
    window.ButtonAddBoardSet->click();
    files_ = {QString::fromStdString(elsewhere_.File("Player.tsp"))};
    window.ButtonAddPlayerSet->click();
    ASSERT_EQ(messages_.size(), 3);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("Nameless.tsb")));
    EXPECT_TRUE(messages_[1].contains(QStringLiteral("一番")));
    EXPECT_TRUE(messages_[1].contains(QStringLiteral("既に登録")));
    EXPECT_TRUE(messages_[2].contains(QStringLiteral("[BrainSet]")));

    // Cancelling the open dialog says nothing.
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(messages_.size(), 3);
    EXPECT_EQ(window.ListBoxBoardSet->count(), 3);
    EXPECT_EQ(window.ListBoxPlayerSet->count(), 1);
    EXPECT_FALSE(fs::exists(dir_.Path() / "Nameless.tsb"));
    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Wrong")), std::nullopt);
    EXPECT_EQ(Registered("BrainSet", QStringLiteral("Wrong")), std::nullopt);
}

TEST_F(SettingGameTest, DeleteMovesTheRandomBoxToTheSetBeforeOrTheOneNowFirst)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=標準\nRandomBoard2=True\n"
                                 "[BoardSet]\n一番=One.tsb\n二番=Two.tsb\n三番=Three.tsb\n四番=Four.tsb\n"
                                 "[BrainSet]\n標準=Standard.tsp\n甲=Kou.tsp\n"));
    dir_.Write("Two.tsb", "[BoardSet]\r\nName=Two\r\n");
    TFormSettingGame& window = Shown();
    QComboBox* box = window.ComboBoxRandomBoard2;
    auto remove = [&](const QString& name) {
        Select(window.ListBoxBoardSet, name);
        window.ButtonDeleteBoardSet->click();
    };

    box->setCurrentIndex(1);
    remove(QStringLiteral("二番"));
    EXPECT_EQ(box->currentText(), QStringLiteral("一番"));
    EXPECT_TRUE(window.ListBoxBoardSet->selectedItems().isEmpty());
    window.ButtonDeleteBoardSet->click();
    EXPECT_EQ(window.ListBoxBoardSet->count(), 3);

    remove(QStringLiteral("一番"));
    EXPECT_EQ(box->currentText(), QStringLiteral("三番"));
    box->setEditText(QStringLiteral("手入力"));
    remove(QStringLiteral("四番"));
    EXPECT_EQ(box->currentText(), QStringLiteral("手入力"));
    box->setCurrentIndex(0);
    remove(QStringLiteral("三番"));
    EXPECT_EQ(box->currentText(), QString());
    EXPECT_EQ(box->count(), 0);
    EXPECT_TRUE(questions_.isEmpty());

    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonDeletePlayerSet->click();
    EXPECT_EQ(window.ListBoxPlayerSet->count(), 0);
    EXPECT_TRUE(fs::exists(dir_.Path() / "Two.tsb"));

    window.CheckBoxRandomBoard2->click();
    window.BitBtnOk->click();
    const WindowsIni settings("Tessella.ini");
    EXPECT_TRUE(Settings::Registry(settings, Settings::SetKind::Board).empty());
    EXPECT_EQ(Registered("BrainSet", kStandard), "Standard.tsp");
    EXPECT_EQ(Registered("BrainSet", QStringLiteral("甲")), std::nullopt);
}

TEST_F(SettingGameTest, DeletingASetTheSettingsUseWarnsAndResetsThemOnlyWhenKept)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nDefaultBoardName=Board_004\n"
                                 "1stBrainSet=甲\n1stBrainName=Brain_003\n2ndBrainSet=乙\nRandomBoard2=True\n"
                                 "[BoardSet]\n標準=Standard.tsb\n一番=One.tsb\n二番=Two.tsb\n"
                                 "[BrainSet]\n標準=Standard.tsp\n甲=Kou.tsp\n乙=Otsu.tsp\n"));
    const std::string before = SettingsText();
    TFormSettingGame& window = Shown();

    answers_ = {kModalNo, kModalYes, kModalYes};
    Select(window.ListBoxBoardSet, QStringLiteral("二番"));
    window.ButtonDeleteBoardSet->click();
    EXPECT_EQ(window.ListBoxBoardSet->count(), 2);
    window.ButtonDeleteBoardSet->click();
    EXPECT_EQ(window.ListBoxBoardSet->count(), 1);
    EXPECT_EQ(window.ComboBoxRandomBoard2->currentText(), kStandard);
    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonDeletePlayerSet->click();
    ASSERT_EQ(questions_.size(), 3);
    EXPECT_TRUE(questions_[2].contains(QStringLiteral("甲")));

    // Cancel keeps the file exactly as it was.
    window.BitBtnCancel->click();
    EXPECT_EQ(SettingsText(), before);

    Shown();
    answers_ = {kModalYes};
    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonDeletePlayerSet->click();
    window.BitBtnOk->click();
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("1stBrainSet")), Sjis(kStandard));
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("1stBrainName")), "Brain_000");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("2ndBrainSet")), Sjis(QStringLiteral("乙")));
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("DefaultBoardSet")), Sjis(QStringLiteral("二番")));
}

TEST_F(SettingGameTest, ChecksDisabledByTheOtherNarrowingOptionStillCountAsChecked)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=一番\nRandomBoard=True\nRandomBoard2=True\n"
                                 "RandomBoard3=True\n[BoardSet]\n一番=One.tsb\n"));
    TFormSettingGame& window = Shown();
    EXPECT_FALSE(window.CheckBoxRandomBoard2->isEnabled());
    EXPECT_FALSE(window.CheckBoxRandomBoard3->isEnabled());
    window.CheckBoxAnimation->click();
    window.BitBtnOk->click();
    EXPECT_EQ(Options(window).substr(Options(window).size() - 5), "1 1 1");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("RandomBoard2")), "True");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("RandomBoard3")), "True");
}

TEST_F(SettingGameTest, LongSetNamesAreCutInTheListsAndNeverWidenTheWindow)
{
    WriteStandardSettings();
    TFormSettingGame& window = Shown();
    const int width = window.sizeHint().width();
    window.BitBtnCancel->click();

    const QString longName = QString(120, QChar(0x6f22));
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=%1\n[BoardSet]\n%1=Long.tsb\n[BrainSet]\n%1=Long.tsp\n")
                      .arg(longName));
    Shown();
    EXPECT_EQ(window.sizeHint().width(), width);
    ASSERT_EQ(window.ListBoxBoardSet->count(), 1);
    EXPECT_TRUE(window.ListBoxBoardSet->item(0)->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(FullItems(window.ListBoxPlayerSet), QStringList({longName}));
}

TEST_F(SettingGameTest, ListsLeaveOutTheStandardSetAndModifyEditsTheSelectedOne)
{
    WriteStandardSettings();
    TFormSettingGame& window = Shown();
    EXPECT_EQ(Items(window.ListBoxBoardSet), QStringList({QStringLiteral("一番"), QStringLiteral("二番"),
                                                          QStringLiteral("三番")}));
    EXPECT_EQ(Items(window.ComboBoxRandomBoard2),
              QStringList({kStandard, QStringLiteral("一番"), QStringLiteral("二番"), QStringLiteral("三番")}));
    EXPECT_EQ(window.ComboBoxRandomBoard2->currentText(), QStringLiteral("二番"));
    EXPECT_EQ(Items(window.ListBoxPlayerSet), QStringList({QStringLiteral("甲")}));

    EXPECT_FALSE(window.ButtonModifyBoardSet->isEnabled());
    EXPECT_FALSE(window.ButtonModifyPlayerSet->isEnabled());

    std::string editedBoard;
    std::string editedPlayer;
    int boardEdits = 0;
    window.SetBoardEditor([&] {
        ++boardEdits;
        editedBoard = window.GetBoardSetName() + "|" + window.GetBoardSetFile();
        QDir::setCurrent(QString::fromStdString(elsewhere_.Path().string()));
    });
    window.SetPlayerEditor([&] { editedPlayer = window.GetPlayerSetName() + "|" + window.GetPlayerSetFile(); });
    EXPECT_TRUE(window.ButtonModifyBoardSet->isEnabled());
    EXPECT_TRUE(window.ButtonModifyPlayerSet->isEnabled());

    window.ButtonModifyBoardSet->click();
    EXPECT_EQ(boardEdits, 0);

    Select(window.ListBoxBoardSet, QStringLiteral("三番"));
    window.ButtonModifyBoardSet->click();
    EXPECT_EQ(boardEdits, 1);
    EXPECT_EQ(editedBoard, Sjis(QStringLiteral("三番")) + "|Three.tsb");
    EXPECT_EQ(QDir::currentPath(), home_);

    Select(window.ListBoxPlayerSet, QStringLiteral("甲"));
    window.ButtonModifyPlayerSet->click();
    EXPECT_EQ(editedPlayer, Sjis(QStringLiteral("甲")) + "|Kou.tsp");
}

TEST_F(SettingGameTest, RenumberedEntriesMoveTheReferencesInTheFileAndInTheHeldCopy)
{
    WriteSettings(QStringLiteral("[Tessella]\nDefaultBoardSet=二番\nDefaultBoardName=Board_002\n"
                                 "1stBrainSet=甲\n1stBrainName=Brain_001\n"
                                 "[BoardSet]\n二番=Two.tsb\n[BrainSet]\n甲=Kou.tsp\n"));
    TFormSettingGame& window = Shown();
    EXPECT_EQ(window.FollowRenumbering(Settings::SetKind::Board, Sjis(QStringLiteral("二番")), {0, 2, 1}), QString());
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("DefaultBoardName")), "Board_001");
    EXPECT_EQ(window.FollowRenumbering(Settings::SetKind::Player, Sjis(QStringLiteral("甲")), {0, -1}),
              QStringLiteral("1stBrainName が指していた Brain_001 は削除されたため、標準のセットの Brain_000 に戻しました。"));
    // OK writes the held copy, which must not bring the old references back.
    window.BitBtnOk->click();
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("DefaultBoardName")), "Board_001");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("1stBrainSet")), Sjis(kStandard));
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("1stBrainName")), "Brain_000");
}

TEST_F(SettingGameTest, ExportedSetIsAddedBackFromItsZipUnderAFreeName)
{
    WriteSettings(QStringLiteral("[BoardSet]\n一番=One.tsb\n"));
    fs::create_directories(dir_.Path() / "Pic");
    dir_.Write("Pic/board.bmp", "picture bytes");
    WriteIni(dir_, "One.tsb", QStringLiteral("[BoardSet]\nName=一番\n[Board_000]\nTitle=A\nBoard=Pic\\board.bmp\n"));
    TFormSettingGame& window = Shown();
    Select(window.ListBoxBoardSet, QStringLiteral("一番"));
    const QString zip = QString::fromStdString((elsewhere_.Path() / "one").string());
    files_.push_back(zip);
    window.ButtonExportBoardSet->click();
    ASSERT_TRUE(fs::exists(elsewhere_.Path() / "one.zip"));
    EXPECT_TRUE(messages_.back().startsWith(QStringLiteral("セット「一番」を「")));

    files_.push_back(zip + QStringLiteral(".zip"));
    window.ButtonAddBoardSet->click();
    EXPECT_EQ(Items(window.ListBoxBoardSet), QStringList({QStringLiteral("一番"), QStringLiteral("一番_2")}));
    EXPECT_EQ(messages_.back(), QStringLiteral("セット「一番_2」を「One_2.tsb」として、絵 1 枚と一緒に追加しました。"));
    EXPECT_EQ(QDir::currentPath(), home_);
    window.BitBtnOk->click();
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("一番_2")), "One_2.tsb");
    EXPECT_EQ(Value("One_2.tsb", "Board_000", QStringLiteral("Board")),
              Sjis(QStringLiteral("Picture\\User\\一番_2\\board.bmp")));

    elsewhere_.Write("bad.zip", "not an archive");
    files_.push_back(QString::fromStdString((elsewhere_.Path() / "bad.zip").string()));
    Shown().ButtonAddBoardSet->click();
    EXPECT_TRUE(messages_.back().startsWith(QStringLiteral("「bad.zip」は追加できません。何も書き込んでいません。")));
}

TEST_F(SettingGameTest, FailedWriteIsShownAndTheDialogStaysOpenWithItsValues)
{
    WriteStandardSettings();
    TFormSettingGame& window = Shown();
    names_ = {QStringLiteral("Mine")};
    window.ButtonNewBoardSet->click();
    window.EditBaseTimer->setText(QStringLiteral("90"));
    window.CheckBoxAutoPass->click();

    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    window.BitBtnOk->click();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("Tessella.ini")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.EditBaseTimer->text(), QStringLiteral("90"));
    EXPECT_TRUE(window.CheckBoxAutoPass->isChecked());
    EXPECT_EQ(Options(window), "90 1 0 1 0 0");
    EXPECT_TRUE(Items(window.ListBoxBoardSet).contains(QStringLiteral("Mine")));

    // Once the folder can take the file again, OK saves everything the dialog held.
    fs::remove(dir_.Path() / "Tessella.ini");
    window.BitBtnOk->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Options(window), "90 1 1 1 0 0");
    EXPECT_EQ(Value("Tessella.ini", "Tessella", QStringLiteral("BaseTimer")), "90");
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("Mine")), "Mine.tsb");
    EXPECT_EQ(Registered("BoardSet", QStringLiteral("一番")), "One.tsb");
}

TEST_F(SettingGameTest, CancelAfterAFailedWriteReturnsToTheValuesOfTheFile)
{
    WriteSettings(QStringLiteral("[Tessella]\nBaseTimer=70\nAnimation=True\n"));
    TFormSettingGame& window = Shown();
    window.EditBaseTimer->setText(QStringLiteral("90"));
    window.CheckBoxAnimation->click();
    fs::remove(dir_.Path() / "Tessella.ini");
    fs::create_directory(dir_.Path() / "Tessella.ini");
    window.BitBtnOk->click();
    ASSERT_TRUE(window.isVisible());
    window.BitBtnCancel->click();
    EXPECT_EQ(Options(window), "70 1 0 1 0 0");
    EXPECT_EQ(window.EditBaseTimer->text(), QStringLiteral("70"));
    EXPECT_TRUE(window.CheckBoxAnimation->isChecked());
}

TEST_F(SettingGameTest, EveryCaptionFitsInsideTheFixedWindow)
{
    WriteStandardSettings();
    TFormSettingGame& window = Shown();
    const std::pair<QString, const char*> captions[] = {
        {window.GroupBoxSettingGame->title(), "[設定]"},
        {window.GroupBoxBoardSetting->title(), "[ボードセット]"},
        {window.GroupBoxPlayerSet->title(), "[プレーヤセット]"},
        {window.GroupBoxBoardMarks->title(), "[盤面の表示]"},
        {window.CheckBoxShowLegalMoves->text(), "打てるマスを表示する"},
        {window.CheckBoxShowLastMove->text(), "最後の手を表示する"},
        {window.CheckBoxShowCoordinates->text(), "座標を表示する"},
        {window.LabelBaseTimer->text(), "ベースタイマ："},
        {window.CheckBoxAnimation->text(), "コマのアニメーション表示をする"},
        {window.CheckBoxAutoPass->text(), "パスを自動的に行う"},
        {window.CheckBoxRandomBoard->text(), "ゲーム毎にボードを変える"},
        {window.CheckBoxRandomBoard2->text(), "ボードセット内のみ有効"},
        {window.CheckBoxRandomBoard3->text(), "ピクチャータイプのみ変える"},
        {window.LabelBoardSet->text(), "登録しているボードセット"},
        {window.LabelPlayerSet->text(), "登録しているプレーヤセット"},
        {window.ButtonNewBoardSet->text() + window.ButtonNewPlayerSet->text(), "新規新規"},
        {window.ButtonAddBoardSet->text() + window.ButtonAddPlayerSet->text(), "追加追加"},
        {window.ButtonDeleteBoardSet->text() + window.ButtonDeletePlayerSet->text(), "削除削除"},
        {window.ButtonModifyBoardSet->text() + window.ButtonModifyPlayerSet->text(), "設定設定"},
        {window.BitBtnOk->text() + window.BitBtnCancel->text(), "設定キャンセル"},
    };
    for (const auto& [shown, expected] : captions)
        EXPECT_EQ(shown, QString::fromUtf8(expected));

    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const QRect inside = window.rect();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        if (!widget->isVisible() || (button == nullptr && label == nullptr))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(inside.contains(area));
        if (qobject_cast<QPushButton*>(widget) != nullptr)
            EXPECT_GE(widget->width(), widget->fontMetrics().horizontalAdvance(button->text()) + 16);
        else if (label == nullptr || label->pixmap().isNull())
            EXPECT_GE(widget->width(), widget->sizeHint().width());
    }

    const QString shots = qEnvironmentVariable("TESSELLA_SCREENSHOTS");
    if (!shots.isEmpty()) {
        Select(window.ListBoxBoardSet, QStringLiteral("二番"));
        window.grab().save(shots + QStringLiteral("/TFormSettingGame.png"));
        TFormSaveConfirm confirm;
        confirm.show();
        confirm.grab().save(shots + QStringLiteral("/TFormSaveConfirm.png"));
        input_.show();
        input_.EditSetName->setText(QStringLiteral("私のボード"));
        input_.grab().save(shots + QStringLiteral("/TFormInputSetName.png"));
        input_.hide();
    }
}
