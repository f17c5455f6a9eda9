#include "setup/Settings.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace Settings {

namespace {

struct WarTypeName {
    WarType type;
    const char* text;
};

constexpr WarTypeName kWarTypeNames[] = {
    {WarType::UserVsUser, "UserVsUser"},
    {WarType::UserVsComp, "UserVsComp"},
    {WarType::CompVsUser, "CompVsUser"},
    {WarType::CompVsComp, "CompVsComp"},
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const std::string* Value(const WindowsIni& settings, const char* key)
{
    return settings.FindValue(kSectionTessella, key, 0);
}

}  // namespace

WarType ParseWarType(std::string_view text)
{
    for (const WarTypeName& entry : kWarTypeNames) {
        if (text == entry.text)
            return entry.type;
    }
    return WarType::None;
}

const char* WarTypeText(WarType type)
{
    for (const WarTypeName& entry : kWarTypeNames) {
        if (type == entry.type)
            return entry.text;
    }
    return "None";
}

bool FirstIsUser(WarType type)
{
    return type == WarType::UserVsUser || type == WarType::UserVsComp;
}

bool SecondIsUser(WarType type)
{
    return type == WarType::UserVsUser || type == WarType::CompVsUser;
}

double ParseRelease(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    // from_chars takes a minus sign but no plus sign.
    if (i < text.size() && text[i] == '+') {
        ++i;
        if (i < text.size() && text[i] == '-')
            return 0.0;
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string FormatRelease(double release)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, release, std::chars_format::fixed, 2);
    if (error != std::errc())
        return "0.00";
    return std::string(buffer, end);
}

bool IsOlderRelease(double release)
{
    return static_cast<float>(release) < static_cast<float>(kCurrentRelease);
}

bool IsStorableValue(std::string_view text)
{
    return text.find_first_of(std::string_view(",;!\r\n\0", 6)) == std::string_view::npos;
}

bool IsStorableSetName(std::string_view name)
{
    return !name.empty() && name.front() != '[' && name.find('=') == std::string_view::npos
        && IsStorableValue(name);
}

WindowsIni Open()
{
    return WindowsIni(kFileName);
}

namespace {

std::vector<std::string>& KeptCopies()
{
    static std::vector<std::string> copies;
    return copies;
}

}  // namespace

int Save(WindowsIni& settings)
{
    std::string copy;
    const int result = settings.WriteKeepingCopy(&copy);
    if (!copy.empty())
        KeptCopies().push_back(copy);
    return result;
}

std::vector<std::string> TakeKeptCopies()
{
    return std::exchange(KeptCopies(), {});
}

std::string Text(const WindowsIni& settings, const TextKey& key)
{
    return settings.GetString(kSectionTessella, key.name, 0, key.defaultText);
}

bool Switch(const WindowsIni& settings, const SwitchKey& key)
{
    const std::string* value = Value(settings, key.name);
    return value ? *value == kTrue : key.defaultOn;
}

int BaseTimer(const WindowsIni& settings)
{
    const std::string* value = Value(settings, kKeyBaseTimer.name);
    if (value == nullptr || value->empty())
        return kKeyBaseTimer.defaultValue;
    return settings.GetInt(kSectionTessella, kKeyBaseTimer.name, 0, 0);
}

bool AutoPass(const WindowsIni& settings)
{
    return Text(settings, kKeyPass) == kPassAuto;
}

WarType ReadWarType(const WindowsIni& settings)
{
    return ParseWarType(Text(settings, kKeyWarType));
}

std::string ReleaseText(const WindowsIni& settings)
{
    std::string text = Text(settings, kKeyRelease);
    if (text == kRelease100a)
        return kKeyRelease.defaultText;
    return text;
}

double Release(const WindowsIni& settings)
{
    return ParseRelease(ReleaseText(settings));
}

bool NeedsMigration(const WindowsIni& settings)
{
    return IsOlderRelease(Release(settings));
}

MarkOptions ReadMarkOptions(const WindowsIni& settings)
{
    MarkOptions options;
    options.legalMoves = Switch(settings, kKeyShowLegalMoves);
    options.lastMove = Switch(settings, kKeyShowLastMove);
    options.coordinates = Switch(settings, kKeyShowCoordinates);
    return options;
}

std::optional<WindowPlace> ReadWindowPlace(const WindowsIni& settings)
{
    const char* const keys[] = {kKeyWindowLeft, kKeyWindowTop, kKeyWindowWidth, kKeyWindowHeight};
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::string* value = Value(settings, keys[i]);
        if (value == nullptr)
            return std::nullopt;
        const char* end = value->data() + value->size();
        const auto [stop, error] = std::from_chars(value->data(), end, values[i]);
        if (error != std::errc() || stop != end)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return WindowPlace{values[0], values[1], values[2], values[3]};
}

const char* RegistrySection(SetKind kind)
{
    return kind == SetKind::Board ? kSectionBoardSet : kSectionBrainSet;
}

const char* StandardSetFile(SetKind kind)
{
    return kind == SetKind::Board ? kStandardBoardSetFile : kStandardPlayerSetFile;
}

std::vector<SetEntry> Registry(const WindowsIni& settings, SetKind kind)
{
    const std::string section = RegistrySection(kind);
    std::vector<SetEntry> entries;
    const int count = settings.KeyCount(section);
    for (int i = 0; i < count; ++i) {
        const std::string* name = settings.KeyNameAt(section, i);
        if (name == nullptr)
            continue;
        const std::string* file = settings.FindValue(section, *name, 0);
        entries.push_back({*name, file ? *file : std::string()});
    }
    return entries;
}

bool IsRegistered(const WindowsIni& settings, SetKind kind, const std::string& name)
{
    const std::string section = RegistrySection(kind);
    const int count = settings.KeyCount(section);
    for (int i = 0; i < count; ++i) {
        const std::string* key = settings.KeyNameAt(section, i);
        if (key != nullptr && *key == name)
            return true;
    }
    return false;
}

std::optional<std::string> RegisteredFile(const WindowsIni& settings, SetKind kind, const std::string& name)
{
    const std::string* file = settings.FindValue(RegistrySection(kind), name, 0);
    if (file == nullptr)
        return std::nullopt;
    return *file;
}

std::string SetFile(const WindowsIni& settings, SetKind kind, const std::string& name)
{
    return RegisteredFile(settings, kind, name).value_or(StandardSetFile(kind));
}

std::string BoardSetFile(const WindowsIni& settings, const std::string& setName)
{
    return SetFile(settings, SetKind::Board, setName);
}

std::string PlayerSetFile(const WindowsIni& settings, const std::string& setName)
{
    return SetFile(settings, SetKind::Player, setName);
}

int SetText(WindowsIni& settings, const TextKey& key, const std::string& value)
{
    if (!IsStorableValue(value))
        return -1;
    return settings.SetValue(kSectionTessella, key.name, value, 0);
}

int SetSwitch(WindowsIni& settings, const SwitchKey& key, bool on)
{
    return settings.SetValue(kSectionTessella, key.name, on ? kTrue : kFalse, 0);
}

int SetBaseTimer(WindowsIni& settings, int milliseconds)
{
    return settings.SetValue(kSectionTessella, kKeyBaseTimer.name, std::to_string(milliseconds), 0);
}

int SetAutoPass(WindowsIni& settings, bool on)
{
    return settings.SetValue(kSectionTessella, kKeyPass.name, on ? kPassAuto : kPassManual, 0);
}

int SetWarType(WindowsIni& settings, WarType type)
{
    if (type == WarType::None)
        return -1;
    return settings.SetValue(kSectionTessella, kKeyWarType.name, WarTypeText(type), 0);
}

int SetRelease(WindowsIni& settings, double release)
{
    return settings.SetValue(kSectionTessella, kKeyRelease.name, FormatRelease(release), 0);
}

void SetMarkOptions(WindowsIni& settings, const MarkOptions& options)
{
    SetSwitch(settings, kKeyShowLegalMoves, options.legalMoves);
    SetSwitch(settings, kKeyShowLastMove, options.lastMove);
    SetSwitch(settings, kKeyShowCoordinates, options.coordinates);
}

void SetWindowPlace(WindowsIni& settings, const WindowPlace& place)
{
    settings.SetValue(kSectionTessella, kKeyWindowLeft, std::to_string(place.left), 0);
    settings.SetValue(kSectionTessella, kKeyWindowTop, std::to_string(place.top), 0);
    settings.SetValue(kSectionTessella, kKeyWindowWidth, std::to_string(place.width), 0);
    settings.SetValue(kSectionTessella, kKeyWindowHeight, std::to_string(place.height), 0);
}

int Register(WindowsIni& settings, SetKind kind, const std::string& name, const std::string& file)
{
    // A second value under an existing name would be invisible to every reader.
    if (!IsStorableSetName(name) || !IsStorableValue(file) || IsRegistered(settings, kind, name))
        return -1;
    return settings.AddValue(RegistrySection(kind), name, file);
}

int Unregister(WindowsIni& settings, SetKind kind, const std::string& name)
{
    if (!IsRegistered(settings, kind, name))
        return -1;
    return settings.Remove(RegistrySection(kind), name);
}

std::vector<SetUse> UsesOf(const WindowsIni& settings, SetKind kind, const std::string& name)
{
    static const SetUse kBoardUses[] = {{kKeyDefaultBoardSet, kKeyDefaultBoardName}};
    static const SetUse kPlayerUses[] = {{kKey1stBrainSet, kKey1stBrainName},
                                         {kKey2ndBrainSet, kKey2ndBrainName},
                                         {kKeyDefaultBrainSet, kKeyDefaultBrainName}};
    std::vector<SetUse> uses;
    if (kind == SetKind::Board) {
        for (const SetUse& use : kBoardUses)
            if (Text(settings, use.set) == name)
                uses.push_back(use);
    } else {
        for (const SetUse& use : kPlayerUses)
            if (Text(settings, use.set) == name)
                uses.push_back(use);
    }
    return uses;
}

void ResetUsesToStandard(WindowsIni& settings, SetKind kind, const std::string& name)
{
    for (const SetUse& use : UsesOf(settings, kind, name)) {
        SetText(settings, use.set, kStandardSetName);
        SetText(settings, use.entry, use.entry.defaultText);
    }
}

}  // namespace Settings
