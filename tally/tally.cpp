#include "tally.h"

#include "label.h"
#include "listbox.h"

#include <charconv>
#include <limits>
#include <string>

namespace {
constexpr toolkit::Colour green{0, 255, 0};
constexpr toolkit::Colour red{255, 0, 0};
constexpr toolkit::Colour blue{0, 0, 255};

// What the colours say, in words, for those who do not see them.
constexpr toolkit::Text larger = u"larger CV total";
constexpr toolkit::Text smaller = u"smaller CV total";
constexpr toolkit::Text equal = u"CV totals equal";

// A screen reader reads the heading as "Force A, larger CV total".
void compare(toolkit::Label& heading, toolkit::Colour colour, toolkit::Text comparison)
{
    heading.setForeColour(colour);
    heading.setAccessibleName(heading.caption() + u", " + std::u16string(comparison));
}
} // namespace

void recalcforce(Module1& module, const ForceControls& controls, toolkit::Index force)
{
    Total food = 0;
    Total gold = 0;
    Total lumber = 0;
    Total cv = 0;

    const toolkit::ListBox& list = *controls.List1[force];
    const toolkit::Row count = list.ListCount();
    for (toolkit::Row row = 0; row < count; ++row) {
        // Text that names no unit adds nothing.
        if (const StatLine* stats = module.statsFor(list.List(row))) {
            food += (*stats)[Food];
            gold += (*stats)[Gold];
            lumber += (*stats)[Lumber];
            cv += (*stats)[Cv];
        }
    }

    module.forcegold[force] = gold;
    module.forcelumber[force] = lumber;
    module.forcefood[force] = food;
    module.forcecv[force] = cv;
}

namespace {
// A total as the labels show it: plain decimal digits.
std::u16string totalText(Total total)
{
    char digits[std::numeric_limits<Total>::digits10 + 3];
    const auto end = std::to_chars(digits, digits + sizeof digits, total).ptr;
    return std::u16string(digits, end);
}
} // namespace

void showforce(const Module1& module, const ForceControls& controls, toolkit::Index force)
{
    controls.totalfood[force]->setCaption(totalText(module.forcefood[force]));
    controls.totallumber[force]->setCaption(totalText(module.forcelumber[force]));
    controls.totalgold[force]->setCaption(totalText(module.forcegold[force]));
    controls.totalcv[force]->setCaption(totalText(module.forcecv[force]));
}

void colourforces(const Module1& module, const ForceControls& controls)
{
    const Total a = module.forcecv[0];
    const Total b = module.forcecv[1];
    if (a == b) {
        compare(*controls.forceb, blue, equal);
        compare(*controls.forcea, blue, equal);
    } else if (a > b) {
        compare(*controls.forcea, green, larger);
        compare(*controls.forceb, red, smaller);
    } else {
        compare(*controls.forceb, green, larger);
        compare(*controls.forcea, red, smaller);
    }
}
