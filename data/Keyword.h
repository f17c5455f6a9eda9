#pragma once

#include <string>
#include <vector>

// One key of an INI section: its name and its list of comma-separated values.
class Keyword {
public:
    explicit Keyword(std::string name);

    const std::string& Name() const { return name_; }
    int Count() const { return static_cast<int>(strings_.size()); }
    // nullptr when index is out of range.
    const std::string* At(int index) const;

    int Add(const std::string& text);
    // Replaces value number index when it exists, otherwise appends, so the list never has holes.
    int SetAt(const std::string& text, int index);

private:
    std::string name_;
    std::vector<std::string> strings_;
};
