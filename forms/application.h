// What the window program sets up once for the whole application, and the window's fonts.
#pragma once

#include <QFont>
#include <QIcon>
#include <array>

class QApplication;

namespace merovane {

// The Fusion style (button faces show their colours under it), stand-ins for the fonts a
// platform lacks, and the application's icon.
void setupapplication(QApplication& application);

// The images of the icon, both 256 x 256: the picture in 256 colours (a palette) and in full
// colour. Of two images at one size an icon draws the one added last: the full-colour one, read
// from an uncompressed BMP the build writes from icons/merovane.png, pixel for pixel.
inline constexpr std::array<const char*, 2> kIconImages = {":/icons/merovane-256colour.png",
                                                           ":/icons/merovane.bmp"};

// The icon of the window and the application.
QIcon merovaneicon();

// Bold fonts as the window names them, at a size in points on a 96 dots-per-inch screen.
QFont mssansserif(double points);
QFont arial(double points);

}  // namespace merovane
