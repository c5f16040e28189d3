#pragma once

#include "basics.h"
#include "design.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace toolkit {

class Control;
class Label;
class ListBox;
class TabContainer;

// The window: made from its design by the platform, it raises the program's
// events and gives access to its controls by name and index. The rules of
// tab order, first focus and closing live here; a platform makes the controls
// and reports what the user did to them.
class Form {
public:
    using LoadHandler = std::function<void()>;
    using UnloadHandler = std::function<void(bool& cancel)>;
    using ClickHandler = std::function<void(Index index)>;
    using KeyDownHandler = std::function<void(Index index, KeyCode keyCode, ShiftState shift)>;

    // Builds the window and every control of the design, hidden.
    static std::unique_ptr<Form> create(const FormDesign& design);

    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDesign& design() const { return formDesign; }

    // A control the design does not hold stops the program with its name.
    ListBox& listBox(Name<Kind::ListBox> name, Index index = noIndex) const;
    Label& label(Name<Kind::Label> name, Index index = noIndex) const;
    TabContainer& tabContainer(Name<Kind::TabContainer> name) const;

    // Load is raised once, when the window is first shown; Unload on every
    // way of closing it. One handler serves every member of a control array
    // and is given the member's index. A handler for a control the design
    // does not hold stops the program with its name.
    void onLoad(LoadHandler handler) { load = std::move(handler); }
    void onUnload(UnloadHandler handler) { unload = std::move(handler); }
    void onClick(Name<Kind::CommandButton> name, ClickHandler handler);
    void onKeyDown(Name<Kind::ListBox> name, KeyDownHandler handler);

    // Raises Load the first time, then shows the window with the focus on the
    // first control in tab order that takes it.
    void show();
    // Asks the window to close, as its close button does; returns whether it did.
    virtual bool close() = 0;
    virtual bool isVisible() const = 0;
    // Has the user's screen reader say a text now, wherever the keyboard focus
    // is in the window, as the result of what the user just did. The screen
    // does not change.
    virtual void announce(Text text) = 0;

    // Every control of a design, in the order the Tab key visits them; those
    // without a tab index come last, in the design's order.
    static std::vector<const ControlDesign*> tabOrder(const FormDesign& design);

protected:
    explicit Form(const FormDesign& design);

    virtual void showWindow() = 0;

    // The platform registers every control it made, then says it has made them all.
    void addControl(const ControlDesign& design, Control& control);
    void addControl(const ControlDesign& design, Control& control, ListBox& list);
    void addControl(const ControlDesign& design, Control& control, Label& label);
    void addControl(const ControlDesign& design, Control& control, TabContainer& tabs);
    void controlsMade();

    // The first control in tab order that can take the focus now, if any.
    Control* firstFocusable() const;

    // The platform reports its events through these.
    void raiseClick(const ControlDesign& button) const;
    // For every request to close: raises Unload once and answers whether the
    // window may close. A request while the farewell is being said, or after
    // it, closes without another.
    bool raiseUnload();

private:
    struct Made {
        const ControlDesign* design = nullptr;
        Control* control = nullptr;
        ListBox* list = nullptr;
        Label* label = nullptr;
        TabContainer* tabs = nullptr;
    };

    const Made& find(std::string_view name, Index index, Kind kind) const;
    bool holds(std::string_view name, Kind kind) const;

    const FormDesign& formDesign;
    std::vector<Made> made;
    std::map<std::string, ClickHandler, std::less<>> clicks;
    std::map<std::string, KeyDownHandler, std::less<>> keyDowns;
    LoadHandler load;
    UnloadHandler unload;
    bool loaded = false;
    bool focusPlaced = false;
    bool unloaded = false;
};

} // namespace toolkit
