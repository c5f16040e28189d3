#pragma once

#include "captionfit.h"
#include "design.h"
#include "label.h"
#include "win.h"

#include <optional>
#include <string>

namespace toolkit::win32 {

// A STATIC control whose text colour its parent gives it when asked.
class Win32Label : public Label {
public:
    Win32Label(HWND parent, int id, const ControlDesign& design, const FontDesign& font);
    ~Win32Label() override;

    HWND handle() const { return label; }
    // The colour the parent draws the text in.
    COLORREF textColour() const;

    std::u16string caption() const override { return text; }
    void setCaption(Text caption) override;
    Colour foreColour() const override;
    void setForeColour(Colour colour) override;
    void keepCaptionsWhole(const Label& beside) override;

    // Places the label in its box, in the window's pixels at dpi, drawn in font.
    void place(RECT box, int dpi, HFONT font);
    // Fits the caption again, once the label beside it has its place.
    void refit();

private:
    void fitCaption();
    int textWidth(HFONT font, Text text) const;

    HWND label = nullptr;
    std::u16string text;
    std::optional<Colour> fore;
    const FontDesign& fontDesign;
    RECT box{};
    int dpi = 96;
    HFONT font = nullptr;   // the form's, in the design's size
    HFONT fitted = nullptr; // this label's own, smaller
    bool keepWhole = false;
    const Win32Label* beside = nullptr;
    int spare = 0;                   // how far the box may widen leftwards
    std::optional<CaptionFit> shown; // the fit the label is drawn with
};

} // namespace toolkit::win32
