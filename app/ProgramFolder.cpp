#include "app/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder::DefaultPath()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty())
        return dataHome + QStringLiteral("/tessella");
    return QDir::homePath() + QStringLiteral("/.local/share/tessella");
}

QString ProgramFolder::FindContent(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo::exists(candidate + QStringLiteral("/Tessella.ini")))
            return candidate;
    }
    return QString();
}

bool ProgramFolder::Seed(const QString& folder, const QString& content, QString* reason)
{
    if (QFileInfo::exists(folder + QStringLiteral("/Tessella.ini")))
        return true;
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    const QDir source(content);
    QDirIterator files(content, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = folder + QLatin1Char('/') + source.relativeFilePath(from);
        if (QFileInfo::exists(to))
            continue;
        if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to)) {
            *reason = QStringLiteral("cannot copy %1 to %2").arg(from, to);
            return false;
        }
        // Installed files may be read-only; the program folder is the user's to change.
        QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
    }
    return true;
}
