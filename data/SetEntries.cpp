#include "data/SetEntries.h"

#include "data/Section.h"
#include "data/WindowsIni.h"
#include "platform/HostPath.h"

#include <cstdio>
#include <memory>

namespace {

const char* Prefix(SetEntries::Kind kind)
{
    return kind == SetEntries::Kind::Board ? "Board_" : "Brain_";
}

const char* MarkKey(SetEntries::Kind kind)
{
    return kind == SetEntries::Kind::Board ? "Title" : "Name";
}

std::unique_ptr<Section> CopyAs(const Section& source, const std::string& name)
{
    auto copy = std::make_unique<Section>(name);
    for (int k = 0; k < source.KeyCount(); ++k) {
        const Keyword* key = source.KeyAt(k);
        if (key == nullptr)
            continue;
        auto keyword = std::make_unique<Keyword>(key->Name());
        for (int v = 0; v < key->Count(); ++v)
            keyword->Add(*key->At(v));
        copy->AddKey(std::move(keyword));
    }
    return copy;
}

// Rewrites the file so that new entry j is old entry order[j]. The new entries
// take the slots of the old ones; extra ones follow the last old entry.
int Rewrite(const std::string& setFile, SetEntries::Kind kind, const std::vector<int>& order,
            SetEntries::Renumbering* renumbering)
{
    const std::string hostFile = HostPath::ToHost(setFile);
    const WindowsIni source(hostFile);
    const int count = SetEntries::Count(source, kind);
    const int newCount = static_cast<int>(order.size());

    std::vector<const Section*> entries(count, nullptr);
    for (int s = 0; s < source.SectionCount(); ++s) {
        const Section* section = source.SectionAt(s);
        const int number = section == nullptr ? -1 : SetEntries::NumberOf(kind, section->Name());
        if (number >= 0 && number < count && entries[number] == nullptr)
            entries[number] = section;
    }

    WindowsIni target{std::string()};
    for (int s = 0; s < source.SectionCount(); ++s) {
        const Section* section = source.SectionAt(s);
        if (section == nullptr)
            continue;
        const int number = SetEntries::NumberOf(kind, section->Name());
        if (number < 0) {
            target.AddSection(CopyAs(*section, section->Name()));
            continue;
        }
        if (number >= count) {
            // A stale section past the gap goes when the new numbering would reach it.
            if (number >= newCount)
                target.AddSection(CopyAs(*section, section->Name()));
            continue;
        }
        // A repeated section of an entry is shadowed by the first and goes.
        if (section != entries[number])
            continue;
        const int last = number == count - 1 ? newCount : number + 1;
        for (int j = number; j < last && j < newCount; ++j)
            target.AddSection(CopyAs(*entries[order[j]], SetEntries::SectionName(kind, j)));
    }
    if (target.WriteTo(hostFile) != 0)
        return 1;

    renumbering->assign(count, -1);
    for (int j = newCount - 1; j >= 0; --j)
        (*renumbering)[order[j]] = j;
    return 0;
}

std::vector<int> Identity(int count)
{
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    return order;
}

}

std::string SetEntries::SectionName(Kind kind, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%03d", Prefix(kind), number);
    return name;
}

int SetEntries::NumberOf(Kind kind, const std::string& sectionName)
{
    const std::string prefix = Prefix(kind);
    if (sectionName.size() < prefix.size() + 3 || sectionName.compare(0, prefix.size(), prefix) != 0)
        return -1;
    int number = 0;
    for (size_t i = prefix.size(); i < sectionName.size(); ++i) {
        const char c = sectionName[i];
        if (c < '0' || c > '9' || number > 99999)
            return -1;
        number = number * 10 + (c - '0');
    }
    // Only the spelling "%03d" names an entry: Board_0001 is another section.
    return SectionName(kind, number) == sectionName ? number : -1;
}

int SetEntries::Count(const WindowsIni& ini, Kind kind)
{
    int count = 0;
    while (ini.FindValue(SectionName(kind, count), MarkKey(kind), 0) != nullptr)
        ++count;
    return count;
}

int SetEntries::Count(const std::string& setFile, Kind kind)
{
    return Count(WindowsIni(HostPath::ToHost(setFile)), kind);
}

int SetEntries::Delete(const std::string& setFile, Kind kind, int number, Renumbering* renumbering)
{
    std::vector<int> order = Identity(Count(setFile, kind));
    if (number < 0 || number >= static_cast<int>(order.size()))
        return -1;
    order.erase(order.begin() + number);
    return Rewrite(setFile, kind, order, renumbering);
}

int SetEntries::Duplicate(const std::string& setFile, Kind kind, int number, Renumbering* renumbering)
{
    std::vector<int> order = Identity(Count(setFile, kind));
    if (number < 0 || number >= static_cast<int>(order.size()))
        return -1;
    order.push_back(number);
    return Rewrite(setFile, kind, order, renumbering);
}

int SetEntries::Swap(const std::string& setFile, Kind kind, int number, int to, Renumbering* renumbering)
{
    std::vector<int> order = Identity(Count(setFile, kind));
    const int count = static_cast<int>(order.size());
    if (number < 0 || number >= count || to < 0 || to >= count || (to != number - 1 && to != number + 1))
        return -1;
    std::swap(order[number], order[to]);
    return Rewrite(setFile, kind, order, renumbering);
}
