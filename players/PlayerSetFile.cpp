#include "players/PlayerSetFile.h"

#include "data/WindowsIni.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"

#include <cstdio>

namespace {

std::string Numbered(const char* format, int number)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

std::string FaceKey(int index)
{
    return Numbered("Face_%02d", index);
}

std::string PhaseKey(int phase)
{
    return Numbered("Brain_%02d", phase);
}

void ReadText(const WindowsIni& ini, const std::string& section, const char* key, std::string* field)
{
    if (const std::string* value = ini.FindValue(section, key, 0))
        *field = TextCodec::CutToField(*value, PlayerSetFile::kTextField);
}

// The user's strategy is never written: its votes come from clicks, not from a file.
std::string KeywordToWrite(int code)
{
    if (code == Brain::kCodeUser)
        return std::string();
    return Brain::StrategyKeyword(code);
}

}  // namespace

std::string PlayerSetFile::PlayerSection(int number)
{
    return Numbered("Brain_%03d", number);
}

int PlayerSetFile::CountPlayers(const std::string& fileName)
{
    const WindowsIni ini(HostPath::ToHost(fileName));
    int count = 0;
    while (ini.FindValue(PlayerSection(count), "Name", 0) != nullptr)
        ++count;
    return count;
}

void PlayerSetFile::ReadSection(const WindowsIni& ini, const std::string& section, PlayerSectionValues* values)
{
    values->faceCount = 0;
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i) {
        const std::string* file = ini.FindValue(section, FaceKey(i), 0);
        if (file == nullptr)
            break;
        values->faceFiles[i] = *file;
        values->faceCount = i + 1;
    }

    ReadText(ini, section, "Name", &values->name);
    ReadText(ini, section, "Author", &values->author);
    ReadText(ini, section, "Comment", &values->comment);

    for (int phase = 0; phase < PlayerSectionValues::kPhases; ++phase) {
        const std::string key = PhaseKey(phase);
        values->limits[phase] = ini.GetInt(section, key, 0, 0);
        for (int slot = 0; slot < PlayerSectionValues::kSlots; ++slot) {
            const std::string* keyword = ini.FindValue(section, key, slot + 1);
            if (keyword == nullptr)
                break;
            values->codes[phase][slot] = Brain::StrategyCode(*keyword);
        }
    }

    const std::string* stretch = ini.FindValue(section, "Stretch", 0);
    values->stretch = (stretch != nullptr && *stretch == "True") ? 1 : 0;
}

int PlayerSetFile::WriteSection(const std::string& fileName, const std::string& section, const PlayerRecordText& fields)
{
    WindowsIni ini(HostPath::ToHost(fileName));
    ini.SetValue(section, "Name", TextCodec::CutToField(fields.name, kWrittenText), 0);
    ini.SetValue(section, "Author", TextCodec::CutToField(fields.author, kWrittenText), 0);
    ini.SetValue(section, "Comment", TextCodec::CutToField(fields.comment, kWrittenText), 0);
    ini.SetValue(section, "Stretch", fields.stretch ? "True" : "False", 0);
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i)
        ini.SetValue(section, FaceKey(i), fields.faces[i], 0);
    for (int phase = 0; phase < PlayerSectionValues::kPhases; ++phase) {
        const std::string key = PhaseKey(phase);
        ini.SetValue(section, key, TextCodec::CutToField(fields.limits[phase], kWrittenText), 0);
        for (int slot = 0; slot < PlayerSectionValues::kSlots; ++slot)
            ini.SetValue(section, key, KeywordToWrite(fields.codes[phase][slot]), slot + 1);
    }
    return ini.Write();
}
