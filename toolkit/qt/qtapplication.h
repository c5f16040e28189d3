#pragma once

#include "application.h"

class QApplication;
class QIcon;

namespace toolkit::qt {

// The program's icon, from its pixel art.
QIcon iconOf(const Identity& identity);
// Gives an application object the program's name, version and icon.
void applyIdentity(QApplication& application, const Identity& identity);

} // namespace toolkit::qt
