#include "keycodes.h"

#include <array>
#include <utility>

namespace toolkit::qt {

namespace {

constexpr std::array<std::pair<int, KeyCode>, 26> namedKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},  {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},     {Qt::Key_NumLock, 144},
}};

} // namespace

KeyCode keyCodeFor(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<KeyCode>(qtKey); // same numbers as ASCII digits and capitals
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<KeyCode>(112 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : namedKeys) {
        if (key == qtKey)
            return code;
    }
    return 0;
}

ShiftState shiftStateFor(Qt::KeyboardModifiers modifiers)
{
    ShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= shiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= ctrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= altMask;
    return shift;
}

} // namespace toolkit::qt
