#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// Runs a test inside the program folder built from content/, as the game
// does, and records every picture the loader could not read meanwhile.
class ContentFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // "path: reason" of each picture failure since SetUp.
    static const std::vector<std::string>& PictureFailures();

private:
    std::filesystem::path previousFolder_;
};

// The whole file, bytes as stored.
std::string ReadBytes(const std::string& fileName);

// CP932 text for a constant written here in UTF-8, and back for printing.
std::string Sjis(const std::string& utf8);
std::string Utf8(const std::string& cp932);

class Player;

// Every strategy code the player's profile plays with at some move count.
std::set<int> CodesPlayed(const Player& player);

// The boards of a board set: Board_000, Board_001, ... up to the first without Title.
std::vector<std::string> BoardSections(const std::string& setFile);
