#pragma once

#include <cstdint>
#include <string_view>

// The small types every control and event is described in.
namespace toolkit {

// Texts are UTF-16, the form both platforms keep them in, so reading one
// back from a control costs no conversion.
using Text = std::u16string_view;

// Rows and counts of a list; -1 stands for "no row".
using Row = std::int16_t;
inline constexpr Row noRow = -1;

// The index of a control within its control array.
using Index = std::int16_t;
inline constexpr Index noIndex = -1;

// Key codes are the classic desktop virtual-key numbers.
using KeyCode = std::int16_t;
namespace keys {
inline constexpr KeyCode Tab = 9;
inline constexpr KeyCode Home = 36;
inline constexpr KeyCode Up = 38;
inline constexpr KeyCode Down = 40;
inline constexpr KeyCode Delete = 46;
} // namespace keys

// The modifier keys held with a key: a sum of these bits.
using ShiftState = std::int16_t;
inline constexpr ShiftState shiftMask = 1;
inline constexpr ShiftState ctrlMask = 2;
inline constexpr ShiftState altMask = 4;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

} // namespace toolkit
