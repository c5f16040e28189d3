#include <QApplication>
#include <QTimer>
#include <QWidget>

// The floor for start-up: an empty top-level window of the main window's size,
// shown, and left as soon as the event loop is idle.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(684, 478);
    window.show();
    // exit(), not quit(): quitting asks the windows to close first.
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return application.exec();
}
