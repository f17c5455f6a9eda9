#pragma once

// The game options the turn cycle asks for while it runs; the game settings
// window holds them for the whole run.
class GameOptions {
public:
    virtual ~GameOptions() = default;
    // Milliseconds between ticks, as typed; users treat a value below 1 as 1.
    virtual int GetBaseTimer() const = 0;
    // 1 when flipped pieces show their turning frames.
    virtual int GetAnimation() const = 0;
    // 1 when a side without a legal cell passes by itself.
    virtual int GetAutoPass() const = 0;
};
