#pragma once

#include "data/Section.h"

#include <memory>
#include <string>
#include <vector>

// An INI file held in memory: sections of keys, each key a list of values.
// Texts are raw bytes (CP932 in practice), compared byte for byte.
// Duplicate sections and keys are kept; lookups take the first match.
class WindowsIni {
public:
    // Reads the whole file; a file that cannot be read gives an empty object.
    explicit WindowsIni(const std::string& fileName);
    WindowsIni(const WindowsIni&) = delete;
    WindowsIni& operator=(const WindowsIni&) = delete;
    WindowsIni(WindowsIni&&) = default;
    WindowsIni& operator=(WindowsIni&&) = default;

    // Key lines the reading rules passed over: lines with '=' met while no section was open,
    // before the first header or after a broken one. Lines count from 1; firstLine is 0 when none.
    struct DroppedLines {
        int count = 0;
        int firstLine = 0;
    };

    const std::string& FileName() const { return fileName_; }
    // As read; a successful Write clears it, since the file then holds what this object holds.
    const DroppedLines& Dropped() const { return dropped_; }

    int Write();
    // Write, keeping the file as it was in a free "NAME.bak" (then "NAME.2.bak", ...) first when
    // the write would lose dropped lines; *copyName is that name, or empty when no copy was needed.
    // 1, and nothing written, when the copy cannot be made.
    int WriteKeepingCopy(std::string* copyName);
    // Replaces the file through a temporary in the same folder: 0 on success,
    // 1 on any failure, and then the old file is left as it was. Temporaries of
    // earlier writers of that file that are no longer running are removed first.
    int WriteTo(const std::string& fileName);

    // nullptr when nothing is found; valid until this object changes.
    const std::string* FindValue(const std::string& section, const std::string& key, int index) const;
    std::string GetString(const std::string& section, const std::string& key, int index,
                          const std::string& defaultText) const;
    // The value's leading decimal number, clamped to the int range; the default
    // when nothing is found or the value does not start with a number.
    int GetInt(const std::string& section, const std::string& key, int index, int defaultValue) const;
    // Key slots of the first section of that name, removed keys included; -1 without such a section.
    int KeyCount(const std::string& section) const;
    const std::string* KeyNameAt(const std::string& section, int index) const;

    int AddValue(const std::string& section, const std::string& key, const std::string& value);
    int SetValue(const std::string& section, const std::string& key, const std::string& value, int index);
    int Remove(const std::string& section, const std::string& key);
    int Remove(const std::string& section);
    void AddSection(std::unique_ptr<Section> section);

    // Section slots, removed sections included.
    int SectionCount() const { return static_cast<int>(sections_.size()); }
    // nullptr for a removed section or an index out of range.
    const Section* SectionAt(int index) const;

private:
    void Read();
    std::string Serialize() const;
    const Section* FindSection(const std::string& name) const;
    Section* FindSection(const std::string& name);

    std::string fileName_;
    DroppedLines dropped_;
    std::vector<std::unique_ptr<Section>> sections_;
};
