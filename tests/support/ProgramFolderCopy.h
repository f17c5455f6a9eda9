#pragma once

#include "support/TempDir.h"

#include <filesystem>

// A fresh program folder, holding a writable copy of the given content folder (none when empty),
// that is the working directory while it lives.
class ProgramFolderCopy {
public:
    explicit ProgramFolderCopy(const std::filesystem::path& content = {})
        : previous_(std::filesystem::current_path())
    {
        namespace fs = std::filesystem;
        if (!content.empty()) {
            fs::copy(content, dir_.Path(), fs::copy_options::recursive);
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir_.Path()))
                fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
        }
        fs::current_path(dir_.Path());
    }
    ~ProgramFolderCopy() { std::filesystem::current_path(previous_); }
    ProgramFolderCopy(const ProgramFolderCopy&) = delete;
    ProgramFolderCopy& operator=(const ProgramFolderCopy&) = delete;

    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
    std::filesystem::path previous_;
};
