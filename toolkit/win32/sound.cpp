#include "sound.h"

#include "win.h"

void toolkit::Sound::Beep()
{
    MessageBeep(MB_ICONWARNING);
}
