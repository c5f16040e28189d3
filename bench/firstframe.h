#pragma once

#include <QObject>

class QWidget;

// Ends a start-up run at the same moment in every program measured: once the
// top-level window's first frame has been painted and the display has taken it.
// Then it tells the measuring process, on the descriptor named by
// ZORVAN_FIRST_FRAME_FD, the peak resident memory so far, and leaves the event
// loop; each program returns from main the same way.
class FirstFrame : public QObject {
    Q_OBJECT

public:
    static void watch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstFrame(QWidget* window);

    void reached();

    QWidget* window;
    bool painted = false;
};
