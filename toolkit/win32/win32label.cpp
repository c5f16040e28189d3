#include "win32label.h"

#include "accessible.h"
#include "captionfit.h"
#include "fonts.h"
#include "text.h"

namespace toolkit::win32 {

namespace {

DWORD alignmentOf(Align align)
{
    // Each of these wraps the text at word breaks inside the box.
    switch (align) {
    case Align::Centre:
        return SS_CENTER;
    case Align::Right:
        return SS_RIGHT;
    case Align::Left:
        break;
    }
    return SS_LEFT;
}

// Text is measured on a memory DC of the screen's kind: the same sizes as on
// the label's own DC, without asking the window system for one each time.
HDC measuringDc()
{
    static const HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

int ascentOf(HFONT font)
{
    HGDIOBJ old = SelectObject(measuringDc(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(measuringDc(), &metrics);
    SelectObject(measuringDc(), old);
    return metrics.tmAscent;
}

} // namespace

Win32Label::Win32Label(HWND parent, int id, const ControlDesign& design, const FontDesign& font)
    : Label(design.caption, design.foreColour)
    , label(CreateWindowExW(0, L"STATIC", wide(design.caption).c_str(),
                            WS_CHILD | SS_NOPREFIX | alignmentOf(design.align), 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                            nullptr))
    , fontDesign(font)
{
}

Win32Label::~Win32Label()
{
    if (fitted)
        DeleteObject(fitted);
}

COLORREF Win32Label::textColour() const
{
    const Colour colour = foreColour();
    return RGB(colour.red, colour.green, colour.blue);
}

void Win32Label::drawCaption(Text caption)
{
    // The text alone, painted with the next paint rather than at once by the
    // static control: Adds queued faster than they are handled cost no paint each.
    DefWindowProcW(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(caption).c_str()));
    InvalidateRect(label, nullptr, TRUE);
}

void Win32Label::drawForeColour(Colour)
{
    InvalidateRect(label, nullptr, TRUE);
}

void Win32Label::exposeAccessibleName(Text name)
{
    accessible::setName(label, name);
}

Colour Win32Label::defaultForeColour() const
{
    const COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

void Win32Label::place(RECT newBox, int newDpi, HFONT newFont)
{
    box = newBox;
    dpi = newDpi;
    font = newFont;
    SetWindowPos(label, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Win32Label::refit()
{
    layoutChanged();
}

int Win32Label::textWidth(Text text, double points) const
{
    HFONT sized = points == fontDesign.points ? font : createFont(fontDesign, dpi, points);
    HGDIOBJ old = SelectObject(measuringDc(), sized);
    SIZE size{};
    GetTextExtentPoint32W(measuringDc(), reinterpret_cast<const wchar_t*>(text.data()),
                          int(text.size()), &size);
    SelectObject(measuringDc(), old);
    if (sized != font)
        DeleteObject(sized);
    return size.cx;
}

void Win32Label::placeCaption(const CaptionFit& fit)
{
    // One line, centred: a stand-in face's tall ascent would push the digits
    // below the box if they were drawn from its top.
    SetWindowLongW(label, GWL_STYLE, GetWindowLongW(label, GWL_STYLE) | SS_CENTERIMAGE);
    HFONT drawn = font;
    if (fit.points != fontDesign.points) {
        HFONT smaller = createFont(fontDesign, dpi, fit.points);
        drawn = smaller;
        if (fitted)
            DeleteObject(fitted);
        fitted = smaller;
    }
    // Smaller digits sit on the baseline of the design's, not above it.
    const int drop = ascentOf(font) - ascentOf(drawn);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(drawn), FALSE);
    SetWindowPos(label, nullptr, fit.left, box.top + drop, fit.width, box.bottom - box.top - drop,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

} // namespace toolkit::win32
