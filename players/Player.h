#pragma once

#include "players/PlayerSetFile.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class BoardStatus;
class Brain;

// One player as the game knows it: the profile read from a player set
// section, and during a game the side's play state, thinking time and record.
// Players made without board and brain only read and show a profile.
class SearchWorker;

class Player {
public:
    static constexpr int kFaces = PlayerSectionValues::kFaces;
    static constexpr int kPhases = PlayerSectionValues::kPhases;
    static constexpr int kSlots = PlayerSectionValues::kSlots;

    static constexpr int kPlayComputer = 1;
    static constexpr int kPlayUser = 2;

    static constexpr int kStateThinking = 1;
    static constexpr int kStateMoveChosen = 2;
    static constexpr int kStatePassed = 3;

    static constexpr int kNoMove = -1;
    static constexpr int kPass = -11;

    // Board and brain may be null for players that only show data; both must outlive the player.
    Player(const BoardStatus* liveBoard, Brain* brain, int side);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Always 0. Starts from a fresh profile (play type and state kept), so
    // nothing of the player loaded before survives, then applies the section.
    int Load(const std::string& fileName, const std::string& sectionName);
    // Load the other's section, then take its time, play type, record and codes.
    int LoadFrom(const Player& other);
    // LoadFrom the other, keeping this player's own record and thinking time:
    // the same player chosen again picks up edits to its profile.
    int ReloadFrom(const Player& other);
    // 1 when file name, section name and play type are equal, else 0.
    int SameAs(const Player& other) const;

    const std::string& FileName() const { return fileName_; }
    const std::string& SectionName() const { return sectionName_; }
    const std::string& Name() const { return name_; }
    const std::string& Author() const { return author_; }
    const std::string& Comment() const { return comment_; }
    int Stretch() const { return stretch_; }

    // A null image for an index outside 0..4 or a face that could not be read.
    QImage Face(int index) const;
    // The brain's face for the position (0, 1 or 3); 0 without a brain.
    int FaceIndex() const;

    int State() const { return state_; }
    int SetState(int state);
    int PlayType() const { return playType_; }
    int SetPlayType(int playType);

    // 0 for a phase or slot out of range.
    int Code(int phase, int slot) const;
    int Limit(int phase) const;
    // Display name (CP932) of the slot's code, "" for a code without one;
    // no value for a phase or slot out of range.
    std::optional<std::string> StrategyName(int phase, int slot) const;

    int Wins() const { return wins_; }
    int Losses() const { return losses_; }
    int Draws() const { return draws_; }
    int AddWin();
    int AddLoss();
    int AddDraw();

    int ElapsedSeconds() const { return elapsedSeconds_; }
    int ResetElapsed();

    // A cell index, kNoMove while a user has not clicked, or kPass when the
    // side has no legal placement. Counts thinking time by whole seconds.
    int ChooseMove();

    // The phase whose codes a computer plays at this move count: the first
    // whose limit reaches it, the search ending at a phase without a first
    // code; past the end, the last phase before it. -1 when there is none,
    // and then the random strategy moves.
    int PhaseFor(int moveCount) const;
    std::array<int, 3> CodesFor(int moveCount) const;
    // Replaces the phases, for a profile that exists only in an editor's controls.
    void SetPhases(const std::array<std::array<int, kSlots>, kPhases>& codes, const std::array<int, kPhases>& limits);

    // The display name of a strategy code (CP932), "" for codes 0 and outside 10..22.
    static std::string StrategyDisplayName(int code);
    // The same name as the interface shows it, in the chosen language.
    static QString StrategyUiName(int code);
    // The code of an exact display name, 0 for any other text.
    static int StrategyCodeOfName(const std::string& displayName);

    // Moves that need a search then run on the worker, and ChooseMove answers
    // kNoMove until the worker has the result; none runs them at once.
    void SetSearchWorker(SearchWorker* worker) { searchWorker_ = worker; }

    // Forgets the thinking-time second shared by all players.
    static void ResetThinkingClock();

private:
    void ResetProfile();
    int ChooseComputerMove();

    std::string fileName_;
    std::string sectionName_;
    int state_ = 0;
    int elapsedSeconds_ = 0;
    const BoardStatus* liveBoard_;
    int side_;
    std::array<QImage, kFaces> faces_;
    std::string name_;
    std::string author_;
    std::string comment_;
    int stretch_ = 0;
    int playType_ = kPlayComputer;
    Brain* brain_;
    SearchWorker* searchWorker_ = nullptr;
    std::array<std::array<int, kSlots>, kPhases> codes_{};
    std::array<int, kPhases> limits_{};
    int wins_ = 0;
    int losses_ = 0;
    int draws_ = 0;
};
