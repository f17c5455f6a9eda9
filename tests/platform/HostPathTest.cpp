#include "platform/HostPath.h"

#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string WithBackslashes(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

class HostPathTest : public InProgramFolder {
protected:
    void Touch(const std::string& relative)
    {
        const fs::path path = dir_.Path() / fs::path(relative);
        fs::create_directories(path.parent_path());
        dir_.Write(relative, "x");
    }

    const std::string programFolder_ = fs::canonical(dir_.Path()).string();
};

}  // namespace

TEST_F(HostPathTest, StoredNamesFindTheHostFileWithoutRegardToCase)
{
    for (const char* file : {"Boards/Wood.BMP", "Boards/Sub/Piece1.bmp", "ＡＢＣ.bmp", "盤面/表示.bmp", "Pic.bmp", "PIC.bmp", "pIc.bmp"})
        Touch(file);
    const std::pair<std::string, std::string> cases[] = {
        {"Boards\\Sub\\Piece1.bmp", "Boards/Sub/Piece1.bmp"},
        {"", ""},
        {"boards\\sub\\PIECE1.BMP", "Boards/Sub/Piece1.bmp"},
        {".\\boards\\..\\BOARDS\\wood.bmp", "./Boards/../Boards/Wood.BMP"},
        {"\x82\x81\x82\x82\x82\x83.BMP", "ＡＢＣ.bmp"},  // full-width letters fold too
        // 表 ends in byte 0x5C, which must not be read as a folder separator.
        {"\x94\xD5\x96\xCA\\\x95\x5C\x8E\xA6.bmp", "盤面/表示.bmp"},
        // Several matches: the exact one, else the first in order.
        {"pIc.bmp", "pIc.bmp"},
        {"pic.bmp", "PIC.bmp"},
        // Unmatched names give the path as written.
        {"BOARDS\\Missing.bmp", "BOARDS/Missing.bmp"},
        {"C:\\Games\\Wood.bmp", "C:/Games/Wood.bmp"},
        {"\\\\server\\share\\x.bmp", "//server/share/x.bmp"},
        {WithBackslashes(programFolder_ + "/BOARDS/wood.bmp"), programFolder_ + "/Boards/Wood.BMP"},
        {WithBackslashes(programFolder_ + "/SUB/none.bmp"), programFolder_ + "/SUB/none.bmp"},
    };
    for (const auto& [stored, host] : cases)
        EXPECT_EQ(HostPath::ToHost(stored), host) << stored;
    EXPECT_EQ(HostPath::ToHostQ("Boards\\Sub\\Piece1.bmp"), QString("Boards/Sub/Piece1.bmp"));
}

TEST_F(HostPathTest, HostPathsAreStoredRelativeInsideTheProgramFolderAndAbsoluteOutside)
{
    Touch("Boards/Wood.bmp");
    TempDir other;
    fs::create_directory_symlink(programFolder_, other.Path() / "program");
    const std::string parent = fs::path(programFolder_).parent_path().string();
    const std::pair<std::string, std::string> cases[] = {
        {programFolder_ + "/Boards/Wood.bmp", "Boards\\Wood.bmp"},
        {"./Boards/../Boards/Wood.bmp", "Boards\\Wood.bmp"},
        {programFolder_ + "/New.tsb", "New.tsb"},
        {programFolder_ + "/盤面/表示.bmp", "\x94\xD5\x96\xCA\\\x95\x5C\x8E\xA6.bmp"},
        {(other.Path() / "program/Boards/Wood.bmp").string(), "Boards\\Wood.bmp"},
        {other.Path().string() + "/Face.bmp", WithBackslashes(other.Path().string() + "/Face.bmp")},
        // A sibling whose name starts with the program folder's name is still outside.
        {programFolder_ + "x/Face.bmp", WithBackslashes(programFolder_ + "x/Face.bmp")},
        {"../Face.bmp", WithBackslashes(parent + "/Face.bmp")},
        // Refused, leaving the stored name: a backslash inside a host name would come back as a folder separator.
        {programFolder_ + "/😀.bmp", "unchanged"},
        {"한국/face.bmp", "unchanged"},
        {"a\\b.bmp", "unchanged"},
    };
    for (const auto& [host, expected] : cases) {
        std::string stored = "unchanged";
        EXPECT_EQ(HostPath::ToStored(host, &stored), expected != "unchanged") << host;
        EXPECT_EQ(stored, expected) << host;
    }
}
