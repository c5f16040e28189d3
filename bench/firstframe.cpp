#include "firstframe.h"

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

FirstFrame::FirstFrame(QWidget* window)
    : QObject(window)
    , window(window)
{
}

void FirstFrame::watch(QWidget* window)
{
    window->installEventFilter(new FirstFrame(window));
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The window's paint event comes first in the pass that paints the whole
    // window and then hands the frame to the display; the queued call runs once
    // that pass is over.
    if (watched == window && event->type() == QEvent::Paint && !painted) {
        painted = true;
        QMetaObject::invokeMethod(this, &FirstFrame::reached, Qt::QueuedConnection);
    }
    return false;
}

void FirstFrame::reached()
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
