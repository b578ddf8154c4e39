// The window's tests: each group in turn, on one application.
#include <QApplication>

#include "forms/application.h"

namespace merovane::guitest {
int runnavigationtests(int argc, char** argv);
int runinputtests(int argc, char** argv);
int runcontrolstests(int argc, char** argv);
int runaccessibilitytests(int argc, char** argv);
}  // namespace merovane::guitest

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  merovane::setupapplication(application);
  int failures = 0;
  failures += merovane::guitest::runnavigationtests(argc, argv);
  failures += merovane::guitest::runinputtests(argc, argv);
  failures += merovane::guitest::runcontrolstests(argc, argv);
  failures += merovane::guitest::runaccessibilitytests(argc, argv);
  return failures == 0 ? 0 : 1;
}
