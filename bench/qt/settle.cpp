#include "settle.h"

#include <QCoreApplication>

void settle()
{
    QCoreApplication::processEvents();
}
