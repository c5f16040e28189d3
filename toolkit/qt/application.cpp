#include "application.h"

#include "displaycheck.h"
#include "qtapplication.h"
#include "text.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <optional>
#include <string>

namespace toolkit {

struct Application::Native {
    // QApplication keeps referring to these for as long as it lives.
    std::string name;
    char* argv[2] = {nullptr, nullptr};
    int argc = 1;
    std::optional<QApplication> application;
};

Application::Application(const char* programName, const Identity& identity)
    : native(std::make_unique<Native>())
{
    // Qt is given the program's name alone: it takes no command line.
    native->name = programName && *programName ? programName : "zorvan-calculator";
    native->argv[0] = native->name.data();

    qt::DisplayCheck displayCheck(native->argv[0]);
    native->application.emplace(native->argc, native->argv);
    displayCheck.passed();
    qt::applyIdentity(*native->application, identity);
}

Application::~Application() = default;

int Application::exec()
{
    return native->application->exec();
}

namespace qt {

QIcon iconOf(const Identity& identity)
{
    QIcon icon;
    // The pixel art, compiled in: reading it needs neither resources nor image plugins.
    for (const char* const* art : identity.iconArt) {
        if (art)
            icon.addPixmap(QPixmap(art));
    }
    return icon;
}

void applyIdentity(QApplication& application, const Identity& identity)
{
    application.setApplicationName(toQString(identity.productName));
    application.setApplicationVersion(toQString(identity.productVersion));
    application.setWindowIcon(iconOf(identity));
    // Wayland finds the icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(toQString(identity.desktopId));
}

} // namespace qt

} // namespace toolkit
