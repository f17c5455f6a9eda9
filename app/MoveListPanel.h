#pragma once

#include "records/GameAnalysis.h"
#include "records/RecordViewer.h"

#include <QWidget>

#include <vector>

class EvalGraph;
class QListWidget;
class QPushButton;

// The numbered moves of a game with side, cell and pieces flipped, passes
// included, the shown position highlighted, step buttons, and under them the
// analysis graph. It only shows; the record window decides what a request does.
class MoveListPanel : public QWidget {
    Q_OBJECT

public:
    explicit MoveListPanel(QWidget* parent = nullptr);

    // Scores may be empty (no analysis) or hold one per entry.
    void SetEntries(const std::vector<RecordViewer::Entry>& entries,
                    const std::vector<GameAnalysis::MoveScore>& scores);
    void SetShown(int shown);
    int Shown() const { return shown_; }

    // "  1 先 f4  1枚", then with an analysis the score, the better move and
    // the loss, a "?" before a mistake and "=" before an exact score.
    static QString EntryText(const RecordViewer::Entry& entry, const GameAnalysis::MoveScore* score);

    QListWidget* ListMoves = nullptr;
    QPushButton* BitBtnFirst = nullptr;
    QPushButton* BitBtnBack = nullptr;
    QPushButton* BitBtnForward = nullptr;
    QPushButton* BitBtnLast = nullptr;
    EvalGraph* GraphEval = nullptr;

signals:
    // Moves to show: 0 is the start.
    void JumpRequested(int shown);
    void ForwardRequested();

private:
    int shown_ = 0;
    int count_ = 0;
};
