#pragma once

#include <QString>

#include <string>

// Maps the file names stored in set and settings files (CP932, `\` between
// folders, relative to the program folder) to host paths (UTF-8, `/`) and back.
class HostPath {
public:
    // When the exact path does not exist, each folder and file name is matched
    // without regard to case, since sets made elsewhere do not keep it. A name
    // with no match gives the path as written.
    static std::string ToHost(const std::string& stored);
    static QString ToHostQ(const std::string& stored);
    // The stored name converted as it stands, without looking at the disk.
    static std::string Plain(const std::string& stored);

    // Relative to the program folder when the path lies inside it, absolute
    // otherwise. False, leaving *stored untouched, when the path cannot be held
    // in CP932 or one of its names contains a `\`.
    static bool ToStored(const std::string& hostPath, std::string* stored);
};
