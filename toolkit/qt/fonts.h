#pragma once

#include "design.h"

#include <QFont>

namespace toolkit::qt {

// The font of a face of the design. A face the machine lacks is replaced by
// a free face of the same kind, chosen here rather than left to the machine's
// font configuration. Like the boxes it is drawn in, it keeps its designed size
// in pixels at 96 dpi whatever the logical DPI it is drawn at.
QFont fontFor(const FontDesign& design, int logicalDpi);

} // namespace toolkit::qt
