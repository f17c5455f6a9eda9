#pragma once

#include "app/GameCycle.h"
#include "pictures/PictureLoader.h"
#include "platform/Clock.h"
#include "support/BoardText.h"
#include "support/SetFiles.h"

#include <QImage>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Ticks until done() holds: the number of ticks taken, or -1 after limit ticks.
inline int TickUntil(GameCycle& cycle, const std::function<bool()>& done, int limit = 20000)
{
    for (int tick = 1; tick <= limit; ++tick) {
        cycle.TimerTimer();
        if (done())
            return tick;
    }
    return -1;
}

inline void Ticks(GameCycle& cycle, int count)
{
    for (int tick = 0; tick < count; ++tick)
        cycle.TimerTimer();
}

// Options a test sets field by field.
class CycleOptions : public GameOptions {
public:
    int GetBaseTimer() const override { return baseTimer; }
    int GetAnimation() const override { return animation; }
    int GetAutoPass() const override { return autoPass; }

    int baseTimer = 55;
    int animation = 1;
    int autoPass = 0;
};

// Loads Board_000 of set.tsb in the working folder for each demonstration, counting them.
class CountingDemoBoards : public DemoBoardSource {
public:
    void ChooseBoard(BoardStyle* style) override
    {
        ++calls;
        style->Load("set.tsb", "Board_000");
    }
    int calls = 0;
};

// A turn cycle of its own on a fixed clock, stepped tick by tick, with boards of plain coloured
// pieces written to the working folder: red for the first side, blue for the second, each with two
// turning frames, grey for an empty cell; players come from players.tsp, which the test writes.
class CycleDriver {
public:
    using Rows = std::vector<std::string>;

    static constexpr QRgb kGrey = 0xff808080;
    static constexpr QRgb kRed = 0xffff0000;
    static constexpr QRgb kRed1 = 0xffff5000;
    static constexpr QRgb kRed2 = 0xffffa000;
    static constexpr QRgb kBlue = 0xff0000ff;
    static constexpr QRgb kBlue1 = 0xff0050ff;
    static constexpr QRgb kBlue2 = 0xff00a0ff;

    CycleDriver()
    {
        PictureLoader::SetFailureReporter({});
        Clock::SetOverride([] { return std::int64_t{1000}; });
        Player::ResetThinkingClock();
        cycle_ = std::make_unique<GameCycle>(options_, demoBoards_);
        cycle_->SetChangeListener([this](unsigned changes) {
            ++notifications_;
            changes_ |= changes;
        });
    }
    ~CycleDriver()
    {
        cycle_.reset();
        Clock::ClearOverride();
    }
    CycleDriver(const CycleDriver&) = delete;
    CycleDriver& operator=(const CycleDriver&) = delete;

    // The name of a single-colour BMP, written on first use.
    static std::string Pic(QRgb colour, int size = 32)
    {
        const std::string name = Format("c%06x_%d.bmp", colour & 0xffffff, size);
        if (!std::filesystem::exists(name))
            SaveBmp(name, colour, size, size);
        return name;
    }

    void LoadBoard(const Rows& lines)
    {
        std::ofstream("set.tsb", std::ios::binary) << "[BoardSet]\r\nName=Test\r\n[Board_000]\r\n" << Crlf(lines);
        cycle_->Style().Load("set.tsb", "Board_000");
        cycle_->RedrawBoard();
    }

    void NormalBoard(int intervalTime, int frames = 3, const std::string& type = "Normal")
    {
        const std::string first = frames == 1 ? Pic(kRed) : Pic(kRed) + "," + Pic(kRed1) + "," + Pic(kRed2);
        const std::string second = frames == 1 ? Pic(kBlue) : Pic(kBlue) + "," + Pic(kBlue1) + "," + Pic(kBlue2);
        LoadBoard({"BoardType=" + type, "IntervalTime=" + std::to_string(intervalTime), "NoFloat=" + Pic(kGrey),
                   "1stFloat_00=" + first, "2ndFloat_00=" + second});
    }

    // Three kinds per side, each its own colour, with two turning frames; the second side's first is its kind's own.
    void RandomBoard()
    {
        Rows lines = {"BoardType=Random", "IntervalTime=1", "NoFloat=" + Pic(kGrey)};
        for (int kind = 0; kind < 3; ++kind) {
            lines.push_back(Format("1stFloat_0%d=", kind) + Pic(Kind(1, kind)) + "," + Pic(kRed1) + "," + Pic(kRed2));
            lines.push_back(Format("2ndFloat_0%d=", kind) + Pic(Kind(2, kind)) + "," + Pic(Kind(3, kind)) + "," +
                            Pic(kBlue2));
        }
        LoadBoard(lines);
    }
    static QRgb Kind(int side, int kind) { return qRgb(side == 1 ? 200 : 0, 50 * kind, 100 * (side - 1)); }

    // Players by their section number in players.tsp.
    void UsePlayers(int first, int second, int firstType, int secondType)
    {
        for (int side = 1; side <= 2; ++side) {
            Player& player = cycle_->PlayerFor(side);
            player.Load("players.tsp", Format("Brain_%03d", side == 1 ? first : second));
            player.SetPlayType(side == 1 ? firstType : secondType);
        }
    }

    // A new game on the given position, with the changes and dirty cells so far forgotten.
    void StartGameOn(const Rows& rows)
    {
        cycle_->StartGame();
        cycle_->LiveBoard().CopyFrom(BoardFromRows(rows));
        cycle_->RedrawBoard();
        cycle_->TakeDirtyCells();
        changes_ = 0;
        notifications_ = 0;
    }

    // Two users on a board of the given type.
    void UserGame(const Rows& rows, int intervalTime, int frames = 3, const std::string& type = "Normal")
    {
        NormalBoard(intervalTime, frames, type);
        UsePlayers(0, 1, Player::kPlayUser, Player::kPlayUser);
        StartGameOn(rows);
    }

    void Click(int row, int column) { cycle_->ImageBoardMouseDown(30 + 37 * column, 30 + 37 * row); }
    void Click(int cell) { Click(cell / 10, cell % 10); }

    // Ticks until the side is to move and asked, at most limit ticks.
    bool Asked(int side, int limit = 100)
    {
        return TickUntil([&] { return cycle_->SideToMove() == side && State(side) == GameCycle::kStateThinking; },
                         limit) != -1;
    }

    // Clicks as soon as the side to move is asked; the next tick places the piece.
    void Play(int row, int column)
    {
        TickUntil([&] { return State(cycle_->SideToMove()) == GameCycle::kStateThinking; }, 20);
        Click(row, column);
    }

    // The first cell from the given one on where the side may play.
    int LegalFrom(int side, int cell = 0) const
    {
        while (cell < BoardStatus::kCells && cycle_->LiveBoard().IsLegal(cell / 10, cell % 10, side) != 1)
            ++cell;
        return cell;
    }

    // The top left pixel a cell shows, 0 for nothing.
    QRgb Shown(int row, int column) const
    {
        const QImage& picture = cycle_->SpriteAt(row, column).picture;
        return picture.isNull() ? 0 : picture.pixel(0, 0);
    }
    QRgb Shown(int cell) const { return Shown(cell / 10, cell % 10); }

    int State(int side) const { return cycle_->PlayerFor(side).State(); }
    bool Finished() const { return State(1) == GameCycle::kStateFinished && State(2) == GameCycle::kStateFinished; }
    Rows Board() const { return BoardToRows(cycle_->LiveBoard()); }
    int Moves() const { return cycle_->LiveBoard().MoveCount(); }

    std::set<int> Dirty()
    {
        const std::vector<int> cells = cycle_->TakeDirtyCells();
        return std::set<int>(cells.begin(), cells.end());
    }

    int TickUntil(const std::function<bool()>& done, int limit = 5000) { return ::TickUntil(*cycle_, done, limit); }
    void Ticks(int count) { ::Ticks(*cycle_, count); }

    CycleOptions options_;
    CountingDemoBoards demoBoards_;
    std::unique_ptr<GameCycle> cycle_;
    int notifications_ = 0;
    unsigned changes_ = 0;
};
