#include "tools/ToolPlayers.h"

#include "app/ProgramFolder.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

bool ToolPlayers::EnterProgramFolder(const std::string& dir, std::string* error)
{
    // Faces are not needed to play; a missing picture must not stop a match.
    PictureLoader::SetFailureReporter({});
    std::string target = dir;
    if (target.empty()) {
        const std::string home = ProgramFolder::DefaultPath().toStdString();
        if (!fs::is_directory(home))
            return true;
        target = home;
    }
    std::error_code code;
    fs::current_path(target, code);
    if (code) {
        *error = "cannot enter the program folder " + target + ": " + code.message();
        return false;
    }
    return true;
}

std::unique_ptr<Player> ToolPlayers::Load(const std::string& named, std::string* error)
{
    const std::size_t colon = named.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == named.size()) {
        *error = "a player is SETFILE:SECTION, not \"" + named + "\"";
        return nullptr;
    }
    return Load(named.substr(0, colon), named.substr(colon + 1), error);
}

std::unique_ptr<Player> ToolPlayers::Load(const std::string& setFile, const std::string& section, std::string* error)
{
    std::string stored;
    if (!TextCodec::FromUtf8(setFile, &stored))
        stored = setFile;
    const std::string host = HostPath::ToHost(stored);
    if (!fs::is_regular_file(host)) {
        *error = "unknown set file: " + setFile;
        return nullptr;
    }
    const WindowsIni ini(host);
    if (ini.KeyCount(section) <= 0) {
        *error = "unknown section " + section + " in " + setFile;
        return nullptr;
    }
    if (ini.FindValue(section, "Name", 0) == nullptr || ini.FindValue(section, "Brain_00", 0) == nullptr) {
        *error = "section " + section + " of " + setFile + " is not a player";
        return nullptr;
    }
    auto player = std::make_unique<Player>(nullptr, nullptr, 0);
    player->Load(stored, section);
    return player;
}

std::string ToolPlayers::DisplayName(const Player& player)
{
    return TextCodec::ToUtf8(player.Name());
}
