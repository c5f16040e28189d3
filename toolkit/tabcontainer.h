#pragma once

#include "basics.h"

#include <vector>

namespace toolkit {

class Control;

// A tabbed container: one page of controls shown at a time. Which page shows
// and where the focus goes are decided here; a platform draws the tab strip
// and tells when the user chose another tab on it.
class TabContainer {
public:
    virtual ~TabContainer() = default;

    // The index of the tab in front.
    Index Tab() const { return front; }
    // Brings a tab to the front, as choosing it would.
    void setTab(Index tab);

protected:
    explicit TabContainer(Index pageCount);

    // The platform reports a tab chosen on its strip, by mouse or keys.
    void tabChosen(Index tab);

    // Marks a tab as chosen on the strip, without telling back.
    virtual void chooseTab(Index tab) = 0;
    // Shows or hides a whole page; by default, each control on it.
    virtual void showPage(Index page, bool shown);
    const std::vector<Control*>& controlsOn(Index page) const;

private:
    friend class Form;
    // Puts a control on a page, in tab order; it shows only while its page is in front.
    void addToPage(Index page, Control& control);
    void bringToFront(Index tab);

    std::vector<std::vector<Control*>> pages;
    Index front = 0;
};

} // namespace toolkit
