#include "captionfit.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

CaptionFit fitCaption(int left, int width, int spare, double points,
                      const std::function<int(double points)>& widthAt)
{
    CaptionFit fit{left, width, points};
    const int wide = widthAt(points);
    if (wide <= width)
        return fit;
    const int moved = std::min(spare, wide - width);
    fit.left = left - moved;
    fit.width = width + moved;
    if (wide > fit.width && fit.width > 0) {
        // Width grows almost in proportion to the size; hinting can add a
        // pixel, so step down from the estimate until the caption fits.
        double smaller = std::floor(points * fit.width / wide * 4) / 4;
        while (smaller > 1 && widthAt(smaller) > fit.width)
            smaller -= 0.25;
        fit.points = smaller;
    }
    return fit;
}

} // namespace toolkit
