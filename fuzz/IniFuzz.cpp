// Reads arbitrary bytes as an INI file, checks every lookup against a walk of the
// slots, changes the data, and checks what must survive a write and a re-read.
#include "data/WindowsIni.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

struct KeyShape {
    std::string name;
    std::vector<std::string> values;
    bool operator==(const KeyShape&) const = default;
};

struct SectionShape {
    std::string name;
    std::vector<KeyShape> keys;
    bool operator==(const SectionShape&) const = default;
};

// What a walk over the non-empty slots sees; a key without values is written
// as "name=" and so reads back with one empty value.
std::vector<SectionShape> Walk(const WindowsIni& ini)
{
    std::vector<SectionShape> shape;
    for (int s = 0; s < ini.SectionCount(); ++s) {
        const Section* section = ini.SectionAt(s);
        if (section == nullptr)
            continue;
        SectionShape& sectionShape = shape.emplace_back(SectionShape{section->Name(), {}});
        for (int k = 0; k < section->KeyCount(); ++k) {
            const Keyword* keyword = section->KeyAt(k);
            if (keyword == nullptr)
                continue;
            KeyShape& keyShape = sectionShape.keys.emplace_back(KeyShape{keyword->Name(), {}});
            for (int v = 0; v < keyword->Count(); ++v)
                keyShape.values.push_back(*keyword->At(v));
            if (keyShape.values.empty())
                keyShape.values.emplace_back();
        }
    }
    return shape;
}

bool Holds(const std::string& text, const char* bytes)
{
    return text.find_first_of(bytes, 0, 4) != std::string::npos;
}

// The texts that a written file can carry back unchanged.
bool SectionNameFits(const std::string& name)
{
    return name.size() <= 510 && !Holds(name, "];!\n");
}

bool KeyNameFits(const std::string& name)
{
    return !Holds(name, "=;!\n") && (name.empty() || name[0] != '[');
}

bool ValueFits(const std::string& value)
{
    return !Holds(value, ",;!\n");
}

const Section* FirstSection(const WindowsIni& ini, const std::string& name)
{
    for (int s = 0; s < ini.SectionCount(); ++s) {
        const Section* section = ini.SectionAt(s);
        if (section && section->Name() == name)
            return section;
    }
    return nullptr;
}

int CountSections(const WindowsIni& ini, const std::string& name)
{
    int count = 0;
    for (int s = 0; s < ini.SectionCount(); ++s)
        count += ini.SectionAt(s) && ini.SectionAt(s)->Name() == name;
    return count;
}

const Keyword* FirstKey(const Section* section, const std::string& name)
{
    for (int k = 0; section && k < section->KeyCount(); ++k) {
        const Keyword* keyword = section->KeyAt(k);
        if (keyword && keyword->Name() == name)
            return keyword;
    }
    return nullptr;
}

int CountKeys(const Section* section, const std::string& name)
{
    int count = 0;
    for (int k = 0; section && k < section->KeyCount(); ++k)
        count += section->KeyAt(k) && section->KeyAt(k)->Name() == name;
    return count;
}

int ReferenceInt(const std::string& text, int defaultValue)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(start, &end, 10);
    if (end == start)
        return defaultValue;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void CheckLookups(const WindowsIni& ini)
{
    const std::string missing = "\x01missing";
    // The input may hold this name too, so the walk decides what a lookup must give.
    const Section* named = FirstSection(ini, missing);
    Require(ini.KeyCount(missing) == (named ? named->KeyCount() : -1));
    Require(named || ini.FindValue(missing, "", 0) == nullptr);
    int checked = 0;
    for (int s = 0; s < ini.SectionCount() && checked < 64; ++s) {
        const Section* section = ini.SectionAt(s);
        if (section == nullptr)
            continue;
        const std::string& name = section->Name();
        const Section* first = FirstSection(ini, name);
        Require(ini.KeyCount(name) == first->KeyCount());
        for (int k = -1; k <= first->KeyCount(); ++k) {
            const std::string* keyName = ini.KeyNameAt(name, k);
            const Keyword* keyword = first->KeyAt(k);
            Require(keyword ? keyName && *keyName == keyword->Name() : keyName == nullptr);
        }
        for (int k = 0; k < section->KeyCount() && checked < 64; ++k, ++checked) {
            if (section->KeyAt(k) == nullptr)
                continue;
            const std::string& key = section->KeyAt(k)->Name();
            const Keyword* expected = nullptr;
            for (int t = 0; t < ini.SectionCount() && expected == nullptr; ++t) {
                const Section* candidate = ini.SectionAt(t);
                if (candidate && candidate->Name() == name)
                    expected = FirstKey(candidate, key);
            }
            Require(expected != nullptr);
            for (int v = -1; v <= expected->Count(); ++v) {
                const std::string* found = ini.FindValue(name, key, v);
                const std::string* want = expected->At(v);
                Require(want ? found && *found == *want : found == nullptr);
                Require(ini.GetString(name, key, v, missing) == (want ? *want : missing));
                Require(ini.GetInt(name, key, v, -77) == (want ? ReferenceInt(*want, -77) : -77));
            }
        }
    }
}

class Dice {
public:
    Dice(const std::uint8_t* data, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i)
            state_ = (state_ ^ data[i]) * 1099511628211ull;
    }
    unsigned Roll(unsigned sides)
    {
        state_ += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return static_cast<unsigned>((z ^ (z >> 31)) % sides);
    }

private:
    std::uint64_t state_ = 14695981039346656037ull;
};

struct Texts {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    std::vector<std::string> values;
};

Texts Pools(const std::vector<SectionShape>& shape)
{
    Texts texts{{"Tessella", "BoardSet", "\x95\x57\x8f\x80", ""},
                {"Name", "\x95\x57\x8f\x80", "", " k ", "a,b"},
                {"", "v", " blank ", "\x95\x5c", "\x83\x5d\x81\x5b", "a=b", "x\r", "123abc", "-2147483649"}};
    for (const SectionShape& section : shape) {
        texts.sections.push_back(section.name);
        for (const KeyShape& key : section.keys) {
            texts.keys.push_back(key.name);
            texts.values.push_back(key.values.front());
        }
    }
    return texts;
}

const std::string& Pick(Dice& dice, const std::vector<std::string>& pool)
{
    static const std::vector<std::string> unfit = {"a,b", "c;d", "e!f", "g\nh", "[k", "]x", "=", std::string(600, 'n')};
    if (dice.Roll(8) == 0)
        return unfit[dice.Roll(static_cast<unsigned>(unfit.size()))];
    return pool[dice.Roll(static_cast<unsigned>(pool.size()))];
}

// Applies one change and checks its effect on the walk; false when a text cannot survive a write.
bool Change(WindowsIni& ini, Dice& dice, const Texts& texts)
{
    const std::string section = Pick(dice, texts.sections);
    const std::string key = Pick(dice, texts.keys);
    const std::string value = Pick(dice, texts.values);
    const int slotsBefore = ini.SectionCount();
    const Section* target = FirstSection(ini, section);
    const Keyword* keyword = FirstKey(target, key);
    const int valuesBefore = keyword ? keyword->Count() : 0;
    const int keySlotsBefore = target ? target->KeyCount() : 0;

    switch (dice.Roll(5)) {
    case 0:
    case 1: {
        const int index = static_cast<int>(dice.Roll(static_cast<unsigned>(valuesBefore) + 1));
        ini.SetValue(section, key, value, index);
        const Keyword* after = FirstKey(FirstSection(ini, section), key);
        Require(after != nullptr);
        const int at = keyword ? index : 0;
        Require(after->Count() == (at < valuesBefore ? valuesBefore : valuesBefore + 1));
        Require(*after->At(at) == value);
        Require(ini.SectionCount() == slotsBefore + (target ? 0 : 1));
        break;
    }
    case 2: {
        ini.AddValue(section, key, value);
        const Keyword* after = FirstKey(FirstSection(ini, section), key);
        Require(after != nullptr && after->Count() == valuesBefore + 1);
        Require(*after->At(valuesBefore) == value);
        Require(ini.SectionCount() == slotsBefore + (target ? 0 : 1));
        break;
    }
    case 3: {
        const int keysBefore = CountKeys(target, key);
        ini.Remove(section, key);
        Require(CountKeys(target, key) == (keysBefore > 0 ? keysBefore - 1 : 0));
        Require(!target || target->KeyCount() == keySlotsBefore);
        return true;
    }
    default: {
        const int sectionsBefore = CountSections(ini, section);
        if (dice.Roll(2) == 0) {
            ini.Remove(section);
            Require(CountSections(ini, section) == (sectionsBefore > 0 ? sectionsBefore - 1 : 0));
            Require(ini.SectionCount() == slotsBefore);
            return true;
        }
        auto added = std::make_unique<Section>(section);
        added->AddKey(std::make_unique<Keyword>(key));
        ini.AddSection(std::move(added));
        Require(ini.SectionCount() == slotsBefore + 1 && ini.SectionAt(slotsBefore)->Name() == section);
        return SectionNameFits(section) && KeyNameFits(key);
    }
    }
    return SectionNameFits(section) && KeyNameFits(key) && ValueFits(value);
}

std::string ReadBytes(const std::string& fileName)
{
    std::string bytes;
    if (std::FILE* file = std::fopen(fileName.c_str(), "rb")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

const fs::path& Folder()
{
    static const fs::path folder = [] {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "tessella-fuzz-ini-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr);
        return fs::path(pattern);
    }();
    static const bool cleanup = std::atexit([] {
        std::error_code error;
        fs::remove_all(folder, error);
    }) == 0;
    Require(cleanup);
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = (Folder() / "in.ini").string();
    const std::string output = (Folder() / "out.ini").string();
    const std::string again = (Folder() / "again.ini").string();
    {
        std::FILE* file = std::fopen(input.c_str(), "wb");
        Require(file != nullptr);
        Require(size == 0 || std::fwrite(data, 1, size, file) == size);
        Require(std::fclose(file) == 0);
    }

    WindowsIni ini(input);
    const std::vector<SectionShape> read = Walk(ini);
    CheckLookups(ini);

    // Everything the reader made can be written and read back unchanged.
    Require(ini.WriteTo(output) == 0);
    Require(Walk(WindowsIni(output)) == read);

    Dice dice(data, size);
    const Texts texts = Pools(read);
    bool fits = true;
    for (unsigned changes = 1 + dice.Roll(6); changes > 0; --changes)
        fits = Change(ini, dice, texts) && fits;
    CheckLookups(ini);

    if (dice.Roll(16) == 0) {
        Require(ini.WriteTo(Folder().string()) == 1);
        Require(ini.WriteTo((Folder() / "none" / "x.ini").string()) == 1);
    }
    Require(ini.WriteTo(output) == 0);
    const std::string written = ReadBytes(output);
    if (fits) {
        for (std::size_t i = written.find('\n'); i != std::string::npos; i = written.find('\n', i + 1))
            Require(i > 0 && written[i - 1] == '\r');
        Require(written.empty() || written.back() == '\n');
    }

    WindowsIni reread(output);
    CheckLookups(reread);
    if (fits)
        Require(Walk(reread) == Walk(ini));
    // Whatever was written, it settles after one round.
    Require(reread.WriteTo(again) == 0);
    const std::string rewritten = ReadBytes(again);
    Require(rewritten == written || !fits);
    WindowsIni settled(again);
    Require(Walk(settled) == Walk(reread));
    Require(settled.WriteTo(again) == 0);
    Require(ReadBytes(again) == rewritten);

    int files = 0;
    for (const auto& entry : fs::directory_iterator(Folder()))
        files += entry.is_regular_file() ? 1 : 0;
    Require(files == 3);
    return 0;
}
