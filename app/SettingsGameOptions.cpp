#include "app/SettingsGameOptions.h"

#include "data/BoardStyle.h"
#include "data/WindowsIni.h"
#include "setup/Settings.h"

SettingsGameOptions::SettingsGameOptions()
    : SettingsGameOptions(Settings::Open())
{
}

SettingsGameOptions::SettingsGameOptions(const WindowsIni& settings)
    : baseTimer_(Settings::BaseTimer(settings))
    , animation_(Settings::Switch(settings, Settings::kKeyAnimation) ? 1 : 0)
    , autoPass_(Settings::AutoPass(settings) ? 1 : 0)
{
}

void SettingsDemoBoards::ChooseBoard(BoardStyle* style)
{
    const WindowsIni settings = Settings::Open();
    const std::string setName = Settings::Text(settings, Settings::kKeyDefaultBoardSet);
    const std::string boardName = Settings::Text(settings, Settings::kKeyDefaultBoardName);
    const std::string setFile = Settings::BoardSetFile(settings, setName);
    style->Load(setFile, boardName);
}
