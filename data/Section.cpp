#include "data/Section.h"

#include <utility>

Section::Section(std::string name)
    : name_(std::move(name))
{
}

const Keyword* Section::KeyAt(int index) const
{
    if (index < 0 || index >= KeyCount())
        return nullptr;
    return keys_[static_cast<std::size_t>(index)].get();
}

const Keyword* Section::FindKey(const std::string& key) const
{
    for (const auto& keyword : keys_) {
        if (keyword && keyword->Name() == key)
            return keyword.get();
    }
    return nullptr;
}

Keyword* Section::MutableKey(const std::string& key)
{
    return const_cast<Keyword*>(std::as_const(*this).FindKey(key));
}

void Section::AddKey(std::unique_ptr<Keyword> keyword)
{
    if (keyword)
        keys_.push_back(std::move(keyword));
}

int Section::AddValue(const std::string& key, const std::string& value)
{
    Keyword* keyword = MutableKey(key);
    if (keyword == nullptr) {
        keys_.push_back(std::make_unique<Keyword>(key));
        keyword = keys_.back().get();
    }
    return keyword->Add(value);
}

int Section::SetValue(const std::string& key, const std::string& value, int index)
{
    Keyword* keyword = MutableKey(key);
    if (keyword == nullptr) {
        keys_.push_back(std::make_unique<Keyword>(key));
        return keys_.back()->Add(value);
    }
    return keyword->SetAt(value, index);
}

int Section::RemoveKey(const std::string& key)
{
    for (auto& keyword : keys_) {
        if (keyword && keyword->Name() == key) {
            keyword.reset();
            break;
        }
    }
    return 0;
}
