#pragma once

#include "form1design.h"

#include <QFont>

// The fonts the window is designed with. Faces a machine lacks are replaced
// by free faces of the same kind, registered here rather than left to the
// machine's font configuration.
void registerFontSubstitutes();

// The window's own font, which every control without a font of its own uses.
// Like the fonts below, it keeps its designed size in pixels at 96 dpi
// whatever the logical DPI it is drawn at, as the boxes it is drawn in do.
QFont windowFont(int logicalDpi);
// The font of a face of the design; the default face is the window's font.
QFont fontFor(design::Face face, const QFont& defaultFont, int logicalDpi);
