#pragma once

#include "basics.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace toolkit {

// A list box: an unsorted list of texts with at most one selected row. The
// rows and every rule about them live here; a platform only mirrors them in
// its native control and reports the keys pressed in it.
class ListBox {
public:
    static constexpr Row MaxCount = std::numeric_limits<Row>::max();

    virtual ~ListBox() = default;

    Row ListCount() const { return Row(rows.size()); }
    // The text of a row; the empty text for a row outside the list. The view
    // holds until this list next changes.
    Text List(Row row) const;
    // The selected row, or noRow. A keyboard cursor alone is not a selection.
    Row ListIndex() const { return selectedRow(); }
    // Selects a row, or nothing for noRow or a row outside the list, as a click would.
    void setListIndex(Row row);
    // Appends a text; refuses (returns false) once the list holds MaxCount rows.
    bool AddItem(Text text);
    // Removes an existing row; the rows after it move up, and a removed
    // selection leaves none. Rows outside the list are ignored.
    void RemoveItem(Row row);
    void Clear();

    // Told of every key pressed while the list has the focus, before the list
    // handles the key itself.
    std::function<void(KeyCode keyCode, ShiftState shift)> keyDown;

protected:
    // The platform reports each key pressed in the list here, before its own
    // control sees it; true means the key has been handled and goes no further.
    bool keyPressed(KeyCode keyCode, ShiftState shift);

    // The native control's side of each change, made after the rows here changed.
    virtual void rowAppended(Text text) = 0;
    virtual void rowRemoved(Row row) = 0;
    virtual void rowsCleared() = 0;
    virtual Row selectedRow() const = 0;
    virtual void selectRow(Row row) = 0; // noRow: none
    // The row the keyboard frame is on, or noRow.
    virtual Row keyboardRow() const = 0;
    // A key selected a row without moving the keyboard frame: the native
    // control told no screen reader, so the platform does.
    virtual void selectedByKey(Row row) = 0;

private:
    std::vector<std::u16string> rows;
};

} // namespace toolkit
