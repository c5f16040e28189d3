#pragma once

#include "basics.h"

#include <optional>
#include <span>
#include <string_view>

// A window described as data: each platform builds the same window from it.
namespace toolkit {

enum class Kind { TabContainer, CommandButton, Label, Frame, ListBox, Shape };
enum class Align { Left, Centre, Right };
// What kind of face a font is, for a platform that has to stand one in for it.
enum class FontKind { Serif, Sans, Fixed };

inline constexpr int twipsPerPixel = 15;
inline constexpr int noTabIndex = -1;

struct FontDesign {
    Text family;
    double points = 0;
    int weight = 400;
    FontKind kind = FontKind::Sans;
};

// Places and sizes are in twips, from the top-left corner of the container:
// the window's client area, a tabbed container's outer corner (tab strip
// included, whichever page the control is on), or a frame.
struct ControlDesign {
    std::string_view name;
    Index index = noIndex; // member of a control array, or noIndex
    Kind kind = Kind::Label;
    std::string_view container; // a container's name; empty for the window
    Index page = 0;             // the tab page, in a tabbed container
    Text caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = noTabIndex;
    const FontDesign* font = nullptr; // nullptr: the window's font
    Align align = Align::Left;
    std::optional<Colour> foreColour; // unset: the platform's default
    std::optional<Colour> backColour;
    bool enabled = true;
    std::span<const Text> items; // a list's rows, or a tabbed container's tabs
    Text accessibleName;
    Text accessibleDescription;
};

struct FormDesign {
    std::string_view name;
    Text caption;
    int clientWidth = 0;
    int clientHeight = 0;
    const FontDesign* font = nullptr;
    // Containers come before what they hold.
    std::span<const ControlDesign> controls;
};

// Whole pixels at 96 dots per inch.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect pixelsOf(const ControlDesign& control)
{
    return {control.left / twipsPerPixel, control.top / twipsPerPixel,
            control.width / twipsPerPixel, control.height / twipsPerPixel};
}

} // namespace toolkit
