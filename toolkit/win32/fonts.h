#pragma once

#include "design.h"

#include "win.h"

#include <string>

namespace toolkit::win32 {

// The design's face where the machine has it, else its first installed stand-in.
std::wstring installedFace(const FontDesign& design);

// The design's font at a number of dots per inch, at a size in points that may
// differ from the design's.
HFONT createFont(const FontDesign& design, int dpi, double points);

} // namespace toolkit::win32
