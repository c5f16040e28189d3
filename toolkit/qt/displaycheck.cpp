#include "displaycheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace toolkit::qt {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

const char* program = "";
QList<HeldMessage> held;

// The one line said when no window system could be reached.
QByteArray failureLine()
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() && x11.isEmpty() && wayland.isEmpty())
        return "no display: DISPLAY and WAYLAND_DISPLAY are unset";
    if (!x11.isEmpty() || !wayland.isEmpty())
        return "cannot open the display '" + (x11.isEmpty() ? wayland : x11) + "'";
    return "cannot start on the window system '" + platform + "'";
}

// Until the connection is made, messages are held back: on failure only the
// one line is said, on success they are passed on as they came.
void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category ? context.category : ""), text});
        return;
    }
    std::fprintf(stderr, "%s: %s\n", program, failureLine().constData());
    std::fflush(stderr);
    // Inside the half-built application object: leave without running destructors.
    std::_Exit(1);
}

} // namespace

DisplayCheck::DisplayCheck(const char* programName)
{
    const char* slash = std::strrchr(programName, '/');
    program = slash ? slash + 1 : programName;
    held.clear();
    previous = qInstallMessageHandler(holdOrFail);
    watching = true;
}

DisplayCheck::~DisplayCheck()
{
    passed();
}

void DisplayCheck::passed()
{
    if (!watching)
        return;
    watching = false;
    qInstallMessageHandler(previous);
    const QList<HeldMessage> messages = std::exchange(held, {});
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace toolkit::qt
