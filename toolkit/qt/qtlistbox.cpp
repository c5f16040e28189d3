#include "qtlistbox.h"

#include "focusmark.h"
#include "keycodes.h"
#include "text.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace toolkit::qt {

// The list's rows as the view sees them: the count changes only between the
// model's begin and end notices, as views require, while the texts are read
// from the list itself.
class ListRows : public QAbstractListModel {
public:
    ListRows(const ListBox& list, QObject* parent)
        : QAbstractListModel(parent)
        , list(list)
    {
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return toQString(list.List(Row(index.row())));
    }

    void appended()
    {
        beginInsertRows({}, count, count);
        ++count;
        endInsertRows();
    }

    void removed(int row)
    {
        beginRemoveRows({}, row, row);
        --count;
        endRemoveRows();
    }

    void cleared()
    {
        beginResetModel();
        count = 0;
        endResetModel();
    }

private:
    const ListBox& list;
    int count = 0;
};

QtListBox::QtListBox(QWidget* parent)
    : QListView(parent)
    , rows(new ListRows(*this, this))
{
    setModel(rows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of the same font; this keeps long lists cheap to lay out.
    setUniformItemSizes(true);
}

void QtListBox::rowAppended(Text)
{
    rows->appended();
}

void QtListBox::rowRemoved(Row row)
{
    rows->removed(row);
}

void QtListBox::rowsCleared()
{
    rows->cleared();
}

Row QtListBox::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? noRow : static_cast<Row>(selected.constFirst().row());
}

void QtListBox::selectRow(Row row)
{
    if (row == noRow)
        selectionModel()->clearSelection();
    else
        selectionModel()->setCurrentIndex(rows->index(row), QItemSelectionModel::ClearAndSelect);
}

Row QtListBox::keyboardRow() const
{
    // Qt parks the frame on row 0 when an untouched list takes the focus.
    return static_cast<Row>(currentIndex().row());
}

void QtListBox::selectedByKey(Row row)
{
    // The row may have been current already, so Qt tells a screen reader
    // nothing: it reads a row when the focus moves to it.
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

void QtListBox::keyPressEvent(QKeyEvent* event)
{
    if (keyPressed(keyCodeFor(event->key()), shiftStateFor(event->modifiers()))) {
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void QtListBox::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (!hasFocus())
        return;
    // The style marks the focus on the current row alone, and only once the
    // keyboard has been used: an empty list, or one whose frame the user has
    // not seen yet, showed no focus at all, and on the black unit lists the
    // row's mark is dark on black. A frame just inside the list's border shows
    // it always.
    QPainter painter(viewport());
    painter.setPen(QPen(focusMarkColour(palette(), QPalette::Base, QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

void QtListBox::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    viewport()->update();
}

void QtListBox::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

} // namespace toolkit::qt
