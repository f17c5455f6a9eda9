#include "app/ProgramFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ProgramFolder, SeedingCopiesWhatIsMissingAndKeepsTheUsersFiles)
{
    TempDir content;
    std::filesystem::create_directories(content.Path() / "Picture" / "Face");
    content.Write("Tessella.ini", "[Tessella]\r\nRelease=1.10\r\n");
    content.Write("Standard.tsb", "standard");
    content.Write("Picture/Face/Face00_0.bmp", "face");
    TempDir home;
    const QString folder = QString::fromStdString(home.File("tessella"));
    std::filesystem::create_directories(home.Path() / "tessella");
    home.Write("tessella/Tessella.ini", "[Tessella]\r\nBaseTimer=30\r\n");

    QString reason;
    ASSERT_TRUE(ProgramFolder::Seed(folder, QString::fromStdString(content.Path().string()), &reason))
        << reason.toStdString();
    EXPECT_EQ(home.Read("tessella/Tessella.ini"), "[Tessella]\r\nBaseTimer=30\r\n") << "the user's settings stay";
    EXPECT_EQ(home.Read("tessella/Standard.tsb"), "standard");
    EXPECT_EQ(home.Read("tessella/Picture/Face/Face00_0.bmp"), "face");
}

TEST(ProgramFolder, ContentIsTheFirstCandidateHoldingSettings)
{
    TempDir empty;
    TempDir content;
    content.Write("Tessella.ini", "");
    const QString found = ProgramFolder::FindContent(
        {QString(), QString::fromStdString(empty.Path().string()), QString::fromStdString(content.Path().string())});
    EXPECT_EQ(found.toStdString(), content.Path().string());
    EXPECT_TRUE(ProgramFolder::FindContent({QString::fromStdString(empty.Path().string())}).isEmpty());
}

TEST(ProgramFolder, DefaultFollowsXdgDataHome)
{
    qputenv("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(ProgramFolder::DefaultPath().toStdString(), "/somewhere/data/tessella");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(ProgramFolder::DefaultPath().endsWith(QStringLiteral("/.local/share/tessella")));
}
