#pragma once

// The system's warning sound.
namespace toolkit::Sound {

void Beep();

// Test hook: while recording, a beep makes no sound and is counted instead.
void setTestRecording(bool on);
int testBeeps();
void clearTestRecord();

// The platform's sound, made for real.
void play();

} // namespace toolkit::Sound
