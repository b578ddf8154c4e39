// merovane: the window program.
#include <QApplication>

#include "forms/application.h"
#include "forms/frmmain.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  merovane::setupapplication(application);
  merovane::FrmMain window;
  window.show();
  return application.exec();
}
