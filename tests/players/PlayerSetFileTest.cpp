#include "players/PlayerSetFile.h"

#include "data/WindowsIni.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Values as a player holds them before the section is applied, so keeping is visible.
PlayerSectionValues Earlier()
{
    PlayerSectionValues values;
    values.name = "old name";
    values.author = "old author";
    values.comment = "old comment";
    values.stretch = 1;
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i)
        values.faceFiles[i] = "old" + std::to_string(i) + ".bmp";
    values.faceCount = 5;
    for (auto& phase : values.codes)
        phase = {13, 14, 15};
    return values;
}

PlayerSectionValues ReadFrom(const TempDir& dir, const std::vector<std::string>& lines,
                             const std::string& section = "Brain_000")
{
    dir.Write("set.tsp", Crlf(lines));
    const WindowsIni ini(dir.File("set.tsp"));
    PlayerSectionValues values = Earlier();
    PlayerSetFile::ReadSection(ini, section, &values);
    return values;
}

PlayerRecordText SampleRecord()
{
    PlayerRecordText fields;
    fields.name = "Sample";
    fields.author = "Sample";
    fields.comment = "Takes corners early and then flips many";
    fields.stretch = true;
    for (int i = 0; i < PlayerSectionValues::kFaces; ++i)
        fields.faces[i] = "Picture\\Face" + std::to_string(i) + ".bmp";
    fields.limits = {"20", "72", "0", "0", "0", "0"};
    fields.codes[0] = {12, 18, 0};
    fields.codes[1] = {14, 20, 11};
    return fields;
}

const std::vector<std::string> kSampleLines = {
    "Name=Sample",
    "Author=Sample",
    "Comment=Takes corners early and then flips many",
    "Stretch=True",
    "Face_00=Picture\\Face0.bmp",
    "Face_01=Picture\\Face1.bmp",
    "Face_02=Picture\\Face2.bmp",
    "Face_03=Picture\\Face3.bmp",
    "Face_04=Picture\\Face4.bmp",
    "Brain_00=20,NormalBrain02,NormalBrain08,",
    "Brain_01=72,NormalBrain04,NormalBrain10,NormalBrain01",
    "Brain_02=0,,,",
    "Brain_03=0,,,",
    "Brain_04=0,,,",
    "Brain_05=0,,,",
};

std::vector<std::string> WithHeader(const std::string& header, std::vector<std::string> lines)
{
    lines.insert(lines.begin(), header);
    return lines;
}

TEST(PlayerSetFileRead, PhaseLinesUpdateOnlyTheValuesTheyHold)
{
    TempDir dir;
    const PlayerSectionValues values = ReadFrom(dir, {
        "[Brain_000]",
        "Brain_00=abc,NormalBrain02",
        "Brain_01=10,normalbrain02,NormalBrain13,",
        "Brain_02=30,NormalBrain10,NormalBrain00,NormalBrain09",
        "Brain_03=25",
        "Brain_04=",
    });
    EXPECT_EQ(values.limits, (std::array<int, 6>{0, 10, 30, 25, 0, 0}));
    EXPECT_EQ(values.codes[0], (std::array<int, 3>{12, 14, 15}));
    EXPECT_EQ(values.codes[1], (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(values.codes[2], (std::array<int, 3>{20, 10, 19}));
    EXPECT_EQ(values.codes[3], (std::array<int, 3>{13, 14, 15}));
    EXPECT_EQ(values.codes[5], (std::array<int, 3>{13, 14, 15}));
}

TEST(PlayerSetFileRead, TextsAndStretch)
{
    TempDir dir;
    PlayerSectionValues values = ReadFrom(dir, {"[Brain_000]", "Name=A,B", "Stretch=true"});
    EXPECT_EQ(values.name, "A");
    EXPECT_EQ(values.author, "old author");
    EXPECT_EQ(values.stretch, 0);

    values = ReadFrom(dir, {"[Brain_000]", "Stretch=True", "Comment="});
    EXPECT_EQ(values.stretch, 1);
    EXPECT_EQ(values.comment, "");

    values = ReadFrom(dir, {"[Brain_000]", "Name=x"});
    EXPECT_EQ(values.stretch, 0) << "an absent Stretch key clears the flag";
}

TEST(PlayerSetFileRead, LongTextIsCutWithoutSplittingADoubleByteCharacter)
{
    TempDir dir;
    const std::string twoByte = "\x82\xa0";  // あ
    const std::string longName = std::string(255, 'a') + twoByte + "tail";
    const PlayerSectionValues values = ReadFrom(dir, {"[Brain_000]", "Name=" + longName,
                                                      "Author=" + std::string(300, 'b')});
    EXPECT_EQ(values.name, std::string(255, 'a'));
    EXPECT_EQ(values.author, std::string(256, 'b'));
}

TEST(PlayerSetFileRead, FacesEndAtTheFirstAbsentKey)
{
    TempDir dir;
    PlayerSectionValues values = ReadFrom(dir, {"[Brain_000]", "Face_00=a.bmp", "Face_01=b.bmp", "Face_02=c.bmp"});
    EXPECT_EQ(values.faceCount, 3);
    EXPECT_EQ(values.faceFiles[2], "c.bmp");
    EXPECT_EQ(values.faceFiles[3], "old3.bmp");

    values = ReadFrom(dir, {"[Brain_000]", "Face_00=a.bmp", "Face_02=c.bmp"});
    EXPECT_EQ(values.faceCount, 1);
    EXPECT_EQ(values.faceFiles[2], "old2.bmp");
}

TEST(PlayerSetFileRead, MissingSectionOrFileClearsLimitsAndStretchOnly)
{
    TempDir dir;
    for (const PlayerSectionValues& values :
         {ReadFrom(dir, WithHeader("[Brain_000]", kSampleLines), "Brain_007"),
          [&] {
              const WindowsIni ini(dir.File("missing.tsp"));
              PlayerSectionValues earlier = Earlier();
              PlayerSetFile::ReadSection(ini, "Brain_000", &earlier);
              return earlier;
          }()}) {
        EXPECT_EQ(values.name, "old name");
        EXPECT_EQ(values.codes[0], (std::array<int, 3>{13, 14, 15}));
        EXPECT_EQ(values.limits, (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(values.stretch, 0);
        EXPECT_EQ(values.faceCount, 0);
    }
}

TEST(PlayerSetFileCount, CountsConsecutiveSectionsWithAName)
{
    TempDir dir;
    dir.Write("gap.tsp", Crlf({"[Demo_000]", "Name=demo", "[Brain_000]", "Name=a", "[Brain_001]", "Name=",
                               "[Brain_003]", "Name=d"}));
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("gap.tsp")), 2);

    dir.Write("noname.tsp", Crlf({"[Brain_000]", "Author=a", "[Brain_001]", "Name=b"}));
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("noname.tsp")), 0);
    EXPECT_EQ(PlayerSetFile::CountPlayers(dir.File("missing.tsp")), 0);
}

TEST(PlayerSetFileWrite, NewSectionIsWrittenInTheEditorsKeyOrder)
{
    TempDir dir;
    ASSERT_EQ(PlayerSetFile::WriteSection(dir.File("new.tsp"), "Brain_001", SampleRecord()), 0);
    EXPECT_EQ(dir.Read("new.tsp"), Crlf(WithHeader("[Brain_001]", kSampleLines)));
}

TEST(PlayerSetFileWrite, UpdatesKeysInPlaceAndKeepsTheOthers)
{
    TempDir dir;
    dir.Write("set.tsp", Crlf({
        "[Brain_000]",
        "Brain_00=5,NormalBrain01,NormalBrain01,NormalBrain01",
        "Name=Old",
        "Extra=kept",
        "Brain_03=9",
        "[Brain_001]",
        "Name=Other",
    }));
    PlayerRecordText fields = SampleRecord();
    fields.codes[0] = {10, 25, 0};
    fields.limits[0] = "1x";
    ASSERT_EQ(PlayerSetFile::WriteSection(dir.File("set.tsp"), "Brain_000", fields), 0);
    EXPECT_EQ(dir.Read("set.tsp"), Crlf({
        "[Brain_000]",
        "Brain_00=1x,,,",
        "Name=Sample",
        "Extra=kept",
        "Brain_03=0,,,",
        "Author=Sample",
        "Comment=Takes corners early and then flips many",
        "Stretch=True",
        "Face_00=Picture\\Face0.bmp",
        "Face_01=Picture\\Face1.bmp",
        "Face_02=Picture\\Face2.bmp",
        "Face_03=Picture\\Face3.bmp",
        "Face_04=Picture\\Face4.bmp",
        "Brain_01=72,NormalBrain04,NormalBrain10,NormalBrain01",
        "Brain_02=0,,,",
        "Brain_04=0,,,",
        "Brain_05=0,,,",
        "[Brain_001]",
        "Name=Other",
    }));
}

TEST(PlayerSetFileWrite, CreateModeFillsTheFirstGap)
{
    TempDir dir;
    const std::string file = dir.File("set.tsp");
    dir.Write("set.tsp", Crlf({"[Brain_000]", "Name=a", "[Brain_001]", "Name=b", "[Brain_003]", "Name=d"}));
    const int next = PlayerSetFile::CountPlayers(file);
    ASSERT_EQ(next, 2);
    ASSERT_EQ(PlayerSetFile::WriteSection(file, PlayerSetFile::PlayerSection(next), SampleRecord()), 0);
    EXPECT_EQ(PlayerSetFile::CountPlayers(file), 4) << "the player after the gap becomes reachable";

    const WindowsIni ini(file);
    EXPECT_EQ(ini.GetString("Brain_002", "Name", 0, ""), "Sample");
    EXPECT_EQ(ini.SectionAt(3)->Name(), "Brain_002");
}

TEST(PlayerSetFileWrite, TextsRoundTripAsTheReaderSeesThem)
{
    TempDir dir;
    const std::string file = dir.File("set.tsp");
    PlayerRecordText fields = SampleRecord();
    fields.name = "A,B";
    // 標準プレイヤー: second bytes inside the ASCII range must survive.
    fields.author = "\x95\x57\x8f\x80\x83\x76\x83\x8c\x83\x43\x83\x84\x81\x5b";
    fields.comment = std::string(254, 'c') + "\x82\xa0";
    fields.stretch = false;
    ASSERT_EQ(PlayerSetFile::WriteSection(file, "Brain_000", fields), 0);
    EXPECT_NE(dir.Read("set.tsp").find("Name=A,B\r\n"), std::string::npos);

    const WindowsIni ini(file);
    PlayerSectionValues values;
    PlayerSetFile::ReadSection(ini, "Brain_000", &values);
    EXPECT_EQ(values.name, "A");
    EXPECT_EQ(values.author, fields.author);
    EXPECT_EQ(values.comment, std::string(254, 'c')) << "cut to 255 bytes without splitting the last character";
    EXPECT_EQ(values.stretch, 0);
    EXPECT_EQ(values.codes[1], (std::array<int, 3>{14, 20, 11}));
}

TEST(PlayerSetFileWrite, UnwritableFileIsReported)
{
    TempDir dir;
    EXPECT_EQ(PlayerSetFile::WriteSection(dir.File("no/such/folder/set.tsp"), "Brain_000", SampleRecord()), 1);
}

}  // namespace
