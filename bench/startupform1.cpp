#include "form1.h"
#include "identity.h"

#include <QApplication>
#include <QTimer>

// The program's own start, as in main.cpp, left as soon as the event loop is
// idle with the window shown and its catalogue built.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    Form1 window;
    window.show();
    // exit(), not quit(): quitting asks the windows to close first.
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return application.exec();
}
