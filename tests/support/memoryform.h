// An in-memory main window: the twelve categories' lists and boxes, without a screen.
#pragma once

#include <array>

#include "core/form.h"
#include "core/memorycontrols.h"

namespace merovane {

class MemoryForm : public Form {
 public:
  struct Panel {
    MemoryListBox sourcelist, destinationlist;
    MemoryTextBox sourcebox, destinationbox;
    MemoryFrame sourceframe, destinationframe;
  };
  // unitcounts[c] is the number of units of category c.
  explicit MemoryForm(const std::array<int, kCategoryCount>& unitcounts);

  ListBox& sourcelist(CategoryId category) override { return panel(category).sourcelist; }
  ListBox& destinationlist(CategoryId category) override { return panel(category).destinationlist; }
  TextBox& sourcebox(CategoryId category) override { return panel(category).sourcebox; }
  TextBox& destinationbox(CategoryId category) override { return panel(category).destinationbox; }
  Frame& sourceframe(CategoryId category) override { return panel(category).sourceframe; }
  Frame& destinationframe(CategoryId category) override { return panel(category).destinationframe; }

  Panel& panel(CategoryId category) { return panels_[static_cast<size_t>(category)]; }

 private:
  std::array<Panel, kCategoryCount> panels_;
};

}  // namespace merovane
