#include "identity.h"

#include <QApplication>

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/zorvan-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/zorvan-32.xpm"), QSize(32, 32));
    return icon;
}

void setUpApplication(QApplication& application) {
    application.setApplicationName(QString::fromLatin1(productName));
    application.setApplicationVersion(QString::fromLatin1(productVersion));
    application.setWindowIcon(applicationIcon());
    // Wayland finds the icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVAN_APP_ID));
}
