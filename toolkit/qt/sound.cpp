#include "sound.h"

#include <QApplication>

void toolkit::Sound::play()
{
    QApplication::beep();
}
