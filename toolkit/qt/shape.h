#pragma once

#include <QWidget>

namespace toolkit::qt {

// A square outline drawn with a thin solid line in the foreground colour,
// not filled. It takes neither the focus nor the mouse.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit::qt
