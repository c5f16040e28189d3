#pragma once

#include "basics.h"

#include <string>

// Windows' wide characters are the same UTF-16 units the toolkit keeps its texts in.
namespace toolkit::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// A copy ending in the terminating zero the API wants.
inline std::wstring wide(Text text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::wstring wide(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

} // namespace toolkit::win32
