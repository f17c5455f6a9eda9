#pragma once

#include "data/WindowsIni.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Every player's games over all runs, kept in Records\Stats.ini of the program
// folder: one section per player set file, one key per player section, values
// wins, losses, draws, current winning streak, longest winning streak, name.
// Texts are CP932 bytes, as the player set files hold them.
class LifetimeStats {
public:
    static constexpr char kFileName[] = "Records\\Stats.ini";

    struct Entry {
        std::string setFile;
        std::string section;
        std::string name;
        int wins = 0;
        int losses = 0;
        int draws = 0;
        int streak = 0;
        int longestStreak = 0;
        int Games() const { return wins + losses + draws; }
    };
    enum Outcome { kLoss = -1, kDraw = 0, kWin = 1 };

    // The host path of kFileName in the program folder (the working directory).
    static std::string FilePath();

    // "通算 12勝 3敗 1分" for a player's entry, with zeros for a player without one.
    static QString SummaryText(const std::optional<Entry>& entry);

    // Reads the file; a missing file gives no entries.
    explicit LifetimeStats(const std::string& hostPath);

    std::optional<Entry> Find(const std::string& setFile, const std::string& section) const;
    // In file order.
    std::vector<Entry> Entries() const;

    // -1, and nothing changed, when set file or section cannot be stored as
    // an INI section and key; a name that cannot be stored is kept empty.
    int Add(const std::string& setFile, const std::string& section, const std::string& name, Outcome outcome);
    // -1 when the player has no entry.
    int Reset(const std::string& setFile, const std::string& section);
    // Atomic, creating the folder; 0 on success, 1 when it could not be written.
    int Save();

    // One finished game: reads the file afresh, adds both sides by their piece
    // counts and saves. The result is Save's, or -1 when neither side could be kept.
    struct Side {
        std::string setFile;
        std::string section;
        std::string name;
    };
    static int RecordGame(const std::string& hostPath, const Side& first, const Side& second, int firstCount,
                          int secondCount);

private:
    std::optional<Entry> Read(const std::string& setFile, const std::string& section) const;
    void Store(const Entry& entry);

    WindowsIni ini_;
};
