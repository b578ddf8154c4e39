#include "forms/registry.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace merovane {
namespace {
Form* mainwindow = nullptr;
MessageBox* messagebox = nullptr;
}  // namespace

Form& frmmain() {
  if (mainwindow == nullptr) {
    std::fputs("merovane: no main window installed\n", stderr);
    std::abort();
  }
  return *mainwindow;
}

Form* setfrmmain(Form* window) {
  return std::exchange(mainwindow, window);
}

void MsgBox(const std::string& prompt) {
  if (messagebox != nullptr) messagebox->MsgBox(prompt);
}

MessageBox* setmessagebox(MessageBox* box) {
  return std::exchange(messagebox, box);
}

}  // namespace merovane
