#pragma once

#include "design.h"

#include <array>
#include <functional>
#include <span>

namespace toolkit {

// The faces a platform can put in for a design's missing face, best first,
// for each kind of face: serif, sans, fixed.
using StandIns = std::array<std::span<const Text>, 3>;

// The face to draw a design's font in: its own where the machine has it, else
// the first stand-in of its kind that the machine has, else its own, for the
// platform's font mapper to replace as it will.
Text faceFor(const FontDesign& design, const StandIns& standIns,
             const std::function<bool(Text face)>& installed);

} // namespace toolkit
