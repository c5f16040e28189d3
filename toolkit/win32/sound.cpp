#include "sound.h"

#include "win.h"

void toolkit::Sound::play()
{
    MessageBeep(MB_ICONWARNING);
}
