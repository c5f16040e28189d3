#include "form1.h"
#include "identity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    Form1 window;
    window.show();
    return application.exec();
}
