// A main window as the converters see it: the controls of each category (forms/registry.h
// installs the one the program shows).
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

}  // namespace merovane
