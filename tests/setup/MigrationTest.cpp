#include "setup/Migration.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Outcome = Migration::Outcome;

// An old set file as a person may have edited it: a comment, LF line ends.
const std::string kOldSet = "; my boards\n[Board_000]\nName=Old\n";

class MigrationTest : public InProgramFolder {
protected:
    // The files but the settings, those in Sets last, each one not holding kOldSet marked with '*'.
    std::string Files() const
    {
        std::string text;
        for (const std::string folder : {"", "Sets/"}) {
            for (const std::string& name : dir_.Names(folder)) {
                const std::string path = folder + name;
                if (fs::is_regular_file(dir_.Path() / path) && path != "Tessella.ini")
                    text += path + (dir_.Read(path) == kOldSet ? " " : "* ");
            }
        }
        return text;
    }
};

TEST_F(MigrationTest, OldReleasesCopyEachRegisteredFileKeepOrReportItAndRecordTheNewRelease)
{
    const std::string longest(Migration::kMaxFileName - 1, 'a');
    const std::string tooLong(Migration::kMaxFileName, 'a');
    const std::string release = "[Tessella]\r\nRelease=1.10\r\n";
    const struct {
        const char* what;
        std::vector<std::string> files;  // written before: kOldSet, or other bytes when marked with '*'
        std::string settings, settingsAfter;
        std::vector<Outcome> outcomes;
        std::string filesAfter;
        const char* note;
    } cases[] = {
        {"copied byte for byte", {"Standard.ts"},
         "[Tessella]\r\nBaseTimer=40\r\nRelease=1.05\r\n[BoardSet]\r\nS=Standard.ts\r\n[BrainSet]\r\nS=Standard.ts\r\n",
         "[Tessella]\r\nBaseTimer=40\r\nRelease=1.10\r\n[BoardSet]\r\nS=Standard.tsb\r\n[BrainSet]\r\nS=Standard.tsp\r\n",
         {Outcome::Copied, Outcome::Copied}, "Standard.ts Standard.tsb Standard.tsp ", "Release 1.05 -> Release 1.10"},
        {"current release", {"Standard.ts"}, release + "[BoardSet]\r\nS=Standard.ts\r\n",
         release + "[BoardSet]\r\nS=Standard.ts\r\n", {}, "Standard.ts ", "Release 1.10 -> Release 1.10"},
        {"no settings file", {}, "", release, {}, "", "Release 1.00 -> Release 1.10"},
        {"names already current", {"Mine.tsb", "Mine.TSP"},
         "[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n",
         "[BoardSet]\r\nA=Mine.tsb\r\nB=Mine.TSP\r\n[BrainSet]\r\nC=Mine.TSP\r\n" + release,
         {Outcome::AlreadyCurrent, Outcome::AlreadyCurrent, Outcome::AlreadyCurrent}, "Mine.TSP Mine.tsb ", "新規"},
        {"a missing file keeps its registration", {"Here.ts"},
         "[Tessella]\r\nRelease=1.00\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.ts\r\n",
         "[Tessella]\r\nRelease=1.10\r\n[BoardSet]\r\nGone=Gone.ts\r\nHere=Here.tsb\r\n",
         {Outcome::Missing, Outcome::Copied}, "Here.ts Here.tsb ", "Gone.ts が読めないため、「Gone」"},
        {"an existing target is kept and registered", {"Old.ts", "Old.tsb*", "Gone.tsp*"},
         "[BoardSet]\r\nOld=Old.ts\r\n[BrainSet]\r\nGone=Gone.ts\r\n",
         "[BoardSet]\r\nOld=Old.tsb\r\n[BrainSet]\r\nGone=Gone.tsp\r\n" + release,
         {Outcome::KeptExisting, Outcome::KeptExisting}, "Gone.tsp* Old.ts Old.tsb* ", "Gone.tsp は既にある"},
        // Host file names are limited to 255 bytes, so neither file can exist; only the outcome differs.
        {"a name too long", {}, "[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong + "\r\n",
         "[BoardSet]\r\nFits=" + longest + "\r\nLong=" + tooLong + "\r\n" + release,
         {Outcome::Missing, Outcome::TooLong}, "", "長すぎる"},
        {"copied beside a file registered with other case", {"Sets/My.ts"}, "[BrainSet]\r\nMy=sets\\my.ts\r\n",
         "[BrainSet]\r\nMy=sets\\my.tsp\r\n" + release, {Outcome::Copied}, "Sets/My.ts Sets/My.tsp ", "Release 1.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_.Path()))
            fs::remove_all(entry.path());
        fs::create_directory("Sets");
        for (const std::string& name : c.files)
            dir_.Write(name.substr(0, name.find('*')), name.back() == '*' ? "newer" : kOldSet);
        if (!c.settings.empty())
            dir_.Write("Tessella.ini", c.settings);
        const Migration::Report report = Migration::Run();
        EXPECT_EQ(dir_.Read("Tessella.ini"), c.settingsAfter);
        std::vector<Outcome> outcomes;
        for (const Migration::SetFile& file : report.files)
            outcomes.push_back(file.outcome);
        EXPECT_EQ(outcomes, c.outcomes);
        EXPECT_EQ(Files(), c.filesAfter);
        EXPECT_TRUE(Migration::Notes(report).join('\n').contains(QString::fromUtf8(c.note)));
    }
}

}  // namespace
