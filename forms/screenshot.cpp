// merovane-screenshot FILE: draws the window into a PNG as a user sees it after converting
// 1 Miles to Meters in Length, driving it with real clicks and keystrokes. A tool for the docs.
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "forms/application.h"
#include "forms/frmmain.h"

namespace {

void clickunit(QListWidget& list, const QString& unit) {
  const QList<QListWidgetItem*> found = list.findItems(unit, Qt::MatchExactly);
  if (found.isEmpty()) return;
  list.scrollToItem(found.first());
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(found.first()).center());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: merovane-screenshot FILE.png\n", stderr);
    return 2;
  }
  merovane::setupapplication(application);
  // Built as the program builds it; the clicks reach for the unit frames.
  merovane::FrmMain window(merovane::FrmMain::Build::UnitFramesAfterFirstPaint);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  using merovane::CategoryId;
  using merovane::Side;
  QTest::mouseClick(&window.button(CategoryId::Length), Qt::LeftButton);
  clickunit(window.list(CategoryId::Length, Side::Source), QStringLiteral("Miles"));
  clickunit(window.list(CategoryId::Length, Side::Destination), QStringLiteral("Meters"));
  window.box(CategoryId::Length, Side::Source).setFocus();
  QTest::keyClicks(&window.box(CategoryId::Length, Side::Source), QStringLiteral("1"));
  QTest::qWait(200);

  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "merovane-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
