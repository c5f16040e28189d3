#include "form.h"

#include <stdexcept>

namespace toolkit {

template <typename T>
T& Form::find(const std::map<Key, T*, std::less<>>& controls, std::string_view name, Index index)
{
    const auto found = controls.find(Key(name, index));
    if (found == controls.end())
        throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) +
                                ") of that kind");
    return *found->second;
}

ListBox& Form::listBox(std::string_view name, Index index) const
{
    return find(lists, name, index);
}

Label& Form::label(std::string_view name, Index index) const
{
    return find(labels, name, index);
}

TabContainer& Form::tabContainer(std::string_view name) const
{
    return find(tabContainers, name, noIndex);
}

void Form::onClick(std::string_view name, ClickHandler handler)
{
    clicks.insert_or_assign(std::string(name), std::move(handler));
}

void Form::onKeyDown(std::string_view name, KeyDownHandler handler)
{
    keyDowns.insert_or_assign(std::string(name), std::move(handler));
}

void Form::show()
{
    if (!loaded) {
        loaded = true;
        if (load)
            load();
    }
    showWindow();
}

void Form::addControl(std::string_view name, Index index, ListBox* list)
{
    lists.emplace(Key(name, index), list);
}

void Form::addControl(std::string_view name, Index index, Label* label)
{
    labels.emplace(Key(name, index), label);
}

void Form::addControl(std::string_view name, Index index, TabContainer* tabs)
{
    tabContainers.emplace(Key(name, index), tabs);
}

void Form::raiseClick(std::string_view name, Index index) const
{
    if (const auto handler = clicks.find(name); handler != clicks.end())
        handler->second(index);
}

void Form::raiseKeyDown(std::string_view name, Index index, KeyCode keyCode, ShiftState shift) const
{
    if (const auto handler = keyDowns.find(name); handler != keyDowns.end())
        handler->second(index, keyCode, shift);
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
