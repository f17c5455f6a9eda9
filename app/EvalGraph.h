#pragma once

#include <QWidget>

#include <vector>

// The piece-difference forecast for the first player over the moves of a
// game, with the shown position marked; a click asks for that move.
class EvalGraph : public QWidget {
    Q_OBJECT

public:
    explicit EvalGraph(QWidget* parent = nullptr);

    // Hundredths of a piece, one value per move.
    void SetValues(std::vector<int> values);
    // Moves shown: 0 is the start.
    void SetShown(int shown);
    // The number of moves shown that a click at x asks for.
    int ShownAt(int x) const;

signals:
    void ShownClicked(int shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double XOf(int move) const;

    std::vector<int> values_;
    int shown_ = 0;
};
