#pragma once

#include "basics.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {
class Form;
}

// Works a window the way a user does, through the platform's own input: each
// call returns once the window has handled what it caused.
class Driver {
public:
    // Made by the platform's test support, for a window shown on it.
    static std::unique_ptr<Driver> create(toolkit::Form& form);

    virtual ~Driver() = default;

    // A mouse click on a command button.
    virtual void click(std::string_view button, toolkit::Index index = toolkit::noIndex) = 0;
    // A mouse click, or a double click, on a row of a list.
    virtual void clickRow(std::string_view list, toolkit::Index index, toolkit::Row row,
                          bool twice = false) = 0;
    // A click on a tab of the tabbed container.
    virtual void chooseTab(std::string_view container, toolkit::Index tab) = 0;
    // Gives a control the keyboard focus.
    virtual void focus(std::string_view control, toolkit::Index index = toolkit::noIndex) = 0;
    // A key pressed and released in the control that has the focus, with the
    // modifier keys held.
    virtual void press(toolkit::KeyCode key, toolkit::ShiftState shift = 0) = 0;
    // The control with the keyboard focus, as "List1(0)" or "SSTab1"; empty for none.
    virtual std::string focused() const = 0;

    // Every way this platform has of closing a window, and closing it one way.
    virtual std::vector<std::string> closeWays() const = 0;
    virtual void close(std::string_view way) = 0;
};
