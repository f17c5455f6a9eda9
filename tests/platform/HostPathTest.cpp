#include "platform/HostPath.h"

#include "platform/TextCodec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Stored(const std::string& utf8)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &bytes)) << utf8;
    return bytes;
}

std::string WithBackslashes(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Runs each test inside a fresh program folder.
class HostPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = fs::current_path();
        fs::current_path(dir_.Path());
        programFolder_ = fs::current_path().string();
    }

    void TearDown() override { fs::current_path(saved_); }

    void Touch(const std::string& relative)
    {
        const fs::path path = dir_.Path() / fs::path(relative);
        fs::create_directories(path.parent_path());
        dir_.Write(relative, "x");
    }

    TempDir dir_;
    fs::path saved_;
    std::string programFolder_;
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
        {Stored("ａｂｃ.BMP"), "ＡＢＣ.bmp"},  // full-width letters fold too
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

TEST_F(HostPathTest, StoredNamesAreRelativeInsideTheProgramFolder)
{
    Touch("Boards/Wood.bmp");
    std::string stored;
    ASSERT_TRUE(HostPath::ToStored(programFolder_ + "/Boards/Wood.bmp", &stored));
    EXPECT_EQ(stored, "Boards\\Wood.bmp");
    ASSERT_TRUE(HostPath::ToStored("Boards/Wood.bmp", &stored));
    EXPECT_EQ(stored, "Boards\\Wood.bmp");
    ASSERT_TRUE(HostPath::ToStored("./Boards/../Boards/Wood.bmp", &stored));
    EXPECT_EQ(stored, "Boards\\Wood.bmp");
    ASSERT_TRUE(HostPath::ToStored(programFolder_ + "/New.tsb", &stored));
    EXPECT_EQ(stored, "New.tsb");
    ASSERT_TRUE(HostPath::ToStored(programFolder_ + "/盤面/表示.bmp", &stored));
    EXPECT_EQ(stored, std::string("\x94\xD5\x96\xCA\\\x95\x5C\x8E\xA6.bmp"));
}

TEST_F(HostPathTest, StoredNamesAreAbsoluteOutsideTheProgramFolder)
{
    TempDir other;
    const std::string outside = other.Path().string() + "/Face.bmp";
    std::string stored;
    ASSERT_TRUE(HostPath::ToStored(outside, &stored));
    EXPECT_EQ(stored, WithBackslashes(outside));
    EXPECT_EQ(HostPath::ToHost(stored), outside);

    // A sibling whose name starts with the program folder's name is still outside.
    ASSERT_TRUE(HostPath::ToStored(programFolder_ + "x/Face.bmp", &stored));
    EXPECT_EQ(stored, WithBackslashes(programFolder_ + "x/Face.bmp"));
    ASSERT_TRUE(HostPath::ToStored("../Face.bmp", &stored));
    EXPECT_EQ(stored, WithBackslashes(fs::path(programFolder_).parent_path().string() + "/Face.bmp"));
}

TEST_F(HostPathTest, ProgramFolderReachedThroughALink)
{
    TempDir other;
    const fs::path link = other.Path() / "program";
    fs::create_directory_symlink(programFolder_, link);
    Touch("Boards/Wood.bmp");
    std::string stored;
    ASSERT_TRUE(HostPath::ToStored((link / "Boards/Wood.bmp").string(), &stored));
    EXPECT_EQ(stored, "Boards\\Wood.bmp");
}

TEST_F(HostPathTest, PathsThatCannotBeStoredAreRefused)
{
    std::string stored = "unchanged";
    EXPECT_FALSE(HostPath::ToStored(programFolder_ + "/😀.bmp", &stored));
    EXPECT_FALSE(HostPath::ToStored("한국/face.bmp", &stored));
    // A backslash inside a host name would come back as a folder separator.
    EXPECT_FALSE(HostPath::ToStored("a\\b.bmp", &stored));
    EXPECT_EQ(stored, "unchanged");
}

TEST_F(HostPathTest, StoredAndBackAgain)
{
    const std::string files[] = {"Boards/Wood.bmp", "盤面/表示.bmp", "ｱｲｳ/ﾃｽﾄ.jpg", "Top.tsb"};
    for (const std::string& file : files) {
        Touch(file);
        std::string stored;
        ASSERT_TRUE(HostPath::ToStored(programFolder_ + "/" + file, &stored)) << file;
        EXPECT_EQ(HostPath::ToHost(stored), file);
    }
}
