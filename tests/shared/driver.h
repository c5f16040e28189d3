#pragma once

#include "basics.h"

#include <memory>
#include <optional>
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

    // A message box as the user saw it.
    struct MessageBoxSeen {
        std::u16string title;
        std::u16string text;
        std::string icon; // "information", "question", "warning", "critical" or ""
        std::vector<std::u16string> buttons;
    };

    // Every way this platform has of closing a window, and closing it one way,
    // answering every message box that appears on the way with its default
    // button, as a user pressing Enter would; returns the boxes, in order.
    virtual std::vector<std::string> closeWays() const = 0;
    virtual std::vector<MessageBoxSeen> close(std::string_view way) = 0;

    // The warning sounds made so far, where the platform lets a test count them.
    virtual std::optional<int> beeps() const { return std::nullopt; }
};
