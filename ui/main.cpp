#include "application.h"
#include "form1.h"
#include "identity.h"

int main(int, char* argv[])
{
    toolkit::Application application(argv[0], identity());
    Form1 window;
    window.show();
    return application.exec();
}
