#pragma once

#include <QtGlobal>

// The program's key codes are the classic desktop virtual-key numbers.
namespace KeyCode {
inline constexpr qint16 Delete = 46;
}

// The key code for a Qt key, or 0 for a key that has none.
qint16 keyCodeFor(int qtKey);
