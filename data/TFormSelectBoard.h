#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <array>
#include <memory>
#include <string>

class BoardStyle;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QShowEvent;
class QTimer;
class WindowsIni;

// The board selection dialog: a board set, then a board of it, with a preview
// of its pictures and of the pieces' turning animation. Shown through
// ModalHost::ShowModal; remembers the choice in Tessella.ini on OK.
//
// Getters for the owner, valid after ShowModal answered kModalOk (CP932 texts):
//   GetBoardSetName()  the chosen board set name (a key of [BoardSet])
//   GetBoardSetFile()  that set's board set file, as stored
//   GetBoardName()     the section of the chosen board ("Board_000" ...)
//   GetBoardStyle()    the chosen board, loaded
//
// Tessella.ini is read and written through setup/Settings.h, the one header
// this window takes from setup/: the keys and their defaults live there alone.
// The program folder comes from the owner through SetProgramDir.
class TFormSelectBoard : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreviewSide = 200;
    static constexpr int kPieceSide = 32;

    explicit TFormSelectBoard(QWidget* parent = nullptr);
    ~TFormSelectBoard() override;

    // The folder that holds Tessella.ini and the set files; the dialog changes
    // into it before it reads or writes them. Empty: the working directory.
    void SetProgramDir(const QString& programDir);

    const std::string& GetBoardSetName() const { return setName_; }
    const std::string& GetBoardSetFile() const { return setFile_; }
    const std::string& GetBoardName() const { return section_; }
    const BoardStyle& GetBoardStyle() const { return *style_; }

    int BoardCount() const { return boardCount_; }
    int BrowseIndex() const { return browseIndex_; }
    int CurrentKind(int side) const { return currentKind_[SideIndex(side)]; }
    int AnimationFlag(int side) const { return animationFlag_[SideIndex(side)]; }
    int AnimationStep(int side) const { return animationStep_[SideIndex(side)]; }
    // The picture each preview shows now, before scaling to its box.
    const QImage& ShownPiece(int side) const { return shownPiece_[SideIndex(side)]; }

    void FormShow();

    void ComboBoxBoardSetChange();
    void BitBtnNextBoardClick();
    void BitBtnBackBoardClick();
    void ScrollBar1stFloatScroll();
    void ScrollBar2ndFloatScroll();
    void BitBtn1stAnimationClick();
    void BitBtn2ndAnimationClick();
    void TimerTimer();
    void BitBtnOkClick();
    void BitBtnCancelClick();

    QGroupBox* GroupBoxBoard = nullptr;
    QLabel* LabelBoardSet = nullptr;
    QComboBox* ComboBoxBoardSet = nullptr;
    QLabel* PanelTitle = nullptr;
    QLabel* PanelBoardType = nullptr;
    QLabel* ImageBoard = nullptr;
    QLabel* ImageBorder = nullptr;
    QPushButton* BitBtnBackBoard = nullptr;
    QPushButton* BitBtnNextBoard = nullptr;
    QLabel* LabelNoFloat = nullptr;
    QLabel* ImageNoFloat = nullptr;
    QLabel* Label1stFloat = nullptr;
    QLabel* Image1stFloat = nullptr;
    QScrollBar* ScrollBar1stFloat = nullptr;
    QPushButton* BitBtn1stAnimation = nullptr;
    QLabel* Label2ndFloat = nullptr;
    QLabel* Image2ndFloat = nullptr;
    QScrollBar* ScrollBar2ndFloat = nullptr;
    QPushButton* BitBtn2ndAnimation = nullptr;
    QLabel* LabelComment = nullptr;
    QLabel* PanelAuthor = nullptr;
    QPushButton* BitBtnOk = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QTimer* Timer = nullptr;

public slots:
    // The close box and Escape act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    static int SideIndex(int side) { return side == 1 ? 0 : 1; }

    void BuildWindow();
    void FormCreate();
    void EnterProgramDir() const;

    // Boards of the file, and the browse index of wanted among them (-1 when absent).
    static int CountBoards(const std::string& file, const std::string& wanted, int* indexOfWanted);
    // 0 when the board was shown; -1 leaves the board on screen and its names as they were.
    int ShowBoard(const std::string& file, const std::string& section);
    // The remembered board, or when it cannot be shown and nothing is on screen yet, the first board
    // of its file or of the standard set.
    void OpenRemembered(const std::string& name, const std::string& file, const std::string& section);
    int OpenBoardSet(const std::string& file, const std::string& section);
    void FillBoardSets(const WindowsIni& settings);
    void ShowPiece(int side, int pictureSide, int kind, int frame);
    void AnimationStepOf(int side);
    void StopPreviews();

    QString programDir_;
    std::unique_ptr<BoardStyle> style_;
    std::string setName_;
    std::string setFile_;
    std::string section_;
    int boardCount_ = 0;
    int browseIndex_ = 0;
    bool boardShown_ = false;
    std::array<int, 2> currentKind_{};
    std::array<int, 2> animationFlag_{};
    std::array<int, 2> animationStep_{};
    std::array<QImage, 2> shownPiece_;
};
