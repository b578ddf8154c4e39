// frmmain as the converters see it: the controls of the one main window. The window may be the
// Qt window or the in-memory one that the command-line tool and the tests use; a converter cannot
// tell which.
#pragma once

#include "core/controls.h"

namespace merovane {

// The twelve categories, in the order of the window's category table.
enum class CategoryId {
  Area,
  BitsAndBytes,
  Density,
  Energy,
  Force,
  Length,
  Weight,
  Power,
  Pressure,
  Speed,
  Temperature,
  Volume,
};
inline constexpr int kCategoryCount = 12;

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
