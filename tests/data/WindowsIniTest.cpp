#include "data/WindowsIni.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
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

TEST(WindowsIniRead, EachLineSyntaxGivesItsShape)
{
    const std::string name510(510, 'n');
    const std::string x5000(5000, 'x');
    const std::string tailHeader = std::string(2045, 'a') + "[Evil]";
    // 標準, then 表, ソ, ー and ゾ, whose second bytes are backslashes, '[' and ']'.
    const std::string standard = "\x95\x57\x8f\x80", hyo = "\x95\x5c", so = "\x83\x5c", dash = "\x81\x5b", zo = "\x83\x5d";
    const struct {
        const char* what;
        std::string text;
        std::string shape;
        int dropped = 0;  // key lines outside any open section
        int firstDropped = 0;
    } cases[] = {
        {"a key line splits at the first '=' and every comma",
         "[S]\nTitle=Board, by me\nk = v\n=nameless\nempty=\nlead=,a\ntrail=a,\neq=a=b\nx,y=1\n",
         "[S] Title=<Board>< by me> k =< v> =<nameless> empty=<> lead=<><a> trail=<a><> eq=<a=b> x,y=<1>"},
        {"comments, blank lines and lines without '=' are dropped",
         "; heading\nbefore=first section\n[S] trailing text\n\na=1;note\nb=x!y,z\n;c=3\n  !d=4\nstray text\ne=5 ; spaced\n",
         "[S] a=<1> b=<x> e=<5 >", 1, 2},
        {"headers: indented only before any section, empty, long, commented",
         "  junk [A][B] more\na=1\n  [Indented]\n  [I]=2\n[]\n[Empty]\n[" + name510 + "]\n[a;b]\nlost=1\n[" + name510 +
             "x]\nlost=2\n[Last]\nz=9\n[Unclosed\nlost=3\n",
         "[A] a=<1>   [I]=<2> [] [Empty] [" + name510 + "] [Last] z=<9>", 3, 9},
        {"duplicate sections and keys are kept", "[A]\nx=1\n[B]\nk=b\n[A]\nk=2\nk=3\n[A]\nk=4,5\n",
         "[A] x=<1> [B] k=<b> [A] k=<2> k=<3> [A] k=<4><5>"},
        {"last line without line end", "[S]\r\nk=v", "[S] k=<v>"},
        {"header alone", "[S]", "[S]"},
        {"empty file", "", ""},
        {"CR LF", "[S]\r\na=1,2\r\n\r\n[T]\r\nb=\r\n", "[S] a=<1><2> [T] b=<>"},
        {"only the CR right before LF ends the line", "[S]\na=x\ry\nb=v\r\r\nc=w\r", "[S] a=<x\ry> b=<v\r> c=<w\r>"},
        // Were a line cut at 2047 bytes, the tail of t would start with a header.
        {"long lines are read whole", std::string(300, ';') + "[Early]\n[S]\nk=" + x5000 + "\nt=" + tailHeader + "\n",
         "[S] k=<" + x5000 + "> t=<" + tailHeader + ">"},
        {"double-byte names keep their bytes",
         "[" + standard + "]\n" + standard + "=" + hyo + ".tsb," + so + dash + "\n" + zo + hyo + "=" + dash + zo + "\n",
         "[" + standard + "] " + standard + "=<" + hyo + ".tsb><" + so + dash + "> " + zo + hyo + "=<" + dash + zo + ">"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowsIni ini = Load(dir, c.text);
        EXPECT_EQ(Shape(ini), c.shape);
        EXPECT_EQ(ini.Dropped().count, c.dropped);
        EXPECT_EQ(ini.Dropped().firstLine, c.firstDropped);
    }
}

TEST(WindowsIniChange, LookupsTakeTheFirstMatchAndChangesAndRemovalsFollowTheSlotRules)
{
    TempDir dir;
    WindowsIni missing(dir.File("new.ini"));
    EXPECT_EQ(missing.GetString("S", "k", 0, "dflt"), "dflt");
    EXPECT_EQ(missing.GetInt("S", "k", 0, 55), 55);
    EXPECT_EQ(missing.KeyCount("S"), -1);
    EXPECT_EQ(missing.SetValue("S", "k", "v", 3), 0);
    EXPECT_EQ(missing.Write(), 0);
    EXPECT_EQ(dir.Read("new.ini"), "[S]\r\nk=v\r\n");

    WindowsIni ini = Load(dir, "[S]\nk = v\nempty=\na=1\nb=x,y\n[A]\nx=1\n[A]\nk=2,9\n");
    EXPECT_EQ(ini.FindValue("S", "k", 0), nullptr) << "the key name keeps its blank";
    EXPECT_EQ(ini.GetString("S", "empty", 0, "dflt"), "");
    EXPECT_EQ(ini.GetInt("S", "empty", 0, 9), 9);
    // The first key found decides; changes go to the first section of the name.
    EXPECT_EQ(ini.GetString("A", "k", 1, "(none)"), "9");
    EXPECT_EQ(ini.KeyCount("A"), 1);
    ini.AddValue("A", "k", "new");
    ini.AddValue("S", "a", "2");
    ini.AddValue("S", "c", "3");
    ini.AddValue("New", "k", "v");
    ini.SetValue("S", "b", "Y", 1);
    ini.SetValue("S", "b", "z", 2);
    ini.SetValue("S", "b", "far", 9);  // past the end appends instead of leaving a hole
    ini.SetValue("S", "d", "first", 5);
    ini.SetValue("Other", "k", "only", 7);
    EXPECT_EQ(Shape(ini), "[S] k =< v> empty=<> a=<1><2> b=<x><Y><z><far> c=<3> d=<first> [A] x=<1> k=<new> "
                          "[A] k=<2><9> [New] k=<v> [Other] k=<only>");

    // GetInt takes the leading number and clamps it to the int range.
    const WindowsIni numbers = Load(dir, "[S]\nv=12abc,  -7,+5, \t42,abc,-,  ,2147483647,2147483648,-2147483648,"
                                         "-99999999999999999999,99999999999999999999,0x10, - 3\n");
    const int expected[] = {12, -7, 5, 42, -1, -1, -1, INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, -1};
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(numbers.GetInt("S", "v", i, -1), expected[i]);
    }

    // Removed slots stay empty; only headers and keys are written, with CR LF.
    ini = Load(dir, "; settings\n[A]\nk=1\nk=2\nj=3 ; old\nnoise\n[B]\nx=1\n=e\n[A]\nm=4\n[C]\nd=4\n[D]\ny=1\n");
    EXPECT_EQ(ini.Remove("A", "k"), 0);
    EXPECT_EQ(ini.KeyCount("A"), 3);
    EXPECT_EQ(ini.KeyNameAt("A", 0), nullptr);
    EXPECT_EQ(ini.GetString("A", "k", 0, "(none)"), "2");
    EXPECT_EQ(ini.Remove("Missing", "k"), 0);
    ini.Remove("B", "x");
    ini.AddValue("B", "x", "5");
    ini.Remove("C");
    ini.Remove("D", "y");
    auto extra = std::make_unique<Section>("U");
    extra->AddKey(std::make_unique<Keyword>("bare"));
    ini.AddSection(std::move(extra));
    ASSERT_EQ(ini.Write(), 0);
    EXPECT_EQ(dir.Read("t.ini"), "[A]\r\nk=2\r\nj=3 \r\n[B]\r\n=e\r\nx=5\r\n[A]\r\nm=4\r\n[D]\r\n[U]\r\nbare=\r\n");

    EXPECT_EQ(ini.Remove("A"), 0);
    EXPECT_EQ(ini.SectionCount(), 6) << "the removed section's slot stays, empty";
    EXPECT_EQ(ini.KeyCount("A"), 1);
    EXPECT_EQ(Shape(ini), "[B] =<e> x=<5> [A] m=<4> [D] [U] bare=");
}

TEST(WindowsIniWrite, LostLinesAreKeptFailedWritesLeaveTheTargetGoodOnesReplaceItBehindALinkAndNoTemporaryStays)
{
    TempDir dir;
    dir.Write("old.ini", "[Old]\r\nk=1\r\n");
    dir.Write("t.ini.bak", "older copy");
    const std::string broken = "[New]\nk=2\n[Broken\nlost=1\n";
    WindowsIni ini = Load(dir, broken);
    // Above the largest process number Linux hands out, so no writer of that number runs.
    const pid_t dead = 4194305;
    // Temporaries of dead writers of this file go; those of the living, of other files or misnamed stay.
    std::vector<std::string> kept = {".t.ini.tmp" + std::to_string(getppid()) + "-1",
                                     ".other.ini.tmp" + std::to_string(dead) + "-1", ".t.ini.tmp" + std::to_string(dead),
                                     ".t.ini.tmpx" + std::to_string(dead) + "-1", "t.ini.tmp" + std::to_string(dead) + "-1"};
    for (const std::string& name : kept)
        dir.Write(name, "x");
    dir.Write(".t.ini.tmp" + std::to_string(dead) + "-42", "x");
    // A write that loses dropped lines keeps the original under a free name, once.
    std::string copy;
    ASSERT_EQ(ini.WriteKeepingCopy(&copy), 0);
    EXPECT_EQ(copy, dir.File("t.ini.2.bak"));
    EXPECT_EQ(dir.Read("t.ini.2.bak"), broken);
    EXPECT_EQ(dir.Read("t.ini.bak"), "older copy");
    ASSERT_EQ(ini.WriteKeepingCopy(&copy), 0);
    EXPECT_EQ(copy, "");

    EXPECT_EQ(ini.WriteTo(dir.File("missing/x.ini")), 1);

    fs::create_directory(dir.Path() / "folder");
    dir.Write("folder/inside", "kept");
    EXPECT_EQ(ini.WriteTo(dir.File("folder")), 1);
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
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(dir.Read("old.ini"), "[Old]\r\nk=1\r\n");

    dir.Write("real.ini", "[S]\r\nk=1\r\n");
    fs::permissions(dir.Path() / "real.ini", fs::perms(0640));
    fs::create_symlink("real.ini", dir.Path() / "link.ini");
    ASSERT_EQ(ini.WriteTo(dir.File("link.ini")), 0);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.ini"));
    EXPECT_EQ(dir.Read("real.ini").substr(0, 12), "[New]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(dir.Path() / "real.ini").permissions(), fs::perms(0640));

    kept.insert(kept.end(), {"folder", "link.ini", "old.ini", "real.ini", "t.ini", "t.ini.2.bak", "t.ini.bak"});
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(dir.Names(), kept);
}

}  // namespace
