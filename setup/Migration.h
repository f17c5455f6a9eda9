#pragma once

#include "setup/Settings.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Brings the settings of an earlier release up to the current one, in the
// program folder (the working directory): every registered set file gets the
// letter of its kind appended ("b" for boards, "p" for players), a copy is
// written under the new name, the registries name the copies, and the current
// release is recorded. The old files are neither removed nor changed.
class Migration {
public:
    enum class Outcome {
        Copied,          // the new file was written and is registered
        KeptExisting,    // a file of the new name was already there; it is registered untouched
        AlreadyCurrent,  // the name already ends in ".tsb" or ".tsp"; nothing to do
        TooLong,         // the new name would not fit the file-name field; the old registration stays
        Missing,         // the registered file cannot be read; the old registration stays
        WriteFailed,     // the new file could not be written; the old registration stays
    };

    struct SetFile {
        Settings::SetKind kind;
        std::string name;     // the set's display name, CP932
        std::string oldFile;  // as registered before, CP932, `\` between folders
        std::string newFile;  // as registered after
        Outcome outcome;
    };

    struct Report {
        double oldRelease = 0.0;  // as read, held in single precision
        bool migrated = false;    // false when the settings were already current
        std::vector<SetFile> files;
        int saveResult = 0;  // the settings file write: 0 on success
    };

    // Longest stored file name, without the terminating NUL of its 260-byte field.
    static constexpr std::size_t kMaxFileName = 259;

    // Reads Release and, when it is older than the current one, migrates and writes the settings.
    static Report Run();

    // The release notes: "Release 1.00 -> Release 1.10", the news of the release
    // when it migrated, then one line for each set that could not be carried over.
    static QStringList Notes(const Report& report);

    // The name with the letter of its kind appended, or the name as it is when it already ends in ".tsb" or ".tsp".
    static std::string NewFileName(const std::string& oldFile, Settings::SetKind kind);
};
