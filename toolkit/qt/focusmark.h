#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace toolkit::qt {

// The keyboard focus must show on every control that takes it, with a mark
// that stands out at least 3:1 from what it is drawn on.

// The colour of that mark on a background of the given role: the palette's
// highlight, else a darker highlight, else the text drawn on that background.
QColor focusMarkColour(const QPalette& palette, QPalette::ColorRole background,
                       QPalette::ColorRole text);

// Draws that mark inside buttons and tabs that have the keyboard focus, on top
// of what the base style draws; everything else is the base style's.
class FocusMarkStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace toolkit::qt
