#pragma once

#include "basics.h"
#include "design.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace toolkit {

class Label;
class ListBox;
class TabContainer;

// The window: made from its design by the platform, it raises the program's
// events and gives access to its controls by name and index.
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

    ListBox& listBox(std::string_view name, Index index = noIndex) const;
    Label& label(std::string_view name, Index index = noIndex) const;
    TabContainer& tabContainer(std::string_view name) const;

    // Load is raised once, when the window is first shown; Unload on every
    // way of closing it. One handler serves every member of a control array
    // and is given the member's index.
    void onLoad(LoadHandler handler) { load = std::move(handler); }
    void onUnload(UnloadHandler handler) { unload = std::move(handler); }
    void onClick(std::string_view name, ClickHandler handler);
    void onKeyDown(std::string_view name, KeyDownHandler handler);

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

protected:
    Form() = default;

    virtual void showWindow() = 0;

    // The platform's controls register here as they are made.
    void addControl(std::string_view name, Index index, ListBox* list);
    void addControl(std::string_view name, Index index, Label* label);
    void addControl(std::string_view name, Index index, TabContainer* tabs);

    // The platform reports its events through these.
    void raiseClick(std::string_view name, Index index) const;
    void raiseKeyDown(std::string_view name, Index index, KeyCode keyCode, ShiftState shift) const;
    // For every request to close: raises Unload once and answers whether the
    // window may close. A request while the farewell is being said, or after
    // it, closes without another.
    bool raiseUnload();

private:
    using Key = std::pair<std::string, Index>;
    template <typename T>
    static T& find(const std::map<Key, T*, std::less<>>& controls, std::string_view name,
                   Index index);

    std::map<Key, ListBox*, std::less<>> lists;
    std::map<Key, Label*, std::less<>> labels;
    std::map<Key, TabContainer*, std::less<>> tabContainers;
    std::map<std::string, ClickHandler, std::less<>> clicks;
    std::map<std::string, KeyDownHandler, std::less<>> keyDowns;
    LoadHandler load;
    UnloadHandler unload;
    bool loaded = false;
    bool unloaded = false;
};

} // namespace toolkit
