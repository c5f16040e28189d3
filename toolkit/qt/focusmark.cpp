#include "focusmark.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace toolkit::qt {

namespace {
// Relative luminance and contrast ratio as accessibility guidelines define them.
double luminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
} // namespace

QColor focusMarkColour(const QPalette& palette, QPalette::ColorRole background,
                       QPalette::ColorRole text)
{
    const QColor under = palette.color(background);
    const QColor highlight = palette.color(QPalette::Highlight);
    for (const QColor& mark : {highlight, highlight.darker(160)}) {
        if (contrast(mark, under) >= 3)
            return mark;
    }
    return palette.color(text);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // The base style's own mark on these, a faint outline, shows too little.
    // Like it, this one waits until the keyboard has moved the focus.
    const State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
    if ((element != CE_PushButton && element != CE_TabBarTabLabel) ||
        (option->state & keyboardFocus) != keyboardFocus)
        return;
    painter->save();
    painter->setPen(
        QPen(focusMarkColour(option->palette, QPalette::Button, QPalette::ButtonText), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(3, 3, -3, -3));
    painter->restore();
}

} // namespace toolkit::qt
