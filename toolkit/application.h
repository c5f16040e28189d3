#pragma once

#include "basics.h"

#include <array>
#include <memory>
#include <string_view>

namespace toolkit {

// What the program calls itself.
struct Identity {
    Text productName;
    Text productVersion;
    // The reverse-DNS name of its desktop entry, where the platform uses one.
    std::string_view desktopId;
    // Its icon, 16 and 32 pixels square, as XPM pixel art, where the platform
    // does not take it from the program file.
    std::array<const char* const*, 2> iconArt{};
};

// The connection to the window system and the event loop. At most one exists.
class Application {
public:
    // The program takes no command line: only its name is used. Without a
    // window system to show a window on, says so in one line and exits with status 1.
    Application(const char* programName, const Identity& identity);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Handles events until the last window has closed; returns the exit status.
    int exec();

private:
    struct Native;
    std::unique_ptr<Native> native;
};

} // namespace toolkit
