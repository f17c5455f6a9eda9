#include "setup/SetArchive.h"

#include "data/Section.h"
#include "data/WindowsIni.h"
#include "pictures/UserPictureCopy.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <zip.h>

#include <list>
#include <memory>
#include <set>

namespace SetArchive {

namespace {

// One picture file name held by a set: where it is, so it can be rewritten.
struct Reference {
    std::string section;
    std::string key;
    int index = 0;
    std::string stored;
};

bool IsPictureKey(const std::string& key)
{
    static const char* const kExact[] = {"Board", "Border", "NoFloat", "1stBoard", "2ndBoard"};
    static const char* const kPrefixes[] = {"1stFloat_", "2ndFloat_", "Face_"};
    for (const char* exact : kExact) {
        if (key == exact)
            return true;
    }
    for (const char* prefix : kPrefixes) {
        if (key.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

// Only the first section and key of a name count, as every reader takes the first.
std::vector<Reference> PictureReferences(const WindowsIni& ini)
{
    std::vector<Reference> references;
    std::set<std::string> sections;
    for (int s = 0; s < ini.SectionCount(); ++s) {
        const Section* section = ini.SectionAt(s);
        if (section == nullptr || !sections.insert(section->Name()).second)
            continue;
        for (int k = 0; k < section->KeyCount(); ++k) {
            const Keyword* key = section->KeyAt(k);
            if (key == nullptr || !IsPictureKey(key->Name()) || section->FindKey(key->Name()) != key)
                continue;
            for (int v = 0; v < key->Count(); ++v) {
                if (!key->At(v)->empty())
                    references.push_back({section->Name(), key->Name(), v, *key->At(v)});
            }
        }
    }
    return references;
}

const char* SetSection(Settings::SetKind kind)
{
    return kind == Settings::SetKind::Board ? Settings::kSectionBoardSet : Settings::kSectionBrainSet;
}

std::string SetNameIn(const WindowsIni& ini)
{
    for (const char* section : {Settings::kSectionBoardSet, Settings::kSectionBrainSet}) {
        if (const std::string* name = ini.FindValue(section, "Name", 0))
            return *name;
    }
    return std::string();
}

// A relative name that stays below its folder: no empty, "." or ".." parts.
bool StaysInside(const QString& path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(path) ||
        (path.size() >= 2 && path[1] == QLatin1Char(':')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

QString ArchiveName(const std::string& stored)
{
    return QString::fromStdString(HostPath::Plain(stored));
}

bool IsPictureFile(const QString& name)
{
    static const QStringList kSuffixes = {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpg"),
                                          QStringLiteral("jpeg"), QStringLiteral("ico")};
    return kSuffixes.contains(QFileInfo(name).suffix().toLower());
}

QString ZipError(zip_t* archive)
{
    return QString::fromLocal8Bit(zip_error_strerror(zip_get_error(archive)));
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

int Export(const std::string& setFile, const QString& zipPath, QStringList* missing, QString* reason)
{
    missing->clear();
    const std::string hostFile = HostPath::ToHost(setFile);
    if (!QFileInfo(QString::fromStdString(hostFile)).isFile()) {
        *reason = QCoreApplication::translate("SetArchive", "セットファイル %1 が見つかりません").arg(QString::fromStdString(hostFile));
        return -1;
    }
    WindowsIni ini(hostFile);
    const std::string setName = SetNameIn(ini);
    const QString externalFolder = ArchiveName(UserPictureCopy::FolderFor(setName));

    std::list<QByteArray> contents;  // libzip reads the buffers only when the archive is closed
    QHash<QString, QString> packedAs;   // stored name -> name in the archive
    QSet<QString> taken;                // names in the archive, compared without case
    std::vector<std::pair<QString, const QByteArray*>> pictures;
    for (const Reference& reference : PictureReferences(ini)) {
        const QString stored = QString::fromStdString(reference.stored);
        if (!packedAs.contains(stored)) {
            QFile file(HostPath::ToHostQ(reference.stored));
            QString name = ArchiveName(reference.stored);
            if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes) {
                missing->append(TextCodec::ToUi(reference.stored));
                packedAs.insert(stored, QString());
                continue;
            }
            if (!StaysInside(name)) {
                const QString base = UserPictureCopy::SafeFileName(QFileInfo(name).fileName());
                QString free = base;
                for (int n = 2; taken.contains((externalFolder + QLatin1Char('/') + free).toLower()); ++n)
                    free = QStringLiteral("%1_%2.%3").arg(QFileInfo(base).completeBaseName()).arg(n).arg(QFileInfo(base).suffix());
                name = externalFolder + QLatin1Char('/') + free;
            }
            packedAs.insert(stored, name);
            if (!taken.contains(name.toLower())) {
                taken.insert(name.toLower());
                contents.push_back(file.readAll());
                pictures.emplace_back(name, &contents.back());
            }
        }
        const QString& name = packedAs.value(stored);
        if (!name.isEmpty() && name != ArchiveName(reference.stored)) {
            std::string rewritten;
            TextCodec::FromUi(QString(name).replace(QLatin1Char('/'), QLatin1Char('\\')), &rewritten);
            ini.SetValue(reference.section, reference.key, rewritten, reference.index);
        }
    }

    // The packed set file is written beside the archive and removed again once it is packed.
    const QString partial = zipPath + QStringLiteral(".part");
    const QString setCopy = zipPath + QStringLiteral(".set.part");
    if (ini.WriteTo(QFile::encodeName(setCopy).toStdString()) != 0) {
        *reason = QCoreApplication::translate("SetArchive", "%1 に書き込めません").arg(setCopy);
        return -1;
    }
    QFile::remove(partial);
    int error = 0;
    ZipHandle archive(zip_open(QFile::encodeName(partial).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    bool ok = archive != nullptr;
    if (ok) {
        QFile setBytes(setCopy);
        setBytes.open(QIODevice::ReadOnly);
        contents.push_back(setBytes.readAll());
        pictures.insert(pictures.begin(), {QFileInfo(QString::fromStdString(hostFile)).fileName(), &contents.back()});
        for (const auto& [name, bytes] : pictures) {
            zip_source_t* source = zip_source_buffer(archive.get(), bytes->constData(), bytes->size(), 0);
            if (source == nullptr ||
                zip_file_add(archive.get(), name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
                zip_source_free(source);
                ok = false;
                break;
            }
        }
        if (ok && zip_close(archive.get()) == 0)
            archive.release();
        else
            ok = false;
    }
    QFile::remove(setCopy);
    if (!ok || (QFile::exists(zipPath) && !QFile::remove(zipPath)) || !QFile::rename(partial, zipPath)) {
        *reason = archive ? ZipError(archive.get()) : QCoreApplication::translate("SetArchive", "%1 に書き込めません").arg(zipPath);
        archive.reset();
        QFile::remove(partial);
        return -1;
    }
    return 0;
}

namespace {

struct Entry {
    zip_uint64_t index = 0;
    QString name;
    qint64 size = 0;
};

// Reads an entry whole, refusing one that holds more than its directory said.
bool ReadEntry(zip_t* archive, const Entry& entry, QByteArray* bytes, QString* reason)
{
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, entry.index, 0));
    if (!file) {
        *reason = QCoreApplication::translate("SetArchive", "アーカイブの %1 を読めません（%2）").arg(entry.name, ZipError(archive));
        return false;
    }
    bytes->resize(entry.size + 1);
    qint64 done = 0;
    while (done <= entry.size) {
        const zip_int64_t got = zip_fread(file.get(), bytes->data() + done, static_cast<zip_uint64_t>(entry.size + 1 - done));
        if (got < 0) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブの %1 が壊れています").arg(entry.name);
            return false;
        }
        if (got == 0)
            break;
        done += got;
    }
    if (done != entry.size) {
        *reason = QCoreApplication::translate("SetArchive", "アーカイブの %1 が壊れています").arg(entry.name);
        return false;
    }
    bytes->resize(done);
    return true;
}

// Checks every entry before anything is written.
bool CheckEntries(zip_t* archive, QHash<QString, Entry>* entries, Entry* setEntry, QString* reason)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > kMaxEntries) {
        *reason = QCoreApplication::translate("SetArchive", "アーカイブのファイルが多すぎます（%1 個まで）").arg(kMaxEntries);
        return false;
    }
    qint64 total = 0;
    int setFiles = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0 || stat.name == nullptr) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブが壊れています（%1）").arg(ZipError(archive));
            return false;
        }
        QString name = QString::fromUtf8(stat.name);
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const bool folder = name.endsWith(QLatin1Char('/'));
        if (folder)
            name.chop(1);
        if (!StaysInside(name)) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブに取り込めないパスがあります（「..」や絶対パス）: %1").arg(name);
            return false;
        }
        if (folder)
            continue;
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブの %1 は暗号化されていて読めません").arg(name);
            return false;
        }
        const qint64 size = (stat.valid & ZIP_STAT_SIZE) != 0 ? static_cast<qint64>(stat.size) : kMaxEntryBytes + 1;
        total += size;
        if (size > kMaxEntryBytes || total > kMaxTotalBytes) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブの %1 が大きすぎます（1 ファイル %2 MB、合計 %3 MB まで）")
                          .arg(name)
                          .arg(kMaxEntryBytes / (1024 * 1024))
                          .arg(kMaxTotalBytes / (1024 * 1024));
            return false;
        }
        const QString key = name.toLower();
        if (entries->contains(key)) {
            *reason = QCoreApplication::translate("SetArchive", "アーカイブに同じ名前のファイルが二つあります: %1").arg(name);
            return false;
        }
        const Entry entry{static_cast<zip_uint64_t>(i), name, size};
        entries->insert(key, entry);
        if (!name.contains(QLatin1Char('/')) && (key.endsWith(QLatin1String(".tsb")) || key.endsWith(QLatin1String(".tsp")))) {
            ++setFiles;
            *setEntry = entry;
        }
    }
    if (setFiles != 1) {
        *reason = QCoreApplication::translate("SetArchive", "アーカイブの一番上にセットファイル（.tsb か .tsp）がちょうど一つ必要です");
        return false;
    }
    return true;
}

// Removes what an import wrote when it cannot finish.
class Rollback {
public:
    ~Rollback()
    {
        if (!done_) {
            for (const QString& file : files_)
                QFile::remove(file);
        }
    }
    void Add(const QString& file) { files_.append(file); }
    void Done() { done_ = true; }

private:
    QStringList files_;
    bool done_ = false;
};

}  // namespace

int Import(const QString& zipPath, const std::function<bool(const std::string&)>& nameTaken, Imported* imported,
           QString* reason)
{
    int error = 0;
    ZipHandle archive(zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &error));
    if (!archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, error);
        *reason = QCoreApplication::translate("SetArchive", "ZIP ファイルを開けません（%1）").arg(QString::fromLocal8Bit(zip_error_strerror(&zipError)));
        zip_error_fini(&zipError);
        return -1;
    }
    QHash<QString, Entry> entries;
    Entry setEntry;
    if (!CheckEntries(archive.get(), &entries, &setEntry, reason))
        return -1;

    QByteArray setBytes;
    if (!ReadEntry(archive.get(), setEntry, &setBytes, reason))
        return -1;
    Rollback rollback;
    const QString setName = UserPictureCopy::FreeName(QStringLiteral("."), UserPictureCopy::SafeFileName(setEntry.name));
    QSaveFile setFile(setName);
    if (!setFile.open(QIODevice::WriteOnly) || setFile.write(setBytes) != setBytes.size() || !setFile.commit()) {
        *reason = QCoreApplication::translate("SetArchive", "%1 に書き込めません").arg(setName);
        return -1;
    }
    rollback.Add(setName);

    WindowsIni ini(QFile::encodeName(setName).toStdString());
    imported->kind = setEntry.name.toLower().endsWith(QLatin1String(".tsb")) ? Settings::SetKind::Board
                                                                            : Settings::SetKind::Player;
    const std::string* storedName = ini.FindValue(SetSection(imported->kind), "Name", 0);
    if (storedName == nullptr || !Settings::IsStorableSetName(*storedName)) {
        *reason = QCoreApplication::translate("SetArchive", "アーカイブのセットファイルにセットの名前（[%1] の Name）がありません")
                      .arg(QString::fromLatin1(SetSection(imported->kind)));
        return -1;
    }
    std::string name = *storedName;
    for (int n = 2; nameTaken(name); ++n)
        name = *storedName + "_" + std::to_string(n);
    ini.SetValue(SetSection(imported->kind), "Name", name, 0);

    imported->pictures = 0;
    QHash<QString, std::string> placed;  // entry key -> stored name in the program folder
    for (const Reference& reference : PictureReferences(ini)) {
        const QString key = ArchiveName(reference.stored).toLower();
        const auto entry = entries.constFind(key);
        // A name not in the archive may be a picture every program folder has; it stays as it is.
        if (entry == entries.constEnd() || !IsPictureFile(entry->name))
            continue;
        if (!placed.contains(key)) {
            QByteArray bytes;
            if (!ReadEntry(archive.get(), *entry, &bytes, reason))
                return -1;
            std::string stored;
            QString written;
            if (UserPictureCopy::Store(name, QFileInfo(entry->name).fileName(), bytes, &stored, &written, reason) != 0)
                return -1;
            if (!written.isEmpty())
                rollback.Add(written);
            placed.insert(key, stored);
            ++imported->pictures;
        }
        ini.SetValue(reference.section, reference.key, placed.value(key), reference.index);
    }
    if (ini.Write() != 0) {
        *reason = QCoreApplication::translate("SetArchive", "%1 に書き込めません").arg(setName);
        return -1;
    }
    std::string file;
    TextCodec::FromUi(setName, &file);
    imported->name = name;
    imported->file = file;
    rollback.Done();
    return 0;
}

}  // namespace SetArchive
