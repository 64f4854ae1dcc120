#include "speechlib/support/CT_StringList.h"

#include <algorithm>
#include <iterator>

void CT_StringList::v_Set()
{
    texts_.clear();
}

void CT_StringList::v_Append(const char* text)
{
    texts_.emplace_back(text != nullptr ? text : "");
}

void CT_StringList::v_Insert(const char* text, std::uint32_t position)
{
    const auto at = texts_.begin() + std::min<std::size_t>(position, texts_.size());
    texts_.emplace(at, text != nullptr ? text : "");
}

void CT_StringList::v_Remove(const char* text)
{
    const std::uint32_t position = n_Find(text);
    if (position < texts_.size())
        texts_.erase(texts_.begin() + position);
}

std::uint32_t CT_StringList::n_Find(const char* text, std::uint32_t start) const
{
    if (text == nullptr || start >= texts_.size())
        return n_GetCount();
    const auto found = std::find(texts_.begin() + start, texts_.end(), text);
    return static_cast<std::uint32_t>(std::distance(texts_.begin(), found));
}

const char* CT_StringList::qccz_GetAt(std::uint32_t position) const
{
    return position < texts_.size() ? texts_[position].c_str() : nullptr;
}
