#pragma once

#include "players/Player.h"

#include <memory>
#include <string>

// Loading players named on a tool's command line as "SETFILE:SECTION", with
// set files found as the game finds them: relative to the program folder,
// stored "\" names and letter case of Windows sets accepted.
class ToolPlayers {
public:
    // Changes into dir, or into the game's own program folder when dir is empty
    // and that folder exists. False with a reason when dir cannot be entered.
    static bool EnterProgramFolder(const std::string& dir, std::string* error);

    // A loaded player, or null with a one-line reason (unknown set file,
    // unknown section, a section that is not a player).
    static std::unique_ptr<Player> Load(const std::string& named, std::string* error);
    static std::unique_ptr<Player> Load(const std::string& setFile, const std::string& section, std::string* error);

    // The player's name for a terminal (UTF-8).
    static std::string DisplayName(const Player& player);
};
