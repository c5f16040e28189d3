#pragma once

#include "module1.h"

#include <array>

class Label;
class ListBox;

// The controls of the two force columns that the totals are read from and shown in.
struct ForceControls {
    std::array<ListBox*, forceCount> List1{};
    std::array<Label*, forceCount> totalfood{};
    std::array<Label*, forceCount> totallumber{};
    std::array<Label*, forceCount> totalgold{};
    std::array<Label*, forceCount> totalcv{};
    Label* forcea = nullptr;
    Label* forceb = nullptr;
};

// Recomputes one force's four totals from scratch from its list.
void recalcforce(Module1& module, const ForceControls& controls, qint16 force);
// Writes one force's totals into its four total labels.
void showforce(const Module1& module, const ForceControls& controls, qint16 force);
// Colours both headings: the larger CV total green and the other red, both blue when equal.
void colourforces(const Module1& module, const ForceControls& controls);
