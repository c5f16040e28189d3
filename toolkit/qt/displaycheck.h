#pragma once

#include <QtGlobal>

namespace toolkit::qt {

// Watches the application object connect to the window system. Qt reports a
// failure to start in several lines and then aborts; while a check is in force
// that becomes one line, naming the platform and the display it could not
// reach or passing on Qt's own reason, and exit status 1.
class DisplayCheck {
public:
    explicit DisplayCheck(const char* programName);
    ~DisplayCheck();

    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The connection is made: Qt's messages go back to their usual handler,
    // the ones held back while connecting first.
    void passed();

private:
    QtMessageHandler previous = nullptr;
    bool watching = false;
};

} // namespace toolkit::qt
