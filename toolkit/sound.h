#pragma once

// The system's warning sound.
class Sound {
public:
    static void Beep();

    // Test hook: while recording, a beep makes no sound and is counted instead.
    static void setTestRecording(bool on);
    static int testBeeps();
    static void clearTestRecord();

private:
    static bool recording;
    static int beeps;
};
