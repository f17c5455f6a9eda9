#pragma once

#include "records/AnalysisWorker.h"
#include "records/GameAnalysis.h"
#include "records/RecordViewer.h"

#include <QString>
#include <QWidget>

#include <vector>

class GameCycle;
class MoveListPanel;
class QCloseEvent;
class QLabel;
class QPushButton;
class QTimer;

// The record window beside the main window: the move list of the game as it
// is played, and the viewer of a finished, opened or pasted game, which shows
// its positions on the main board without touching the players' records.
class TFormRecord : public QWidget {
    Q_OBJECT

public:
    // The file dialogs' filter for records.
    static QString Filter();

    TFormRecord(GameCycle& cycle, QWidget* parent = nullptr);
    ~TFormRecord() override;

    // Forwarded by the main window from the turn cycle's change listener.
    void CycleChanged(unsigned changes);

    bool Viewing() const { return viewing_; }
    const RecordViewer& Viewer() const { return viewer_; }
    const std::vector<GameAnalysis::MoveScore>& Scores() const { return scores_; }

    // Commands of the main window's record menu.
    void MenuOpenRecordClick();
    void MenuSaveRecordClick();
    void MenuCopyMovesClick();
    void MenuPasteMovesClick();
    // Opens the viewer on a record file; false with the reason shown when it cannot be read.
    bool OpenFile(const QString& hostPath);
    // Views a record from its text; false with the reason shown when it is no record.
    bool ViewText(const QString& text);

    void ButtonAnalyseClick();
    void ButtonLeaveClick();
    // "ここから対局": asks the main window for a game from the viewed position.
    void ButtonPlayFromHereClick();
    void Jump(int shown);
    void Forward();
    // One poll of a running analysis; the window's timer calls it.
    void AnalysisTimerTimer();
    // One flip of a step forward; the window's timer calls it.
    void StepTimerTimer();

    MoveListPanel* PanelMoves = nullptr;
    QPushButton* ButtonAnalyse = nullptr;
    QPushButton* ButtonLeave = nullptr;
    QPushButton* ButtonPlayFromHere = nullptr;
    QLabel* LabelStatus = nullptr;
    QTimer* TimerAnalysis = nullptr;
    QTimer* TimerStep = nullptr;

signals:
    void Closed();
    void PlayFromHereRequested(const BoardStatus& board, int sideToMove);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The record to save, copy or analyse: the viewed one, else the live one.
    GameRecord CurrentRecord() const;
    // Views the record with the kinds the main board's design can show.
    void View(const GameRecord& record);
    void ShowShown();
    void ShowList();
    void ShowStatus(const QString& text);
    void ShowCommands();
    void StopAnalysis();

    GameCycle& cycle_;
    RecordViewer viewer_;
    bool viewing_ = false;
    std::vector<GameAnalysis::MoveScore> scores_;
    AnalysisWorker worker_;
    int stepSide_ = 0;
};
