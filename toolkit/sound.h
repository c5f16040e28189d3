#pragma once

// The system's warning sound.
namespace toolkit::Sound {

void Beep();

} // namespace toolkit::Sound
