#include "firstframe.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>

// The program's own start, as in main.cpp, up to the window's first frame.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    Form1 window;
    FirstFrame::watch(&window);
    window.show();
    return application.exec();
}
