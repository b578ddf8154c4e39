// What the window program sets up once for the whole application, and the window's fonts.
#pragma once

#include <QFont>
#include <QIcon>

class QApplication;

namespace merovane {

// The Fusion style (button faces show their colours under it), stand-ins for the fonts a
// platform lacks, and the application's icon.
void setupapplication(QApplication& application);

// The icon of the window and the application.
QIcon merovaneicon();

// Bold fonts as the window names them, at a size in points on a 96 dots-per-inch screen.
QFont mssansserif(double points);
QFont arial(double points);

}  // namespace merovane
