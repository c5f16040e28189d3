#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <string_view>

// The design of the main window: every control with its container, caption,
// place and size (in twips, 15 to a pixel at 96 dpi), tab index and look.

namespace design {

enum class Kind { TabContainer, CommandButton, Label, Frame, ListBox, Shape };
// The control's container: the window, one of the four tab pages, or the frame.
enum class Container { Client = -1, Tab0 = 0, Tab1 = 1, Tab2 = 2, Tab3 = 3, Frame1 = 4 };
enum class Face { Default, Caption, Total, Heading, UnitList };
enum class Align { Left, Centre, Right };

inline constexpr int twipsPerPixel = 15;
inline constexpr int noIndex = -1;
inline constexpr int noTabIndex = -1;

struct ControlDesign {
    std::string_view name;
    int index; // member of a control array, or noIndex
    Kind kind;
    Container container;
    std::string_view caption;
    int left, top, width, height;
    int tabIndex;
    Face face = Face::Default;
    Align align = Align::Left;
    bool redText = false;
};

inline constexpr std::string_view formCaption = "Zorvan Calculator 0.1a by Kalmerid";
inline constexpr int clientWidth = 10260;
inline constexpr int clientHeight = 7170;
inline constexpr std::array<std::string_view, 4> tabCaptions{"Human", "Orc", "Undead", "Night elf"};
inline constexpr std::string_view placeholder =
    "Aca irian las fotos y los atributos de cada unidad <In progress>";

using enum Kind;
using enum Container;

// Containers come before what they hold.
inline constexpr std::array<ControlDesign, 42> form1Design{{
    {"SSTab1", noIndex, TabContainer, Client, "", 120, 120, 4455, 4935, 8},
    {"Command2", 0, CommandButton, Client, "Add to Force A", 240, 5160, 2055, 615, 21},
    {"Command2", 1, CommandButton, Client, "Add to Force B", 2520, 5160, 2055, 615, 34},
    {"Command3", 0, CommandButton, Client, "Clear Force A", 240, 5880, 2055, 615, 35},
    {"Command3", 1, CommandButton, Client, "Clear Force B", 2520, 5880, 2055, 615, 37},
    {"Label14", noIndex, Label, Client,
     "Para remover un solo item lo seleccionas y presionas DELETE/SUPRIMIR", 240, 6600, 4335, 495,
     36},
    {"Frame1", noIndex, Frame, Client, "", 4680, 0, 5535, 7095, 0},

    {"List3", 0, ListBox, Tab0, "", 120, 600, 2895, 4110, 9, Face::UnitList},
    {"List3", 1, ListBox, Tab1, "", 120, 600, 2820, 4110, 16, Face::UnitList},
    {"List3", 2, ListBox, Tab2, "", 120, 600, 2820, 4110, 17, Face::UnitList},
    {"List3", 3, ListBox, Tab3, "", 120, 600, 2820, 4110, 18, Face::UnitList},
    {"Shape1", 0, Shape, Tab0, "", 3120, 600, 1215, 1215, noTabIndex},
    {"Shape1", 1, Shape, Tab1, "", 3075, 600, 1215, 1215, noTabIndex},
    {"Shape1", 2, Shape, Tab2, "", 3075, 600, 1215, 1215, noTabIndex},
    {"Shape1", 3, Shape, Tab3, "", 3075, 600, 1215, 1215, noTabIndex},
    {"Label13", 3, Label, Tab0, placeholder, 3120, 2400, 1095, 1215, 25, Face::Default,
     Align::Centre},
    {"Label13", 2, Label, Tab1, placeholder, 3120, 2520, 1095, 1215, 24, Face::Default,
     Align::Centre},
    {"Label13", 0, Label, Tab2, placeholder, 3120, 2760, 1095, 1215, 22, Face::Default,
     Align::Centre},
    {"Label13", 1, Label, Tab3, placeholder, 3120, 2640, 1095, 1215, 23, Face::Default,
     Align::Centre},

    {"forcea", noIndex, Label, Frame1, "Force A", 120, 240, 2655, 375, 2, Face::Heading,
     Align::Centre},
    {"List1", 0, ListBox, Frame1, "", 120, 720, 2535, 3765, 1},
    {"Label2", noIndex, Label, Frame1, "Total Gold: ", 120, 4560, 1455, 255, 3, Face::Caption},
    {"totalgold", 0, Label, Frame1, "0", 1680, 4560, 855, 255, 26, Face::Total, Align::Right},
    {"Label3", noIndex, Label, Frame1, "Total Lumber:", 120, 4920, 1695, 255, 4, Face::Caption},
    {"totallumber", 0, Label, Frame1, "0", 1680, 4920, 855, 255, 28, Face::Total, Align::Right},
    {"Label4", noIndex, Label, Frame1, "Total Food:", 120, 5280, 1455, 255, 5, Face::Caption},
    {"totalfood", 0, Label, Frame1, "0", 1680, 5280, 855, 255, 30, Face::Total, Align::Right},
    {"Label11", noIndex, Label, Frame1, "Total CV:", 120, 5640, 1455, 255, 19, Face::Caption},
    {"totalcv", 0, Label, Frame1, "0", 1680, 5640, 855, 255, 32, Face::Total, Align::Right},
    {"Label9", noIndex, Label, Frame1, "Total Time: WIP", 120, 6000, 2415, 375, 10, Face::Caption,
     Align::Left, true},
    {"forceb", noIndex, Label, Frame1, "Force B", 2760, 240, 2655, 375, 7, Face::Heading,
     Align::Centre},
    {"List1", 1, ListBox, Frame1, "", 2760, 720, 2655, 3765, 6},
    {"Label6", noIndex, Label, Frame1, "Total Gold: ", 2760, 4560, 1455, 255, 12, Face::Caption},
    {"totalgold", 1, Label, Frame1, "0", 4560, 4560, 855, 255, 27, Face::Total, Align::Right},
    {"Label7", noIndex, Label, Frame1, "Total Lumber:", 2760, 4920, 1695, 255, 13, Face::Caption},
    {"totallumber", 1, Label, Frame1, "0", 4560, 4920, 855, 255, 29, Face::Total, Align::Right},
    {"Label8", noIndex, Label, Frame1, "Total Food:", 2760, 5280, 1455, 255, 14, Face::Caption},
    {"totalfood", 1, Label, Frame1, "0", 4560, 5280, 855, 255, 31, Face::Total, Align::Right},
    {"Label12", noIndex, Label, Frame1, "Total CV:", 2760, 5640, 1455, 255, 20, Face::Caption},
    {"totalcv", 1, Label, Frame1, "0", 4560, 5640, 855, 255, 33, Face::Total, Align::Right},
    {"Label10", noIndex, Label, Frame1, "Total Time: WIP", 2760, 6000, 2415, 375, 15, Face::Caption,
     Align::Left, true},
    {"Command1", noIndex, CommandButton, Frame1, "Details... (WIP)", 1080, 6480, 3135, 495, 11},
}};

// The design read in the window's terms: its texts are Latin-1, its places
// whole pixels at 96 dpi.
inline QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

inline QRect pixels(const ControlDesign& control)
{
    return {control.left / twipsPerPixel, control.top / twipsPerPixel,
            control.width / twipsPerPixel, control.height / twipsPerPixel};
}

namespace checks {
constexpr bool tabIndexesRunWithoutGaps()
{
    constexpr int expected = 38;
    std::array<int, expected> seen{};
    int counted = 0;
    for (const ControlDesign& control : form1Design) {
        if (control.tabIndex == noTabIndex)
            continue;
        if (control.tabIndex < 0 || control.tabIndex >= expected || seen[control.tabIndex]++)
            return false;
        ++counted;
    }
    return counted == expected;
}

constexpr bool wholePixels()
{
    for (const ControlDesign& control : form1Design) {
        for (const int twips : {control.left, control.top, control.width, control.height}) {
            if (twips % twipsPerPixel != 0)
                return false;
        }
    }
    return clientWidth % twipsPerPixel == 0 && clientHeight % twipsPerPixel == 0;
}

constexpr int countIn(Container container)
{
    int count = 0;
    for (const ControlDesign& control : form1Design)
        count += control.container == container;
    return count;
}
} // namespace checks

static_assert(checks::tabIndexesRunWithoutGaps(), "tab indexes run 0 to 37, each once");
static_assert(checks::wholePixels(), "every place and size is a whole number of pixels");
static_assert(checks::countIn(Client) == 7);
static_assert(checks::countIn(Tab0) == 3 && checks::countIn(Tab1) == 3 &&
              checks::countIn(Tab2) == 3 && checks::countIn(Tab3) == 3);
static_assert(checks::countIn(Frame1) == 23);

} // namespace design
