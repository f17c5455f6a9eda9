#include "platform/HostPath.h"

#include "platform/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The entry of folder whose name equals name but for case: the exact one when
// present, else the first in byte order, so the choice never depends on the
// order the folder lists its entries.
std::optional<std::string> FindIgnoringCase(const fs::path& folder, const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (entry == name)
            return entry;
        if (QString::fromStdString(entry).compare(wanted, Qt::CaseInsensitive) == 0)
            matches.push_back(std::move(entry));
    }
    if (matches.empty())
        return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}

std::vector<std::string> Split(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        if (slash > start)
            parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

bool RelativeInside(const fs::path& path, const fs::path& folder, fs::path* relative)
{
    fs::path candidate = path.lexically_relative(folder);
    if (candidate.empty() || *candidate.begin() == "..")
        return false;
    *relative = candidate;
    return true;
}

}  // namespace

std::string HostPath::Plain(const std::string& stored)
{
    std::string plain = TextCodec::ToUtf8(stored);
    std::replace(plain.begin(), plain.end(), '\\', '/');
    return plain;
}

std::string HostPath::ToHost(const std::string& stored)
{
    const std::string plain = Plain(stored);
    if (plain.empty() || Exists(plain))
        return plain;

    const bool absolute = plain.front() == '/';
    fs::path folder = absolute ? fs::path("/") : fs::path(".");
    std::string resolved = absolute ? "/" : "";
    for (const std::string& part : Split(plain)) {
        std::string name = part;
        if (part != "." && part != ".." && !Exists(folder / part)) {
            std::optional<std::string> match = FindIgnoringCase(folder, part);
            if (!match)
                return plain;
            name = *match;
        }
        folder /= name;
        if (!resolved.empty() && resolved.back() != '/')
            resolved += '/';
        resolved += name;
    }
    return resolved;
}

QString HostPath::ToHostQ(const std::string& stored)
{
    return QString::fromStdString(ToHost(stored));
}

bool HostPath::ToStored(const std::string& hostPath, std::string* stored)
{
    if (hostPath.empty()) {
        stored->clear();
        return true;
    }
    std::error_code ec;
    const fs::path programFolder = fs::current_path(ec);
    const fs::path path(hostPath);
    const fs::path absolutePath = (path.is_absolute() || ec ? path : programFolder / path).lexically_normal();

    fs::path relative;
    std::string text = absolutePath.string();
    if (!ec && RelativeInside(absolutePath, programFolder.lexically_normal(), &relative)) {
        text = relative.string();
    } else if (!ec) {
        // The program folder may be reached through a symbolic link.
        std::error_code pathError;
        std::error_code folderError;
        const fs::path realPath = fs::weakly_canonical(absolutePath, pathError);
        const fs::path realFolder = fs::weakly_canonical(programFolder, folderError);
        if (!pathError && !folderError && RelativeInside(realPath, realFolder, &relative))
            text = relative.string();
    }

    if (text.find('\\') != std::string::npos)
        return false;
    std::replace(text.begin(), text.end(), '/', '\\');
    return TextCodec::FromUtf8(text, stored);
}
