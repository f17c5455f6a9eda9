#pragma once

#include "app/GameOptions.h"
#include "app/MoveHistory.h"
#include "data/BoardStyle.h"
#include "engine/BoardStatus.h"
#include "players/Brain.h"
#include "players/Player.h"
#include "records/GameRecord.h"
#include "players/SearchWorker.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <bitset>
#include <functional>
#include <vector>

// Picks and loads the board of the next demonstration; the game preparation
// window implements it later.
class DemoBoardSource {
public:
    virtual ~DemoBoardSource() = default;
    virtual void ChooseBoard(BoardStyle* style) = 0;
};

// The turn cycle of the main window without any widget: modes, play states,
// one tick at a time, and everything the window shows, as plain values. The
// window forwards the timer, clicks and commands, and redraws what changed.
class GameCycle {
public:
    enum Mode { kModeNone = 0, kModeGame = 1, kModeDemo = 2, kModeReplay = 3 };
    enum State {
        kStateIdle = 0,
        kStateThinking = 1,
        kStateMoveChosen = 2,
        kStatePassed = 3,
        kStatePlacing = 4,
        kStateFinished = 9,
    };
    enum class PanelColour { Silver, Aqua, Red, Blue };

    // One command: a button and its menu item share caption and enabled state.
    struct Command {
        QString caption;
        bool enabled = true;
    };

    // What one side's group shows.
    struct SideView {
        QString name;
        QString score = QStringLiteral("/");
        QString point = QStringLiteral("-");
        QString useTime = QStringLiteral("00:00:00");
        QString gameResult;
        PanelColour nameColour = PanelColour::Silver;
        int faceIndex = 0;
    };

    // What one cell sprite shows; a null picture shows nothing.
    struct Sprite {
        QRect rect;  // in board-picture coordinates; empty for the cells off the octagon
        QImage picture;
        bool transparent = false;
    };

    // Flags passed to the change listener; the window refreshes what they name.
    enum Change : unsigned {
        kChangedTexts = 1u << 0,    // message, side views, commands
        kChangedCells = 1u << 1,    // sprites listed by TakeDirtyCells()
        kChangedBoard = 1u << 2,    // board, border, title, piece images, every sprite
        kChangedTimer = 1u << 3,    // running flag or interval
        kChangedRecord = 1u << 4,   // the record of the game or demonstration
    };

    // Both must outlive the cycle; the timer interval starts at options.GetBaseTimer().
    GameCycle(const GameOptions& options, DemoBoardSource& demoBoards);
    GameCycle(const GameCycle&) = delete;
    GameCycle& operator=(const GameCycle&) = delete;

    void SetChangeListener(std::function<void(unsigned changes)> listener);
    // Called once at the end of every game (never a demonstration or replay);
    // a non-empty answer is added to the result in the message line.
    void SetGameFinishedListener(std::function<QString(const GameRecord& record)> listener);
    // The windows that hold the options and choose the boards arrive after the main window.
    void SetOptions(const GameOptions& options);
    void SetDemoBoards(DemoBoardSource& demoBoards);

    // The turn cycle.
    void TimerTimer();
    int AskMove();
    void StepBoard(int move);
    void CheckEnd();
    void ResetGame();
    void ShowStatus(int row, int column);
    void StartGame();
    // A game from a given position (cells and kinds only) with that side to
    // move; its record holds the position as its start.
    void StartGameFrom(const BoardStatus& board, int sideToMove);
    void FinishGame();
    void StartReplay();
    void FinishReplay();
    void StartDemo();
    void FinishDemo();

    // The display.
    void RedrawBoard();
    void PlacePieceSprite(int row, int column, int side, int kind);
    int PieceKindFor(int row, int column, int side) const;
    bool RevealStep(int side);

    // Commands and input.
    void BitBtnCountinueClick();
    void BitBtnReplayClick();
    void BitBtnPassClick();
    void BitBtnBorderClick();
    // "待った": back to the last position where a user side was asked; "やり直し": forward again.
    void MenuUndoClick();
    void MenuRedoClick();
    // "ヒント": the cell the deep-reading search would play for the user side being asked,
    // computed on the search worker; marked until the user moves.
    void MenuHintClick();
    int HintCell() const { return hintCell_; }
    void ImageBoardMouseDown(int x, int y);
    // A user's choice of a cell by mouse or keyboard: a vote when it is legal for the user side being asked.
    void ChooseCell(int cell);
    // True when the cross-hair should show at (x, y).
    bool ImageBoardMouseMove(int x, int y) const;
    // The cell under (x, y) in board-picture coordinates, -1 when none.
    int CellAt(int x, int y) const;

    // Start-up and the preparation command take players and boards through these.
    Player& PlayerFor(int side);
    BoardStyle& Style();
    BoardStatus& LiveBoard();
    // Runs the searching moves of both sides; stopped whenever the timer stops or a game starts.
    SearchWorker& Searches() { return searchWorker_; }
    void SetTimerRunning(bool running);
    void SetTimerInterval(int milliseconds);

    // What the window shows.
    int GameMode() const;
    int SideToMove() const;
    bool TimerRunning() const;
    int TimerInterval() const;
    const QString& Message() const;
    const SideView& Side(int side) const;
    const Command& Prepare() const;
    const Command& Replay() const;
    const Command& Countinue() const;
    const Command& Pass() const;
    const Command& Border() const;
    const Command& Exit() const;
    const Command& Undo() const { return undo_; }
    const Command& Redo() const { return redo_; }
    const Command& Hint() const { return hint_; }
    bool BorderShown() const;
    const Sprite& SpriteAt(int row, int column) const;
    // The moves of the game or demonstration that runs or ended last; a replay keeps it.
    const GameRecord& Record() const { return record_; }

    // Viewing a record: the timer stops and the board shows given positions
    // until LeaveView puts back the board and the timer as they were. Every
    // start, replay and continue command leaves the view first.
    void EnterView();
    void ShowView(const BoardStatus& board);
    // Shows before, then places the move with the normal flips; RevealStep(side)
    // then turns them one by one until it answers false.
    void ShowViewStep(const BoardStatus& before, int move, int side, int kind);
    void LeaveView();
    bool Viewing() const { return viewing_; }
    std::vector<int> TakeDirtyCells();

    // The cells a user side may place on while it is being asked in a game;
    // none in demonstrations, replays and for a computer side.
    std::bitset<BoardStatus::kCells> UserLegalCells() const;
    // The cell placed last on the live board, -1 before the first placement.
    int LastMove() const;

private:
    // Collects the changes of one outermost operation and reports them once at its end.
    class Batch {
    public:
        explicit Batch(GameCycle& cycle);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        GameCycle& cycle_;
    };

    Player& PlayerOf(int side);
    const Player& PlayerOf(int side) const;
    Brain& BrainOf(int side);
    SideView& ViewOf(int side);
    int BaseTimer() const;
    int PacingInterval() const;
    // The kind a cell shows when redrawn or animated.
    int ShownKind(int row, int column) const;
    QRect SpriteRect(int row, int column) const;
    void LayoutSprites();
    void SetSprite(int row, int column, const QImage& picture, bool transparent);
    void ShowStill(int row, int column, int owner, int kind);
    void StartTimer();

    void SetText(QString& field, const QString& text);
    void SetCaption(Command& command, const QString& caption);
    void Enable(Command& command, bool enabled);
    void SetNameColour(int side, PanelColour colour);
    void SetFace(int side, int faceIndex);
    void ShowNameAndRecord(int side);
    void ShowRecord(int side);
    void ShowScore(int side);
    // Scores, "End" and state 9 for both sides.
    void ShowEnd();
    void ShowTurnColours();
    void StartRecord();
    bool ReplayExhausted() const;
    // Remembers the position when a user side is first asked in a turn of a game.
    void RecordUserTurn();
    void GoBackTo(int point);
    void ShowAidCommands();
    bool UserAsked() const;
    // Takes the hint's result once the worker has it.
    void PollHint();
    void ClearHint();
    void Notify(unsigned changes);

    const GameOptions* options_;
    DemoBoardSource* demoBoards_;
    BoardStatus liveBoard_;
    BoardStatus savedBoard_;
    BoardStyle style_;
    // Bound to the live board above, so declared after it.
    Brain brain1st_;
    Brain brain2nd_;
    Player player1st_;
    Player player2nd_;
    SearchWorker searchWorker_;

    std::function<void(unsigned changes)> listener_;
    std::function<QString(const GameRecord& record)> gameFinished_;
    GameRecord record_;
    bool viewing_ = false;
    bool viewTimerWasRunning_ = false;
    BoardStatus viewSavedBoard_;
    // Counts resets, so a tick can tell that its end handling started a new game.
    int resetCount_ = 0;
    int batchDepth_ = 0;
    unsigned pendingChanges_ = 0;

    int mode_ = kModeNone;
    int side_ = 1;
    int pacing_ = 0;
    int restartCounter_ = 0;
    bool timerRunning_ = false;
    int timerInterval_ = 1;

    QString message_;
    std::array<SideView, 2> sides_;
    Command prepare_;
    Command replay_;
    Command countinue_;
    Command pass_;
    Command border_;
    Command exit_;
    Command undo_;
    Command redo_;
    Command hint_;
    MoveHistory history_;
    bool hintPending_ = false;
    int hintCell_ = -1;
    bool borderShown_ = true;

    std::array<Sprite, BoardStatus::kCells> sprites_;
    std::array<bool, BoardStatus::kCells> dirty_{};
    std::vector<int> dirtyCells_;
};
