#include "records/RecordStore.h"

#include "platform/HostPath.h"

#include <QDateTime>

#include <filesystem>
#include <string_view>

namespace {

QDateTime LocalTime(std::int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds);
}

std::string Utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A name safe in a file name on every desktop system, at most maxBytes of UTF-8.
std::string FileSafe(const std::string& name, std::size_t maxBytes)
{
    std::string safe;
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    for (const uint code : text.toUcs4()) {
        const char32_t character = code;
        std::string piece;
        if (code < 0x20 || code == 0x7F || std::u32string_view(U"\\/:*?\"<>|").find(character) != std::u32string_view::npos)
            piece = "_";
        else
            piece = Utf8(QString::fromUcs4(&character, 1));
        if (safe.size() + piece.size() > maxBytes)
            break;
        safe += piece;
    }
    // Windows refuses names that end in a dot or a blank.
    while (!safe.empty() && (safe.back() == '.' || safe.back() == ' '))
        safe.pop_back();
    return safe.empty() ? std::string("_") : safe;
}

}  // namespace

std::string RecordStore::FolderPath()
{
    return HostPath::ToHost(kFolder);
}

void RecordStore::StampTime(GameRecord& record, std::int64_t seconds)
{
    const QDateTime time = LocalTime(seconds);
    record.SetTag(GameRecord::kTagDate, Utf8(time.toString(QStringLiteral("yyyy-MM-dd"))));
    record.SetTag(GameRecord::kTagTime, Utf8(time.toString(QStringLiteral("HH:mm:ss"))));
}

std::string RecordStore::FileNameFor(std::int64_t seconds, const std::string& first, const std::string& second)
{
    return Utf8(LocalTime(seconds).toString(QStringLiteral("yyyyMMdd-HHmmss"))) + " " + FileSafe(first, kMaxNameBytes)
        + " - " + FileSafe(second, kMaxNameBytes) + ".tsr";
}

int RecordStore::SaveNew(const std::string& folder, const GameRecord& record, std::int64_t seconds, std::string* written)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string name = FileNameFor(seconds, record.TagValue(GameRecord::kTagFirst),
                                         record.TagValue(GameRecord::kTagSecond));
    const std::string stem = name.substr(0, name.size() - 4);
    for (int n = 1; n <= 100; ++n) {
        const std::filesystem::path path = std::filesystem::path(folder)
            / (n == 1 ? name : stem + " (" + std::to_string(n) + ").tsr");
        if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
            continue;
        if (record.Save(path.string()) != 0)
            return 1;
        if (written != nullptr)
            *written = path.string();
        return 0;
    }
    return 1;
}
