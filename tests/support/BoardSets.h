#pragma once

#include "support/InProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/UiApp.h"

#include <QRgb>

#include <string>
#include <vector>

// One board of a set file as the board window tests write it; pictures lie under Pic\.
struct BoardSpec {
    std::string title;          // no Title key when empty
    std::string type = "Normal";  // no BoardType key when empty
    int kinds1 = 1;
    int frames1 = 1;  // of each first player kind
    int frames2 = 1;  // of the second player's kind 0
    int interval = 40;
    bool stretch = true;
};

// A single colour per side, kind and frame, so the piece on screen tells which it is.
QRgb PieceColour(int side, int kind, int frame);
// "Pic\S_K_F.bmp", as set files name piece pictures.
std::string PiecePath(int side, int kind, int frame);
// Boards titled prefix + number, each first player kind of `frames1` frames.
std::vector<BoardSpec> NumberedBoards(const std::string& prefix, int count, int frames1 = 1);
// [Board_NNN] with Author "作者" and Comment "説明" + title in CP932, CR LF line ends.
std::string BoardSection(int number, const BoardSpec& board);
// A [BoardSet] named `name` holding the boards as Board_000 on.
std::string BoardSetText(const std::string& name, const std::vector<BoardSpec>& boards);

// The board windows' tests: a program folder holding Pic/board.bmp and Pic/border.bmp (40 x 40),
// Pic/none.bmp and Pic/S_K_F.bmp for sides 1 and 2, kinds and frames 0 to 2 (32 x 32), modal
// windows scripted and the loader's failure reports silenced (the windows report them themselves).
class BoardSetFolder : public InProgramFolder {
protected:
    void SetUp() override;

    QApplication& app_ = UiApp();
    ScriptedDialogs dialogs_;
};
