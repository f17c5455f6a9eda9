#pragma once

#include <optional>
#include <string>
#include <vector>

// Regular expressions through Qt: libstdc++'s <regex> sets off GCC's
// uninitialised-use warnings in sanitizer builds. Texts are UTF-8.

// The captures of a match of the whole text (index 0 is the whole text), or
// nothing when the text does not match.
std::optional<std::vector<std::string>> MatchWhole(const std::string& text, const std::string& pattern);

// The captures of every match found in the text, in order.
std::vector<std::vector<std::string>> MatchAll(const std::string& text, const std::string& pattern);
