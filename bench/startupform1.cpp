#include "application.h"
#include "firstframe.h"
#include "form1.h"
#include "identity.h"
#include "qtform.h"

// The program's own start, as in main.cpp, up to the window's first frame.
int main(int, char* argv[])
{
    toolkit::Application application(argv[0], identity());
    Form1 window;
    FirstFrame::watch(toolkit::qt::widgetOf(window.form()));
    window.show();
    return application.exec();
}
