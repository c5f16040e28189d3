#include "driver.h"
#include "form1.h"
#include "label.h"
#include "listbox.h"
#include "places.h"
#include "testing.h"
#include "win32form.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

using toolkit::win32::Win32Form;

namespace {

// The window class of each kind of control.
const wchar_t* classOf(toolkit::Kind kind)
{
    switch (kind) {
    case toolkit::Kind::TabContainer:
        return WC_TABCONTROLW;
    case toolkit::Kind::CommandButton:
    case toolkit::Kind::Frame:
        return L"Button";
    case toolkit::Kind::Label:
        return L"Static";
    case toolkit::Kind::ListBox:
        return L"ListBox";
    case toolkit::Kind::Shape:
        break;
    }
    return L"ZorvanShape";
}

// Name, index, face, points and weight, on a machine without Book Antiqua
// (Wine's prefix has none).
constexpr std::tuple<const char*, toolkit::Index, const wchar_t*, double, int> faces[] = {
    {"List3", 0, L"Fixedsys", 9, 400},
    {"forceb", -1, L"MS Sans Serif", 13.5, 700},
    {"Label7", -1, L"TeX Gyre Pagella", 9.75, 700},
    {"totalcv", 1, L"TeX Gyre Pagella", 11.25, 700},
    {"Command2", 0, L"MS Sans Serif", 8, 400},
};

int scaled(int pixels, int dpi)
{
    return (pixels * dpi + 48) / 96;
}

// A window's box in its parent's client area.
RECT boxOf(HWND window)
{
    RECT box{};
    GetWindowRect(window, &box);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::array<int, 4> ltwh(const RECT& box)
{
    return {int(box.left), int(box.top), int(box.right - box.left), int(box.bottom - box.top)};
}

void checkPlaces(const Win32Form& form, int dpi)
{
    CAPTURE(dpi);
    RECT client{};
    GetClientRect(form.handle(), &client);
    CHECK(ltwh(client) == std::array{0, 0, scaled(684, dpi), scaled(478, dpi)});
    for (const Place& place : places) {
        CAPTURE(place.label());
        HWND control = form.control(place.name, place.index);
        REQUIRE(control);
        CHECK(GetParent(control) == form.handle());
        wchar_t kind[64]{};
        GetClassNameW(control, kind, 64);
        CHECK(_wcsicmp(kind, classOf(place.kind)) == 0);
        const RECT corner = place.container.empty() ? RECT{} : boxOf(form.control(place.container));
        RECT box = boxOf(control);
        OffsetRect(&box, -corner.left, -corner.top);
        const toolkit::PixelRect want = place.pixels();
        CHECK(ltwh(box) == std::array{scaled(want.left, dpi), scaled(want.top, dpi),
                                      scaled(want.width, dpi), scaled(want.height, dpi)});
    }
    for (const auto& [name, index, face, points, weight] : faces) {
        CAPTURE(name);
        LOGFONTW font{};
        const auto handle = HFONT(SendMessageW(form.control(name, index), WM_GETFONT, 0, 0));
        REQUIRE(GetObjectW(handle, sizeof font, &font) == sizeof font);
        CHECK(std::wstring(font.lfFaceName) == face);
        CHECK(font.lfHeight == -int(points * dpi / 72 + 0.5));
        CHECK(font.lfWeight == weight);
    }
}

// A text's width and height, and the font's ascent, on the window's DC.
struct Measured {
    SIZE size{};
    int ascent = 0;
};

Measured measure(HWND window, HFONT font, std::wstring_view text = {})
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    Measured measured;
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &measured.size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    measured.ascent = metrics.tmAscent;
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return measured;
}

HFONT fontOf(HWND window)
{
    return HFONT(SendMessageW(window, WM_GETFONT, 0, 0));
}

std::wstring textOf(HWND window)
{
    wchar_t text[256]{};
    return {text, std::size_t(GetWindowTextW(window, text, 256))};
}

void checkTextsFit(Form1& form1, const Win32Form& form, int dpi)
{
    CAPTURE(dpi);
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (HWND control = GetWindow(form.handle(), GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t kind[16]{};
        GetClassNameW(control, kind, 16);
        const bool button = _wcsicmp(kind, L"Button") == 0;
        if (!button && _wcsicmp(kind, L"Static") != 0)
            continue;
        const std::string name = form.nameOf(control);
        CAPTURE(name);
        const std::wstring text = textOf(control);
        RECT room{};
        GetClientRect(control, &room);
        if (button) { // single line, inside the raised edge
            const int edge = 2 * GetSystemMetricsForDpi(SM_CXEDGE, UINT(dpi));
            const SIZE size = measure(control, fontOf(control), text).size;
            CHECK(size.cx + edge <= room.right);
            CHECK(size.cy + edge <= room.bottom);
            continue;
        }
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, fontOf(control));
        RECT needed = room;
        DrawTextW(dc, text.c_str(), int(text.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        // Lines are as tall as the face's whole ascent and descent; what must
        // fit is the ink (a raster font tells none: all of it).
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int above = metrics.tmAscent, below = metrics.tmDescent;
        if (GetGlyphOutlineW(dc, L'0', GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
            above = below = 0;
            for (const wchar_t c : text) {
                GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &identity);
                above = std::max(above, int(glyph.gmptGlyphOrigin.y));
                below = std::max(below, int(glyph.gmBlackBoxY) - int(glyph.gmptGlyphOrigin.y));
            }
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        // A centred label is one line, centred in its box.
        const bool centred = GetWindowLongW(control, GWL_STYLE) & SS_CENTERIMAGE;
        const int top = centred ? (room.bottom - metrics.tmHeight) / 2 : 0;
        const int bottom = centred ? top + metrics.tmHeight : needed.bottom;
        CHECK(needed.right <= room.right);
        CHECK(top + metrics.tmAscent - above >= 0);
        CHECK(bottom - metrics.tmDescent + below <= room.bottom);
    }
    // Every unit name in its race's list and in a full force list, which shows
    // its scroll bar; a list draws its rows a pixel in from each side.
    for (toolkit::Index race = 0; race < 4; ++race) {
        const toolkit::ListBox& units = form1.form().listBox(design::List3, race);
        for (HWND list :
             {form.control("List3", race), form.control("List1", 0), form.control("List1", 1)}) {
            RECT room{};
            GetClientRect(list, &room);
            const bool bar = GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL;
            const int width =
                int(room.right) - (bar ? 0 : GetSystemMetricsForDpi(SM_CXVSCROLL, UINT(dpi)));
            for (toolkit::Row row = 0; row < units.ListCount(); ++row) {
                const std::u16string_view unit = units.List(row);
                const std::wstring text(unit.begin(), unit.end());
                CAPTURE(text);
                CHECK(measure(list, fontOf(list), text).size.cx + 2 <= width);
            }
        }
    }
}

// 32,767 entries of the unit with the most of each statistic.
void checkTotalsWhole(Form1& form1, const Win32Form& form)
{
    constexpr std::tuple<const char*, const char*, const char*, const char16_t*> rows[] = {
        {"Label2", "Label6", "totalgold", u"13925975"},
        {"Label3", "Label7", "totallumber", u"3932040"},
        {"Label4", "Label8", "totalfood", u"229369"},
        {"Label11", "Label12", "totalcv", u"2698526285"}};
    for (const auto& [captionA, captionB, total, largest] : rows) {
        for (const toolkit::Index force : {0, 1}) {
            CAPTURE(std::string(total) + "(" + std::to_string(force) + ")");
            HWND label = form.control(total, force);
            HWND caption = form.control(force == 0 ? captionA : captionB);
            const RECT design = boxOf(label);
            const HFONT designFont = fontOf(label);
            toolkit::Label& shown = form1.form().label({total}, force);

            shown.setCaption(largest);
            const std::wstring text = textOf(label);
            REQUIRE(text ==
                    std::wstring(largest, largest + std::char_traits<char16_t>::length(largest)));
            const RECT box = boxOf(label);
            RECT room{};
            GetClientRect(label, &room);
            const SIZE size = measure(label, fontOf(label), text).size;
            CHECK(size.cx <= room.right);
            CHECK(box.right == design.right);
            // The top moves down as much as the ascent shrinks; the bottom stays.
            CHECK(box.top + measure(label, fontOf(label)).ascent ==
                  design.top + measure(label, designFont).ascent);
            CHECK(box.bottom == design.bottom);
            const int textLeft = (GetWindowLongW(label, GWL_STYLE) & SS_RIGHT)
                                     ? int(box.right) - size.cx
                                     : int(box.left);
            const int captionEnd = int(boxOf(caption).left) +
                                   measure(caption, fontOf(caption), textOf(caption)).size.cx;
            CHECK(captionEnd < textLeft);
            LOGFONTW now{}, was{};
            GetObjectW(fontOf(label), sizeof now, &now);
            GetObjectW(designFont, sizeof was, &was);
            CHECK(std::abs(now.lfHeight) * 3 >= std::abs(was.lfHeight) * 2);

            shown.setCaption(u"4355");
            CHECK(ltwh(boxOf(label)) == ltwh(design));
            CHECK(fontOf(label) == designFont);
        }
    }
}

COLORREF drawnColour(const Win32Form& form, const char* name, toolkit::Index index, UINT ask,
                     COLORREF (*which)(HDC))
{
    HDC dc = GetDC(form.handle());
    SendMessageW(form.handle(), ask, WPARAM(dc), LPARAM(form.control(name, index)));
    const COLORREF colour = which(dc);
    ReleaseDC(form.handle(), dc);
    return colour;
}

} // namespace

TEST_CASE("the window, its controls' places, faces and colours, at this DPI and at 144")
{
    Form1 form1;
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    wchar_t caption[64]{};
    GetWindowTextW(form.handle(), caption, 64);
    CHECK(std::wstring(caption) == L"Zorvan Calculator 0.1a by Kalmerid");
    const auto style = GetWindowLongW(form.handle(), GWL_STYLE);
    CHECK((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) ==
          (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN)) == 0);
    CHECK(GetClassLongPtrW(form.handle(), GCLP_HICON) != 0);
    CHECK(!IsWindowEnabled(form.control("Command1")));

    const int dpi = int(GetDpiForWindow(form.handle()));
    checkPlaces(form, dpi);
    checkTextsFit(form1, form, dpi);
    checkTotalsWhole(form1, form);
    if (dpi == 96) {
        RECT suggested{10, 10, 10 + 1035, 10 + 760};
        SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
        checkPlaces(form, 144);
        checkTextsFit(form1, form, 144);
        checkTotalsWhole(form1, form);
    }

    for (toolkit::Index race = 0; race < 4; ++race) {
        CHECK(drawnColour(form, "List3", race, WM_CTLCOLORLISTBOX, GetBkColor) == RGB(0, 0, 0));
        CHECK(drawnColour(form, "List3", race, WM_CTLCOLORLISTBOX, GetTextColor) == RGB(0, 255, 0));
    }
    for (const char* timeLine : {"Label9", "Label10"})
        CHECK(drawnColour(form, timeLine, -1, WM_CTLCOLORSTATIC, GetTextColor) == RGB(255, 0, 0));
}

TEST_CASE("the headings are painted in the colours of the comparison")
{
    Form1 form1;
    form1.show();
    const auto driver = Driver::create(form1.form());
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    // The pixels of a label's box exactly in a colour, as the screen shows them now.
    const auto painted = [&form](const char* name, COLORREF colour) {
        const RECT box = boxOf(form.control(name));
        HDC dc = GetDC(form.handle());
        int count = 0;
        for (int y = int(box.top); y < int(box.bottom); ++y) {
            for (int x = int(box.left); x < int(box.right); ++x)
                count += GetPixel(dc, x, y) == colour;
        }
        ReleaseDC(form.handle(), dc);
        return count;
    };
    driver->clickRow("List3", 0, 2); // Footman
    driver->click("Command2", 0);
    CHECK(painted("forcea", RGB(0, 255, 0)) > 20);
    CHECK(painted("forceb", RGB(255, 0, 0)) > 20);
    driver->click("Command2", 1);
    CHECK(painted("forcea", RGB(0, 0, 255)) > 20);
    CHECK(painted("forceb", RGB(0, 0, 255)) > 20);
    CHECK(painted("forcea", RGB(0, 255, 0)) == 0);
}
