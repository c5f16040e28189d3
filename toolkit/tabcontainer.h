#pragma once

#include "basics.h"

namespace toolkit {

// A tabbed container: one page of controls shown at a time.
class TabContainer {
public:
    virtual ~TabContainer() = default;

    // The index of the tab in front.
    virtual Index Tab() const = 0;
    // Brings a tab to the front, as choosing it would.
    virtual void setTab(Index tab) = 0;
};

} // namespace toolkit
