#include "qtlabel.h"

#include "text.h"

#include <QFontMetricsF>

#include <cmath>

namespace toolkit::qt {

namespace {

QColor colourOf(Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

Qt::Alignment alignmentOf(Align align)
{
    // Labels start their text at the top, wrapping downwards inside their box.
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

QtLabel::QtLabel(const ControlDesign& design, const QFont* font, QWidget* parent)
    : QLabel(toQString(design.caption), parent)
    , Label(design.caption, design.foreColour)
    , designBox(design.left / twipsPerPixel, design.top / twipsPerPixel,
                design.width / twipsPerPixel, design.height / twipsPerPixel)
{
    setWordWrap(true);
    setAlignment(alignmentOf(design.align));
    setGeometry(designBox);
    if (font)
        setFont(*font);
    designFont = this->font();
    if (design.foreColour)
        drawForeColour(*design.foreColour);
}

void QtLabel::drawCaption(Text caption)
{
    setText(toQString(caption));
}

void QtLabel::drawForeColour(Colour colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colourOf(colour));
    setPalette(colours);
}

Colour QtLabel::defaultForeColour() const
{
    const QColor colour = palette().color(QPalette::WindowText);
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

// QWidget's setter sends the screen reader the change as well.
void QtLabel::exposeAccessibleName(Text name)
{
    QLabel::setAccessibleName(toQString(name));
}

int QtLabel::textWidth(Text text, double points) const
{
    QFont sized = designFont;
    sized.setPointSizeF(points);
    return int(std::ceil(QFontMetricsF(sized, this).horizontalAdvance(toQString(text))));
}

void QtLabel::placeCaption(const CaptionFit& fit)
{
    QFont fitted = designFont;
    fitted.setPointSizeF(fit.points);
    const QRect box(fit.left, designBox.top(), fit.width, designBox.height());
    if (box != geometry())
        setGeometry(box);
    if (fitted != font()) {
        setFont(fitted);
        // Smaller digits sit on the baseline of the design's, not above it.
        setContentsMargins(
            0, QFontMetrics(designFont, this).ascent() - QFontMetrics(fitted, this).ascent(), 0, 0);
    }
}

} // namespace toolkit::qt
