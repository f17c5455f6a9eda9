#pragma once

#include "app/GameCycle.h"

#include <QString>

#include <functional>

class TFormPrepareGame;

// The demonstration's board comes from the preparation window's own board choice.
class PreparedDemoBoards : public DemoBoardSource {
public:
    PreparedDemoBoards(TFormPrepareGame& prepareGame, QString programDir,
                       std::function<void(const QString& note)> showNote);
    void ChooseBoard(BoardStyle* style) override;

private:
    TFormPrepareGame& prepareGame_;
    QString programDir_;
    std::function<void(const QString& note)> showNote_;
};
