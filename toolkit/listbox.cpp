#include "listbox.h"

namespace toolkit {

Text ListBox::List(Row row) const
{
    if (row < 0 || row >= ListCount())
        return {};
    return rows[std::size_t(row)];
}

void ListBox::setListIndex(Row row)
{
    selectRow(row >= 0 && row < ListCount() ? row : noRow);
}

bool ListBox::AddItem(Text text)
{
    if (ListCount() >= MaxCount)
        return false;
    rows.emplace_back(text);
    rowAppended(text);
    return true;
}

void ListBox::RemoveItem(Row row)
{
    if (row < 0 || row >= ListCount())
        return;
    const bool wasSelected = row == ListIndex();
    rows.erase(rows.begin() + row);
    rowRemoved(row);
    // Native lists select a neighbour, or keep a stale row; a removed selection leaves none.
    if (wasSelected && ListIndex() != noRow)
        selectRow(noRow);
}

void ListBox::Clear()
{
    rows.clear();
    rowsCleared();
}

bool ListBox::keyPressed(KeyCode keyCode, ShiftState shift)
{
    if (keyDown)
        keyDown(keyCode, shift);

    // With nothing selected, the first Down, Up or Home selects the row the
    // keyboard frame is on rather than moving off it: after a Delete the frame
    // stays where the user was, and a move there must not jump to row 0 of a
    // long list. With no frame, it selects the first row.
    const bool firstMove = keyCode == keys::Down || keyCode == keys::Up || keyCode == keys::Home;
    if (!firstMove || ListCount() == 0 || ListIndex() != noRow)
        return false;
    const Row framed = keyboardRow();
    const Row row = framed >= 0 && framed < ListCount() ? framed : 0;
    selectRow(row);
    selectedByKey(row);
    return true;
}

} // namespace toolkit
