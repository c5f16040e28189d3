#include "qtlabel.h"

#include "captionfit.h"
#include "text.h"

#include <QFontMetricsF>

#include <cmath>

namespace toolkit::qt {

std::u16string QtLabel::caption() const
{
    return std::u16string(viewOf(text()));
}

void QtLabel::setCaption(Text caption)
{
    if (viewOf(text()) == caption)
        return;
    setText(toQString(caption));
    if (keepWhole)
        fitCaption();
}

Colour QtLabel::foreColour() const
{
    const QColor colour = palette().color(QPalette::WindowText);
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

void QtLabel::setForeColour(Colour colour)
{
    if (foreColour() == colour)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    setPalette(colours);
}

void QtLabel::keepCaptionsWhole(const Label& beside)
{
    // Up to a space short of the end of the text beside it.
    const auto& other = dynamic_cast<const QtLabel&>(beside);
    const int besideEnd =
        other.x() + QFontMetrics(other.font(), &other).horizontalAdvance(other.text());
    const int space = QFontMetrics(font(), this).horizontalAdvance(QLatin1Char(' '));
    if (!keepWhole) {
        designBox = geometry();
        designFont = font();
    }
    keepWhole = true;
    spare = x() - besideEnd - space;
    shown.reset();
    fitCaption();
}

void QtLabel::fitCaption()
{
    QFont fitted = designFont;
    const auto widthAt = [this, &fitted](double points) {
        fitted.setPointSizeF(points);
        return int(std::ceil(QFontMetricsF(fitted, this).horizontalAdvance(text())));
    };
    const CaptionFit fit = toolkit::fitCaption(designBox.left(), designBox.width(), spare,
                                               designFont.pointSizeF(), widthAt);
    if (fit == shown)
        return;
    shown = fit;
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
