#include "sound.h"

#include <QApplication>

void toolkit::Sound::Beep()
{
    QApplication::beep();
}
