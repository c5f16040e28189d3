#pragma once

#include <QListWidget>

#include <limits>

// A list box with the row-number operations the program is written against.
// Rows and counts are 16-bit; -1 stands for "no row".
class ListBox : public QListWidget {
    Q_OBJECT

public:
    static constexpr qint16 MaxCount = std::numeric_limits<qint16>::max();

    explicit ListBox(QWidget* parent = nullptr);

    qint16 ListCount() const;
    // The text of a row; the empty text for a row outside the list.
    QString List(qint16 row) const;
    // The selected row, or -1. Qt's current-item cursor is not a selection.
    qint16 ListIndex() const;
    // Appends a text; refuses (returns false) once the list holds MaxCount rows.
    bool AddItem(const QString& text);
    // Removes an existing row; the rows after it move up. Other rows are ignored.
    void RemoveItem(qint16 row);
    void Clear();

signals:
    // Raised for every key press while the list has the focus, before the
    // list handles the key itself.
    void KeyDown(qint16 keyCode, Qt::KeyboardModifiers shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
