#include "label.h"

#include <QFontMetricsF>

#include <cmath>

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (keepWhole)
        fitCaption();
}

void Label::setForeColor(quint8 red, quint8 green, quint8 blue)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(red, green, blue));
    setPalette(colours);
}

QColor Label::foreColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::keepCaptionsWhole(int spareLeft)
{
    if (!keepWhole) {
        designBox = geometry();
        designFont = font();
    }
    keepWhole = true;
    spare = spareLeft;
    fitCaption();
}

void Label::fitCaption()
{
    const auto widthIn = [this](const QFont& font) {
        return int(std::ceil(QFontMetricsF(font, this).horizontalAdvance(text())));
    };
    QRect box = designBox;
    QFont fitted = designFont;
    if (const int wide = widthIn(fitted); wide > box.width()) {
        box.setLeft(box.left() - qMin(spare, wide - box.width()));
        // Text width grows almost in proportion to the size; hinting can add a
        // pixel, so step down from the estimate until the caption fits.
        if (wide > box.width() && box.width() > 0) {
            qreal points = std::floor(fitted.pointSizeF() * box.width() / wide * 4) / 4;
            for (fitted.setPointSizeF(points); points > 1 && widthIn(fitted) > box.width();
                 fitted.setPointSizeF(points))
                points -= 0.25;
        }
    }
    if (box != geometry())
        setGeometry(box);
    if (fitted != font()) {
        setFont(fitted);
        // Smaller digits sit on the baseline of the design's, not above it.
        setContentsMargins(
            0, QFontMetrics(designFont, this).ascent() - QFontMetrics(fitted, this).ascent(), 0, 0);
    }
}
