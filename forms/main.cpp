// merovane: the window program.
#include "forms/application.h"
#include "forms/frmmain.h"
#include "forms/startup.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = merovane::readcommandline(argc, argv)) return *status;
  const std::unique_ptr<QApplication> application = merovane::startapplication(argc, argv);
  merovane::setupapplication(*application);
  merovane::FrmMain window(merovane::FrmMain::Build::UnitFramesAfterFirstPaint);
  window.show();
  return application->exec();
}
