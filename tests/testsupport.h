// Test support: an in-memory main window installed as frmmain, and one conversion driven the way
// a click in a unit list drives it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "categories/categories.h"
#include "core/memoryform.h"

namespace merovane::testing {

// What a destination box holds before a conversion, so a test can see it left unchanged.
inline constexpr const char* kUntouched = "untouched";

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setfrmmain(&form);
    setmessagebox(&messages);
  }
  void TearDown() override {
    setmessagebox(nullptr);
    setfrmmain(nullptr);
  }

  // The position of `unit` in the category's list; fails the test if there is none.
  int position(CategoryId id, std::string_view unit) {
    const auto units = category(id).units;
    for (size_t at = 0; at < units.size(); ++at)
      if (units[at] == unit) return static_cast<int>(at);
    ADD_FAILURE() << "no unit \"" << unit << "\"";
    return -1;
  }

  // Types `text` into the source box, selects `from` and `to` (an empty name leaves that list
  // without a selection), sets the destination box to kUntouched and clicks the destination
  // list. Returns what the destination box then holds.
  std::string convert(CategoryId id, const std::string& text, std::string_view from,
                      std::string_view to) {
    MemoryForm::Panel& panel = form.panel(id);
    panel.sourcebox.SetText(text);
    panel.sourcelist.select(from.empty() ? -1 : position(id, from));
    panel.destinationlist.select(to.empty() ? -1 : position(id, to));
    panel.destinationbox.SetText(kUntouched);
    category(id).listclick();
    return panel.destinationbox.Text();
  }

  MemoryForm form{unitcounts()};
  MemoryMessageBox messages;
};

}  // namespace merovane::testing
