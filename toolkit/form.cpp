#include "form.h"

#include "control.h"
#include "label.h"
#include "listbox.h"
#include "tabcontainer.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace toolkit {

namespace {

std::string describe(std::string_view name, Index index)
{
    std::string text(name);
    if (index != noIndex)
        text += "(" + std::to_string(index) + ")";
    return text;
}

} // namespace

Form::Form(const FormDesign& design)
    : formDesign(design)
{
}

std::vector<const ControlDesign*> Form::tabOrder(const FormDesign& design)
{
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design.controls)
        order.push_back(&control);
    std::ranges::stable_sort(order, {}, [](const ControlDesign* control) {
        return control->tabIndex == noTabIndex ? INT_MAX : control->tabIndex;
    });
    return order;
}

const Form::Made& Form::find(std::string_view name, Index index, Kind kind) const
{
    const auto found = std::ranges::find_if(made, [&](const Made& each) {
        return each.design->name == name && each.design->index == index &&
               each.design->kind == kind;
    });
    if (found == made.end())
        throw std::out_of_range("the window " + std::string(formDesign.name) + " has no " +
                                describe(name, index) + " of that kind");
    return *found;
}

bool Form::holds(std::string_view name, Kind kind) const
{
    return std::ranges::any_of(made, [&](const Made& each) {
        return each.design->name == name && each.design->kind == kind;
    });
}

ListBox& Form::listBox(Name<Kind::ListBox> name, Index index) const
{
    return *find(name.text, index, Kind::ListBox).list;
}

Label& Form::label(Name<Kind::Label> name, Index index) const
{
    return *find(name.text, index, Kind::Label).label;
}

TabContainer& Form::tabContainer(Name<Kind::TabContainer> name) const
{
    return *find(name.text, noIndex, Kind::TabContainer).tabs;
}

void Form::onClick(Name<Kind::CommandButton> name, ClickHandler handler)
{
    if (!holds(name.text, Kind::CommandButton))
        throw std::invalid_argument("the window " + std::string(formDesign.name) +
                                    " has no button " + std::string(name.text));
    clicks.insert_or_assign(std::string(name.text), std::move(handler));
}

void Form::onKeyDown(Name<Kind::ListBox> name, KeyDownHandler handler)
{
    if (!holds(name.text, Kind::ListBox))
        throw std::invalid_argument("the window " + std::string(formDesign.name) + " has no list " +
                                    std::string(name.text));
    keyDowns.insert_or_assign(std::string(name.text), std::move(handler));
}

void Form::show()
{
    if (!loaded) {
        loaded = true;
        if (load)
            load();
    }
    showWindow();
    if (!focusPlaced) {
        focusPlaced = true;
        if (Control* first = firstFocusable())
            first->takeFocus(false);
    }
}

void Form::addControl(const ControlDesign& design, Control& control)
{
    made.push_back({.design = &design, .control = &control});
}

void Form::controlsMade()
{
    for (const ControlDesign* design : tabOrder(formDesign)) {
        if (design->container.empty())
            continue;
        const auto container = std::ranges::find_if(
            made, [&](const Made& each) { return each.design->name == design->container; });
        const auto each = std::ranges::find(made, design, &Made::design);
        if (container == made.end() || each == made.end())
            throw std::logic_error("the window " + std::string(formDesign.name) + " lacks " +
                                   describe(design->name, design->index) + " or its container");
        if (container->tabs)
            container->tabs->addToPage(design->page, *each->control);
    }
}

void Form::addControl(const ControlDesign& design, Control& control, ListBox& list)
{
    addControl(design, control);
    made.back().list = &list;
    // A direct call: the handler runs before the list handles the key itself.
    list.keyDown = [this, &design](KeyCode keyCode, ShiftState shift) {
        if (const auto handler = keyDowns.find(design.name); handler != keyDowns.end())
            handler->second(design.index, keyCode, shift);
    };
}

void Form::addControl(const ControlDesign& design, Control& control, Label& label)
{
    addControl(design, control);
    made.back().label = &label;
}

void Form::addControl(const ControlDesign& design, Control& control, TabContainer& tabs)
{
    addControl(design, control);
    made.back().tabs = &tabs;
}

Control* Form::firstFocusable() const
{
    for (const ControlDesign* design : tabOrder(formDesign)) {
        if (design->tabIndex == noTabIndex || !takesFocus(design->kind))
            continue;
        const auto each = std::ranges::find(made, design, &Made::design);
        if (each != made.end() && each->control->canFocus())
            return each->control;
    }
    return nullptr;
}

void Form::raiseClick(const ControlDesign& button) const
{
    if (const auto handler = clicks.find(button.name); handler != clicks.end())
        handler->second(button.index);
}

bool Form::raiseUnload()
{
    if (unloaded)
        return true;
    unloaded = true;
    bool cancel = false;
    if (unload)
        unload(cancel);
    if (cancel)
        unloaded = false;
    return !cancel;
}

} // namespace toolkit
