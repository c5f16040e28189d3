#pragma once

#include "basics.h"

#include <string>

namespace toolkit {

// A label whose text and text colour the program sets at run time.
class Label {
public:
    virtual ~Label() = default;

    virtual std::u16string caption() const = 0;
    virtual void setCaption(Text caption) = 0;
    virtual Colour foreColour() const = 0;
    virtual void setForeColour(Colour colour) = 0;

    // From now on keeps every caption whole on one line, clear of the text of
    // the label beside it: a caption too long for the box widens it leftwards
    // up to a space short of that text, and if it still does not fit is drawn
    // in a smaller size of the same face on the same baseline.
    virtual void keepCaptionsWhole(const Label& beside) = 0;

    // What a screen reader reads as the label, in place of its caption; each
    // change is sent to the screen reader. The screen does not show it.
    virtual void setAccessibleName(Text name) = 0;
};

} // namespace toolkit
