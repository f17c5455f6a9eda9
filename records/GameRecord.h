#pragma once

#include "engine/BoardStatus.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// One game as a list of moves from a start position, with its tags (date,
// players, board...). Every move is checked when added, so a record always
// replays. Texts are UTF-8, as in the .tsr file (format in docs/file-formats.md).
class GameRecord {
public:
    struct Move {
        int cell;  // cell index, or Notation::kPass
        int kind;  // piece kind the placed piece showed; 0 for a pass
    };
    struct Tag {
        std::string name;
        std::string value;
    };

    static constexpr char kTagDate[] = "Date";
    static constexpr char kTagTime[] = "Time";
    static constexpr char kTagFirst[] = "First";
    static constexpr char kTagSecond[] = "Second";
    static constexpr char kTagBoard[] = "Board";
    // Written from the moves; read back only to be replaced by them.
    static constexpr char kTagResult[] = "Result";
    static constexpr char kTagStart[] = "Start";
    static constexpr char kTagKinds[] = "Kinds";
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // The standard start, first player to move, no moves, no tags.
    GameRecord();

    // "" when absent; the name's letter case is ignored. Result is computed.
    std::string TagValue(std::string_view name) const;
    // Replaces a tag of that name or appends one; line breaks become blanks,
    // blanks around the value are dropped. Result, Start and Kinds are not tags.
    void SetTag(std::string_view name, std::string_view value);
    const std::vector<Tag>& Tags() const { return tags_; }

    // Drops every move. -1, and nothing changed, when the side is not 1 or 2.
    int SetStart(const BoardStatus& board, int sideToMove);
    const BoardStatus& Start() const { return start_; }
    int StartSide() const { return startSide_; }
    bool HasStandardStart() const;

    // 0 when added. A cell the side to move cannot take is still added after
    // an implied pass when that side has no placement and the other side can
    // take it. -1, nothing added, for an illegal move, a pass while a
    // placement exists, or anything after the end.
    int AddMove(int move, int kind = 0);
    const std::vector<Move>& Moves() const { return moves_; }
    std::vector<int> MoveCells() const;

    // The position after the first count moves (passes count), replayed from
    // the start with the recorded kinds; -1 when count is out of 0..Moves().size().
    int PositionAfter(int count, BoardStatus& board, int& sideToMove) const;
    const BoardStatus& Current() const { return current_; }
    int SideToMove() const { return side_; }
    bool Finished() const;
    // "38-38" (first player's pieces, then the second's) once finished, "*" before.
    std::string ResultText() const;

    // The whole file, CR LF line ends.
    std::string Text() const;
    // 0 and the record replaced; -1 with a message naming the line, and the
    // record untouched, when the text is not a record.
    static int Read(std::string_view text, GameRecord& record, QString* error);
    static int Load(const std::string& hostPath, GameRecord& record, QString* error);
    // Atomic; 0 on success, 1 when the file could not be written.
    int Save(const std::string& hostPath) const;

private:
    Tag* FindTag(std::string_view name);
    const Tag* FindTag(std::string_view name) const;

    std::vector<Tag> tags_;
    BoardStatus start_;
    int startSide_ = 1;
    std::vector<Move> moves_;
    BoardStatus current_;
    int side_ = 1;
};
