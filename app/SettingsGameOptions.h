#pragma once

#include "app/GameCycle.h"
#include "app/GameOptions.h"

class WindowsIni;

// The game options as Tessella.ini holds them, read once at construction.
class SettingsGameOptions : public GameOptions {
public:
    // Reads the settings file of the program folder.
    SettingsGameOptions();
    explicit SettingsGameOptions(const WindowsIni& settings);

    int GetBaseTimer() const override { return baseTimer_; }
    int GetAnimation() const override { return animation_; }
    int GetAutoPass() const override { return autoPass_; }

private:
    int baseTimer_ = 0;
    int animation_ = 0;
    int autoPass_ = 0;
};

// Loads the board the settings name as the default for every demonstration.
class SettingsDemoBoards : public DemoBoardSource {
public:
    void ChooseBoard(BoardStyle* style) override;
};
