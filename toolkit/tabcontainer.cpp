#include "tabcontainer.h"

#include "control.h"

namespace toolkit {

TabContainer::TabContainer(Index pageCount)
    : pages(std::size_t(pageCount))
{
}

void TabContainer::setTab(Index tab)
{
    if (tab < 0 || std::size_t(tab) >= pages.size() || tab == front)
        return;
    chooseTab(tab);
    bringToFront(tab);
}

void TabContainer::addToPage(Index page, Control& control)
{
    pages.at(std::size_t(page)).push_back(&control);
    showPage(page, page == front);
}

const std::vector<Control*>& TabContainer::controlsOn(Index page) const
{
    return pages.at(std::size_t(page));
}

void TabContainer::tabChosen(Index tab)
{
    if (tab >= 0 && std::size_t(tab) < pages.size() && tab != front)
        bringToFront(tab);
}

void TabContainer::showPage(Index page, bool shown)
{
    for (Control* control : pages[std::size_t(page)])
        control->setShown(shown);
}

void TabContainer::bringToFront(Index tab)
{
    front = tab;
    showPage(front, true);
    // Focus on a page going to the back moves to the first control of the
    // page in front that the Tab key reaches, before hiding would move it on
    // past the pages to whatever follows them.
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (Index(page) == front)
            continue;
        for (const Control* control : pages[page]) {
            if (!control->hasFocus())
                continue;
            for (Control* next : pages[std::size_t(front)]) {
                if (next->canFocus()) {
                    next->takeFocus(true);
                    break;
                }
            }
        }
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (Index(page) != front)
            showPage(Index(page), false);
    }
}

} // namespace toolkit
