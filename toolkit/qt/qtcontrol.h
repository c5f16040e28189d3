#pragma once

#include "control.h"

#include <QWidget>

namespace toolkit::qt {

// Any control as a widget: shown with it, and focused through it or, for a
// tabbed container, through its tab strip.
class QtControl : public Control {
public:
    explicit QtControl(QWidget* widget, QWidget* focusTarget = nullptr)
        : widget(widget)
        , target(focusTarget ? focusTarget : widget)
    {
    }

    void setShown(bool shown) override { widget->setVisible(shown); }
    bool canFocus() const override
    {
        return (target->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && target->isEnabled() &&
               target->isVisibleTo(target->window());
    }
    bool hasFocus() const override { return target->hasFocus(); }
    void takeFocus(bool asTabKey) override
    {
        target->setFocus(asTabKey ? Qt::TabFocusReason : Qt::OtherFocusReason);
    }

private:
    QWidget* widget;
    QWidget* target;
};

} // namespace toolkit::qt
