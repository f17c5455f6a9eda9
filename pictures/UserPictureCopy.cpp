#include "pictures/UserPictureCopy.h"

#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString UserPictureCopy::SafeFileName(const QString& original)
{
    static const QString kRefused = QStringLiteral(",;!\\/:*?\"<>|");
    QString name;
    std::string cp932;
    for (const QChar c : original) {
        const bool refused = kRefused.contains(c) || c.unicode() < 0x20 || !TextCodec::FromUi(QString(c), &cp932);
        name += refused ? QLatin1Char('_') : c;
    }
    while (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("_") : name;
}

bool UserPictureCopy::IsOutside(const QString& hostPath)
{
    std::string stored;
    if (!HostPath::ToStored(hostPath.toStdString(), &stored))
        return true;
    return stored.empty() || stored[0] == '\\' || QDir::isAbsolutePath(QString::fromStdString(stored));
}

std::string UserPictureCopy::FolderFor(const std::string& setName)
{
    std::string folder;
    TextCodec::FromUi(SafeFileName(TextCodec::ToUi(setName)), &folder);
    return "Picture\\User\\" + folder;
}

QString UserPictureCopy::FreeName(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    if (!QFileInfo::exists(dir.filePath(fileName)))
        return fileName;
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1_%2%3").arg(base).arg(n).arg(suffix);
        if (!QFileInfo::exists(dir.filePath(candidate)))
            return candidate;
    }
}

int UserPictureCopy::Store(const std::string& setName, const QString& fileName, const QByteArray& bytes,
                           std::string* stored, QString* written, QString* reason)
{
    written->clear();
    const std::string folderStored = FolderFor(setName);
    const QString folder = QString::fromStdString(HostPath::Plain(folderStored));
    if (!QDir().mkpath(folder)) {
        *reason = QCoreApplication::translate("UserPictureCopy", "フォルダ %1 を作れません").arg(folder);
        return -1;
    }
    QString name = SafeFileName(fileName);
    QFile same(QDir(folder).filePath(name));
    const bool identical = same.size() == bytes.size() && same.open(QIODevice::ReadOnly) && same.readAll() == bytes;
    if (!identical) {
        name = FreeName(folder, name);
        // A save file, so a failed write never leaves half a picture under the real name.
        QSaveFile target(QDir(folder).filePath(name));
        if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit()) {
            *reason = QCoreApplication::translate("UserPictureCopy", "%1 に書き込めません").arg(target.fileName());
            return -1;
        }
        *written = target.fileName();
    }
    std::string fileStored;
    TextCodec::FromUi(name, &fileStored);
    *stored = folderStored + "\\" + fileStored;
    return 0;
}

int UserPictureCopy::Copy(const std::string& setName, const QString& hostPath, std::string* stored, QString* reason)
{
    QFile source(hostPath);
    if (!QFileInfo(hostPath).isFile() || !source.open(QIODevice::ReadOnly)) {
        *reason = QCoreApplication::translate("UserPictureCopy", "ファイルが見つかりません");
        return -1;
    }
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        *reason = QCoreApplication::translate("UserPictureCopy", "ファイルを読み込めません");
        return -1;
    }
    QString written;
    return Store(setName, QFileInfo(hostPath).fileName(), bytes, stored, &written, reason);
}
