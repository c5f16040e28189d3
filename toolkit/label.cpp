#include "label.h"

namespace toolkit {

Label::Label(Text caption, std::optional<Colour> foreColour)
    : shown(caption)
    , fore(foreColour)
{
}

// Totals are set after every key in a force list; most of the time nothing
// they show has changed, and redrawing or measuring it again is all the cost.
void Label::setCaption(Text caption)
{
    if (caption == shown)
        return;
    shown = caption;
    drawCaption(shown);
    if (beside)
        fit();
}

void Label::setForeColour(Colour colour)
{
    if (fore == colour)
        return;
    fore = colour;
    drawForeColour(colour);
}

// A name sent again unchanged would have a screen reader say it again.
void Label::setAccessibleName(Text name)
{
    if (name == spokenName)
        return;
    spokenName = name;
    exposeAccessibleName(spokenName);
}

void Label::keepCaptionsWhole(const Label& besideLabel)
{
    beside = &besideLabel;
    layoutChanged();
}

void Label::layoutChanged()
{
    if (!beside)
        return;
    // Up to a space short of the end of the text beside it.
    const int besideEnd =
        beside->boxLeft() + beside->textWidth(beside->caption(), beside->designPoints());
    spare = boxLeft() - besideEnd - textWidth(u" ", designPoints());
    placed = {};
    fit();
}

void Label::fit()
{
    const CaptionFit wanted =
        fitCaption(boxLeft(), boxWidth(), spare, designPoints(),
                   [this](double points) { return textWidth(shown, points); });
    if (wanted == placed)
        return;
    placed = wanted;
    placeCaption(placed);
}

} // namespace toolkit
