#pragma once

#include "data/Keyword.h"

#include <memory>
#include <string>
#include <vector>

// One [name] section of an INI file: key slots in file order. A removed key
// leaves an empty slot, so slot numbers stay stable and the count never drops.
class Section {
public:
    explicit Section(std::string name);

    const std::string& Name() const { return name_; }
    // Number of key slots, empty ones included.
    int KeyCount() const { return static_cast<int>(keys_.size()); }
    // nullptr for an empty slot or an index out of range.
    const Keyword* KeyAt(int index) const;
    // The first key of that name, or nullptr.
    const Keyword* FindKey(const std::string& key) const;

    void AddKey(std::unique_ptr<Keyword> keyword);
    int AddValue(const std::string& key, const std::string& value);
    int SetValue(const std::string& key, const std::string& value, int index);
    int RemoveKey(const std::string& key);

private:
    Keyword* MutableKey(const std::string& key);

    std::string name_;
    std::vector<std::unique_ptr<Keyword>> keys_;
};
