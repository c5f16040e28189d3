#pragma once

#include "listbox.h"

#include <QListView>

namespace toolkit::qt {

class ListRows;

// A list box whose view reads the rows in place.
class QtListBox : public QListView, public ListBox {
    Q_OBJECT

public:
    explicit QtListBox(QWidget* parent = nullptr);

protected:
    void rowAppended(Text text) override;
    void rowRemoved(Row row) override;
    void rowsCleared() override;
    Row selectedRow() const override;
    void selectRow(Row row) override;
    Row keyboardRow() const override;
    void selectedByKey(Row row) override;

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ListRows* rows;
};

} // namespace toolkit::qt
