#pragma once

#include "setup/Settings.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

// A board or player set packed with every picture it names into one zip
// file, so it can be taken to another program folder. The program folder is
// the working directory; importing writes nowhere else.
namespace SetArchive {

// Limits an archive must keep to be imported at all.
inline constexpr qint64 kMaxEntryBytes = 64LL * 1024 * 1024;
inline constexpr qint64 kMaxTotalBytes = 1024LL * 1024 * 1024;
inline constexpr int kMaxEntries = 20000;

// Writes the set file at the archive's root and each picture it names under
// its stored folder ('/' between folders); a picture named by an absolute or
// climbing path goes under Picture/User/<set name>/, and the packed set file
// names it there. Pictures that cannot be read are left out and listed in
// *missing. 0 on success; -1 with *reason, and no archive file, otherwise.
int Export(const std::string& setFile, const QString& zipPath, QStringList* missing, QString* reason);

struct Imported {
    Settings::SetKind kind = Settings::SetKind::Board;
    std::string name;  // the set name, CP932, made free with nameTaken
    std::string file;  // the set file written, relative to the program folder
    int pictures = 0;  // picture files written or found already there
};

// Checks the whole archive first and refuses it, writing nothing, when an
// entry climbs out (`..`), is absolute, is too large, is encrypted or is there
// twice, or when the root does not hold exactly one set file (.tsb or .tsp)
// with a name. Otherwise writes the set file under a free name and the
// pictures it names under Picture\User\<set name>\ (free names, identical
// files reused), the set file's references rewritten to them. A set name for
// which nameTaken answers true gets a suffix (_2, _3, ...). 0 on success; -1
// with *reason otherwise, and then whatever was written is removed again.
int Import(const QString& zipPath, const std::function<bool(const std::string&)>& nameTaken, Imported* imported,
           QString* reason);

}  // namespace SetArchive
