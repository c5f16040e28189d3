#pragma once

#include "form.h"
#include "messagebox.h"

#include <memory>
#include <string>
#include <vector>

namespace toolkit::headless {

class HeadlessControl;

// A window kept in memory. What a user would do to it, and what the program
// asked of the system, are reached through this class.
class HeadlessForm : public Form {
public:
    explicit HeadlessForm(const FormDesign& design);
    ~HeadlessForm() override;

    bool close() override;
    bool isVisible() const override { return visible; }
    void announce(Text text) override;

    void click(std::string_view button, Index index);
    void chooseTab(std::string_view container, Index tab);
    void focus(std::string_view control, Index index);
    // A key pressed in the control with the focus, handled as the native controls do.
    void press(KeyCode key, ShiftState shift);
    // The control with the focus, as "List1(0)"; empty for none.
    std::string focused() const;

protected:
    void showWindow() override { visible = true; }

private:
    HeadlessControl& find(std::string_view name, Index index) const;
    void moveFocus(bool backwards);

    std::vector<std::unique_ptr<HeadlessControl>> controls; // in the design's order
    bool visible = false;
};

// What the program asked of the system.
struct MessageBoxShown {
    std::u16string prompt;
    int style = 0;
    std::u16string title;
};
const std::vector<MessageBoxShown>& messageBoxesShown();
const std::vector<std::u16string>& announcements();
int beeps();
void forgetWhatWasShown();

} // namespace toolkit::headless
