#include "forms/application.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

namespace merovane {
namespace {

// The layout is fixed in pixels, so the fonts are too: a point is 96/72 pixel, whatever the
// screen reports.
QFont boldfont(const char* family, double points) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(true);
  return font;
}

}  // namespace

void setupapplication(QApplication& application) {
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Metric-compatible stand-ins first, so captions fit their buttons as they were drawn.
  QFont::insertSubstitutions(
      QStringLiteral("MS Sans Serif"),
      {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
       QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Arial"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
  application.setApplicationName(QStringLiteral("Merovane"));
  // The desktop entry's name, by which a Wayland compositor finds the window's entry and icon.
  application.setDesktopFileName(QStringLiteral("org.merovane.Merovane"));
  application.setWindowIcon(merovaneicon());
}

QIcon merovaneicon() {
  // Decoded once and shared by the application and its window (decoding the two 256 x 256
  // images is most of the cost of the icon); it lives as long as the program.
  static const QIcon* const icon = [] {
    auto* made = new QIcon;
    for (const char* image : kIconImages) made->addFile(QString::fromLatin1(image));
    return made;
  }();
  return *icon;
}

QFont mssansserif(double points) {
  return boldfont("MS Sans Serif", points);
}

QFont arial(double points) {
  return boldfont("Arial", points);
}

}  // namespace merovane
