#pragma once

#include "data/SetEntries.h"
#include "data/SetEntryButtons.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BoardPreview;
class BoardStyle;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QShowEvent;
class QSpinBox;
class QTimer;
class WindowsIni;

// The board editor: browses the boards of one board set file, changes one or
// adds a new one at the end, and writes the board's section back. Shown through
// ModalHost::ShowModal; always answers kModalCancel, its effect is the file.
//
// The owner calls SetBoardSet before each showing and SetAskSave once: the
// callback asks whether unsaved edits are to be saved and answers kModalYes,
// kModalNo or kModalCancel.
class TFormSettingBoard : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreviewSide = 200;
    static constexpr int kPieceSide = 40;
    // Kinds and frames reachable through the scroll bars; the file holds up to 76 of each.
    static constexpr int kEditableSlots = 20;
    static constexpr int kMaxTimer = 999999;

    explicit TFormSettingBoard(QWidget* parent = nullptr);
    ~TFormSettingBoard() override;

    // The set to edit (CP932 name and stored file name) and the program folder.
    void SetBoardSet(std::string name, std::string file, QString programDir);
    void SetAskSave(std::function<int()> askSave);
    // Called after boards were deleted, duplicated or moved; answers what the user is to be told, or "".
    void SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered);

    const std::string& SetName() const { return setName_; }
    const std::string& CurrentSection() const { return section_; }
    int BoardCount() const { return boardCount_; }
    int BrowseIndex() const { return browseIndex_; }
    int CurrentKind(int side) const { return currentKind_[SideIndex(side)]; }
    int CurrentFrame(int side) const { return currentFrame_[SideIndex(side)]; }
    int BoardTimer() const { return boardTimer_; }
    bool TestRunning(int side) const { return testRunning_[SideIndex(side)]; }
    // Stored piece picture name of [kind][frame]; empty for a slot without a picture.
    const std::string& FloatPath(int side, int kind, int frame) const;
    const std::string& BoardPath() const { return boardPath_; }
    const std::string& BorderPath() const { return borderPath_; }
    const std::string& NoFloatPath() const { return noFloatPath_; }
    // What the last showing told the user about the set file (missing, or lines a save would lose); empty when all is well.
    const QString& OpenNotice() const { return openNotice_; }
    // The warnings about the design shown under the preview.
    const QStringList& Warnings() const { return warnings_; }

    void FormShow();

    void BitBtnNextBoardClick();
    void BitBtnDeleteBoardClick();
    void BitBtnDuplicateBoardClick();
    void BitBtnUpBoardClick();
    void BitBtnDownBoardClick();
    void BitBtnBackBoardClick();
    void BitBtnSaveClick();
    void BitBtnDefaultClick();
    void BitBtnCloseClick();
    void BitBtnReferBoardClick();
    void BitBtnReferBorderClick();
    void BitBtnReferNoFloatClick();
    void BitBtnRefer1stFloatClick();
    void BitBtnRefer2ndFloatClick();
    void BitBtnClear1stFloatClick();
    void BitBtnClear2ndFloatClick();
    void BitBtnClearNoFloatClick();
    void RadioButtonCreateClick();
    void RadioButtonModifyClick();
    void EditBoardTimerChange();
    void UpDownBoardTimerClick();
    void ScrollBar1stFloatKindScroll();
    void ScrollBar2ndFloatKindScroll();
    void ScrollBar1stFloatAnimationScroll();
    void ScrollBar2ndFloatAnimationScroll();
    void BitBtnTest1stFloatClick();
    void BitBtnTest2ndFloatClick();
    void TimerTimer();
    void ComboBoxBoardTypeChange();
    void CheckBoxTransparentNoFloatClick();
    void CheckBoxTransparent1stFloatClick();
    void CheckBoxTransparent2ndFloatClick();
    void CheckBoxStretchClick();
    void EditTitleChange();
    void EditAuthorChange();
    void MemoCommentChange();

    QGroupBox* GroupBoxBoard = nullptr;
    QLabel* ImageBoard = nullptr;
    QLabel* ImageBorder = nullptr;
    QRadioButton* RadioButtonCreate = nullptr;
    QRadioButton* RadioButtonModify = nullptr;
    QPushButton* BitBtnBackBoard = nullptr;
    QPushButton* BitBtnNextBoard = nullptr;
    QLabel* LabelModeNote = nullptr;
    QPushButton* BitBtnDeleteBoard = nullptr;
    QPushButton* BitBtnDuplicateBoard = nullptr;
    QPushButton* BitBtnUpBoard = nullptr;
    QPushButton* BitBtnDownBoard = nullptr;
    QLabel* LabelBoardIndex = nullptr;
    QGroupBox* GroupBoxPreview = nullptr;
    BoardPreview* ImagePreview = nullptr;
    QLabel* LabelWarnings = nullptr;
    QLabel* LabelTitle = nullptr;
    QLineEdit* EditTitle = nullptr;
    QLabel* LabelAuthor = nullptr;
    QLineEdit* EditAuthor = nullptr;
    QLabel* LabelComment = nullptr;
    QPlainTextEdit* MemoComment = nullptr;
    QLabel* LabelBoardType = nullptr;
    QComboBox* ComboBoxBoardType = nullptr;
    QLabel* LabelBoardTimer = nullptr;
    QLineEdit* EditBoardTimer = nullptr;
    QSpinBox* UpDownBoardTimer = nullptr;
    QCheckBox* CheckBoxStretch = nullptr;
    QPushButton* BitBtnReferBoard = nullptr;
    QPushButton* BitBtnReferBorder = nullptr;

    QGroupBox* GroupBoxNoFloat = nullptr;
    QLabel* ImageNoFloat = nullptr;
    QPushButton* BitBtnReferNoFloat = nullptr;
    QPushButton* BitBtnClearNoFloat = nullptr;
    QCheckBox* CheckBoxTransparentNoFloat = nullptr;

    QGroupBox* GroupBox1stFloat = nullptr;
    QLabel* Image1stFloat = nullptr;
    QLabel* Label1stFloatKind = nullptr;
    QLabel* Label1stFloatAnimation = nullptr;
    QLabel* Label1stFloatKindNum = nullptr;
    QLabel* Label1stFloatAnimationNum = nullptr;
    QScrollBar* ScrollBar1stFloatKind = nullptr;
    QScrollBar* ScrollBar1stFloatAnimation = nullptr;
    QPushButton* BitBtnRefer1stFloat = nullptr;
    QCheckBox* CheckBoxTransparent1stFloat = nullptr;
    QPushButton* BitBtnTest1stFloat = nullptr;
    QPushButton* BitBtnClear1stFloat = nullptr;

    QGroupBox* GroupBox2ndFloat = nullptr;
    QLabel* Image2ndFloat = nullptr;
    QLabel* Label2ndFloatKind = nullptr;
    QLabel* Label2ndFloatAnimation = nullptr;
    QLabel* Label2ndFloatKindNum = nullptr;
    QLabel* Label2ndFloatAnimationNum = nullptr;
    QScrollBar* ScrollBar2ndFloatKind = nullptr;
    QScrollBar* ScrollBar2ndFloatAnimation = nullptr;
    QPushButton* BitBtnRefer2ndFloat = nullptr;
    QCheckBox* CheckBoxTransparent2ndFloat = nullptr;
    QPushButton* BitBtnTest2ndFloat = nullptr;
    QPushButton* BitBtnClear2ndFloat = nullptr;

    QPushButton* BitBtnDefault = nullptr;
    QPushButton* BitBtnSave = nullptr;
    QPushButton* BitBtnClose = nullptr;
    QTimer* Timer = nullptr;

public slots:
    // The close box and Escape run the close button's logic.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    using PathGrid = std::vector<std::string>;

    struct SideControls {
        QLabel* image;
        QLabel* kindNum;
        QLabel* animationNum;
        QScrollBar* kind;
        QScrollBar* animation;
        QCheckBox* transparent;
    };

    enum class Target { Board, Border, NoFloat, Float1st, Float2nd };

    static int SideIndex(int side) { return side == 1 ? 0 : 1; }

    void BuildWindow();
    QGroupBox* BuildSide(int side, const QRect& geometry);
    void FormCreate();
    void EnterProgramDir() const;

    int CountBoards() const;
    void ShowBoard(const std::string& file, const std::string& section);
    void ClearForm();
    void UpdateSaveState();
    bool SaveAllowed() const;
    // True when the form may be left: nothing unsaved, or the user saved or discarded it.
    bool ConfirmLeave();
    // 0 when the board was written; -1 after telling the user why not.
    int Save();
    void ReferPicture(Target target);
    void ClearFloat(int side);
    void ScrollKind(int side);
    void ScrollAnimation(int side);
    void TestStep(int side, bool* stop);
    void SetTimerValue(int value);
    void SetBoardTypeText(int type);
    void FilterEdit(QLineEdit* edit);
    void Message(const QString& text);
    void UpdateEntryControls();
    void RunEntryAction(SetEntryButtons::Action action);
    void RefreshPreview();

    std::string& Path(int side, int kind, int frame);
    SideControls Side(int side) const;
    void ShowFloat(int side, const QImage& picture);
    void ShowBoardPicture();
    void ShowBorderPicture();
    void ShowNoFloat();
    void ClearPreviews();

    QString programDir_;
    std::function<int()> askSave_;
    std::unique_ptr<SetEntryButtons> entries_;
    QStringList warnings_;
    std::unique_ptr<BoardStyle> style_;
    std::string setName_;
    std::string setFile_;
    std::string section_;
    int boardCount_ = 0;
    int browseIndex_ = 0;
    bool addMode_ = false;

    std::string boardPath_;
    std::string borderPath_;
    std::string noFloatPath_;
    std::string board1stPath_;
    std::string board2ndPath_;
    std::array<PathGrid, 2> floatPaths_;

    std::array<int, 2> currentKind_{};
    std::array<int, 2> currentFrame_{};
    int boardTimer_ = 0;
    bool timerEdited_ = false;
    QString openNotice_;
    std::array<bool, 2> testRunning_{};
    std::array<bool, 2> testStarted_{};

    QImage boardPicture_;
    QImage borderPicture_;
    QImage noFloatPicture_;
    std::array<QImage, 2> floatPicture_;
};
