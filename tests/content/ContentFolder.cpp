#include "ContentFolder.h"

#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/TextCodec.h"
#include "players/Player.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::string>& Failures()
{
    static std::vector<std::string> failures;
    return failures;
}

}  // namespace

void ContentFolder::SetUp()
{
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(TESSELLA_CONTENT_DIR);
    Failures().clear();
    PictureLoader::ClearCache();
    PictureLoader::SetFailureReporter([](const QString& path, const QString& reason) {
        Failures().push_back((path + ": " + reason).toStdString());
    });
}

void ContentFolder::TearDown()
{
    PictureLoader::SetFailureReporter({});
    std::filesystem::current_path(previousFolder_);
}

const std::vector<std::string>& ContentFolder::PictureFailures()
{
    return Failures();
}

std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Sjis(const std::string& utf8)
{
    std::string cp932;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &cp932)) << utf8;
    return cp932;
}

std::string Utf8(const std::string& cp932)
{
    return TextCodec::ToUtf8(cp932);
}

std::vector<std::string> BoardSections(const std::string& setFile)
{
    const WindowsIni ini(setFile);
    std::vector<std::string> sections;
    for (int n = 0;; ++n) {
        char name[24];
        std::snprintf(name, sizeof name, "Board_%03d", n);
        if (ini.FindValue(name, "Title", 0) == nullptr)
            return sections;
        sections.push_back(name);
    }
}

std::set<int> CodesPlayed(const Player& player)
{
    std::set<int> codes;
    for (int moveCount = 0; moveCount <= 72; ++moveCount) {
        for (const int code : player.CodesFor(moveCount))
            codes.insert(code);
    }
    return codes;
}
