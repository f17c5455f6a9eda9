#pragma once

#include <cstdint>
#include <vector>

// Remembers bounds of searched positions by hash; one entry per slot, the deeper search kept.
class TranspositionTable {
public:
    enum Bound : std::uint8_t { kNone = 0, kLower = 1, kUpper = 2, kExact = 3 };

    struct Entry {
        std::uint64_t key = 0;
        std::int16_t score = 0;
        std::int8_t depth = -1;
        Bound bound = kNone;
        std::uint8_t move = 0xff;
    };

    explicit TranspositionTable(int bits) : entries_(std::size_t{1} << bits), mask_(entries_.size() - 1) {}

    void Clear() { std::fill(entries_.begin(), entries_.end(), Entry{}); }

    const Entry* Find(std::uint64_t key) const
    {
        const Entry& entry = entries_[key & mask_];
        return entry.key == key && entry.bound != kNone ? &entry : nullptr;
    }

    void Store(std::uint64_t key, int depth, int score, Bound bound, int move)
    {
        Entry& entry = entries_[key & mask_];
        if (entry.key == key && entry.depth > depth)
            return;
        entry = Entry{key, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), bound,
                      static_cast<std::uint8_t>(move < 0 ? 0xff : move)};
    }

private:
    std::vector<Entry> entries_;
    std::size_t mask_;
};
