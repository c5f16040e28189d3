#pragma once

#include "basics.h"
#include "design.h"
#include "form.h"
#include "form1design.h"
#include "units.h"

#include <doctest/doctest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using Texts = std::vector<std::u16string>;

// Failures print texts as UTF-8 and colours as their three parts.
inline std::string utf8(std::u16string_view text)
{
    std::string out;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            out += char(unit);
        } else if (unit < 0x800) {
            out += char(0xC0 | (unit >> 6));
            out += char(0x80 | (unit & 0x3F));
        } else {
            out += char(0xE0 | (unit >> 12));
            out += char(0x80 | ((unit >> 6) & 0x3F));
            out += char(0x80 | (unit & 0x3F));
        }
    }
    return out;
}

namespace doctest {
template <> struct StringMaker<std::u16string_view> {
    static String convert(std::u16string_view text) { return ("\"" + utf8(text) + "\"").c_str(); }
};
template <> struct StringMaker<std::u16string> : StringMaker<std::u16string_view> {
};
template <> struct StringMaker<Texts> {
    static String convert(const Texts& texts)
    {
        std::string out = "{";
        for (const std::u16string& text : texts)
            out += (out.size() > 1 ? ", \"" : "\"") + utf8(text) + "\"";
        return (out + "}").c_str();
    }
};
template <typename T, std::size_t N> struct StringMaker<std::array<T, N>> {
    static String convert(const std::array<T, N>& values)
    {
        std::string out = "{";
        for (const T& value : values)
            out += (out.size() > 1 ? ", " : "") + std::to_string(value);
        return (out + "}").c_str();
    }
};
template <> struct StringMaker<toolkit::Colour> {
    static String convert(toolkit::Colour colour)
    {
        return ("rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
                std::to_string(colour.blue) + ")")
            .c_str();
    }
};
} // namespace doctest

inline constexpr toolkit::Colour green{0, 255, 0};
inline constexpr toolkit::Colour red{255, 0, 0};
inline constexpr toolkit::Colour blue{0, 0, 255};

// A window of bare controls named as the program's: the four race lists with
// their units, the two force lists, their totals and headings.
inline std::unique_ptr<toolkit::Form> makeTestForm()
{
    using namespace toolkit;
    const auto list = [](Index index, int left, std::span<const Text> items = {}) {
        return ControlDesign{.name = items.empty() ? "List1" : "List3",
                             .index = index,
                             .kind = Kind::ListBox,
                             .left = left,
                             .top = 600,
                             .width = 1500,
                             .height = 3000,
                             .tabIndex = left,
                             .items = items};
    };
    const auto label = [](std::string_view name, Index index, int top) {
        return ControlDesign{.name = name,
                             .index = index,
                             .caption = u"0",
                             .left = index == 1 ? 9000 : 0,
                             .top = top,
                             .width = 1500,
                             .height = 300};
    };
    static const std::array<ControlDesign, 16> controls{list(0, 0, unitNamesOf(0)),
                                                        list(1, 1500, unitNamesOf(1)),
                                                        list(2, 3000, unitNamesOf(2)),
                                                        list(3, 4500, unitNamesOf(3)),
                                                        list(0, 6000),
                                                        list(1, 7500),
                                                        label("totalfood", 0, 4000),
                                                        label("totalfood", 1, 4000),
                                                        label("totallumber", 0, 4300),
                                                        label("totallumber", 1, 4300),
                                                        label("totalgold", 0, 4600),
                                                        label("totalgold", 1, 4600),
                                                        label("totalcv", 0, 4900),
                                                        label("totalcv", 1, 4900),
                                                        label("forcea", noIndex, 0),
                                                        label("forceb", noIndex, 300)};
    static const FormDesign design{.name = "Test",
                                   .caption = u"Test",
                                   .clientWidth = 15000,
                                   .clientHeight = 6000,
                                   .controls = controls};
    return Form::create(design);
}
