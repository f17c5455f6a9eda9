#include "records/LifetimeStats.h"

#include "platform/HostPath.h"
#include "setup/Settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>

namespace {

enum Value { kWins, kLosses, kDraws, kStreak, kLongest, kName };

bool StorableSection(const std::string& setFile)
{
    return !setFile.empty() && setFile.find(']') == std::string::npos && Settings::IsStorableValue(setFile);
}

}  // namespace

std::string LifetimeStats::FilePath()
{
    return HostPath::ToHost(kFileName);
}

QString LifetimeStats::SummaryText(const std::optional<Entry>& entry)
{
    const Entry none;
    const Entry& e = entry ? *entry : none;
    return QCoreApplication::translate("LifetimeStats", "通算 %1勝 %2敗 %3分").arg(e.wins).arg(e.losses).arg(e.draws);
}

LifetimeStats::LifetimeStats(const std::string& hostPath)
    : ini_(hostPath)
{
}

std::optional<LifetimeStats::Entry> LifetimeStats::Read(const std::string& setFile, const std::string& section) const
{
    if (ini_.FindValue(setFile, section, kWins) == nullptr)
        return std::nullopt;
    Entry entry{setFile, section, ini_.GetString(setFile, section, kName, ""), 0, 0, 0, 0, 0};
    entry.wins = std::max(0, ini_.GetInt(setFile, section, kWins, 0));
    entry.losses = std::max(0, ini_.GetInt(setFile, section, kLosses, 0));
    entry.draws = std::max(0, ini_.GetInt(setFile, section, kDraws, 0));
    entry.streak = std::max(0, ini_.GetInt(setFile, section, kStreak, 0));
    entry.longestStreak = std::max(entry.streak, ini_.GetInt(setFile, section, kLongest, 0));
    return entry;
}

std::optional<LifetimeStats::Entry> LifetimeStats::Find(const std::string& setFile, const std::string& section) const
{
    return Read(setFile, section);
}

std::vector<LifetimeStats::Entry> LifetimeStats::Entries() const
{
    std::vector<Entry> entries;
    for (int s = 0; s < ini_.SectionCount(); ++s) {
        const Section* section = ini_.SectionAt(s);
        if (section == nullptr)
            continue;
        for (int k = 0; k < section->KeyCount(); ++k) {
            const Keyword* key = section->KeyAt(k);
            if (key == nullptr)
                continue;
            const bool seen = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) {
                return e.setFile == section->Name() && e.section == key->Name();
            });
            if (!seen)
                if (std::optional<Entry> entry = Read(section->Name(), key->Name()))
                    entries.push_back(*entry);
        }
    }
    return entries;
}

void LifetimeStats::Store(const Entry& entry)
{
    ini_.Remove(entry.setFile, entry.section);
    for (const int value : {entry.wins, entry.losses, entry.draws, entry.streak, entry.longestStreak})
        ini_.AddValue(entry.setFile, entry.section, std::to_string(value));
    ini_.AddValue(entry.setFile, entry.section, Settings::IsStorableValue(entry.name) ? entry.name : std::string());
}

int LifetimeStats::Add(const std::string& setFile, const std::string& section, const std::string& name, Outcome outcome)
{
    if (!StorableSection(setFile) || !Settings::IsStorableSetName(section))
        return -1;
    Entry entry = Read(setFile, section).value_or(Entry{setFile, section, name, 0, 0, 0, 0, 0});
    if (!name.empty())
        entry.name = name;
    switch (outcome) {
    case kWin:
        ++entry.wins;
        ++entry.streak;
        entry.longestStreak = std::max(entry.longestStreak, entry.streak);
        break;
    case kLoss:
        ++entry.losses;
        entry.streak = 0;
        break;
    case kDraw:
        ++entry.draws;
        entry.streak = 0;
        break;
    }
    Store(entry);
    return 0;
}

int LifetimeStats::Reset(const std::string& setFile, const std::string& section)
{
    if (!Read(setFile, section))
        return -1;
    ini_.Remove(setFile, section);
    return 0;
}

int LifetimeStats::Save()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(ini_.FileName()).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    return ini_.Write();
}

int LifetimeStats::RecordGame(const std::string& hostPath, const Side& first, const Side& second, int firstCount,
                              int secondCount)
{
    LifetimeStats stats(hostPath);
    const Outcome firstOutcome = firstCount > secondCount ? kWin : firstCount < secondCount ? kLoss : kDraw;
    const Outcome secondOutcome = static_cast<Outcome>(-firstOutcome);
    const int kept1 = stats.Add(first.setFile, first.section, first.name, firstOutcome);
    const int kept2 = stats.Add(second.setFile, second.section, second.name, secondOutcome);
    if (kept1 != 0 && kept2 != 0)
        return -1;
    return stats.Save();
}
