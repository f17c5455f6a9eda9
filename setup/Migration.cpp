#include "setup/Migration.h"

#include <QCoreApplication>

#include "data/WindowsIni.h"
#include "platform/AtomicFile.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

namespace fs = std::filesystem;

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix)
{
    if (text.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i])
            return false;
    }
    return true;
}

bool IsReadableFile(const std::string& hostPath)
{
    std::error_code error;
    if (!fs::is_regular_file(hostPath, error))
        return false;
    std::ifstream file(hostPath, std::ios::binary);
    return file.good();
}

bool Exists(const std::string& hostPath)
{
    std::error_code error;
    return fs::exists(hostPath, error);
}

bool ReadBytes(const std::string& hostPath, std::string* bytes)
{
    std::ifstream in(hostPath, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

Migration::SetFile MigrateOne(WindowsIni& settings, Settings::SetKind kind, const std::string& name,
                              const std::string& oldFile)
{
    Migration::SetFile entry{kind, name, oldFile, oldFile, Migration::Outcome::AlreadyCurrent};
    const std::string newFile = Migration::NewFileName(oldFile, kind);
    if (newFile == oldFile)
        return entry;
    if (newFile.size() > Migration::kMaxFileName) {
        entry.outcome = Migration::Outcome::TooLong;
        return entry;
    }

    const std::string oldHost = HostPath::ToHost(oldFile);
    const std::string existingHost = HostPath::ToHost(newFile);
    if (Exists(existingHost)) {
        // A set of the new name may be newer than this old one: never replace it.
        entry.outcome = Migration::Outcome::KeptExisting;
    } else if (!IsReadableFile(oldHost)) {
        entry.outcome = Migration::Outcome::Missing;
        return entry;
    } else {
        // Beside the old file as found on disk, whatever case its folders were registered with.
        const std::string newHost = oldHost + newFile.back();
        // Byte for byte, so comments and lines the INI reading would drop come along.
        std::string bytes;
        if (!ReadBytes(oldHost, &bytes) || AtomicFile::Write(newHost, bytes) != 0) {
            entry.outcome = Migration::Outcome::WriteFailed;
            return entry;
        }
        entry.outcome = Migration::Outcome::Copied;
    }
    settings.SetValue(Settings::RegistrySection(kind), name, newFile, 0);
    entry.newFile = newFile;
    return entry;
}

void MigrateRegistry(WindowsIni& settings, Settings::SetKind kind, std::vector<Migration::SetFile>& files)
{
    const std::string section = Settings::RegistrySection(kind);
    const int count = settings.KeyCount(section);
    for (int i = 0; i < count; ++i) {
        const std::string* name = settings.KeyNameAt(section, i);
        if (name == nullptr)
            continue;
        const std::string* oldFile = settings.FindValue(section, *name, 0);
        if (oldFile == nullptr)
            continue;
        // Copies, since SetValue may invalidate what the lookups answered.
        const std::string nameCopy = *name;
        const std::string fileCopy = *oldFile;
        files.push_back(MigrateOne(settings, kind, nameCopy, fileCopy));
    }
}

QString Ui(const std::string& cp932)
{
    return TextCodec::ToUi(cp932);
}

}  // namespace

std::string Migration::NewFileName(const std::string& oldFile, Settings::SetKind kind)
{
    if (EndsWithIgnoringCase(oldFile, ".tsb") || EndsWithIgnoringCase(oldFile, ".tsp"))
        return oldFile;
    return oldFile + (kind == Settings::SetKind::Board ? 'b' : 'p');
}

Migration::Report Migration::Run()
{
    Report report;
    WindowsIni settings = Settings::Open();
    report.oldRelease = static_cast<float>(Settings::Release(settings));
    if (!Settings::NeedsMigration(settings))
        return report;

    report.migrated = true;
    MigrateRegistry(settings, Settings::SetKind::Board, report.files);
    MigrateRegistry(settings, Settings::SetKind::Player, report.files);
    Settings::SetRelease(settings, Settings::kCurrentRelease);
    report.saveResult = Settings::Save(settings);
    return report;
}

QStringList Migration::Notes(const Report& report)
{
    QStringList lines;
    lines << QStringLiteral("Release %1 -> Release %2")
                 .arg(QString::fromStdString(Settings::FormatRelease(report.oldRelease)),
                      QString::fromStdString(Settings::FormatRelease(Settings::kCurrentRelease)));
    if (!report.migrated)
        return lines;

    lines << QCoreApplication::translate("Migration", "・ゲーム開始までを簡易化しました")
          << QCoreApplication::translate("Migration", "・環境設定を充実しました")
          << QCoreApplication::translate("Migration", "・新規ボードセット（新規ユーザセット）を作成可能にしました");
    for (const SetFile& file : report.files) {
        const QString oldName = Ui(file.oldFile);
        const QString newName = Ui(NewFileName(file.oldFile, file.kind));
        const QString setName = Ui(file.name);
        switch (file.outcome) {
        case Outcome::Copied:
        case Outcome::AlreadyCurrent:
            break;
        case Outcome::KeptExisting:
            lines << QCoreApplication::translate("Migration", "・%1 は既にあるため、上書きせずに「%2」に登録しました").arg(newName, setName);
            break;
        case Outcome::TooLong:
            lines << QCoreApplication::translate("Migration", "・%1 は名前が長すぎるため、「%2」は更新していません").arg(oldName, setName);
            break;
        case Outcome::Missing:
            lines << QCoreApplication::translate("Migration", "・%1 が読めないため、「%2」は更新していません").arg(oldName, setName);
            break;
        case Outcome::WriteFailed:
            lines << QCoreApplication::translate("Migration", "・%1 を書き込めないため、「%2」は更新していません").arg(newName, setName);
            break;
        }
    }
    if (report.saveResult != 0)
        lines << QCoreApplication::translate("Migration", "・設定ファイル %1 を書き込めませんでした").arg(QString::fromLatin1(Settings::kFileName));
    return lines;
}
