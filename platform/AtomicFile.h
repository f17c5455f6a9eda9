#pragma once

#include <string>
#include <string_view>

// Replaces a file through a temporary in the same folder, so a crash, a full
// disk or a killed process never leaves a half-written file.
class AtomicFile {
public:
    // 0 on success; 1 on any failure, and then the old file is left as it was.
    // A symbolic link is written through to the file it names; temporaries
    // left beside the target by writers that died are removed first.
    static int Write(const std::string& fileName, std::string_view bytes);
};
