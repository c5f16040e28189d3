#include "qtlistbox.h"

#include "focusmark.h"
#include "keycodes.h"
#include "text.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <vector>

namespace toolkit::qt {

class ListRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(texts.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return texts[std::size_t(index.row())];
    }

    void append(Text text)
    {
        const int row = int(texts.size());
        beginInsertRows({}, row, row);
        texts.push_back(toQString(text));
        endInsertRows();
    }

    void remove(int row)
    {
        beginRemoveRows({}, row, row);
        texts.erase(texts.begin() + row);
        endRemoveRows();
    }

    void clear()
    {
        beginResetModel();
        texts.clear();
        endResetModel();
    }

    std::vector<QString> texts;
};

QtListBox::QtListBox(QWidget* parent)
    : QListView(parent)
    , rows(new ListRows(this))
{
    setModel(rows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of the same font; this keeps long lists cheap to lay out.
    setUniformItemSizes(true);
}

Row QtListBox::ListCount() const
{
    return static_cast<Row>(rows->texts.size());
}

Text QtListBox::List(Row row) const
{
    if (row < 0 || std::size_t(row) >= rows->texts.size())
        return {};
    return viewOf(rows->texts[std::size_t(row)]);
}

Row QtListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? noRow : static_cast<Row>(selected.constFirst().row());
}

void QtListBox::setListIndex(Row row)
{
    if (row == noRow)
        selectionModel()->clearSelection();
    else
        selectionModel()->setCurrentIndex(rows->index(row), QItemSelectionModel::ClearAndSelect);
}

bool QtListBox::AddItem(Text text)
{
    if (ListCount() >= MaxCount)
        return false;
    rows->append(text);
    return true;
}

void QtListBox::RemoveItem(Row row)
{
    if (row < 0 || row >= ListCount())
        return;
    const bool wasSelected = row == ListIndex();
    rows->remove(row);
    // Qt selects the neighbour it moves its cursor to; a removed selection leaves none.
    if (wasSelected)
        selectionModel()->clearSelection();
}

void QtListBox::Clear()
{
    rows->clear();
}

void QtListBox::keyPressEvent(QKeyEvent* event)
{
    if (keyDown)
        keyDown(keyCodeFor(event->key()), shiftStateFor(event->modifiers()));

    // With nothing selected, the first Down, Up or Home selects the row the
    // keyboard frame is on rather than moving off it: after a Delete the frame
    // stays where the user was, and a move there must not jump to row 0 of a
    // long list. Qt parks the frame on row 0 when an untouched list takes the
    // focus, so there the first move selects row 0; with no frame, row 0 too.
    const int key = event->key();
    const bool firstMove = key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home;
    if (firstMove && ListCount() > 0 && ListIndex() == noRow) {
        const int framed = currentIndex().row();
        const Row row = framed >= 0 && framed < ListCount() ? Row(framed) : 0;
        setListIndex(row);
        // The row may have been current already, so Qt tells a screen reader
        // nothing: it reads a row when the focus moves to it.
        if (QAccessible::isActive()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(row);
            QAccessible::updateAccessibility(&focus);
        }
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
