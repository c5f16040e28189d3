#pragma once

#include "listbox.h"

#include <QListView>

#include <functional>

namespace toolkit::qt {

class ListRows;

// A list box over rows of its own, so that a row's text is read in place.
class QtListBox : public QListView, public ListBox {
    Q_OBJECT

public:
    explicit QtListBox(QWidget* parent = nullptr);

    Row ListCount() const override;
    Text List(Row row) const override;
    Row ListIndex() const override;
    void setListIndex(Row row) override;
    bool AddItem(Text text) override;
    void RemoveItem(Row row) override;
    void Clear() override;

    // Raised for every key press while the list has the focus, before the
    // list handles the key itself.
    std::function<void(KeyCode keyCode, ShiftState shift)> keyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ListRows* rows;
};

} // namespace toolkit::qt
