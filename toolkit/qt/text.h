#pragma once

#include "basics.h"

#include <QString>

// Both sides keep text as UTF-16: these only reinterpret, never convert.
namespace toolkit::qt {

inline QString toQString(Text text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

// A view of the string's own characters, valid while it is unchanged.
inline Text viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

inline QString toQString(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
}

} // namespace toolkit::qt
