#include "sound.h"

#include <QApplication>

bool Sound::recording = false;
int Sound::beeps = 0;

void Sound::Beep()
{
    if (recording)
        ++beeps;
    else
        QApplication::beep();
}

void Sound::setTestRecording(bool on)
{
    recording = on;
}

int Sound::testBeeps()
{
    return beeps;
}

void Sound::clearTestRecord()
{
    beeps = 0;
}
