#pragma once

namespace toolkit {

// A control as its platform made it, reduced to what the shared rules of
// tab pages and focus need of it.
class Control {
public:
    virtual ~Control() = default;

    virtual void setShown(bool shown) = 0;
    // Whether the Tab key could put the focus here now: a kind that takes
    // the focus, enabled, and not hidden within the window.
    virtual bool canFocus() const = 0;
    virtual bool hasFocus() const = 0;
    // asTabKey: the focus moves on from another control, as the Tab key moves it.
    virtual void takeFocus(bool asTabKey) = 0;
};

} // namespace toolkit
