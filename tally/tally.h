#pragma once

#include "basics.h"
#include "module1.h"

#include <array>
#include <string>

namespace toolkit {
class Label;
class ListBox;
} // namespace toolkit

// The controls of the two force columns that the totals are read from and shown in.
struct ForceControls {
    std::array<const toolkit::ListBox*, forceCount> List1{};
    std::array<toolkit::Label*, forceCount> totalfood{};
    std::array<toolkit::Label*, forceCount> totallumber{};
    std::array<toolkit::Label*, forceCount> totalgold{};
    std::array<toolkit::Label*, forceCount> totalcv{};
    toolkit::Label* forcea = nullptr;
    toolkit::Label* forceb = nullptr;
};

// Recomputes one force's four totals from scratch from its list.
void recalcforce(Module1& module, const ForceControls& controls, toolkit::Index force);
// Writes one force's totals into its four total labels.
void showforce(const Module1& module, const ForceControls& controls, toolkit::Index force);
// Colours both headings: the larger CV total green and the other red, both blue
// when equal; each heading's accessible name says the same in words.
void colourforces(const Module1& module, const ForceControls& controls);
