#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>
#include <unistd.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

// Ends a start-up run at the same moment in every program measured: once the
// top-level window's first frame has been painted and the display has taken it.
// Then it tells the measuring process, on the descriptor named by
// ZORVAN_FIRST_FRAME_FD, the peak resident memory so far, and leaves the event
// loop; each program returns from main the same way.
class FirstFrame : public QObject {
public:
    static void watch(QWidget* window) { window->installEventFilter(new FirstFrame(window)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window's paint event comes first in the pass that paints the whole
        // window and then hands the frame to the display; the queued call runs
        // once that pass is over.
        if (watched == parent() && event->type() == QEvent::Paint && !painted) {
            painted = true;
            QMetaObject::invokeMethod(this, &FirstFrame::reached, Qt::QueuedConnection);
        }
        return false;
    }

private:
    using QObject::QObject;

    void reached()
    {
        // A round trip: the display has drawn every request sent before it.
        QGuiApplication::sync();
        // Under callgrind, count instructions up to here only: what follows is teardown.
        CALLGRIND_TOGGLE_COLLECT;
        if (const char* descriptor = std::getenv("ZORVAN_FIRST_FRAME_FD")) {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            char report[32];
            const int length = std::snprintf(report, sizeof report, "%ld\n", usage.ru_maxrss);
            const int fd = std::atoi(descriptor);
            if (write(fd, report, size_t(length)) != length)
                std::perror("first frame report");
            close(fd);
        }
        // exit(), not quit(): quitting asks the windows to close first.
        QCoreApplication::exit(0);
    }

    bool painted = false;
};
