#include "win32label.h"

#include "accessibletext.h"
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

int ascentOf(HWND window, HFONT font)
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmAscent;
}

} // namespace

Win32Label::Win32Label(HWND parent, int id, const ControlDesign& design, const FontDesign& font)
    : label(CreateWindowExW(0, L"STATIC", wide(design.caption).c_str(),
                            WS_CHILD | SS_NOPREFIX | alignmentOf(design.align), 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                            nullptr))
    , text(design.caption)
    , fore(design.foreColour)
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
    return fore ? RGB(fore->red, fore->green, fore->blue) : GetSysColor(COLOR_WINDOWTEXT);
}

void Win32Label::setCaption(Text caption)
{
    text = caption;
    SetWindowTextW(label, wide(caption).c_str());
    if (keepWhole)
        fitCaption();
}

Colour Win32Label::foreColour() const
{
    const COLORREF colour = textColour();
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

void Win32Label::setForeColour(Colour colour)
{
    fore = colour;
    InvalidateRect(label, nullptr, TRUE);
}

void Win32Label::setAccessibleName(Text name)
{
    setAccessibleText(label, PROPID_ACC_NAME, name, EVENT_OBJECT_NAMECHANGE);
}

void Win32Label::keepCaptionsWhole(const Label& other)
{
    beside = &dynamic_cast<const Win32Label&>(other);
    keepWhole = true;
    // One line, centred: a stand-in face's tall ascent would push the digits
    // below the box if they were drawn from its top.
    SetWindowLongW(label, GWL_STYLE, GetWindowLongW(label, GWL_STYLE) | SS_CENTERIMAGE);
    fitCaption();
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
    if (keepWhole)
        fitCaption();
}

int Win32Label::textWidth(HFONT with, Text caption) const
{
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, with);
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.data()), int(caption.size()),
                          &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size.cx;
}

void Win32Label::fitCaption()
{
    if (!font || !beside)
        return;
    // Up to a space short of the end of the text beside it.
    const int besideEnd = beside->box.left + textWidth(beside->font, beside->text);
    const int spare = box.left - besideEnd - textWidth(font, u" ");

    HFONT trial = nullptr;
    const auto widthAt = [&](double points) {
        if (points == fontDesign.points)
            return textWidth(font, text);
        if (trial)
            DeleteObject(trial);
        trial = createFont(fontDesign, dpi, points);
        return textWidth(trial, text);
    };
    const CaptionFit fit =
        toolkit::fitCaption(box.left, box.right - box.left, spare, fontDesign.points, widthAt);
    if (trial)
        DeleteObject(trial);

    HFONT drawn = font;
    if (fit.points != fontDesign.points) {
        HFONT smaller = createFont(fontDesign, dpi, fit.points);
        drawn = smaller;
        if (fitted)
            DeleteObject(fitted);
        fitted = smaller;
    }
    // Smaller digits sit on the baseline of the design's, not above it.
    const int drop = ascentOf(label, font) - ascentOf(label, drawn);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(drawn), FALSE);
    SetWindowPos(label, nullptr, fit.left, box.top + drop, fit.width, box.bottom - box.top - drop,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

} // namespace toolkit::win32
