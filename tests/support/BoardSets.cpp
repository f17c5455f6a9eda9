#include "support/BoardSets.h"

#include "pictures/PictureLoader.h"
#include "support/SetFiles.h"

#include <filesystem>

QRgb PieceColour(int side, int kind, int frame)
{
    return qRgb(side * 100, 20 + kind * 60, 20 + frame * 60);
}

std::string PiecePath(int side, int kind, int frame)
{
    return Format("Pic\\%d_%d_%d.bmp", side, kind, frame);
}

std::vector<BoardSpec> NumberedBoards(const std::string& prefix, int count, int frames1)
{
    std::vector<BoardSpec> boards;
    for (int n = 0; n < count; ++n)
        boards.push_back({prefix + Format("%d", n), "Normal", 1, frames1});
    return boards;
}

std::string BoardSection(int number, const BoardSpec& board)
{
    std::string text = Format("[Board_%03d]\r\n", number);
    if (!board.type.empty())
        text += "BoardType=" + board.type + "\r\n";
    text += "Board=Pic\\board.bmp\r\nBorder=Pic\\border.bmp\r\nNoFloat=Pic\\none.bmp\r\n";
    for (int side = 1; side <= 2; ++side) {
        for (int kind = 0; kind < (side == 1 ? board.kinds1 : 1); ++kind) {
            text += Format("%sFloat_0%d=", side == 1 ? "1st" : "2nd", kind);
            for (int frame = 0; frame < (side == 1 ? board.frames1 : board.frames2); ++frame)
                text += Format("%s%s", frame > 0 ? "," : "", PiecePath(side, kind, frame).c_str());
            text += "\r\n";
        }
    }
    if (!board.title.empty())
        text += "Title=" + board.title + "\r\n";
    text += "Author=" + Sj("作者") + "\r\nComment=" + Sj("説明") + board.title + "\r\n";
    return text + Format("IntervalTime=%d\r\nStretch=%s\r\n", board.interval, board.stretch ? "True" : "False");
}

std::string BoardSetText(const std::string& name, const std::vector<BoardSpec>& boards)
{
    std::string text = "[BoardSet]\r\nName=" + name + "\r\n";
    for (std::size_t n = 0; n < boards.size(); ++n)
        text += BoardSection(static_cast<int>(n), boards[n]);
    return text;
}

void BoardSetFolder::SetUp()
{
    InProgramFolder::SetUp();
    PictureLoader::SetFailureReporter({});
    std::filesystem::create_directories("Pic");
    SaveBmp("Pic/board.bmp", qRgb(0, 128, 0), 40, 40);
    SaveBmp("Pic/border.bmp", qRgb(255, 0, 255), 40, 40);
    SaveBmp("Pic/none.bmp", qRgb(90, 90, 90));
    for (int side = 1; side <= 2; ++side)
        for (int kind = 0; kind < 3; ++kind)
            for (int frame = 0; frame < 3; ++frame)
                SaveBmp(Format("Pic/%d_%d_%d.bmp", side, kind, frame), PieceColour(side, kind, frame));
}
