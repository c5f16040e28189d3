#pragma once

#include "basics.h"

#include <limits>

namespace toolkit {

// A list box: an unsorted list of texts with at most one selected row.
class ListBox {
public:
    static constexpr Row MaxCount = std::numeric_limits<Row>::max();

    virtual ~ListBox() = default;

    virtual Row ListCount() const = 0;
    // The text of a row; the empty text for a row outside the list. The view
    // holds until this list next changes.
    virtual Text List(Row row) const = 0;
    // The selected row, or noRow. A keyboard cursor alone is not a selection.
    virtual Row ListIndex() const = 0;
    // Selects a row, or nothing for noRow, as a click on it would.
    virtual void setListIndex(Row row) = 0;
    // Appends a text; refuses (returns false) once the list holds MaxCount rows.
    virtual bool AddItem(Text text) = 0;
    // Removes an existing row; the rows after it move up, and a removed
    // selection leaves none. Rows outside the list are ignored.
    virtual void RemoveItem(Row row) = 0;
    virtual void Clear() = 0;
};

} // namespace toolkit
