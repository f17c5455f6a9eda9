#pragma once

#include "records/GameRecord.h"

#include <QString>

class Player;

// What the program keeps of every finished game, in the program folder (the
// working directory): the record in Records when AutoSaveRecords is on, and
// both players' lifetime results in Records\Stats.ini.
class GameArchive {
public:
    // "" when everything was written; otherwise the message to show the user.
    static QString KeepFinishedGame(const GameRecord& record, const Player& first, const Player& second);
};
