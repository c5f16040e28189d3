#pragma once

#include <QIcon>

class QApplication;

inline constexpr char productName[] = "Zorvan Calculator";
inline constexpr char productVersion[] = "0.01";

// The program's icon, from its 16 x 16 and 32 x 32 pixel art.
QIcon applicationIcon();
// Gives the application its name, version and icon.
void setUpApplication(QApplication& application);
