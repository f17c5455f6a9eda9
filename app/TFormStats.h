#pragma once

#include "records/LifetimeStats.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

// "成績": every player met with games, wins, losses, draws and the longest
// run of wins over all runs; one player's results can be reset.
class TFormStats : public QDialog {
    Q_OBJECT

public:
    explicit TFormStats(QWidget* parent = nullptr);

    // Reads Records\Stats.ini afresh and fills the table.
    void FormShow();
    void ButtonResetClick();

    QTableWidget* TableStats = nullptr;
    QPushButton* ButtonReset = nullptr;
    QPushButton* ButtonClose = nullptr;
    QLabel* LabelMessage = nullptr;

private:
    std::vector<LifetimeStats::Entry> entries_;
};
