#pragma once

#include "basics.h"
#include "design.h"

#include <stdexcept>
#include <string>
#include <string_view>

// Where every control of the main window lies, in twips from its container's
// corner, as the window's layout tables give it; each platform checks its
// window against this one table, at every DPI it supports.
struct Place {
    std::string_view name;
    toolkit::Index index;
    std::string_view container; // empty: the window
    toolkit::Index page;        // the tab page, on SSTab1
    toolkit::Kind kind;
    int left, top, width, height;

    // "List1(0)", or "SSTab1" for a control outside any array.
    std::string label() const
    {
        std::string text(name);
        if (index != toolkit::noIndex)
            text += "(" + std::to_string(index) + ")";
        return text;
    }
    // In pixels at 96 dots per inch.
    toolkit::PixelRect pixels() const { return {left / 15, top / 15, width / 15, height / 15}; }
};

inline constexpr Place places[] = {
    {"SSTab1", -1, "", 0, toolkit::Kind::TabContainer, 120, 120, 4455, 4935},
    {"Command2", 0, "", 0, toolkit::Kind::CommandButton, 240, 5160, 2055, 615},
    {"Command2", 1, "", 0, toolkit::Kind::CommandButton, 2520, 5160, 2055, 615},
    {"Command3", 0, "", 0, toolkit::Kind::CommandButton, 240, 5880, 2055, 615},
    {"Command3", 1, "", 0, toolkit::Kind::CommandButton, 2520, 5880, 2055, 615},
    {"Label14", -1, "", 0, toolkit::Kind::Label, 240, 6600, 4335, 495},
    {"Frame1", -1, "", 0, toolkit::Kind::Frame, 4680, 0, 5535, 7095},
    {"List3", 0, "SSTab1", 0, toolkit::Kind::ListBox, 120, 600, 2895, 4110},
    {"List3", 1, "SSTab1", 1, toolkit::Kind::ListBox, 120, 600, 2820, 4110},
    {"List3", 2, "SSTab1", 2, toolkit::Kind::ListBox, 120, 600, 2820, 4110},
    {"List3", 3, "SSTab1", 3, toolkit::Kind::ListBox, 120, 600, 2820, 4110},
    {"Shape1", 0, "SSTab1", 0, toolkit::Kind::Shape, 3120, 600, 1215, 1215},
    {"Shape1", 1, "SSTab1", 1, toolkit::Kind::Shape, 3075, 600, 1215, 1215},
    {"Shape1", 2, "SSTab1", 2, toolkit::Kind::Shape, 3075, 600, 1215, 1215},
    {"Shape1", 3, "SSTab1", 3, toolkit::Kind::Shape, 3075, 600, 1215, 1215},
    {"Label13", 3, "SSTab1", 0, toolkit::Kind::Label, 3120, 2400, 1095, 1215},
    {"Label13", 2, "SSTab1", 1, toolkit::Kind::Label, 3120, 2520, 1095, 1215},
    {"Label13", 0, "SSTab1", 2, toolkit::Kind::Label, 3120, 2760, 1095, 1215},
    {"Label13", 1, "SSTab1", 3, toolkit::Kind::Label, 3120, 2640, 1095, 1215},
    {"forcea", -1, "Frame1", 0, toolkit::Kind::Label, 120, 240, 2655, 375},
    {"List1", 0, "Frame1", 0, toolkit::Kind::ListBox, 120, 720, 2535, 3765},
    {"Label2", -1, "Frame1", 0, toolkit::Kind::Label, 120, 4560, 1455, 255},
    {"totalgold", 0, "Frame1", 0, toolkit::Kind::Label, 1680, 4560, 855, 255},
    {"Label3", -1, "Frame1", 0, toolkit::Kind::Label, 120, 4920, 1695, 255},
    {"totallumber", 0, "Frame1", 0, toolkit::Kind::Label, 1680, 4920, 855, 255},
    {"Label4", -1, "Frame1", 0, toolkit::Kind::Label, 120, 5280, 1455, 255},
    {"totalfood", 0, "Frame1", 0, toolkit::Kind::Label, 1680, 5280, 855, 255},
    {"Label11", -1, "Frame1", 0, toolkit::Kind::Label, 120, 5640, 1455, 255},
    {"totalcv", 0, "Frame1", 0, toolkit::Kind::Label, 1680, 5640, 855, 255},
    {"Label9", -1, "Frame1", 0, toolkit::Kind::Label, 120, 6000, 2415, 375},
    {"forceb", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 240, 2655, 375},
    {"List1", 1, "Frame1", 0, toolkit::Kind::ListBox, 2760, 720, 2655, 3765},
    {"Label6", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 4560, 1455, 255},
    {"totalgold", 1, "Frame1", 0, toolkit::Kind::Label, 4560, 4560, 855, 255},
    {"Label7", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 4920, 1695, 255},
    {"totallumber", 1, "Frame1", 0, toolkit::Kind::Label, 4560, 4920, 855, 255},
    {"Label8", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 5280, 1455, 255},
    {"totalfood", 1, "Frame1", 0, toolkit::Kind::Label, 4560, 5280, 855, 255},
    {"Label12", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 5640, 1455, 255},
    {"totalcv", 1, "Frame1", 0, toolkit::Kind::Label, 4560, 5640, 855, 255},
    {"Label10", -1, "Frame1", 0, toolkit::Kind::Label, 2760, 6000, 2415, 375},
    {"Command1", -1, "Frame1", 0, toolkit::Kind::CommandButton, 1080, 6480, 3135, 495},
};
static_assert(std::size(places) == 42, "the window holds 42 controls");

// The place of one control, by its label, as "List1(0)".
inline const Place& placeOf(std::string_view label)
{
    for (const Place& place : places) {
        if (place.label() == label)
            return place;
    }
    throw std::invalid_argument("no control " + std::string(label));
}
