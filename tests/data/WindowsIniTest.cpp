#include "data/WindowsIni.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

WindowsIni Load(const TempDir& dir, const std::string& bytes)
{
    dir.Write("t.ini", bytes);
    return WindowsIni(dir.File("t.ini"));
}

// The walk a caller sees, as text: "[S] k=<a><b> [T]"; empty slots are skipped.
std::string Shape(const WindowsIni& ini)
{
    std::string text;
    for (int s = 0; s < ini.SectionCount(); ++s) {
        const Section* section = ini.SectionAt(s);
        if (section == nullptr)
            continue;
        text += (text.empty() ? "[" : " [") + section->Name() + "]";
        for (int k = 0; k < section->KeyCount(); ++k) {
            const Keyword* keyword = section->KeyAt(k);
            if (keyword == nullptr)
                continue;
            text += " " + keyword->Name() + "=";
            for (int v = 0; v < keyword->Count(); ++v)
                text += "<" + *keyword->At(v) + ">";
        }
    }
    return text;
}

std::string Value(const WindowsIni& ini, const std::string& section, const std::string& key, int index)
{
    const std::string* value = ini.FindValue(section, key, index);
    return value ? *value : "(none)";
}

TEST(WindowsIniRead, MissingFileGivesDefaultsAndWriteCreatesIt)
{
    TempDir dir;
    WindowsIni ini(dir.File("new.ini"));
    EXPECT_EQ(ini.GetString("S", "k", 0, "dflt"), "dflt");
    EXPECT_EQ(ini.GetInt("S", "k", 0, 55), 55);
    EXPECT_EQ(ini.KeyCount("S"), -1);
    EXPECT_EQ(ini.KeyNameAt("S", 0), nullptr);

    EXPECT_EQ(ini.SetValue("S", "k", "v", 3), 0);
    EXPECT_EQ(ini.Write(), 0);
    EXPECT_EQ(dir.Read("new.ini"), "[S]\r\nk=v\r\n");
}

TEST(WindowsIniRead, EachLineSyntaxGivesItsShape)
{
    const std::string name510(510, 'n');
    const struct {
        const char* what;
        std::string text;
        std::string shape;
    } cases[] = {
        {"a key line splits at the first '=' and every comma",
         "[S]\nTitle=Board, by me\nk = v\n=nameless\nempty=\nlead=,a\ntrail=a,\neq=a=b\nx,y=1\n",
         "[S] Title=<Board>< by me> k =< v> =<nameless> empty=<> lead=<><a> trail=<a><> eq=<a=b> x,y=<1>"},
        {"comments, blank lines and lines without '=' are dropped",
         "; heading\nbefore=first section\n[S] trailing text\n\na=1;note\nb=x!y,z\n;c=3\n  !d=4\nstray text\ne=5 ; spaced\n",
         "[S] a=<1> b=<x> e=<5 >"},
        {"headers: indented only before any section, empty, long, commented",
         "  junk [A][B] more\na=1\n  [Indented]\n  [I]=2\n[]\n[Empty]\n[" + name510 + "]\n[a;b]\nlost=1\n[" + name510 +
             "x]\nlost=2\n[Last]\nz=9\n",
         "[A] a=<1>   [I]=<2> [] [Empty] [" + name510 + "] [Last] z=<9>"},
        {"duplicate sections and keys are kept", "[A]\nx=1\n[B]\nk=b\n[A]\nk=2\nk=3\n[A]\nk=4,5\n",
         "[A] x=<1> [B] k=<b> [A] k=<2> k=<3> [A] k=<4><5>"},
        {"last line without line end", "[S]\r\nk=v", "[S] k=<v>"},
        {"header alone", "[S]", "[S]"},
        {"empty file", "", ""},
        {"CR LF", "[S]\r\na=1,2\r\n\r\n[T]\r\nb=\r\n", "[S] a=<1><2> [T] b=<>"},
        {"LF alone", "[S]\na=1,2\n\n[T]\nb=\n", "[S] a=<1><2> [T] b=<>"},
        {"only the CR right before LF ends the line", "[S]\na=x\ry\nb=v\r\r\nc=w\r", "[S] a=<x\ry> b=<v\r> c=<w\r>"},
    };
    TempDir dir;
    for (const auto& c : cases)
        EXPECT_EQ(Shape(Load(dir, c.text)), c.shape) << c.what;

    WindowsIni ini = Load(dir, "[S]\nk = v\nempty=\n[A]\nx=1\n[A]\nk=2,9\n");
    EXPECT_EQ(ini.FindValue("S", "k", 0), nullptr) << "the key name keeps its blank";
    EXPECT_EQ(ini.GetString("S", "empty", 0, "dflt"), "");
    EXPECT_EQ(ini.GetInt("S", "empty", 0, 9), 9);
    // The first key found decides; changes go to the first section of the name.
    EXPECT_EQ(Value(ini, "A", "k", 1), "9");
    EXPECT_EQ(ini.KeyCount("A"), 1);
    ini.AddValue("A", "k", "new");
    EXPECT_EQ(Value(ini, "A", "k", 0), "new");
    EXPECT_EQ(ini.FindValue("A", "k", 1), nullptr);
    EXPECT_EQ(*ini.KeyNameAt("A", 1), "k");
}

TEST(WindowsIniRead, KeyLinesOutsideAnyOpenSectionAreCountedAsDropped)
{
    struct Case {
        const char* text;
        int count;
        int firstLine;
    };
    const Case cases[] = {
        {"[S]\na=1\n; c=1\nstray\n", 0, 0},
        {"a=1\n[S]\nb=2\n", 1, 1},
        {"[S]\na=1\n[Broken section\nb=2\nc=3;x\n[T]\nd=4\n", 2, 4},
        {"[S]\r\n[a;b]\r\n;x=1\r\nk=v", 1, 4},
    };
    TempDir dir;
    for (const Case& c : cases) {
        WindowsIni ini = Load(dir, c.text);
        EXPECT_EQ(ini.Dropped().count, c.count) << c.text;
        EXPECT_EQ(ini.Dropped().firstLine, c.firstLine) << c.text;
    }
}

TEST(WindowsIniWrite, AWriteThatLosesDroppedLinesKeepsTheOriginalUnderAFreeName)
{
    TempDir dir;
    const std::string broken = "[S]\r\n[Broken\r\nlost=1\r\n";
    dir.Write("t.ini.bak", "older copy");
    WindowsIni ini = Load(dir, broken);
    std::string copy;
    ASSERT_EQ(ini.WriteKeepingCopy(&copy), 0);
    EXPECT_EQ(copy, dir.File("t.ini.2.bak"));
    EXPECT_EQ(dir.Read("t.ini.2.bak"), broken);
    EXPECT_EQ(dir.Read("t.ini.bak"), "older copy");
    EXPECT_EQ(ini.Dropped().count, 0);

    ini.SetValue("S", "k", "2", 0);
    ASSERT_EQ(ini.WriteKeepingCopy(&copy), 0);
    EXPECT_EQ(copy, "");
    EXPECT_FALSE(fs::exists(dir.Path() / "t.ini.3.bak"));
}

TEST(WindowsIniRead, LongLinesAreReadWhole)
{
    TempDir dir;
    const std::string longValue(5000, 'x');
    // Were the line cut at 2047 bytes, its tail would start with a header.
    const std::string tailHeader = std::string(2045, 'a') + "[Evil]";
    WindowsIni ini = Load(dir, ";" + std::string(300, 'c') + "[Early]\n"
                               "[S]\n"
                               "k=" + longValue + "\n"
                               "t=" + tailHeader + "\n"
                               "j=1\n");
    EXPECT_EQ(ini.SectionCount(), 1);
    EXPECT_EQ(Value(ini, "S", "k", 0), longValue);
    EXPECT_EQ(Value(ini, "S", "t", 0), tailHeader);
    EXPECT_EQ(ini.KeyCount("S"), 3);
}

TEST(WindowsIniRead, GetIntTakesTheLeadingNumberAndClamps)
{
    TempDir dir;
    WindowsIni ini = Load(dir, "[S]\nv=12abc,  -7,+5, \t42,abc,-,  ,2147483647,2147483648,-2147483648,"
                               "-99999999999999999999,99999999999999999999,0x10, - 3\n");
    const int expected[] = {12, -7, 5, 42, -1, -1, -1, INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, -1};
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        SCOPED_TRACE(Value(ini, "S", "v", i));
        EXPECT_EQ(ini.GetInt("S", "v", i, -1), expected[i]);
    }
}

TEST(WindowsIniChange, AddValueAndSetValueFollowTheSlotRules)
{
    TempDir dir;
    WindowsIni ini = Load(dir, "[S]\na=1\nb=x,y\n");
    ini.AddValue("S", "a", "2");
    ini.AddValue("S", "c", "3");
    ini.AddValue("New", "k", "v");
    ini.SetValue("S", "b", "Y", 1);
    ini.SetValue("S", "b", "z", 2);
    ini.SetValue("S", "b", "far", 9);   // past the end appends instead of leaving a hole
    ini.SetValue("S", "d", "first", 5);
    ini.SetValue("Other", "k", "only", 7);
    EXPECT_EQ(Shape(ini), "[S] a=<1><2> b=<x><Y><z><far> c=<3> d=<first> [New] k=<v> [Other] k=<only>");
}

TEST(WindowsIniChange, RemoveLeavesEmptySlots)
{
    TempDir dir;
    WindowsIni ini = Load(dir, "[A]\nk=1\nk=2\nj=3\n[B]\nx=1\n[A]\nm=4\n");
    EXPECT_EQ(ini.Remove("A", "k"), 0);
    EXPECT_EQ(ini.KeyCount("A"), 3);
    EXPECT_EQ(ini.KeyNameAt("A", 0), nullptr);
    EXPECT_EQ(Value(ini, "A", "k", 0), "2");
    EXPECT_EQ(ini.Remove("Missing", "k"), 0);

    EXPECT_EQ(ini.Remove("A"), 0);
    EXPECT_EQ(ini.SectionCount(), 3);
    EXPECT_EQ(ini.SectionAt(0), nullptr);
    EXPECT_EQ(ini.KeyCount("A"), 1);
    EXPECT_EQ(Shape(ini), "[B] x=<1> [A] m=<4>");
}

TEST(WindowsIniWrite, WritesHeadersAndKeysOnlyWithCarriageReturnLineFeed)
{
    TempDir dir;
    WindowsIni ini = Load(dir, "; settings\n[S]\n\na=1,2 ; old\nnoise\n[T]\n=e\n");
    auto extra = std::make_unique<Section>("U");
    extra->AddKey(std::make_unique<Keyword>("bare"));
    ini.AddSection(std::move(extra));
    ASSERT_EQ(ini.Write(), 0);
    EXPECT_EQ(dir.Read("t.ini"), "[S]\r\na=1,2 \r\n[T]\r\n=e\r\n[U]\r\nbare=\r\n");
}

TEST(WindowsIniWrite, RemovedKeysAndSectionsAreLeftOut)
{
    TempDir dir;
    WindowsIni ini = Load(dir, "[A]\na=1\nb=2\n[B]\nc=3\ne=6\n[C]\nd=4\n");
    ini.Remove("A", "a");
    ini.Remove("A", "b");
    ini.Remove("C");
    ini.Remove("B", "c");
    ini.AddValue("B", "c", "5");
    ASSERT_EQ(ini.Write(), 0);
    EXPECT_EQ(dir.Read("t.ini"), "[A]\r\n[B]\r\ne=6\r\nc=5\r\n");
}

TEST(WindowsIniWrite, DoubleByteTextRoundTripsByteForByte)
{
    TempDir dir;
    const std::string standard = "\x95\x57\x8f\x80";          // 標準
    const std::string table = "\x95\x5c";                      // 表: second byte is '\'
    const std::string soft = "\x83\x5c\x83\x74\x83\x67";      // ソフト
    const std::string dash = "\x81\x5b";                       // ー: second byte is '['
    const std::string zo = "\x83\x5d";                         // ゾ: second byte is ']'
    const std::string file = "[" + standard + "]\r\n"
                             + standard + "=" + table + ".tsb," + soft + dash + "\r\n"
                             + zo + table + "=" + dash + zo + "\r\n";
    dir.Write("j.ini", file);
    WindowsIni ini(dir.File("j.ini"));
    EXPECT_EQ(Value(ini, standard, standard, 0), table + ".tsb");
    EXPECT_EQ(Value(ini, standard, standard, 1), soft + dash);
    EXPECT_EQ(Value(ini, standard, zo + table, 0), dash + zo);
    ASSERT_EQ(ini.WriteTo(dir.File("copy.ini")), 0);
    EXPECT_EQ(dir.Read("copy.ini"), file);
}

TEST(WindowsIniWrite, FailedWriteLeavesTargetAndNoTemporary)
{
    TempDir dir;
    dir.Write("old.ini", "[Old]\r\nk=1\r\n");
    WindowsIni ini = Load(dir, "[New]\nk=2\n");

    EXPECT_EQ(ini.WriteTo(dir.File("missing/x.ini")), 1);
    EXPECT_FALSE(fs::exists(dir.Path() / "missing"));

    fs::create_directory(dir.Path() / "folder");
    dir.Write("folder/inside", "kept");
    EXPECT_EQ(ini.WriteTo(dir.File("folder")), 1);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "folder"));
    EXPECT_EQ(dir.Read("folder/inside"), "kept");

    // A write error halfway: the file size limit stops the temporary, the old file stays whole.
    ini.SetValue("New", "big", std::string(64 * 1024, 'b'), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(ini.WriteTo(dir.File("old.ini")));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(dir.Read("old.ini"), "[Old]\r\nk=1\r\n");

    int entries = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        entries += entry.path().filename().string().rfind(".", 0) == 0 ? 100 : 1;
    EXPECT_EQ(entries, 3);  // t.ini, old.ini, folder: no temporary left behind
}

TEST(WindowsIniWrite, RemovesTemporariesOfDeadWritersOfThatFileOnly)
{
    TempDir dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::string dead = std::to_string(child);
    const std::string live = std::to_string(getppid());
    const std::string kept[] = {".t.ini.tmp" + live + "-1", ".other.ini.tmp" + dead + "-1", ".t.ini.tmp" + dead,
                                ".t.ini.tmpx" + dead + "-1", "t.ini.tmp" + dead + "-1"};
    const std::string removed[] = {".t.ini.tmp" + dead + "-1", ".t.ini.tmp" + dead + "-42"};
    for (const std::string& name : kept)
        dir.Write(name, "x");
    for (const std::string& name : removed)
        dir.Write(name, "x");

    WindowsIni ini = Load(dir, "[S]\nk=1\n");
    ASSERT_EQ(ini.Write(), 0);
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(dir.Path() / name)) << name;
    for (const std::string& name : removed)
        EXPECT_FALSE(fs::exists(dir.Path() / name)) << name;
}

TEST(WindowsIniWrite, ReplacesTheFileBehindALinkAndKeepsItsMode)
{
    TempDir dir;
    dir.Write("real.ini", "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(dir.File("real.ini").c_str(), 0640), 0);
    fs::create_symlink("real.ini", dir.Path() / "link.ini");

    WindowsIni ini(dir.File("link.ini"));
    ini.SetValue("S", "k", "2", 0);
    ASSERT_EQ(ini.Write(), 0);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.ini"));
    EXPECT_EQ(dir.Read("real.ini"), "[S]\r\nk=2\r\n");
    struct stat info {};
    ASSERT_EQ(stat(dir.File("real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}  // namespace
