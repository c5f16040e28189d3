#include "firstframe.h"
#include "form1design.h"

#include <QApplication>
#include <QWidget>

// What any window costs: an empty top-level window of the main window's size,
// up to its first frame.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(design::form1.clientWidth / toolkit::twipsPerPixel,
                        design::form1.clientHeight / toolkit::twipsPerPixel);
    FirstFrame::watch(&window);
    window.show();
    return application.exec();
}
