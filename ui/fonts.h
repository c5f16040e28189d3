#pragma once

#include "form1design.h"

#include <QFont>

// The fonts the window is designed with. Faces a machine lacks are replaced
// by free faces of the same kind, registered here rather than left to the
// machine's font configuration.
void registerFontSubstitutes();
// The window's own font, which every control without a font of its own uses.
QFont windowFont();
QFont fontFor(design::Face face, const QFont& defaultFont);
