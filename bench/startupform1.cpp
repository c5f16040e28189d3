#include "displaycheck.h"
#include "firstframe.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>

// The program's own start, as in main.cpp, up to the window's first frame.
int main(int, char* argv[])
{
    char* nameOnly[] = {argv[0], nullptr};
    int argc = 1;

    DisplayCheck displayCheck(nameOnly[0]);
    QApplication application(argc, nameOnly);
    displayCheck.passed();

    setUpApplication(application);
    Form1 window;
    FirstFrame::watch(&window);
    window.show();
    return application.exec();
}
