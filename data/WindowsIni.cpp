#include "data/WindowsIni.h"

#include "platform/AtomicFile.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>

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
    return AtomicFile::Write(fileName, Serialize());
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
