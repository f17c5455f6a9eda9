#include "data/Keyword.h"

#include <utility>

Keyword::Keyword(std::string name)
    : name_(std::move(name))
{
}

const std::string* Keyword::At(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &strings_[static_cast<std::size_t>(index)];
}

int Keyword::Add(const std::string& text)
{
    strings_.push_back(text);
    return 0;
}

int Keyword::SetAt(const std::string& text, int index)
{
    if (index >= 0 && index < Count())
        strings_[static_cast<std::size_t>(index)] = text;
    else
        strings_.push_back(text);
    return 0;
}
