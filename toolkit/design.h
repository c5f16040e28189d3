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

// A control's name as the program spells it, with the kind it names: a
// misspelt name, or one used for another kind of control, does not compile.
template <Kind kind> struct Name {
    std::string_view text;
};

// Whether the keyboard focus can ever rest on a control of this kind.
constexpr bool takesFocus(Kind kind)
{
    return kind == Kind::ListBox || kind == Kind::CommandButton || kind == Kind::TabContainer;
}

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

// Whether a design holds a control of that name and kind.
template <Kind kind> constexpr bool holds(std::span<const ControlDesign> controls, Name<kind> name)
{
    for (const ControlDesign& control : controls) {
        if (control.name == name.text && control.kind == kind)
            return true;
    }
    return false;
}

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
