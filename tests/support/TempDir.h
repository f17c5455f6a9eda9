#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Writes bytes exactly as given (no line-end translation).
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    // The sorted names in a folder of it ("" for itself); none when that is no folder.
    std::vector<std::string> Names(const std::string& folder = "") const;

private:
    std::filesystem::path path_;
};
