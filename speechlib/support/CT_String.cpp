#include "speechlib/support/CT_String.h"

#include <cstring>

void CT_String::v_Set()
{
    text_.clear();
}

void CT_String::v_Append(const char* text, std::int32_t length)
{
    if (text == nullptr)
        return;
    if (length < 0) {
        text_.append(text);
        return;
    }
    // A shorter text ends the copy at its terminator.
    text_.append(text, ::strnlen(text, static_cast<std::size_t>(length)));
}
