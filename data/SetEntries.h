#pragma once

#include <string>
#include <vector>

class WindowsIni;

// The numbered entries of a set file: boards (Board_000, ... marked by a
// "Title" key) or players (Brain_000, ... marked by a "Name" key), counted up
// to the first gap. Deleting, duplicating and moving rewrite the sections so
// the numbering stays without gaps; every other section stays where it was.
class SetEntries {
public:
    enum class Kind { Board, Player };

    // For each entry before the change, its number afterwards, or -1 when it was deleted.
    using Renumbering = std::vector<int>;

    // "Board_%03d" or "Brain_%03d".
    static std::string SectionName(Kind kind, int number);
    // The number of an entry section name of that kind, or -1.
    static int NumberOf(Kind kind, const std::string& sectionName);
    static int Count(const WindowsIni& ini, Kind kind);
    // The set file is named as set files are stored (CP932, `\` between folders).
    static int Count(const std::string& setFile, Kind kind);

    // Each answers 0 on success and fills *renumbering, -1 when a number is out
    // of range (nothing written), 1 when the file cannot be written (left as it was).
    static int Delete(const std::string& setFile, Kind kind, int number, Renumbering* renumbering);
    // The copy is added after the last entry.
    static int Duplicate(const std::string& setFile, Kind kind, int number, Renumbering* renumbering);
    // Swaps the entry with its neighbour: to is number - 1 or number + 1.
    static int Swap(const std::string& setFile, Kind kind, int number, int to, Renumbering* renumbering);
};
