// frmmain as the window's converters see it: the controls of the one main window, which the
// converters called without controls reach through it, and the toolkit's message box.
#pragma once

#include "core/category.h"
#include "core/controls.h"

namespace merovane {

class Form {
 public:
  virtual ~Form() = default;
  virtual ListBox& sourcelist(CategoryId category) = 0;
  virtual ListBox& destinationlist(CategoryId category) = 0;
  virtual TextBox& sourcebox(CategoryId category) = 0;
  virtual TextBox& destinationbox(CategoryId category) = 0;
  // The category's "Source Unit" and "Destination Unit" frames.
  virtual Frame& sourceframe(CategoryId category) = 0;
  virtual Frame& destinationframe(CategoryId category) = 0;
};

// The application's one main window. Using it before a window was installed is a fault of the
// program's start-up, not of a conversion.
Form& frmmain();
// Installs the main window (nullptr removes it) and returns the one installed before, so a
// stand-in can put it back. The window outlives every converter call.
Form* setfrmmain(Form* window);

// The toolkit's message box: shows `prompt` with an OK button and the default title through the
// installed message box; without one the message goes nowhere.
void MsgBox(const std::string& prompt);
// Installs the message box MsgBox shows through; returns the one installed before.
MessageBox* setmessagebox(MessageBox* box);

}  // namespace merovane
