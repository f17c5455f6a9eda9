#pragma once

#include "data/SetEntries.h"
#include "data/SetEntryButtons.h"
#include "players/StrengthTrial.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

class Player;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QHideEvent;
class QShowEvent;
class QSpinBox;
class QTimer;

// The player editor: browses the players of one player set, changes one or
// adds a new one, and saves it into the set file. Always closes with Cancel.
//
// The owner calls SetPlayerSet before each showing and may set the save
// question through SetAskSave (it answers kModalYes, kModalNo or kModalCancel);
// without one the editor asks with a plain message box.
class TFormSettingPlayer : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFaceSide = 100;
    static constexpr int kFaces = 5;
    static constexpr int kPhases = 6;
    static constexpr int kSlots = 3;
    static constexpr int kLimitStepMax = 72;
    // A face file name must fit the 256-byte field of the set file to be read back whole.
    static constexpr std::size_t kFaceFileBytes = 256;

    explicit TFormSettingPlayer(QWidget* parent = nullptr);
    ~TFormSettingPlayer() override;

    // The set to edit (CP932 name and file as registered) and the program folder
    // the set file and face pictures are relative to.
    void SetPlayerSet(std::string name, std::string file, QString programDir);
    void SetAskSave(std::function<int()> askSave);
    // Called after players were deleted, duplicated or moved; answers what the user is to be told, or "".
    void SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered);

    const std::string& GetPlayerSetName() const { return setName_; }
    const std::string& GetPlayerSetFile() const { return setFile_; }
    const std::string& GetSection() const { return section_; }
    int BrowseIndex() const { return browseIndex_; }
    int PlayerCount() const { return playerCount_; }
    // What the last showing told the user about the set file (missing, or lines a save would lose); empty when all is well.
    const QString& OpenNotice() const { return openNotice_; }
    // The stored name (CP932, `\` between folders) of a face, "" when not set.
    const std::string& FaceFile(int index) const { return faceFiles_.at(index); }

    void FormCreate();
    void FormShow();

    void BitBtnNextPlayerClick();
    void BitBtnDeletePlayerClick();
    void BitBtnDuplicatePlayerClick();
    void BitBtnUpPlayerClick();
    void BitBtnDownPlayerClick();
    void BitBtnBackPlayerClick();
    void RadioButtonCreateClick();
    void RadioButtonModifyClick();
    void ScrollBarFaceChange();
    void BitBtnReferPlayerClick();
    void CheckBoxStretchClick();
    void UpDownBrainLimitClick(int phase);
    void EditNameChange();
    void EditAuthorChange();
    void MemoCommentChange();
    void EditBrainLimitChange(int phase);
    void ComboBoxBrainNameChange(int phase, int slot);
    void BitBtnSaveClick();
    void BitBtnDefaultClick();
    void BitBtnCloseClick();

    QGroupBox* GroupBoxPlayer = nullptr;
    QRadioButton* RadioButtonCreate = nullptr;
    QRadioButton* RadioButtonModify = nullptr;
    QLabel* ImageFace = nullptr;
    QScrollBar* ScrollBarFace = nullptr;
    QPushButton* BitBtnReferPlayer = nullptr;
    QCheckBox* CheckBoxStretch = nullptr;
    QLineEdit* EditName = nullptr;
    QLineEdit* EditAuthor = nullptr;
    QPlainTextEdit* MemoComment = nullptr;
    QPushButton* BitBtnBackPlayer = nullptr;
    QPushButton* BitBtnNextPlayer = nullptr;
    QLabel* LabelModeNote = nullptr;
    QLabel* LabelFaceMeaning = nullptr;
    QPushButton* BitBtnDeletePlayer = nullptr;
    QPushButton* BitBtnDuplicatePlayer = nullptr;
    QPushButton* BitBtnUpPlayer = nullptr;
    QPushButton* BitBtnDownPlayer = nullptr;
    QLabel* LabelPlayerIndex = nullptr;
    QGroupBox* GroupBoxPhaseHelp = nullptr;
    QLabel* LabelPhaseHelp = nullptr;
    QLabel* LabelPhaseWarning = nullptr;
    QLabel* PanelGameCounter = nullptr;
    QLabel* PanelBrain1 = nullptr;
    QLabel* PanelBrain2 = nullptr;
    QLabel* PanelBrain3 = nullptr;
    // Index p holds the controls named with the digit p + 1 (EditBrainLimit1 for phase 0).
    std::array<QLineEdit*, kPhases> EditBrainLimit{};
    std::array<QSpinBox*, kPhases> UpDownBrainLimit{};
    std::array<QComboBox*, kPhases> ComboBox1stBrainName{};
    std::array<QComboBox*, kPhases> ComboBox2ndBrainName{};
    std::array<QComboBox*, kPhases> ComboBox3rdBrainName{};
    QPushButton* BitBtnDefault = nullptr;
    QPushButton* BitBtnSave = nullptr;
    QPushButton* BitBtnClose = nullptr;
    // Measuring strength: games against a standard player in the background.
    QComboBox* ComboBoxMeasureOpponent = nullptr;
    QPushButton* BitBtnMeasure = nullptr;
    QProgressBar* ProgressBarMeasure = nullptr;
    QPushButton* BitBtnMeasureCancel = nullptr;
    QLabel* LabelMeasureResult = nullptr;
    QTimer* TimerMeasure = nullptr;

    void BitBtnMeasureClick();
    void BitBtnMeasureCancelClick();
    void TimerMeasureTimer();
    StrengthTrial& Trial() { return trial_; }

public slots:
    // The close box and Escape run the close button: unsaved changes are asked about.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildWindow();
    QComboBox* StrategyBox(int phase, int slot) const;
    void EnterProgramDir() const;
    void ClearForm();
    void ShowPlayer(const std::string& file, const std::string& section);
    void ShowFace(int index);
    void UpdateSaveState();
    // 0 when written; -1 when refused or not written, the user having been told why.
    int Save();
    void Tell(const QString& message);
    // True when the form may be left: nothing unsaved, or the user saved or discarded it.
    bool ConfirmLeave();
    void SelectStrategy(QComboBox* box, int code);
    void UpdateStrategyTip(QComboBox* box);
    void UpdatePhaseWarning();
    void UpdateEntryControls();
    void RunEntryAction(SetEntryButtons::Action action);
    void FillMeasureOpponents();
    // The profile the phase controls show now, saved or not.
    StrengthTrial::Profile ShownProfile() const;

    QString programDir_;
    std::function<int()> askSave_;
    std::unique_ptr<SetEntryButtons> entries_;
    std::unique_ptr<Player> player_;
    StrengthTrial trial_;
    QString measuredOpponent_;
    std::string setName_;
    std::string setFile_;
    std::string section_;
    int browseIndex_ = 0;
    int playerCount_ = 0;
    bool createMode_ = false;
    std::array<std::string, kFaces> faceFiles_;
    QString openNotice_;
};
