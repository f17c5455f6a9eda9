#include "records/GameArchive.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "players/Player.h"
#include "records/LifetimeStats.h"
#include "records/RecordStore.h"
#include "setup/Settings.h"

QString GameArchive::KeepFinishedGame(const GameRecord& record, const Player& first, const Player& second)
{
    QStringList failures;
    if (Settings::Switch(Settings::Open(), Settings::kKeyAutoSaveRecords)) {
        GameRecord stamped = record;
        const std::int64_t now = Clock::Now();
        RecordStore::StampTime(stamped, now);
        if (RecordStore::SaveNew(RecordStore::FolderPath(), stamped, now) != 0)
            failures << QCoreApplication::translate("GameArchive", "棋譜");
    }
    const int counts[2] = {record.Current().CountOwner(1), record.Current().CountOwner(2)};
    const LifetimeStats::Side sides[2] = {{first.FileName(), first.SectionName(), first.Name()},
                                          {second.FileName(), second.SectionName(), second.Name()}};
    if (LifetimeStats::RecordGame(LifetimeStats::FilePath(), sides[0], sides[1], counts[0], counts[1]) == 1)
        failures << QCoreApplication::translate("GameArchive", "通算成績");
    if (failures.isEmpty())
        return {};
    return QCoreApplication::translate("GameArchive", "(%1を Records に保存できませんでした)").arg(failures.join(QCoreApplication::translate("GameArchive", "と")));
}
