#include "data/WindowsIni.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A header's closing bracket must stand before this byte position of its line.
constexpr std::size_t kHeaderCloseLimit = 512;

bool EndsLine(char c)
{
    return c == '\n' || c == ';' || c == '!';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Only the first '[' of the line counts; comment bytes before or inside the brackets mean no header.
bool ParseHeader(std::string_view line, std::string& name)
{
    for (std::size_t open = 0; open < line.size(); ++open) {
        if (EndsLine(line[open]))
            return false;
        if (line[open] != '[')
            continue;
        for (std::size_t close = open + 1; close < line.size() && close < kHeaderCloseLimit; ++close) {
            if (line[close] == ']') {
                name.assign(line.substr(open + 1, close - open - 1));
                return true;
            }
            if (EndsLine(line[close]))
                return false;
        }
        return false;
    }
    return false;
}

bool MakesKey(std::string_view line)
{
    for (const char c : line) {
        if (EndsLine(c))
            return false;
        if (c == '=')
            return true;
    }
    return false;
}

// A line without '=' before its end makes nothing.
void ParseKeyLine(std::string_view line, Section& section)
{
    std::unique_ptr<Keyword> keyword;
    std::size_t tokenStart = 0;
    std::size_t end = 0;
    for (; end < line.size() && !EndsLine(line[end]); ++end) {
        const char c = line[end];
        if (!keyword && c == '=') {
            keyword = std::make_unique<Keyword>(std::string(line.substr(tokenStart, end - tokenStart)));
            tokenStart = end + 1;
        } else if (keyword && c == ',') {
            keyword->Add(std::string(line.substr(tokenStart, end - tokenStart)));
            tokenStart = end + 1;
        }
    }
    if (!keyword)
        return;
    keyword->Add(std::string(line.substr(tokenStart, end - tokenStart)));
    section.AddKey(std::move(keyword));
}

bool ReadWholeFile(const std::string& fileName, std::string& bytes)
{
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr)
        return false;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    return true;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& target)
{
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

std::string TemporaryPrefix(const std::filesystem::path& target)
{
    return "." + target.filename().string() + ".tmp";
}

// The writer's process id of a temporary named prefix + "<pid>-<serial>"; 0 for any other name.
pid_t WriterOf(const std::string& leaf, const std::string& prefix)
{
    if (leaf.size() <= prefix.size() || leaf.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string_view rest = std::string_view(leaf).substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == rest.size())
        return 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (i != dash && !IsDigit(rest[i]))
            return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
}

bool IsRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// A writer that crashed or was killed leaves its temporary behind; a live writer's stays.
void RemoveLeftovers(const std::filesystem::path& target)
{
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(FolderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        const pid_t writer = WriterOf(it->path().filename().string(), prefix);
        if (writer > 0 && writer != ::getpid() && !IsRunning(writer) && it->is_regular_file(error))
            ::unlink(it->path().c_str());
    }
}

// Creates a new, empty file beside target; -1 when the folder does not take one.
int CreateTemporary(const std::filesystem::path& target, std::string& tempName)
{
    static unsigned serial = 0;
    const std::filesystem::path folder = FolderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = TemporaryPrefix(target) + std::to_string(::getpid()) + "-"
            + std::to_string(++serial);
        tempName = (folder / leaf).string();
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

WindowsIni::WindowsIni(const std::string& fileName)
    : fileName_(fileName)
{
    Read();
}

void WindowsIni::Read()
{
    std::string bytes;
    if (!ReadWholeFile(fileName_, bytes))
        return;

    Section* current = nullptr;  // nullptr while seeking a header
    std::string name;
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < bytes.size()) {
        ++lineNumber;
        std::size_t end = bytes.find('\n', start);
        const bool hasLineEnd = end != std::string::npos;
        if (!hasLineEnd)
            end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (hasLineEnd && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = hasLineEnd ? end + 1 : end;

        if (current != nullptr && !line.empty() && line.front() == '[')
            current = nullptr;
        if (current == nullptr) {
            if (ParseHeader(line, name)) {
                sections_.push_back(std::make_unique<Section>(name));
                current = sections_.back().get();
            } else if (MakesKey(line)) {
                if (dropped_.count++ == 0)
                    dropped_.firstLine = lineNumber;
            }
            continue;
        }
        ParseKeyLine(line, *current);
    }
}

std::string WindowsIni::Serialize() const
{
    std::string text;
    for (const auto& section : sections_) {
        if (!section)
            continue;
        text += '[';
        text += section->Name();
        text += "]\r\n";
        for (int k = 0; k < section->KeyCount(); ++k) {
            const Keyword* keyword = section->KeyAt(k);
            if (keyword == nullptr)
                continue;
            text += keyword->Name();
            text += '=';
            for (int v = 0; v < keyword->Count(); ++v) {
                if (v > 0)
                    text += ',';
                text += *keyword->At(v);
            }
            text += "\r\n";
        }
    }
    return text;
}

int WindowsIni::Write()
{
    const int result = WriteTo(fileName_);
    if (result == 0)
        dropped_ = {};
    return result;
}

int WindowsIni::WriteKeepingCopy(std::string* copyName)
{
    copyName->clear();
    std::error_code error;
    if (dropped_.count > 0 && std::filesystem::exists(fileName_, error)) {
        std::string candidate = fileName_ + ".bak";
        for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(candidate, error)); ++n)
            candidate = fileName_ + "." + std::to_string(n) + ".bak";
        if (!std::filesystem::copy_file(fileName_, candidate, error))
            return 1;
        *copyName = candidate;
    }
    return Write();
}

int WindowsIni::WriteTo(const std::string& fileName)
{
    std::filesystem::path target(fileName);
    std::error_code error;
    // Write through a link to the file it names instead of replacing the link.
    if (std::filesystem::is_symlink(target, error)) {
        std::filesystem::path resolved = std::filesystem::canonical(target, error);
        if (!error)
            target = resolved;
    }

    RemoveLeftovers(target);
    std::string tempName;
    const int fd = CreateTemporary(target, tempName);
    if (fd < 0)
        return 1;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    bool written = WriteAll(fd, Serialize()) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(tempName.c_str(), target.c_str()) == 0)
        return 0;
    ::unlink(tempName.c_str());
    return 1;
}

const Section* WindowsIni::FindSection(const std::string& name) const
{
    for (const auto& section : sections_) {
        if (section && section->Name() == name)
            return section.get();
    }
    return nullptr;
}

Section* WindowsIni::FindSection(const std::string& name)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const Section* WindowsIni::SectionAt(int index) const
{
    if (index < 0 || index >= SectionCount())
        return nullptr;
    return sections_[static_cast<std::size_t>(index)].get();
}

const std::string* WindowsIni::FindValue(const std::string& section, const std::string& key, int index) const
{
    for (const auto& candidate : sections_) {
        if (!candidate || candidate->Name() != section)
            continue;
        // The first key found decides, even when it holds too few values.
        if (const Keyword* keyword = candidate->FindKey(key))
            return keyword->At(index);
    }
    return nullptr;
}

std::string WindowsIni::GetString(const std::string& section, const std::string& key, int index,
                                  const std::string& defaultText) const
{
    const std::string* value = FindValue(section, key, index);
    return value ? *value : defaultText;
}

int WindowsIni::GetInt(const std::string& section, const std::string& key, int index, int defaultValue) const
{
    const std::string* value = FindValue(section, key, index);
    if (value == nullptr)
        return defaultValue;
    const std::string& text = *value;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i]))
        return defaultValue;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int WindowsIni::KeyCount(const std::string& section) const
{
    const Section* found = FindSection(section);
    return found ? found->KeyCount() : -1;
}

const std::string* WindowsIni::KeyNameAt(const std::string& section, int index) const
{
    const Section* found = FindSection(section);
    if (found == nullptr)
        return nullptr;
    const Keyword* keyword = found->KeyAt(index);
    return keyword ? &keyword->Name() : nullptr;
}

int WindowsIni::AddValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (Section* found = FindSection(section))
        return found->AddValue(key, value);
    auto created = std::make_unique<Section>(section);
    created->AddValue(key, value);
    sections_.push_back(std::move(created));
    return 0;
}

int WindowsIni::SetValue(const std::string& section, const std::string& key, const std::string& value, int index)
{
    if (Section* found = FindSection(section))
        return found->SetValue(key, value, index);
    auto created = std::make_unique<Section>(section);
    created->SetValue(key, value, 0);
    sections_.push_back(std::move(created));
    return 0;
}

int WindowsIni::Remove(const std::string& section, const std::string& key)
{
    if (Section* found = FindSection(section))
        found->RemoveKey(key);
    return 0;
}

int WindowsIni::Remove(const std::string& section)
{
    for (auto& candidate : sections_) {
        if (candidate && candidate->Name() == section) {
            candidate.reset();
            break;
        }
    }
    return 0;
}

void WindowsIni::AddSection(std::unique_ptr<Section> section)
{
    if (section)
        sections_.push_back(std::move(section));
}
