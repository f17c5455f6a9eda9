#include "app/ProgramFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ProgramFolder, ContentIsTheFirstCandidateHoldingSettingsAndOnlyAFolderWithoutThemIsSeeded)
{
    TempDir content;
    std::filesystem::create_directories(content.Path() / "Picture" / "Face");
    content.Write("Tessella.ini", "[Tessella]\r\nRelease=1.10\r\n");
    content.Write("Standard.tsb", "standard");
    content.Write("Picture/Face/Face00_0.bmp", "face");
    const QString source = QString::fromStdString(content.Path().string());
    TempDir home;
    QString reason;

    // A folder in use, where the user deleted a standard file, and a new one that already holds a picture.
    std::filesystem::create_directories(home.Path() / "used");
    home.Write("used/Tessella.ini", "[Tessella]\r\nRelease=1.00\r\n");
    ASSERT_TRUE(ProgramFolder::Seed(QString::fromStdString(home.File("used")), source, &reason));
    EXPECT_EQ(home.Read("used/Tessella.ini"), "[Tessella]\r\nRelease=1.00\r\n");
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "used" / "Standard.tsb"));

    std::filesystem::create_directories(home.Path() / "new" / "Picture" / "Face");
    home.Write("new/Picture/Face/Face00_0.bmp", "mine");
    ASSERT_TRUE(ProgramFolder::Seed(QString::fromStdString(home.File("new")), source, &reason))
        << reason.toStdString();
    EXPECT_EQ(home.Read("new/Tessella.ini"), "[Tessella]\r\nRelease=1.10\r\n");
    EXPECT_EQ(home.Read("new/Standard.tsb"), "standard");
    EXPECT_EQ(home.Read("new/Picture/Face/Face00_0.bmp"), "mine") << "a file already there is kept";

    // The content is the first candidate holding settings.
    const QString none = QString::fromStdString(home.Path().string());
    EXPECT_EQ(ProgramFolder::FindContent({QString(), none, source}), source);
    EXPECT_TRUE(ProgramFolder::FindContent({none}).isEmpty());
}

TEST(ProgramFolder, DefaultFollowsXdgDataHome)
{
    qputenv("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(ProgramFolder::DefaultPath().toStdString(), "/somewhere/data/tessella");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(ProgramFolder::DefaultPath().endsWith(QStringLiteral("/.local/share/tessella")));
}
