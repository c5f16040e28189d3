#include "displaycheck.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>

int main(int, char* argv[])
{
    // The program takes no command line: Qt is given the program's name alone.
    char fallbackName[] = "zorvan-calculator";
    char* nameOnly[] = {argv[0] ? argv[0] : fallbackName, nullptr};
    int argc = 1;

    DisplayCheck displayCheck(nameOnly[0]);
    QApplication application(argc, nameOnly);
    displayCheck.passed();

    setUpApplication(application);
    Form1 window;
    window.show();
    return application.exec();
}
