#pragma once

#include "app/GameCycle.h"
#include "app/SettingsGameOptions.h"

#include <QImage>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class BoardView;
class PreparedDemoBoards;
class TFormHelp;
class TFormPrepareGame;
class TFormRecord;
class TFormRelease;
class TFormSettingGame;
class TFormTitle;
class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QShowEvent;
class QTimer;

// The main window: shows what the turn cycle reports, forwards the timer,
// clicks and commands to it, and loads the settings, players and board at start-up.
class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 434;
    // Where the side panels start at the smallest size.
    static constexpr int kRightColumn = 416;

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    GameCycle& Cycle() { return cycle_; }
    TFormRecord& RecordWindow() { return *recordWindow_; }
    // A record the viewer opens once the start-up (title screen included) is done.
    void SetOpenAtStart(const QString& hostPath) { openAtStart_ = hostPath; }

    // Loads the board and starts the demonstration; runs once per real showing.
    void FormShow();

    // The settings and preparation windows, created after the main window; from then on
    // they hold the game options and choose every board.
    void AttachSetup(TFormSettingGame& settingGame, TFormPrepareGame& prepareGame);

    // The title screen shown at the first showing, and the release information.
    void AttachScreens(TFormTitle& title, TFormRelease& release);

    void BitBtnPrepareClick();
    // "ここから対局": the preparation window, then a game from the position with that side to move.
    void PlayFromHere(const BoardStatus& board, int sideToMove);
    void ButtonSettingClick();
    void MenuReleaseClick();
    void MenuActionHelpClick();
    void MenuHPClick();
    void BitBtnExitClick();

    QGroupBox* GroupBoxBoard = nullptr;
    QLabel* PanelTitle = nullptr;
    BoardView* ImageBoard = nullptr;

    QGroupBox* GroupBox1stPlayer = nullptr;
    QLabel* Image1stFace = nullptr;
    QLabel* Image1stFloat = nullptr;
    QLabel* Image1stPlayType = nullptr;
    QLabel* Panel1stName = nullptr;
    QLabel* Panel1stScore = nullptr;
    QLabel* Panel1stPoint = nullptr;
    QLabel* Panel1stUseTime = nullptr;
    QLabel* Panel1stGameResult = nullptr;

    QGroupBox* GroupBox2ndPlayer = nullptr;
    QLabel* Image2ndFace = nullptr;
    QLabel* Image2ndFloat = nullptr;
    QLabel* Image2ndPlayType = nullptr;
    QLabel* Panel2ndName = nullptr;
    QLabel* Panel2ndScore = nullptr;
    QLabel* Panel2ndPoint = nullptr;
    QLabel* Panel2ndUseTime = nullptr;
    QLabel* Panel2ndGameResult = nullptr;

    QGroupBox* GroupBoxMenu = nullptr;
    QLabel* LabelMessage = nullptr;
    QPushButton* BitBtnPrepare = nullptr;
    QPushButton* BitBtnReplay = nullptr;
    QPushButton* BitBtnCountinue = nullptr;
    QPushButton* BitBtnPass = nullptr;
    QPushButton* ButtonSetting = nullptr;
    QPushButton* BitBtnBorder = nullptr;
    QPushButton* BitBtnExit = nullptr;

    QMenu* MenuMain = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuPrepare = nullptr;
    QAction* MenuReplay = nullptr;
    QAction* MenuCountinue = nullptr;
    QAction* MenuPass = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    QAction* MenuHint = nullptr;
    QAction* MenuSetting = nullptr;
    QAction* MenuBorder = nullptr;
    QAction* MenuExit = nullptr;
    QAction* MenuActionHelp = nullptr;
    QAction* MenuHP = nullptr;
    QAction* MenuRelease = nullptr;
    QMenu* MenuRecord = nullptr;
    QAction* MenuRecordWindow = nullptr;
    QAction* MenuOpenRecord = nullptr;
    QAction* MenuSaveRecord = nullptr;
    QAction* MenuCopyMoves = nullptr;
    QAction* MenuPasteMoves = nullptr;
    QAction* MenuStats = nullptr;

    QTimer* Timer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SideWidgets {
        QLabel* face;
        QLabel* piece;
        QLabel* playType;
        QLabel* name;
        QLabel* score;
        QLabel* point;
        QLabel* useTime;
        QLabel* gameResult;
        qint64 faceKey = 0;
        qint64 pieceKey = 0;
        qint64 playTypeKey = 0;
        GameCycle::PanelColour colour = GameCycle::PanelColour::Silver;
        bool colourShown = false;
    };

    void BuildWindow();
    void BuildMenus();
    void BuildRecordMenu();
    // Shows the preparation window and takes its players and board; false when cancelled.
    bool PrepareGame();
    void ShowPreparedNotes();
    void MenuRecordWindowClick(bool shown);
    void MenuStatsClick();
    void ShowRecordWindowAtStart();
    void PlaceRecordWindow();
    QGroupBox* BuildSide(int side, const QString& caption, SideWidgets* widgets);
    QAction* MakeCommand(const char* name, const QString& caption);
    QPushButton* MakeButton(QWidget* parent, const char* name, QAction* action, bool sharesCaption);

    void FormCreate();
    void Centre();
    // Size and place of the last run while a screen still shows them, else centred at the smallest size.
    void RestorePlace();
    void SaveWindowPlace();
    void LayoutClient();

    void CycleChanged(unsigned changes);
    void ShowTexts();
    void ShowCommands();
    void ShowBoard();
    void ShowPictures();
    void FollowTimer();
    void ReportPictureFailure(const QString& path, const QString& reason);

    void ShowNote(const QString& note);
    // Names the copies of Tessella.ini kept before a write that dropped unreadable lines.
    void ShowKeptCopies();
    // Opens the help document on the desktop, or in the help window when the desktop cannot.
    void OpenHelp();
    // False when the user keeps a game with a user side that is still going on.
    bool ConfirmExit();
    // Runs a modal step with the timer stopped, then lets the timer run as it did before.
    template <typename Step>
    void WithTimerStopped(Step step);

    SettingsGameOptions options_;
    SettingsDemoBoards demoBoards_;
    GameCycle cycle_;
    TFormSettingGame* settingGame_ = nullptr;
    TFormPrepareGame* prepareGame_ = nullptr;
    TFormTitle* title_ = nullptr;
    TFormRelease* release_ = nullptr;
    TFormHelp* help_ = nullptr;
    std::unique_ptr<PreparedDemoBoards> preparedBoards_;
    TFormRecord* recordWindow_ = nullptr;
    QString openAtStart_;

    QImage userPicture_;
    QImage computerPicture_;
    std::string boardSetName_;
    std::string boardName_;
    std::string boardSetFile_;

    SideWidgets sides_[2];
    // The last message the cycle reported: a picture failure stays in the line until the cycle says something new.
    QString cycleMessage_;
    bool cycleMessageShown_ = false;
};
