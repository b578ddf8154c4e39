// merovane: the window program.
#include <QApplication>

#include "forms/application.h"
#include "forms/frmmain.h"
#include "forms/startup.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = merovane::readcommandline(argc, argv)) return *status;
  QApplication application(argc, argv);
  merovane::setupapplication(application);
  merovane::FrmMain window;
  window.show();
  return application.exec();
}
