#pragma once

#include <cstdint>
#include <vector>

// Remembers bounds of searched positions by hash in buckets of two entries:
// the first keeps the deepest search, the second the latest of the rest.
class TranspositionTable {
public:
    enum Bound : std::uint8_t { kNone = 0, kLower = 1, kUpper = 2, kExact = 3 };

    struct Entry {
        std::uint64_t key = 0;
        std::int16_t score = 0;
        std::int8_t depth = -1;
        Bound bound = kNone;
        std::uint8_t move = 0xff;
        // Entries of an earlier generation count as empty, so clearing is one increment.
        std::uint8_t generation = 0;
    };

    explicit TranspositionTable(int bits) : entries_(std::size_t{1} << bits), mask_(entries_.size() - 2) {}

    void Clear()
    {
        if (++generation_ == 0) {
            std::fill(entries_.begin(), entries_.end(), Entry{});
            generation_ = 1;
        }
    }

    const Entry* Find(std::uint64_t key) const
    {
        const Entry* bucket = &entries_[key & mask_];
        for (int i = 0; i < 2; ++i) {
            if (bucket[i].key == key && bucket[i].generation == generation_)
                return &bucket[i];
        }
        return nullptr;
    }

    void Store(std::uint64_t key, int depth, int score, Bound bound, int move)
    {
        Entry* bucket = &entries_[key & mask_];
        const Entry entry{key, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), bound,
                          static_cast<std::uint8_t>(move < 0 ? 0xff : move), generation_};
        const bool live = bucket[0].generation == generation_;
        if (live && bucket[0].key == key) {
            if (bucket[0].depth <= depth)
                bucket[0] = entry;
        } else if (!live || depth >= bucket[0].depth) {
            if (live)
                bucket[1] = bucket[0];
            bucket[0] = entry;
        } else {
            bucket[1] = entry;
        }
    }

private:
    std::vector<Entry> entries_;
    std::size_t mask_;
    std::uint8_t generation_ = 1;
};
