#pragma once

#include <array>
#include <cstddef>
#include <string>

class WindowsIni;

// What one player section sets in a profile. Reading applies the section on
// top of the values already held, so a field the section leaves out keeps
// its value.
struct PlayerSectionValues {
    static constexpr int kFaces = 5;
    static constexpr int kPhases = 6;
    static constexpr int kSlots = 3;

    std::string name;
    std::string author;
    std::string comment;
    int stretch = 0;
    // Stored face file names; only the first faceCount were named by the section.
    std::array<std::string, kFaces> faceFiles;
    int faceCount = 0;
    std::array<std::array<int, kSlots>, kPhases> codes{};
    std::array<int, kPhases> limits{100, 100, 100, 100, 100, 100};
};

// The texts the player editor writes for one player, CP932 bytes as typed.
struct PlayerRecordText {
    std::string name;
    std::string author;
    std::string comment;
    bool stretch = false;
    std::array<std::string, PlayerSectionValues::kFaces> faces;
    std::array<std::string, PlayerSectionValues::kPhases> limits;
    std::array<std::array<int, PlayerSectionValues::kSlots>, PlayerSectionValues::kPhases> codes{};
};

// The numbered player sections of a player set file (.tsp).
class PlayerSetFile {
public:
    static constexpr std::size_t kTextField = 256;
    // Texts the editor writes stay one byte short of the field.
    static constexpr std::size_t kWrittenText = 255;

    // "Brain_%03d".
    static std::string PlayerSection(int number);

    // Consecutive sections Brain_000, Brain_001, ... that hold a "Name" key;
    // a missing or unreadable file counts 0.
    static int CountPlayers(const std::string& fileName);

    // Applies the section's keys to *values; a missing section changes only
    // the limits (to 0), the stretch flag (to 0) and faceCount (to 0).
    static void ReadSection(const WindowsIni& ini, const std::string& section, PlayerSectionValues* values);

    // Sets every key of the section in the editor's order, leaving other keys
    // as they are, and writes the file: 0 on success, 1 when it cannot be written.
    static int WriteSection(const std::string& fileName, const std::string& section, const PlayerRecordText& fields);
};
