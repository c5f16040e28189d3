#pragma once

#include "design.h"
#include "units.h"

#include <array>

// The design of the main window: every control with its container, caption,
// place and size (in twips, 15 to a pixel at 96 dpi), tab index and look.

namespace design {

using namespace toolkit;
using enum toolkit::Kind;

// The controls' names, each with its kind: the program and the table below
// spell them only through these.
inline constexpr Name<TabContainer> SSTab1{"SSTab1"};
inline constexpr Name<CommandButton> Command1{"Command1"};
inline constexpr Name<CommandButton> Command2{"Command2"};
inline constexpr Name<CommandButton> Command3{"Command3"};
inline constexpr Name<Frame> Frame1{"Frame1"};
inline constexpr Name<ListBox> List1{"List1"};
inline constexpr Name<ListBox> List3{"List3"};
inline constexpr Name<Shape> Shape1{"Shape1"};
inline constexpr Name<Label> forcea{"forcea"};
inline constexpr Name<Label> forceb{"forceb"};
inline constexpr Name<Label> totalgold{"totalgold"};
inline constexpr Name<Label> totallumber{"totallumber"};
inline constexpr Name<Label> totalfood{"totalfood"};
inline constexpr Name<Label> totalcv{"totalcv"};
inline constexpr Name<Label> Label2{"Label2"};
inline constexpr Name<Label> Label3{"Label3"};
inline constexpr Name<Label> Label4{"Label4"};
inline constexpr Name<Label> Label6{"Label6"};
inline constexpr Name<Label> Label7{"Label7"};
inline constexpr Name<Label> Label8{"Label8"};
inline constexpr Name<Label> Label9{"Label9"};
inline constexpr Name<Label> Label10{"Label10"};
inline constexpr Name<Label> Label11{"Label11"};
inline constexpr Name<Label> Label12{"Label12"};
inline constexpr Name<Label> Label13{"Label13"};
inline constexpr Name<Label> Label14{"Label14"};

inline constexpr FontDesign windowFont{u"MS Sans Serif", 8, 400, FontKind::Sans};
inline constexpr FontDesign captionFont{u"Book Antiqua", 9.75, 700, FontKind::Serif};
inline constexpr FontDesign totalFont{u"Book Antiqua", 11.25, 700, FontKind::Serif};
inline constexpr FontDesign headingFont{u"MS Sans Serif", 13.5, 700, FontKind::Sans};
inline constexpr FontDesign unitListFont{u"Fixedsys", 9, 400, FontKind::Fixed};

inline constexpr Colour black{0, 0, 0};
inline constexpr Colour green{0, 255, 0};
inline constexpr Colour red{255, 0, 0};

inline constexpr std::array<Text, 4> tabCaptions{u"Human", u"Orc", u"Undead", u"Night elf"};
inline constexpr Text placeholder =
    u"Aca irian las fotos y los atributos de cada unidad <In progress>";

constexpr ControlDesign unitList(Index race, int width, int tabIndex, Text accessibleName)
{
    return {.name = List3.text,
            .index = race,
            .kind = ListBox,
            .container = SSTab1.text,
            .page = race,
            .left = 120,
            .top = 600,
            .width = width,
            .height = 4110,
            .tabIndex = tabIndex,
            .font = &unitListFont,
            .foreColour = green,
            .backColour = black,
            .items = unitNamesOf(race),
            .accessibleName = accessibleName};
}

constexpr ControlDesign shape(Index race, int left)
{
    return {.name = Shape1.text,
            .index = race,
            .kind = Shape,
            .container = SSTab1.text,
            .page = race,
            .left = left,
            .top = 600,
            .width = 1215,
            .height = 1215};
}

constexpr ControlDesign placeholderLabel(Index index, Index page, int top, int tabIndex)
{
    return {.name = Label13.text,
            .index = index,
            .kind = Label,
            .container = SSTab1.text,
            .page = page,
            .caption = placeholder,
            .left = 3120,
            .top = top,
            .width = 1095,
            .height = 1215,
            .tabIndex = tabIndex,
            .align = Align::Centre};
}

constexpr ControlDesign caption(Name<Label> name, Text text, int left, int top, int width,
                                int tabIndex)
{
    return {.name = name.text,
            .kind = Label,
            .container = Frame1.text,
            .caption = text,
            .left = left,
            .top = top,
            .width = width,
            .height = 255,
            .tabIndex = tabIndex,
            .font = &captionFont};
}

// A screen reader reads a total by this name, followed by its value.
constexpr ControlDesign total(Name<Label> name, Index force, int top, int tabIndex,
                              Text accessibleName)
{
    return {.name = name.text,
            .index = force,
            .kind = Label,
            .container = Frame1.text,
            .caption = u"0",
            .left = force == 0 ? 1680 : 4560,
            .top = top,
            .width = 855,
            .height = 255,
            .tabIndex = tabIndex,
            .font = &totalFont,
            .align = Align::Right,
            .accessibleName = accessibleName};
}

constexpr ControlDesign heading(Name<Label> name, Text text, int left, int tabIndex)
{
    return {.name = name.text,
            .kind = Label,
            .container = Frame1.text,
            .caption = text,
            .left = left,
            .top = 240,
            .width = 2655,
            .height = 375,
            .tabIndex = tabIndex,
            .font = &headingFont,
            .align = Align::Centre};
}

constexpr ControlDesign timeLine(Name<Label> name, int left, int tabIndex)
{
    return {.name = name.text,
            .kind = Label,
            .container = Frame1.text,
            .caption = u"Total Time: WIP",
            .left = left,
            .top = 6000,
            .width = 2415,
            .height = 375,
            .tabIndex = tabIndex,
            .font = &captionFont,
            .foreColour = red};
}

constexpr ControlDesign button(Name<CommandButton> name, Index index, Text text, int left, int top,
                               int tabIndex)
{
    return {.name = name.text,
            .index = index,
            .kind = CommandButton,
            .caption = text,
            .left = left,
            .top = top,
            .width = 2055,
            .height = 615,
            .tabIndex = tabIndex};
}

// Containers come before what they hold.
inline constexpr std::array<ControlDesign, 42> form1Controls{{
    {.name = SSTab1.text,
     .kind = TabContainer,
     .left = 120,
     .top = 120,
     .width = 4455,
     .height = 4935,
     .tabIndex = 8,
     .items = tabCaptions,
     .accessibleName = u"Races"},
    button(Command2, 0, u"Add to Force A", 240, 5160, 21),
    button(Command2, 1, u"Add to Force B", 2520, 5160, 34),
    button(Command3, 0, u"Clear Force A", 240, 5880, 35),
    button(Command3, 1, u"Clear Force B", 2520, 5880, 37),
    {.name = Label14.text,
     .kind = Label,
     .caption = u"Para remover un solo item lo seleccionas y presionas DELETE/SUPRIMIR",
     .left = 240,
     .top = 6600,
     .width = 4335,
     .height = 495,
     .tabIndex = 36},
    {.name = Frame1.text,
     .kind = Frame,
     .left = 4680,
     .top = 0,
     .width = 5535,
     .height = 7095,
     .tabIndex = 0,
     .accessibleName = u"Forces"},

    unitList(0, 2895, 9, u"Human units"),
    unitList(1, 2820, 16, u"Orc units"),
    unitList(2, 2820, 17, u"Undead units"),
    unitList(3, 2820, 18, u"Night elf units"),
    shape(0, 3120),
    shape(1, 3075),
    shape(2, 3075),
    shape(3, 3075),
    placeholderLabel(3, 0, 2400, 25),
    placeholderLabel(2, 1, 2520, 24),
    placeholderLabel(0, 2, 2760, 22),
    placeholderLabel(1, 3, 2640, 23),

    heading(forcea, u"Force A", 120, 2),
    {.name = List1.text,
     .index = 0,
     .kind = ListBox,
     .container = Frame1.text,
     .left = 120,
     .top = 720,
     .width = 2535,
     .height = 3765,
     .tabIndex = 1,
     .accessibleName = u"Force A entries"},
    caption(Label2, u"Total Gold: ", 120, 4560, 1455, 3),
    total(totalgold, 0, 4560, 26, u"Force A total gold"),
    caption(Label3, u"Total Lumber:", 120, 4920, 1695, 4),
    total(totallumber, 0, 4920, 28, u"Force A total lumber"),
    caption(Label4, u"Total Food:", 120, 5280, 1455, 5),
    total(totalfood, 0, 5280, 30, u"Force A total food"),
    caption(Label11, u"Total CV:", 120, 5640, 1455, 19),
    total(totalcv, 0, 5640, 32, u"Force A total CV"),
    timeLine(Label9, 120, 10),
    heading(forceb, u"Force B", 2760, 7),
    {.name = List1.text,
     .index = 1,
     .kind = ListBox,
     .container = Frame1.text,
     .left = 2760,
     .top = 720,
     .width = 2655,
     .height = 3765,
     .tabIndex = 6,
     .accessibleName = u"Force B entries"},
    caption(Label6, u"Total Gold: ", 2760, 4560, 1455, 12),
    total(totalgold, 1, 4560, 27, u"Force B total gold"),
    caption(Label7, u"Total Lumber:", 2760, 4920, 1695, 13),
    total(totallumber, 1, 4920, 29, u"Force B total lumber"),
    caption(Label8, u"Total Food:", 2760, 5280, 1455, 14),
    total(totalfood, 1, 5280, 31, u"Force B total food"),
    caption(Label12, u"Total CV:", 2760, 5640, 1455, 20),
    total(totalcv, 1, 5640, 33, u"Force B total CV"),
    timeLine(Label10, 2760, 15),
    {.name = Command1.text,
     .kind = CommandButton,
     .container = Frame1.text,
     .caption = u"Details... (WIP)",
     .left = 1080,
     .top = 6480,
     .width = 3135,
     .height = 495,
     .tabIndex = 11,
     .enabled = false},
}};

inline constexpr FormDesign form1{.name = "Form1",
                                  .caption = u"Zorvan Calculator 0.1a by Kalmerid",
                                  .clientWidth = 10260,
                                  .clientHeight = 7170,
                                  .font = &windowFont,
                                  .controls = form1Controls};

namespace checks {
constexpr bool tabIndexesRunWithoutGaps()
{
    constexpr int expected = 38;
    std::array<int, expected> seen{};
    int counted = 0;
    for (const ControlDesign& control : form1Controls) {
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
    for (const ControlDesign& control : form1Controls) {
        for (const int twips : {control.left, control.top, control.width, control.height}) {
            if (twips % twipsPerPixel != 0)
                return false;
        }
    }
    return form1.clientWidth % twipsPerPixel == 0 && form1.clientHeight % twipsPerPixel == 0;
}

constexpr int countIn(std::string_view container, Index page = 0)
{
    int count = 0;
    for (const ControlDesign& control : form1Controls)
        count += control.container == container && control.page == page;
    return count;
}
} // namespace checks

static_assert(checks::tabIndexesRunWithoutGaps(), "tab indexes run 0 to 37, each once");
static_assert(checks::wholePixels(), "every place and size is a whole number of pixels");
static_assert(checks::countIn("") == 7);
static_assert(checks::countIn(SSTab1.text, 0) == 3 && checks::countIn("SSTab1", 1) == 3 &&
              checks::countIn("SSTab1", 2) == 3 && checks::countIn("SSTab1", 3) == 3);
static_assert(checks::countIn(Frame1.text) == 23);
static_assert(holds(form1Controls, SSTab1) && holds(form1Controls, Frame1) &&
              holds(form1Controls, List1) && holds(form1Controls, List3) &&
              holds(form1Controls, Command1) && holds(form1Controls, Command2) &&
              holds(form1Controls, Command3) && holds(form1Controls, Shape1));
static_assert(holds(form1Controls, forcea) && holds(form1Controls, forceb) &&
              holds(form1Controls, totalgold) && holds(form1Controls, totallumber) &&
              holds(form1Controls, totalfood) && holds(form1Controls, totalcv) &&
              holds(form1Controls, Label2) && holds(form1Controls, Label3) &&
              holds(form1Controls, Label4) && holds(form1Controls, Label6) &&
              holds(form1Controls, Label7) && holds(form1Controls, Label8) &&
              holds(form1Controls, Label9) && holds(form1Controls, Label10) &&
              holds(form1Controls, Label11) && holds(form1Controls, Label12) &&
              holds(form1Controls, Label13) && holds(form1Controls, Label14));

} // namespace design
