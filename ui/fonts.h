#pragma once

#include "form1design.h"

#include <QFont>

// The fonts the window is designed with. Faces a machine lacks are replaced
// by free faces of the same kind, registered here rather than left to the
// machine's font configuration.
void registerFontSubstitutes();
// Each font keeps its designed size in pixels at 96 dpi whatever the logical
// DPI it is drawn at, as the boxes it is drawn in do.
// The window's own font, which every control without a font of its own uses.
QFont windowFont(int logicalDpi);
QFont fontFor(design::Face face, const QFont& defaultFont, int logicalDpi);
