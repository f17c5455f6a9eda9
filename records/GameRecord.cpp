#include "records/GameRecord.h"

#include <QCoreApplication>

#include "platform/AtomicFile.h"
#include "records/Notation.h"
#include "records/TextScan.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>

namespace {

constexpr int kMovesPerLine = 10;

using TextScan::IsBlank;
using TextScan::Trimmed;

bool IsTagNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The name of a "Name=value" line, empty when the line is not one.
std::string_view TagNameOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return {};
    const std::string_view name = Trimmed(line.substr(0, equals));
    if (name.empty())
        return {};
    for (const char c : name)
        if (!IsTagNameChar(c))
            return {};
    return name;
}

bool IsDerivedTag(std::string_view name)
{
    return TextScan::SameIgnoringCase(name, GameRecord::kTagResult) || TextScan::SameIgnoringCase(name, GameRecord::kTagStart)
        || TextScan::SameIgnoringCase(name, GameRecord::kTagKinds);
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

QString Quoted(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Fail(QString* error, int line, const QString& text)
{
    if (error != nullptr)
        *error = QCoreApplication::translate("GameRecord", "%1 行目: %2").arg(line).arg(text);
    return -1;
}

}  // namespace

GameRecord::GameRecord() = default;

GameRecord::Tag* GameRecord::FindTag(std::string_view name)
{
    for (Tag& tag : tags_)
        if (TextScan::SameIgnoringCase(tag.name, name))
            return &tag;
    return nullptr;
}

const GameRecord::Tag* GameRecord::FindTag(std::string_view name) const
{
    return const_cast<GameRecord*>(this)->FindTag(name);
}

std::string GameRecord::TagValue(std::string_view name) const
{
    if (TextScan::SameIgnoringCase(name, kTagResult))
        return ResultText();
    const Tag* tag = FindTag(name);
    return tag != nullptr ? tag->value : std::string();
}

void GameRecord::SetTag(std::string_view name, std::string_view value)
{
    if (name.empty() || IsDerivedTag(name))
        return;
    std::string cleaned(Trimmed(value));
    for (char& c : cleaned)
        if (c == '\r' || c == '\n')
            c = ' ';
    if (Tag* tag = FindTag(name))
        tag->value = std::move(cleaned);
    else
        tags_.push_back({std::string(name), std::move(cleaned)});
}

int GameRecord::SetStart(const BoardStatus& board, int sideToMove)
{
    if (sideToMove != 1 && sideToMove != 2)
        return -1;
    start_.Reset();
    for (int r = 0; r < BoardStatus::kSize; ++r)
        for (int c = 0; c < BoardStatus::kSize; ++c)
            start_.SetCell(r, c, board.OwnerAt(r, c), board.KindAt(r, c));
    startSide_ = sideToMove;
    moves_.clear();
    current_.CopyFrom(start_);
    side_ = startSide_;
    return 0;
}

bool GameRecord::HasStandardStart() const
{
    const BoardStatus standard;
    for (int r = 0; r < BoardStatus::kSize; ++r)
        for (int c = 0; c < BoardStatus::kSize; ++c)
            if (start_.OwnerAt(r, c) != standard.OwnerAt(r, c))
                return false;
    return startSide_ == 1;
}

int GameRecord::AddMove(int move, int kind)
{
    if (Finished())
        return -1;
    if (move == Notation::kPass) {
        if (current_.HasLegalMove(side_) == 1)
            return -1;
        moves_.push_back({Notation::kPass, 0});
        side_ = 3 - side_;
        return 0;
    }
    if (move < 0 || move >= BoardStatus::kCells)
        return -1;
    const int row = move / BoardStatus::kSize;
    const int column = move % BoardStatus::kSize;
    if (current_.IsLegal(row, column, side_) == 0) {
        if (current_.HasLegalMove(side_) == 1 || current_.IsLegal(row, column, 3 - side_) == 0)
            return -1;
        moves_.push_back({Notation::kPass, 0});
        side_ = 3 - side_;
    }
    current_.Place(row, column, side_, kind);
    moves_.push_back({move, kind});
    side_ = 3 - side_;
    return 0;
}

std::vector<int> GameRecord::MoveCells() const
{
    std::vector<int> cells;
    cells.reserve(moves_.size());
    for (const Move& move : moves_)
        cells.push_back(move.cell);
    return cells;
}

int GameRecord::PositionAfter(int count, BoardStatus& board, int& sideToMove) const
{
    if (count < 0 || static_cast<std::size_t>(count) > moves_.size())
        return -1;
    BoardStatus replay(start_);
    int side = startSide_;
    for (int i = 0; i < count; ++i) {
        const Move& move = moves_[static_cast<std::size_t>(i)];
        if (move.cell != Notation::kPass)
            replay.Place(move.cell / BoardStatus::kSize, move.cell % BoardStatus::kSize, side, move.kind);
        side = 3 - side;
    }
    board.CopyFrom(replay);
    sideToMove = side;
    return 0;
}

bool GameRecord::Finished() const
{
    return current_.HasLegalMove(1) == 0 && current_.HasLegalMove(2) == 0;
}

std::string GameRecord::ResultText() const
{
    if (!Finished())
        return "*";
    return std::to_string(current_.CountOwner(1)) + "-" + std::to_string(current_.CountOwner(2));
}

std::string GameRecord::Text() const
{
    std::string text;
    const auto line = [&text](std::string_view name, std::string_view value) {
        text.append(name).append("=").append(value).append("\r\n");
    };
    for (const char* name : {kTagDate, kTagTime, kTagFirst, kTagSecond, kTagBoard})
        if (const Tag* tag = FindTag(name))
            line(name, tag->value);
    line(kTagResult, ResultText());
    if (!HasStandardStart())
        line(kTagStart, Notation::PositionText(start_, startSide_));
    std::string kinds;
    bool anyKind = false;
    for (const Move& move : moves_) {
        if (move.cell == Notation::kPass)
            continue;
        if (!kinds.empty())
            kinds += ' ';
        kinds += std::to_string(move.kind);
        anyKind = anyKind || move.kind != 0;
    }
    if (anyKind)
        line(kTagKinds, kinds);
    for (const Tag& tag : tags_) {
        bool known = false;
        for (const char* name : {kTagDate, kTagTime, kTagFirst, kTagSecond, kTagBoard})
            known = known || TextScan::SameIgnoringCase(tag.name, name);
        if (!known)
            line(tag.name, tag.value);
    }
    text += "\r\n";
    for (std::size_t i = 0; i < moves_.size(); ++i) {
        text += Notation::MoveText(moves_[i].cell);
        text += (i + 1) % kMovesPerLine == 0 || i + 1 == moves_.size() ? "\r\n" : " ";
    }
    return text;
}

int GameRecord::Read(std::string_view text, GameRecord& record, QString* error)
{
    if (text.size() > kMaxFileBytes)
        return Fail(error, 1, QCoreApplication::translate("GameRecord", "棋譜として大きすぎます (%1 バイトまで)").arg(kMaxFileBytes));
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    GameRecord read;
    bool inTags = true;
    std::vector<int> kinds;
    bool hasKinds = false;
    int kindsLine = 0;
    std::size_t placements = 0;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++lineNumber;
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;

        if (!inTags)
            line = line.substr(0, line.find(';'));
        line = Trimmed(line);
        if (line.empty() || line.front() == ';')
            continue;

        const std::string_view name = inTags ? TagNameOf(line) : std::string_view();
        if (!name.empty()) {
            const std::string_view value = Trimmed(line.substr(line.find('=') + 1));
            if (TextScan::SameIgnoringCase(name, kTagStart)) {
                BoardStatus board;
                int side = 1;
                QString why;
                if (Notation::ParsePosition(value, board, side, &why) != 0)
                    return Fail(error, lineNumber, QCoreApplication::translate("GameRecord", "開始局面 (Start) が読めません: %1").arg(why));
                read.SetStart(board, side);
            } else if (TextScan::SameIgnoringCase(name, kTagKinds)) {
                hasKinds = true;
                kindsLine = lineNumber;
                kinds.clear();
                for (const std::string_view word : Words(value)) {
                    int kind = -1;
                    const auto [end, code] = std::from_chars(word.data(), word.data() + word.size(), kind);
                    if (code != std::errc() || end != word.data() + word.size() || kind < 0)
                        return Fail(error, lineNumber,
                                    QCoreApplication::translate("GameRecord", "駒の種類 (Kinds) の \"%1\" は 0 以上の整数ではありません").arg(Quoted(word)));
                    kinds.push_back(kind);
                }
            } else if (!TextScan::SameIgnoringCase(name, kTagResult)) {
                read.SetTag(name, value);
            }
            continue;
        }

        inTags = false;
        for (const std::string_view word : Words(line)) {
            const int ply = static_cast<int>(read.moves_.size()) + 1;
            const int move = Notation::ParseMove(word);
            if (move == -1)
                return Fail(error, lineNumber, QCoreApplication::translate("GameRecord", "\"%1\" は盤上のマスでもパスでもありません").arg(Quoted(word)));
            if (read.Finished())
                return Fail(error, lineNumber, QCoreApplication::translate("GameRecord", "%1 手目の %2 は対局が終わった後の手です").arg(ply).arg(Quoted(word)));
            if (move == Notation::kPass && read.current_.HasLegalMove(read.side_) == 1)
                return Fail(error, lineNumber, QCoreApplication::translate("GameRecord", "%1 手目の pass はできません (打てるマスがあります)").arg(ply));
            const int kind = move != Notation::kPass && placements < kinds.size() ? kinds[placements] : 0;
            if (read.AddMove(move, kind) != 0)
                return Fail(error, lineNumber, QCoreApplication::translate("GameRecord", "%1 手目の %2 には打てません").arg(ply).arg(Quoted(word)));
            if (move != Notation::kPass)
                ++placements;
        }
    }
    if (hasKinds && kinds.size() != placements)
        return Fail(error, kindsLine, QCoreApplication::translate("GameRecord", "駒の種類 (Kinds) が %1 個ありますが、石を置いた手は %2 手です")
                                          .arg(kinds.size())
                                          .arg(placements));
    record = std::move(read);
    return 0;
}

int GameRecord::Load(const std::string& hostPath, GameRecord& record, QString* error)
{
    std::ifstream file(hostPath, std::ios::binary);
    if (!file) {
        if (error != nullptr)
            *error = QCoreApplication::translate("GameRecord", "棋譜ファイル %1 を開けません").arg(QString::fromStdString(hostPath));
        return -1;
    }
    std::string bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kMaxFileBytes)
            break;
    }
    return Read(bytes, record, error);
}

int GameRecord::Save(const std::string& hostPath) const
{
    return AtomicFile::Write(hostPath, Text());
}
