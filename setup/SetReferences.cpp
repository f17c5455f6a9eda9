#include "setup/SetReferences.h"

#include "data/WindowsIni.h"

#include <QCoreApplication>
#include <QStringList>

namespace SetReferences {

namespace {

struct Reference {
    const Settings::TextKey* set;
    const Settings::TextKey* entry;
};

std::vector<Reference> ReferencesOf(Settings::SetKind kind)
{
    using namespace Settings;
    if (kind == SetKind::Board)
        return {{&kKeyDefaultBoardSet, &kKeyDefaultBoardName}};
    return {{&kKey1stBrainSet, &kKey1stBrainName},
            {&kKey2ndBrainSet, &kKey2ndBrainName},
            {&kKeyDefaultBrainSet, &kKeyDefaultBrainName}};
}

SetEntries::Kind EntryKind(Settings::SetKind kind)
{
    return kind == Settings::SetKind::Board ? SetEntries::Kind::Board : SetEntries::Kind::Player;
}

}  // namespace

std::vector<Change> Apply(WindowsIni& settings, Settings::SetKind kind, const std::string& setName,
                          const SetEntries::Renumbering& renumbering)
{
    std::vector<Change> changes;
    for (const Reference& reference : ReferencesOf(kind)) {
        if (Settings::Text(settings, *reference.set) != setName)
            continue;
        const std::string before = Settings::Text(settings, *reference.entry);
        const int number = SetEntries::NumberOf(EntryKind(kind), before);
        // An entry past the set's gap was never listed and keeps its name.
        if (number < 0 || number >= static_cast<int>(renumbering.size()) || renumbering[number] == number)
            continue;
        Change change;
        change.entryKey = reference.entry->name;
        change.before = before;
        change.reset = renumbering[number] < 0;
        if (change.reset) {
            Settings::SetText(settings, *reference.set, Settings::kStandardSetName);
            change.after = reference.entry->defaultText;
        } else {
            change.after = SetEntries::SectionName(EntryKind(kind), renumbering[number]);
        }
        Settings::SetText(settings, *reference.entry, change.after);
        changes.push_back(change);
    }
    return changes;
}

QString Describe(const std::vector<Change>& changes)
{
    QStringList lines;
    for (const Change& change : changes) {
        if (change.reset)
            lines.append(QCoreApplication::translate("SetReferences", "%1 が指していた %2 は削除されたため、標準のセットの %3 に戻しました。")
                             .arg(QString::fromLatin1(change.entryKey), QString::fromStdString(change.before),
                                  QString::fromStdString(change.after)));
    }
    return lines.join(QLatin1Char('\n'));
}

int Update(Settings::SetKind kind, const std::string& setName, const SetEntries::Renumbering& renumbering,
           std::vector<Change>* changes)
{
    WindowsIni settings = Settings::Open();
    *changes = Apply(settings, kind, setName, renumbering);
    return changes->empty() ? 0 : Settings::Save(settings);
}

}  // namespace SetReferences
