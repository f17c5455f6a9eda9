#pragma once

#include "records/GameRecord.h"

#include <cstdint>
#include <string>

// Finished games kept as .tsr files in the Records folder of the program folder.
class RecordStore {
public:
    // Stored name, relative to the program folder.
    static constexpr char kFolder[] = "Records";
    static constexpr std::size_t kMaxNameBytes = 40;

    // The host path of the Records folder of the program folder (the working directory).
    static std::string FolderPath();

    // Date and Time tags for a calendar time, in local time.
    static void StampTime(GameRecord& record, std::int64_t seconds);

    // "20261207-193005 Alice - Bob.tsr" in local time; names are UTF-8, cut to
    // kMaxNameBytes without splitting a character, with the characters that
    // file systems refuse replaced by '_'.
    static std::string FileNameFor(std::int64_t seconds, const std::string& first, const std::string& second);

    // Writes the record under a name no file in the folder has yet ("... (2).tsr"
    // and so on), creating the folder. 0 with the host path in *written; 1 when
    // nothing could be written.
    static int SaveNew(const std::string& folder, const GameRecord& record, std::int64_t seconds,
                       std::string* written = nullptr);
};
