#pragma once

#include <QString>

// What the board choice for the next game asks of the game settings: the
// three random-board switches and the program folder. The game settings
// window implements it.
class BoardDrawOptions {
public:
    virtual ~BoardDrawOptions() = default;
    // 1 when a board is drawn at random for every game.
    virtual int GetRandomBoard() const = 0;
    // 1 when the draw keeps to the set named by DefaultBoardSet.
    virtual int GetRandomBoard2() const = 0;
    // 1 when only a Picture-type board ends the draw.
    virtual int GetRandomBoard3() const = 0;
    // The working directory at start-up.
    virtual const QString& GetProgramDir() const = 0;
};
