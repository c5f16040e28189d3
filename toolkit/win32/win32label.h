#pragma once

#include "design.h"
#include "label.h"
#include "win.h"

namespace toolkit::win32 {

// A STATIC control whose text colour its parent gives it when asked.
class Win32Label : public Label {
public:
    Win32Label(HWND parent, int id, const ControlDesign& design, const FontDesign& font);
    ~Win32Label() override;

    HWND handle() const { return label; }
    // The colour the parent draws the text in.
    COLORREF textColour() const;

    // Places the label in its box, in the window's pixels at dpi, drawn in font.
    void place(RECT box, int dpi, HFONT font);
    // Fits the caption again, once the label beside it has its place.
    void refit();

protected:
    void drawCaption(Text caption) override;
    void drawForeColour(Colour colour) override;
    Colour defaultForeColour() const override;
    void exposeAccessibleName(Text name) override;
    int boxLeft() const override { return box.left; }
    int boxWidth() const override { return box.right - box.left; }
    double designPoints() const override { return fontDesign.points; }
    int textWidth(Text text, double points) const override;
    void placeCaption(const CaptionFit& fit) override;

private:
    HWND label = nullptr;
    const FontDesign& fontDesign;
    RECT box{};
    int dpi = 96;
    HFONT font = nullptr;   // the form's, in the design's size
    HFONT fitted = nullptr; // this label's own, smaller
};

} // namespace toolkit::win32
