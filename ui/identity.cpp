#include "identity.h"

#include <QApplication>
#include <QPixmap>

// The pixel art, compiled in: reading it needs neither resources nor image plugins.
#include "icons/zorvan-16.xpm"
#include "icons/zorvan-32.xpm"

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(zorvan_16));
    icon.addPixmap(QPixmap(zorvan_32));
    return icon;
}

void setUpApplication(QApplication& application)
{
    application.setApplicationName(QString::fromLatin1(productName));
    application.setApplicationVersion(QString::fromLatin1(productVersion));
    application.setWindowIcon(applicationIcon());
    // Wayland finds the icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVAN_APP_ID));
}
