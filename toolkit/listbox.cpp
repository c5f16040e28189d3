#include "listbox.h"

#include "keycodes.h"

#include <QKeyEvent>

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of the same font; this keeps long lists cheap to lay out.
    setUniformItemSizes(true);
}

qint16 ListBox::ListCount() const
{
    return static_cast<qint16>(count());
}

QString ListBox::List(qint16 row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->text() : QString();
}

qint16 ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : static_cast<qint16>(selected.constFirst().row());
}

bool ListBox::AddItem(const QString& text)
{
    if (count() >= MaxCount)
        return false;
    addItem(text);
    return true;
}

void ListBox::RemoveItem(qint16 row)
{
    const bool wasSelected = row >= 0 && row == ListIndex();
    delete takeItem(row);
    // Qt selects the neighbour it moves its cursor to; a removed selection leaves none.
    if (wasSelected)
        selectionModel()->clearSelection();
}

void ListBox::Clear()
{
    clear();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(keyCodeFor(event->key()), event->modifiers());

    // Qt parks its cursor on the first row when a list takes the focus, so its
    // first Down would skip that row. With nothing selected, the first move
    // selects the first row, wherever the cursor is.
    const int key = event->key();
    const bool firstMove = key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home;
    if (firstMove && count() > 0 && ListIndex() == -1) {
        setCurrentRow(0);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
