#pragma once

#include <functional>

namespace toolkit {

struct CaptionFit {
    int left = 0; // the box's left edge; its right edge stays
    int width = 0;
    double points = 0; // the size the caption is drawn in

    // A label is placed again only when its fit changes: a new caption of the
    // same width costs one measurement and no new place, font or redraw.
    friend bool operator==(const CaptionFit&, const CaptionFit&) = default;
};

// Where and how large a caption is drawn that must stay whole on one line:
// first the box's left edge moves by up to spare pixels (leftwards, or
// rightwards when spare is negative); if the caption still does not fit, the
// size steps down by quarter points until it does. widthAt gives the
// caption's width in whole pixels at a size.
CaptionFit fitCaption(int left, int width, int spare, double points,
                      const std::function<int(double points)>& widthAt);

} // namespace toolkit
