#pragma once

#include "data/SetEntries.h"
#include "setup/Settings.h"

#include <QString>

#include <string>
#include <vector>

class WindowsIni;

// Keeps the references of Tessella.ini to the entries of one set (the board
// of DefaultBoardName; the players of 1stBrainName, 2ndBrainName and
// DefaultBrainName, each with its set key) right after the set's entries were
// renumbered. A reference to a deleted entry goes back to the standard set.
namespace SetReferences {

struct Change {
    const char* entryKey = nullptr;
    std::string before;  // the entry section named before
    std::string after;   // the entry section named now
    bool reset = false;  // the entry was deleted: set and entry are now the standard ones
};

// Changes the settings only; Settings::Save writes them.
std::vector<Change> Apply(WindowsIni& settings, Settings::SetKind kind, const std::string& setName,
                          const SetEntries::Renumbering& renumbering);

// What the user is told: one line per reference sent back to the standard set; "" when none was.
QString Describe(const std::vector<Change>& changes);

// Reads Tessella.ini afresh, applies, and writes it back when something changed:
// 0 on success, non-zero when it could not be written.
int Update(Settings::SetKind kind, const std::string& setName, const SetEntries::Renumbering& renumbering,
           std::vector<Change>* changes);

}  // namespace SetReferences
