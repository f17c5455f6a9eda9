#include "records/Notation.h"

#include "records/TextScan.h"

#include <QCoreApplication>

#include <cctype>

namespace {

using TextScan::IsBlank;
using TextScan::Trimmed;

int Fail(QString* error, const QString& text)
{
    if (error != nullptr)
        *error = text;
    return -1;
}

QString Shown(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f)
        return QStringLiteral("'%1'").arg(QChar::fromLatin1(c));
    return QStringLiteral("0x%1").arg(byte, 2, 16, QChar(u'0'));
}

int SideOf(char c)
{
    switch (c) {
    case 'X':
    case 'x':
        return 1;
    case 'O':
    case 'o':
        return 2;
    default:
        return -1;
    }
}

}

std::string Notation::CellText(int cell)
{
    if (cell < 0 || cell >= BoardStatus::kCells || !BoardStatus::IsOnBoard(cell / 10, cell % 10))
        return {};
    return std::string(1, static_cast<char>('a' + cell % 10)) + std::to_string(cell / 10 + 1);
}

std::string Notation::MoveText(int move)
{
    return move == kPass ? std::string("pass") : CellText(move);
}

std::string Notation::MoveLine(const std::vector<int>& moves)
{
    std::string line;
    for (const int move : moves) {
        if (!line.empty())
            line += ' ';
        line += MoveText(move);
    }
    return line;
}

int Notation::ParseCell(std::string_view text)
{
    if (text.size() < 2 || text.size() > 3)
        return -1;
    const int column = std::tolower(static_cast<unsigned char>(text[0])) - 'a';
    if (column < 0 || column >= BoardStatus::kSize)
        return -1;
    int row = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9')
            return -1;
        row = row * 10 + (digit - '0');
    }
    // "d01" and "d0" are not cell names.
    if (text[1] == '0' || row < 1 || row > BoardStatus::kSize)
        return -1;
    if (!BoardStatus::IsOnBoard(row - 1, column))
        return -1;
    return (row - 1) * 10 + column;
}

int Notation::ParseMove(std::string_view text)
{
    return TextScan::SameIgnoringCase(text, "pass") ? kPass : ParseCell(text);
}

std::string Notation::PositionText(const BoardStatus& board, int sideToMove)
{
    std::string text;
    text.reserve(BoardStatus::kPlayableCells + 2);
    for (int r = 0; r < BoardStatus::kSize; ++r)
        for (int c = 0; c < BoardStatus::kSize; ++c)
            if (BoardStatus::IsOnBoard(r, c)) {
                const int owner = board.OwnerAt(r, c);
                text += owner == 1 ? 'X' : owner == 2 ? 'O' : '.';
            }
    text += ' ';
    text += sideToMove == 2 ? 'O' : 'X';
    return text;
}

int Notation::ParsePosition(std::string_view text, BoardStatus& board, int& sideToMove, QString* error)
{
    text = Trimmed(text);
    std::size_t cellsEnd = 0;
    while (cellsEnd < text.size() && !IsBlank(text[cellsEnd]))
        ++cellsEnd;
    const std::string_view cells = text.substr(0, cellsEnd);
    const std::string_view side = Trimmed(text.substr(cellsEnd));

    if (cells.size() != BoardStatus::kPlayableCells)
        return Fail(error, QCoreApplication::translate("Notation", "局面の盤面部分が %1 文字です (%2 マス分の . X O が必要です)")
                               .arg(cells.size())
                               .arg(BoardStatus::kPlayableCells));
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] != '.' && SideOf(cells[i]) < 0)
            return Fail(error, QCoreApplication::translate("Notation", "局面の %1 文字目 %2 は . X O のどれでもありません").arg(i + 1).arg(Shown(cells[i])));
    if (side.empty())
        return Fail(error, QCoreApplication::translate("Notation", "局面の後に空白と手番 (X か O) がありません"));
    if (side.size() != 1 || SideOf(side[0]) < 0)
        return Fail(error, QCoreApplication::translate("Notation", "手番 \"%1\" は X か O で書きます").arg(QString::fromLatin1(side.data(), static_cast<qsizetype>(side.size()))));

    BoardStatus parsed;
    std::size_t next = 0;
    for (int r = 0; r < BoardStatus::kSize; ++r)
        for (int c = 0; c < BoardStatus::kSize; ++c)
            if (BoardStatus::IsOnBoard(r, c)) {
                const char ch = cells[next++];
                parsed.SetCell(r, c, ch == '.' ? 0 : SideOf(ch), 0);
            }
    // The four starting cells are never emptied, so a position without them cannot arise.
    for (const int cell : {44, 45, 54, 55})
        if (parsed.OwnerAt(cell / 10, cell % 10) == 0)
            return Fail(error, QCoreApplication::translate("Notation", "中央のマス %1 が空です (対局では起こりえない局面です)")
                                   .arg(QString::fromStdString(CellText(cell))));
    board.CopyFrom(parsed);
    sideToMove = SideOf(side[0]);
    return 0;
}
