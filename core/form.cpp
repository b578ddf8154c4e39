#include "core/form.h"

#include <cstdio>
#include <cstdlib>

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

void setfrmmain(Form* window) {
  mainwindow = window;
}

void MsgBox(const std::string& prompt) {
  if (messagebox != nullptr) messagebox->MsgBox(prompt);
}

void setmessagebox(MessageBox* box) {
  messagebox = box;
}

}  // namespace merovane
