#pragma once

#include "data/SetEntries.h"
#include "data/WindowsIni.h"
#include "setup/BoardDrawOptions.h"
#include "setup/GameOptions.h"
#include "setup/Settings.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QShowEvent;
class QSpinBox;
class TFormInputSetName;

// The game options of the whole run and the registries of board and player
// sets: new sets from the template, adding set files, removing sets, and
// opening a set in its editor.
class TFormSettingGame : public QDialog, public GameOptions, public BoardDrawOptions {
    Q_OBJECT

public:
    // New set files are made from this template in the program folder.
    static constexpr char kTemplateFile[] = "Base.ts";
    // A set name leaves room for its extension within a 256-byte file name.
    static constexpr std::size_t kSetNameBytes = 252;
    // A typed base timer stops growing here.
    static constexpr int kBaseTimerTypedLimit = 999999;

    // Reads the options at once, so the getters are valid before the first showing.
    explicit TFormSettingGame(TFormInputSetName& inputSetName, QWidget* parent = nullptr);
    ~TFormSettingGame() override;

    int GetBaseTimer() const override { return baseTimer_; }
    int GetAnimation() const override { return animation_; }
    int GetAutoPass() const override { return autoPass_; }
    int GetRandomBoard() const override { return randomBoard_; }
    int GetRandomBoard2() const override { return randomBoard2_; }
    int GetRandomBoard3() const override { return randomBoard3_; }
    // The working directory when the window was made; absolute.
    const QString& GetProgramDir() const override { return programDir_; }
    const std::string& GetBoardSetName() const { return boardSetName_; }
    const std::string& GetBoardSetFile() const { return boardSetFile_; }
    const std::string& GetPlayerSetName() const { return playerSetName_; }
    const std::string& GetPlayerSetFile() const { return playerSetFile_; }

    // The editors shown by the two Modify buttons; each button stays disabled while its editor is not set.
    void SetBoardEditor(std::function<void()> editor);
    void SetPlayerEditor(std::function<void()> editor);
    // After an editor renumbered a set's entries, Tessella.ini and the copy this window holds while
    // shown follow them; answers what the user is to be told, or "".
    QString FollowRenumbering(Settings::SetKind kind, const std::string& setName,
                              const SetEntries::Renumbering& renumbering);

    void FormCreate();
    void FormShow();
    void EditBaseTimerChange();
    void UpDownBaseTimerClick();
    void CheckBoxRandomBoardClick();
    void CheckBoxRandomBoard2Click();
    void CheckBoxRandomBoard3Click();
    void ListBoxBoardSetClick();
    void ListBoxPlayerSetClick();
    void ButtonNewBoardSetClick();
    void ButtonNewPlayerSetClick();
    void ButtonAddBoardSetClick();
    void ButtonAddPlayerSetClick();
    void ButtonDeleteBoardSetClick();
    void ButtonDeletePlayerSetClick();
    void ButtonModifyBoardSetClick();
    void ButtonModifyPlayerSetClick();
    void ButtonExportBoardSetClick();
    void ButtonExportPlayerSetClick();
    void BitBtnOkClick();
    void BitBtnCancelClick();

    // The close box and Escape act as Cancel.
    void reject() override;

    QGroupBox* GroupBoxSettingGame = nullptr;
    QLabel* LabelBaseTimer = nullptr;
    QLineEdit* EditBaseTimer = nullptr;
    QSpinBox* UpDownBaseTimer = nullptr;
    QCheckBox* CheckBoxAnimation = nullptr;
    QCheckBox* CheckBoxAutoPass = nullptr;
    QCheckBox* CheckBoxRandomBoard = nullptr;
    QCheckBox* CheckBoxRandomBoard2 = nullptr;
    QComboBox* ComboBoxRandomBoard2 = nullptr;
    QCheckBox* CheckBoxRandomBoard3 = nullptr;
    // What the board view draws over the design.
    QGroupBox* GroupBoxBoardMarks = nullptr;
    QCheckBox* CheckBoxShowLegalMoves = nullptr;
    QCheckBox* CheckBoxShowLastMove = nullptr;
    QCheckBox* CheckBoxShowCoordinates = nullptr;
    // The interface language of the next start.
    QGroupBox* GroupBoxLanguage = nullptr;
    QComboBox* ComboBoxLanguage = nullptr;
    QLabel* LabelLanguageNote = nullptr;
    QGroupBox* GroupBoxBoardSetting = nullptr;
    QLabel* LabelBoardSet = nullptr;
    QListWidget* ListBoxBoardSet = nullptr;
    QPushButton* ButtonNewBoardSet = nullptr;
    QPushButton* ButtonAddBoardSet = nullptr;
    QPushButton* ButtonDeleteBoardSet = nullptr;
    QPushButton* ButtonModifyBoardSet = nullptr;
    QPushButton* ButtonExportBoardSet = nullptr;
    QGroupBox* GroupBoxPlayerSet = nullptr;
    QLabel* LabelPlayerSet = nullptr;
    QListWidget* ListBoxPlayerSet = nullptr;
    QPushButton* ButtonNewPlayerSet = nullptr;
    QPushButton* ButtonAddPlayerSet = nullptr;
    QPushButton* ButtonDeletePlayerSet = nullptr;
    QPushButton* ButtonModifyPlayerSet = nullptr;
    QPushButton* ButtonExportPlayerSet = nullptr;
    QPushButton* BitBtnOk = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QLabel* ImageTS = nullptr;
    QLabel* LabelURL = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What the board and player halves of the window differ in.
    struct SetKindControls {
        Settings::SetKind kind;
        const char* extension;
        QString openTitle;
        QString openFilter;
        QListWidget* list;
        // Only the board sets feed the random-board box.
        QComboBox* randomBox;
        std::string* name;
        std::string* file;
        std::function<void()>* editor;
        QPushButton* modify;
    };

    void BuildWindow();
    QGroupBox* BuildSetGroup(const QString& title, const QString& caption, QLabel** label, QListWidget** list,
                             QPushButton** newButton, QPushButton** addButton, QPushButton** deleteButton,
                             QPushButton** modifyButton, QPushButton** exportButton);
    void LoadSettings(const WindowsIni& settings);
    void ApplyRandomBoardEnabling(bool afterClick);
    bool SaveSettings(const std::string& boardSetName);
    WindowsIni& SettingsField();
    void ReturnToProgramDir() const;

    SetKindControls BoardControls();
    SetKindControls PlayerControls();
    void SelectSet(const SetKindControls& set);
    void NewSet(const SetKindControls& set);
    void AddSet(const SetKindControls& set);
    void DeleteSet(const SetKindControls& set);
    void ModifySet(const SetKindControls& set);
    void ExportSet(const SetKindControls& set);
    // Adds a set packed with its pictures; the pictures land in the program folder at once.
    void ImportSet(const SetKindControls& set, const QString& zipPath);
    void ListNewSet(const SetKindControls& set, const std::string& name);
    QString NewSetNameProblem(const SetKindControls& set, const std::string& name) const;
    // Where the chosen set file is found from the program folder, copying its bytes there
    // when it lies outside; false, after telling the user, when it cannot be.
    bool PlaceInProgramDir(const QString& chosenPath, std::string* stored);
    // The text of the random-board box as stored bytes; false when CP932 cannot hold it.
    bool RandomBoxName(std::string* name) const;

    void Inform(const QString& message);
    bool AskYesNo(const QString& question);

    TFormInputSetName& inputSetName_;
    std::optional<WindowsIni> settings_;
    int baseTimer_ = 0;
    int animation_ = 0;
    int autoPass_ = 0;
    int randomBoard_ = 0;
    int randomBoard2_ = 0;
    int randomBoard3_ = 0;
    QString programDir_;
    std::string boardSetName_;
    std::string boardSetFile_;
    std::string playerSetName_;
    std::string playerSetFile_;
    // The bytes the random-board box was loaded with, for a text left as loaded.
    std::string randomBoxLoaded_;
    // Set files made by New in this showing, with the bytes written: Cancel removes those still unchanged.
    struct NewFile {
        std::string hostName;
        std::string bytes;
    };
    std::vector<NewFile> newFiles_;
    std::function<void()> boardEditor_;
    std::function<void()> playerEditor_;
};
