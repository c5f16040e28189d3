#include "sound.h"

namespace toolkit::Sound {

namespace {
bool recording = false;
int beeps = 0;
} // namespace

void Beep()
{
    if (recording)
        ++beeps;
    else
        play();
}

void setTestRecording(bool on)
{
    recording = on;
}

int testBeeps()
{
    return beeps;
}

void clearTestRecord()
{
    beeps = 0;
}

} // namespace toolkit::Sound
