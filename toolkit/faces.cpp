#include "faces.h"

namespace toolkit {

Text faceFor(const FontDesign& design, const StandIns& standIns,
             const std::function<bool(Text face)>& installed)
{
    if (installed(design.family))
        return design.family;
    for (const Text standIn : standIns[std::size_t(design.kind)]) {
        if (installed(standIn))
            return standIn;
    }
    return design.family;
}

} // namespace toolkit
