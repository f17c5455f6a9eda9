#pragma once

// The game options the turn cycle asks for while it runs. The game settings
// window implements it; until then SettingsGameOptions reads Tessella.ini.
class GameOptions {
public:
    virtual ~GameOptions() = default;
    // Milliseconds between ticks.
    virtual int GetBaseTimer() const = 0;
    // 1 when flipped pieces show their turning frames.
    virtual int GetAnimation() const = 0;
    // 1 when a side without a legal cell passes by itself.
    virtual int GetAutoPass() const = 0;
};
