#pragma once

#include "basics.h"
#include "captionfit.h"

#include <optional>
#include <string>

namespace toolkit {

// A label whose text and text colour the program sets at run time. What it
// shows is decided here; a platform only draws it and measures text.
class Label {
public:
    virtual ~Label() = default;

    const std::u16string& caption() const { return shown; }
    void setCaption(Text caption);
    // The colour the text is drawn in: the design's, the program's, or the platform's default.
    Colour foreColour() const { return fore ? *fore : defaultForeColour(); }
    void setForeColour(Colour colour);

    // From now on keeps every caption whole on one line, clear of the text of
    // the label beside it: a caption too long for the box widens it leftwards
    // up to a space short of that text, and if it still does not fit is drawn
    // in a smaller size of the same face on the same baseline.
    void keepCaptionsWhole(const Label& beside);

    // What a screen reader reads as the label, in place of its caption; each
    // change is sent to the screen reader. The screen does not show it.
    void setAccessibleName(Text name);

protected:
    Label(Text caption, std::optional<Colour> foreColour);

    // For the platform, once its box or its font's size in pixels has changed.
    void layoutChanged();

    virtual void drawCaption(Text caption) = 0;
    virtual void drawForeColour(Colour colour) = 0;
    virtual Colour defaultForeColour() const = 0;
    virtual void exposeAccessibleName(Text name) = 0;

    // The box's left edge and width, in the platform's pixels.
    virtual int boxLeft() const = 0;
    virtual int boxWidth() const = 0;
    // The design's size in points, and the width of a text drawn at a size.
    virtual double designPoints() const = 0;
    virtual int textWidth(Text text, double points) const = 0;
    // Draws the caption in that part of the box, at that size, on the design's baseline.
    virtual void placeCaption(const CaptionFit& fit) = 0;

private:
    void fit();

    std::u16string shown;
    std::optional<Colour> fore;
    std::u16string spokenName;
    const Label* beside = nullptr;
    int spare = 0; // how far the box may grow leftwards
    CaptionFit placed;
};

} // namespace toolkit
