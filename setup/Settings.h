#pragma once

#include "data/WindowsIni.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Every key of Tessella.ini with its default and its reading rule. Nothing is
// cached: each reader takes a WindowsIni made at the moment of use, and each
// writer sets keys on one and saves the whole file at once. All texts are
// CP932 bytes exactly as stored.
namespace Settings {

// Relative to the program folder, which is the working directory.
inline constexpr char kFileName[] = "Tessella.ini";

inline constexpr char kSectionTessella[] = "Tessella";
inline constexpr char kSectionBoardSet[] = "BoardSet";
inline constexpr char kSectionBrainSet[] = "BrainSet";

// "標準" (standard): the reserved name of the standard board set and player set.
inline constexpr char kStandardSetName[] = "\x95\x57\x8f\x80";
inline constexpr char kStandardBoardSetFile[] = "Standard.tsb";
inline constexpr char kStandardPlayerSetFile[] = "Standard.tsp";

inline constexpr char kTrue[] = "True";
inline constexpr char kFalse[] = "False";
inline constexpr char kPassAuto[] = "Auto";
inline constexpr char kPassManual[] = "Manual";

// Keys of [Tessella], each with the value its readers use when it is missing.
struct TextKey {
    const char* name;
    const char* defaultText;
};
struct SwitchKey {
    const char* name;
    bool defaultOn;
};
struct IntKey {
    const char* name;
    int defaultValue;
};

inline constexpr TextKey kKeyDefaultBoardSet{"DefaultBoardSet", kStandardSetName};
inline constexpr TextKey kKeyDefaultBoardName{"DefaultBoardName", "Board_000"};
inline constexpr TextKey kKeyDefaultBrainSet{"DefaultBrainSet", kStandardSetName};
inline constexpr TextKey kKeyDefaultBrainName{"DefaultBrainName", "Brain_000"};
inline constexpr TextKey kKey1stBrainSet{"1stBrainSet", kStandardSetName};
inline constexpr TextKey kKey1stBrainName{"1stBrainName", "Brain_000"};
inline constexpr TextKey kKey2ndBrainSet{"2ndBrainSet", kStandardSetName};
inline constexpr TextKey kKey2ndBrainName{"2ndBrainName", "Brain_000"};
inline constexpr TextKey kKeyUserPicture{"UserPicture", "Picture\\User.bmp"};
inline constexpr TextKey kKeyComputerPicture{"ComputerPicture", "Picture\\Computer.bmp"};
inline constexpr TextKey kKeyWarType{"WarType", "UserVsComp"};
inline constexpr TextKey kKeyPass{"Pass", kPassManual};
inline constexpr TextKey kKeyRelease{"Release", "1.00"};
inline constexpr IntKey kKeyBaseTimer{"BaseTimer", 55};
inline constexpr SwitchKey kKeyAnimation{"Animation", true};
inline constexpr SwitchKey kKeyRandomBoard{"RandomBoard", true};
inline constexpr SwitchKey kKeyRandomBoard2{"RandomBoard2", false};
inline constexpr SwitchKey kKeyRandomBoard3{"RandomBoard3", false};
// Finished games are saved as records in the Records folder.
inline constexpr SwitchKey kKeyAutoSaveRecords{"AutoSaveRecords", true};
// The record window with the move list shows beside the main window.
inline constexpr SwitchKey kKeyShowMoveList{"ShowMoveList", true};
inline constexpr SwitchKey kKeyShowLegalMoves{"ShowLegalMoves", true};
inline constexpr SwitchKey kKeyShowLastMove{"ShowLastMove", true};
inline constexpr SwitchKey kKeyShowCoordinates{"ShowCoordinates", false};
// Interface language, read once at start-up: "Auto" follows the system locale.
inline constexpr TextKey kKeyLanguage{"Language", "Auto"};
inline constexpr char kKeyWindowWidth[] = "WindowWidth";
inline constexpr char kKeyWindowHeight[] = "WindowHeight";
inline constexpr char kKeyWindowLeft[] = "WindowLeft";
inline constexpr char kKeyWindowTop[] = "WindowTop";

// The release this program writes; settings of an older one are migrated once.
inline constexpr double kCurrentRelease = 1.10;
inline constexpr char kCurrentReleaseText[] = "1.10";
// An early release wrote this text; it means "1.00".
inline constexpr char kRelease100a[] = "1.00a";

enum class SetKind { Board, Player };

// What the board view draws over the design.
struct MarkOptions {
    bool legalMoves = kKeyShowLegalMoves.defaultOn;
    bool lastMove = kKeyShowLastMove.defaultOn;
    bool coordinates = kKeyShowCoordinates.defaultOn;

    bool operator==(const MarkOptions&) const = default;
};

// The main window's place on the desktop, in pixels.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct SetEntry {
    std::string name;
    std::string file;
};

// Who plays each side; None stands for "None" and every text that is not one of the four.
enum class WarType { None, UserVsUser, UserVsComp, CompVsUser, CompVsComp };

WarType ParseWarType(std::string_view text);
// "None" for WarType::None.
const char* WarTypeText(WarType type);
bool FirstIsUser(WarType type);
bool SecondIsUser(WarType type);

// The leading decimal number of a release text, read in the C locale whatever
// the user's locale is; 0 when the text does not start with a finite number.
double ParseRelease(std::string_view text);
// Two decimals in the C locale: 1.1 gives "1.10".
std::string FormatRelease(double release);
// Compared in single precision, so every text that reads "1.10" counts as current.
bool IsOlderRelease(double release);

// A value the INI syntax would cut or split (',', ';', '!', a line break or NUL) cannot be stored.
bool IsStorableValue(std::string_view text);
// A set name must also be non-empty, hold no '=' and not start with '['.
bool IsStorableSetName(std::string_view name);

WindowsIni Open();
// Writes the whole file. When reading it dropped key lines, the file as it was is first kept
// under a free "Tessella.ini.bak" name, which TakeKeptCopies then answers.
int Save(WindowsIni& settings);
// The copies Save kept since the last call, oldest first, for the message line; the list is then empty.
std::vector<std::string> TakeKeptCopies();

// Reads the file afresh, lets change() set keys, and writes the whole file back.
// The result is Save's: 0 on success, non-zero when the file could not be written.
template <typename Change>
int Update(Change&& change)
{
    WindowsIni settings = Open();
    std::forward<Change>(change)(settings);
    return Save(settings);
}

// Readers; every key is read as value number 0.
std::string Text(const WindowsIni& settings, const TextKey& key);
// On exactly when the value is "True"; "true" is off.
bool Switch(const WindowsIni& settings, const SwitchKey& key);
// Missing or empty gives 55; a value without a leading number gives 0, which
// the turn cycle refuses as a period itself.
int BaseTimer(const WindowsIni& settings);
// On exactly when Pass is "Auto".
bool AutoPass(const WindowsIni& settings);
WarType ReadWarType(const WindowsIni& settings);
// The stored release text, with "1.00a" read as "1.00".
std::string ReleaseText(const WindowsIni& settings);
double Release(const WindowsIni& settings);
bool NeedsMigration(const WindowsIni& settings);

MarkOptions ReadMarkOptions(const WindowsIni& settings);
// Only when all four keys hold decimal numbers and the size is positive.
std::optional<WindowPlace> ReadWindowPlace(const WindowsIni& settings);

const char* RegistrySection(SetKind kind);
const char* StandardSetFile(SetKind kind);
// Every registered set in registration order, removed keys skipped. A key
// without any value is still listed, with an empty file.
std::vector<SetEntry> Registry(const WindowsIni& settings, SetKind kind);
bool IsRegistered(const WindowsIni& settings, SetKind kind, const std::string& name);
// The registered file, with no fallback.
std::optional<std::string> RegisteredFile(const WindowsIni& settings, SetKind kind, const std::string& name);
// The registered file, or the standard set file when the name is not registered.
std::string SetFile(const WindowsIni& settings, SetKind kind, const std::string& name);
std::string BoardSetFile(const WindowsIni& settings, const std::string& setName);
std::string PlayerSetFile(const WindowsIni& settings, const std::string& setName);

// Writers change the WindowsIni only; Save or Update writes the file.
// -1, and nothing changed, when the value is not storable.
int SetText(WindowsIni& settings, const TextKey& key, const std::string& value);
int SetSwitch(WindowsIni& settings, const SwitchKey& key, bool on);
int SetBaseTimer(WindowsIni& settings, int milliseconds);
int SetAutoPass(WindowsIni& settings, bool on);
// Writes nothing for WarType::None and answers -1 then.
int SetWarType(WindowsIni& settings, WarType type);
int SetRelease(WindowsIni& settings, double release);
void SetMarkOptions(WindowsIni& settings, const MarkOptions& options);
void SetWindowPlace(WindowsIni& settings, const WindowPlace& place);
// Appends the set at the end of its registry. -1, and nothing changed, when
// the name is already registered or the name or file is not storable.
int Register(WindowsIni& settings, SetKind kind, const std::string& name, const std::string& file);
// -1 when no set of that name is registered.
int Unregister(WindowsIni& settings, SetKind kind, const std::string& name);

// A [Tessella] key that names a set in use, with the key naming the entry chosen in it.
struct SetUse {
    TextKey set;
    TextKey entry;
};
// The uses that name this set: DefaultBoardSet for boards; 1stBrainSet, 2ndBrainSet and DefaultBrainSet for players.
std::vector<SetUse> UsesOf(const WindowsIni& settings, SetKind kind, const std::string& name);
// Points every use of the set at the standard set's first entry, written out rather than left to the defaults.
void ResetUsesToStandard(WindowsIni& settings, SetKind kind, const std::string& name);

}  // namespace Settings
