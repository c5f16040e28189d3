#include "displaycheck.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QRegularExpression>
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

// The Wayland socket a client connects to: WAYLAND_DISPLAY, by default
// "wayland-0", in the runtime directory unless it is a path of its own.
QByteArray waylandSocket()
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return name.startsWith('/') || runtime.isEmpty() ? name : runtime + '/' + name;
}

// What one platform's failure to start says: the display it could not reach,
// or, where it did not get that far, Qt's own reason.
QByteArray failureOf(const QByteArray& platform, bool found, const QString& reason)
{
    if (found && platform == "xcb") {
        const QByteArray x11 = qgetenv("DISPLAY");
        return x11.isEmpty() ? "no X display: DISPLAY is unset"
                             : "cannot open the X display '" + x11 + "'";
    }
    if (found && platform.startsWith("wayland"))
        return "cannot connect to the Wayland display '" + waylandSocket() + "'";
    return "cannot start on the platform '" + platform + "': " + reason.toLocal8Bit();
}

// The one line said when the application object could not start. Qt names
// each platform plugin it tried in a message of its own, saying whether it
// found the plugin; a found plugin of the X11 or Wayland platform fails when
// its display cannot be reached. Any other fatal message is Qt's own reason.
QByteArray failureLine(const QString& fatal)
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() && x11.isEmpty() && wayland.isEmpty())
        return "no display: DISPLAY and WAYLAND_DISPLAY are unset";

    static const QRegularExpression tried(QStringLiteral("Qt platform plugin \"([^\"]*)\""));
    QByteArrayList failures;
    for (const HeldMessage& message : std::as_const(held)) {
        const QRegularExpressionMatch match = tried.match(message.text);
        if (message.category == "qt.qpa.plugin" && match.hasMatch())
            failures.append(failureOf(match.captured(1).toLocal8Bit(),
                                      message.text.contains(QLatin1String("it was found")),
                                      message.text));
    }
    const QByteArray reason = fatal.section(QLatin1Char('\n'), 0, 0).toLocal8Bit();
    if (failures.isEmpty())
        return platform.isEmpty() ? reason
                                  : "cannot start on the platform '" + platform + "': " + reason;
    return failures.join("; ");
}

// Until the connection is made, messages are held back: on failure only the
// one line is said, on success they are passed on as they came.
void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category ? context.category : ""), text});
        return;
    }
    std::fprintf(stderr, "%s: %s\n", program, failureLine(text).constData());
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
