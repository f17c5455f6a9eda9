#include "data/BoardStyle.h"
#include "data/SetEntries.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/MatchGame.h"
#include "players/Player.h"
#include "support/TempDir.h"
#include "support/TextMatch.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Runs each test inside the program folder built from content/, as the game does, and fails it when the
// picture loader could not read a picture meanwhile.
class StandardContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(TESSELLA_CONTENT_DIR);
        PictureLoader::ClearCache();
        PictureLoader::SetFailureReporter([this](const QString& path, const QString& reason) {
            failures_.push_back((path + ": " + reason).toStdString());
        });
    }

    void TearDown() override
    {
        PictureLoader::SetFailureReporter({});
        std::filesystem::current_path(previousFolder_);
        EXPECT_EQ(failures_, std::vector<std::string>()) << "pictures the loader could not read";
    }

private:
    std::filesystem::path previousFolder_;
    std::vector<std::string> failures_;
};

std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// CP932 text for a constant written here in UTF-8.
std::string Sjis(const std::string& utf8)
{
    std::string cp932;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &cp932)) << utf8;
    return cp932;
}

// The sections of the boards or players of a set file, in order.
std::vector<std::string> Sections(const std::string& setFile, SetEntries::Kind kind)
{
    std::vector<std::string> sections;
    for (int n = 0; n < SetEntries::Count(setFile, kind); ++n)
        sections.push_back(SetEntries::SectionName(kind, n));
    return sections;
}

// Every strategy code the player's profile plays with at some move count.
std::set<int> CodesPlayed(const Player& player)
{
    std::set<int> codes;
    for (int moveCount = 0; moveCount <= 72; ++moveCount) {
        for (const int code : player.CodesFor(moveCount))
            codes.insert(code);
    }
    return codes;
}

// Loads one board of a set and checks it as the game shows it: pictures, kinds and frames.
void ExpectCompleteBoard(BoardStyle& style, const std::string& setFile, const std::string& section)
{
    SCOPED_TRACE(setFile + " " + section);
    ASSERT_EQ(style.Load(setFile, section), 0);
    EXPECT_EQ(style.BoardPicture().size(), QSize(400, 400));
    EXPECT_EQ(style.BorderPicture().size(), QSize(400, 400));
    EXPECT_FALSE(style.Title().empty());
    EXPECT_GT(style.IntervalTime(), 0);
    EXPECT_EQ(style.KindCount1st(), style.KindCount2nd());
    EXPECT_EQ(style.FrameCount1st(), style.FrameCount2nd());
    const bool picture = style.BoardType() == BoardStyle::kTypePicture;
    const int cell = picture ? BoardStyle::kSquare : 32;
    EXPECT_EQ(style.NoFloatPicture().size(), QSize(cell, cell));
    for (int side = 1; side <= 2; ++side)
        for (int kind = 0; kind < style.KindCount(side); ++kind)
            for (int frame = 0; frame < style.FrameCount(side); ++frame)
                EXPECT_EQ((side == 1 ? style.FloatPicture1st(kind, frame) : style.FloatPicture2nd(kind, frame)).size(),
                          QSize(cell, cell)) << "side " << side << " kind " << kind << " frame " << frame;
    if (picture) {
        EXPECT_EQ(style.Board1stPicture().size(), QSize(400, 400));
        EXPECT_EQ(style.Board2ndPicture().size(), QSize(400, 400));
        EXPECT_EQ(style.KindCount1st(), 76);
        EXPECT_EQ(style.FrameCount1st(), 1);
    } else {
        EXPECT_GE(style.KindCount1st(), style.BoardType() == BoardStyle::kTypeRandom ? 2 : 1);
        EXPECT_GE(style.FrameCount1st(), 5);
    }
}

// Loads one player and checks it as the game shows and plays it. In the file every text is a single value
// (no comma) and every strategy value is empty or a keyword the loader knows: a typo would silently mean none.
void ExpectCompletePlayer(Player& player, const std::string& setFile, const std::string& section)
{
    SCOPED_TRACE(setFile + " " + section);
    ASSERT_EQ(player.Load(setFile, section), 0);
    for (int face = 0; face < Player::kFaces; ++face)
        EXPECT_EQ(player.Face(face).size(), QSize(100, 100)) << "face " << face;
    // At every move count a phase applies whose limit reaches it and which names a strategy that votes.
    for (int moveCount = 0; moveCount <= 72; ++moveCount) {
        const int phase = player.PhaseFor(moveCount);
        ASSERT_GE(phase, 0) << "move " << moveCount;
        EXPECT_GE(player.Limit(phase), moveCount) << "move " << moveCount;
        const std::array<int, 3> codes = player.CodesFor(moveCount);
        EXPECT_TRUE(std::any_of(codes.begin(), codes.end(),
                                [](int code) { return code > Brain::kCodeUser && code <= Brain::kCodeDeepRead; }))
            << "move " << moveCount;
    }
    const WindowsIni ini(setFile);
    for (const char* key : {"Name", "Author", "Comment", "Stretch"}) {
        const std::string* value = ini.FindValue(section, key, 0);
        EXPECT_TRUE(value != nullptr && !value->empty() && ini.FindValue(section, key, 1) == nullptr) << key;
    }
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        char key[32];
        std::snprintf(key, sizeof key, "Brain_%02d", phase);
        for (int slot = 1; slot <= Player::kSlots; ++slot) {
            const std::string* value = ini.FindValue(section, key, slot);
            ASSERT_NE(value, nullptr) << key << " value " << slot;
            EXPECT_TRUE(value->empty() || Brain::StrategyCode(*value) != 0) << key << " " << *value;
        }
        EXPECT_EQ(ini.FindValue(section, key, Player::kSlots + 1), nullptr) << key;
    }
}

}  // namespace

TEST_F(StandardContent, EveryStandardBoardLoadsWithAllItsPictures)
{
    std::set<int> types;
    for (const std::string& section : Sections("Standard.tsb", SetEntries::Kind::Board)) {
        BoardStyle style;
        ExpectCompleteBoard(style, "Standard.tsb", section);
        types.insert(style.BoardType());
    }
    EXPECT_EQ(types, (std::set<int>{BoardStyle::kTypeNormal, BoardStyle::kTypeRandom, BoardStyle::kTypePicture}));
}

// The demonstration players too; only one player is meant for the user's side (the settings name it).
TEST_F(StandardContent, EveryStandardPlayerLoadsWithFacesAndAPlayableProfile)
{
    std::vector<std::string> sections = Sections("Standard.tsp", SetEntries::Kind::Player);
    ASSERT_GE(sections.size(), 9u);
    sections.insert(sections.end(), {"Demo_000", "Demo_001"});
    std::set<std::string> names;
    int userPlayers = 0;
    for (const std::string& section : sections) {
        Player player(nullptr, nullptr, 0);
        ExpectCompletePlayer(player, "Standard.tsp", section);
        EXPECT_TRUE(names.insert(player.Name()).second) << "name used twice: " << TextCodec::ToUtf8(player.Name());
        EXPECT_EQ(player.Author(), Sjis("Tessella 制作チーム")) << section;
        userPlayers += (CodesPlayed(player).count(Brain::kCodeUser) != 0) ? 1 : 0;
    }
    EXPECT_EQ(userPlayers, 1);
    EXPECT_EQ(WindowsIni("Standard.tsp").GetString("BrainSet", "Name", 0, ""), Sjis("標準"));
}

// A set made from the template holds its one board and one player; the set name comes from the dialog that
// makes the set, never from the template.
TEST_F(StandardContent, TemplateHoldsOneBoardAndOnePlayerAndNoSetName)
{
    BoardStyle style;
    ExpectCompleteBoard(style, "Base.ts", "Board_000");
    Player player(nullptr, nullptr, 0);
    ExpectCompletePlayer(player, "Base.ts", "Brain_000");
    EXPECT_EQ(Sections("Base.ts", SetEntries::Kind::Board), std::vector<std::string>{"Board_000"});
    EXPECT_EQ(Sections("Base.ts", SetEntries::Kind::Player), std::vector<std::string>{"Brain_000"});
    const WindowsIni ini("Base.ts");
    EXPECT_EQ(ini.KeyCount("BoardSet"), -1);
    EXPECT_EQ(ini.KeyCount("BrainSet"), -1);
}

TEST_F(StandardContent, SettingsPointAtRegisteredSetsAndExistingChoices)
{
    const WindowsIni ini("Tessella.ini");
    const auto setting = [&ini](const std::string& key) { return ini.GetString("Tessella", key, 0, ""); };
    const std::string standard = Sjis("標準");
    // A release below 1.10 would run the migration on the very first start.
    EXPECT_EQ(setting("Release"), "1.10");
    EXPECT_EQ(setting("DefaultBoardSet"), standard);
    EXPECT_EQ(ini.GetString("BoardSet", standard, 0, ""), "Standard.tsb");
    const std::vector<std::string> boards = Sections("Standard.tsb", SetEntries::Kind::Board);
    EXPECT_NE(std::find(boards.begin(), boards.end(), setting("DefaultBoardName")), boards.end());
    EXPECT_EQ(ini.GetString("BrainSet", standard, 0, ""), "Standard.tsp");
    // User against computer: the first side is the user's player, the second a computer.
    EXPECT_EQ(setting("WarType"), "UserVsComp");
    const std::vector<std::string> players = Sections("Standard.tsp", SetEntries::Kind::Player);
    for (const std::string prefix : {"Default", "1st", "2nd"}) {
        SCOPED_TRACE(prefix);
        EXPECT_EQ(setting(prefix + "BrainSet"), standard);
        const std::string section = setting(prefix + "BrainName");
        ASSERT_NE(std::find(players.begin(), players.end(), section), players.end()) << section;
        Player player(nullptr, nullptr, 0);
        player.Load("Standard.tsp", section);
        EXPECT_TRUE(prefix == "Default" || (CodesPlayed(player).count(Brain::kCodeUser) != 0) == (prefix == "1st"));
    }
    for (const char* key : {"UserPicture", "ComputerPicture"})
        EXPECT_EQ(PictureLoader::Load(HostPath::ToHostQ(setting(key))).size(), QSize(100, 20)) << key;
}

// Stored as the INI engine writes them (CR LF, no blank lines, a line end after the last line), in CP932.
TEST_F(StandardContent, SetFilesAreStoredExactlyAsTheIniEngineWritesThem)
{
    const TempDir folder;
    for (const char* name : {"Standard.tsb", "Standard.tsp", "Base.ts", "Tessella.ini"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadBytes(name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(TextCodec::ToUi(bytes).indexOf(QChar(0xFFFD)), -1) << "not CP932";
        ASSERT_EQ(WindowsIni(name).WriteTo(folder.File("copy")), 0);
        EXPECT_EQ(folder.Read("copy"), bytes) << "differs from what the INI engine writes";
    }
}

TEST_F(StandardContent, HelpDocumentsAreUtf8HtmlAndTheirLocalLinksResolve)
{
    // Every command caption is explained in each language as the program shows it; the English one comes from
    // the translation, which holds only captions the program still has.
    const std::pair<const char*, const char*> captions[] = {
        {"GameCycle", "ゲーム開始"}, {"GameCycle", "リプレイ"}, {"GameCycle", "中断"}, {"GameCycle", "継続"},
        {"GameCycle", "パス"}, {"TFormMain", "環境設定"}, {"GameCycle", "境界線を隠す"}, {"GameCycle", "終了"},
        {"TFormMain", "待った"}, {"TFormMain", "やり直し"}, {"TFormMain", "ヒント"}, {"TFormMain", "棋譜ウィンドウ"},
        {"TFormMain", "棋譜を開く..."}, {"TFormMain", "棋譜を保存..."}, {"TFormMain", "手順をコピー"},
        {"TFormMain", "手順を貼り付け"}, {"TFormStats", "成績"}, {"TFormRecord", "対局に戻る"},
        {"TFormRecord", "ここから対局"}, {"TFormRecord", "解析"}, {"TFormRecord", "解析中止"}, {"TFormStats", "リセット"},
    };
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/tessella_en.qm")));
    for (const bool inEnglish : {false, true}) {
        const char* document = inEnglish ? "Document\\TSReadme_en.htm" : "Document\\TSReadme.htm";
        SCOPED_TRACE(document);
        const std::string html = ReadBytes(HostPath::ToHost(document));
        ASSERT_FALSE(html.empty());
        const QString text = QString::fromUtf8(html);
        EXPECT_EQ(text.toUtf8().toStdString(), html) << "not UTF-8";
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const auto& [context, japanese] : captions) {
            const QString translated = english.translate(context, japanese);
            EXPECT_FALSE(translated.isEmpty()) << japanese << " is no caption of " << context;
            const QString caption = inEnglish ? translated : QString::fromUtf8(japanese);
            EXPECT_TRUE(text.contains(caption.toHtmlEscaped())) << caption.toStdString();
        }
        int links = 0;
        for (const auto& found : MatchAll(html, R"((?:href|src)="([^"#:]+)(?:#[^"]*)?")")) {
            const std::filesystem::path target = std::filesystem::path("Document") / found[1];
            EXPECT_TRUE(std::filesystem::exists(target)) << target;
            ++links;
        }
        EXPECT_GT(links, 0);
    }
}

// Each standard computer player against the one beginner who moves at random, a few games on each side.
TEST_F(StandardContent, StrongerStandardPlayersBeatTheRandomOne)
{
    std::vector<std::unique_ptr<Player>> opponents;
    std::unique_ptr<Player> random;
    for (const std::string& section : Sections("Standard.tsp", SetEntries::Kind::Player)) {
        auto player = std::make_unique<Player>(nullptr, nullptr, 0);
        player->Load("Standard.tsp", section);
        const std::set<int> codes = CodesPlayed(*player);
        if (codes.count(Brain::kCodeUser) != 0)
            continue;
        if (!std::all_of(codes.begin(), codes.end(), [](int code) { return code == 0 || code == Brain::kCodeRandom; }))
            opponents.push_back(std::move(player));
        else if (random == nullptr)
            random = std::move(player);
        else
            FAIL() << "more than one player moves at random";
    }
    ASSERT_NE(random, nullptr);
    ASSERT_GE(opponents.size(), 7u);

    // Searching players think a few thousand nodes a move: quick, and the same on any machine.
    SearchBudget budget;
    budget.moveTimeMs = 2;
    budget.fixedRate = true;
    std::uint32_t seed = 20240601;
    const int perSide = 200 / static_cast<int>(opponents.size()) / 2;
    int opponentWins = 0;
    int randomWins = 0;
    for (const auto& player : opponents) {
        SCOPED_TRACE(player->SectionName());
        int wins = 0;
        for (int game = 0; game < perSide; ++game) {
            const MatchGame::Result asFirst = MatchGame::Play(*player, *random, {}, ++seed, budget, budget);
            const MatchGame::Result asSecond = MatchGame::Play(*random, *player, {}, ++seed, budget, budget);
            EXPECT_EQ(asFirst.pieces1st + asFirst.pieces2nd,
                      4 + std::count_if(asFirst.moves.begin(), asFirst.moves.end(), [](int move) { return move >= 0; }));
            wins += (asFirst.pieces1st > asFirst.pieces2nd) + (asSecond.pieces2nd > asSecond.pieces1st);
            randomWins += (asFirst.pieces1st < asFirst.pieces2nd) + (asSecond.pieces2nd < asSecond.pieces1st);
        }
        opponentWins += wins;
        // The documentation's table of the standard players quotes these lines.
        std::printf("%-9s won %2d of %d against random moves  %s\n", player->SectionName().c_str(), wins, 2 * perSide,
                    TextCodec::ToUtf8(player->Name()).c_str());
        const std::set<int> codes = CodesPlayed(*player);
        EXPECT_TRUE(codes.count(Brain::kCodeTakeCorners) + codes.count(Brain::kCodeKeepOffCorners) == 0 || wins > perSide)
            << "a player that minds the corners should beat random moves";
        const std::array<int, 3> opening = player->CodesFor(0);
        EXPECT_TRUE(std::find(opening.begin(), opening.end(), Brain::kCodeKeepOffCorners) == opening.end() ||
                    5 * wins >= 4 * 2 * perSide)
            << "guarding corners from the first move should win 4 in 5";
    }
    EXPECT_GT(opponentWins, 2 * randomWins);
}
