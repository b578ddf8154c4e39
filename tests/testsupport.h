// Test support: conversions on in-memory controls, with failures shown as the category shows
// them, and the small lookups the table tests share.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "categories/categories.h"
#include "engine/frame.h"
#include "tablegen/exactdecimal.h"
#include "tests/support/memoryform.h"

namespace merovane::testing {

// What a destination box holds before a conversion, so a test can see it left unchanged.
inline constexpr const char* kUntouched = "untouched";

// The position of `unit` in the category's list; fails the test if there is none and then
// answers 0, which keeps a table lookup in range.
inline int position(CategoryId id, std::string_view unit) {
  const auto units = category(id).units;
  for (size_t at = 0; at < units.size(); ++at)
    if (units[at] == unit) return static_cast<int>(at);
  ADD_FAILURE() << "no unit \"" << unit << "\" in " << category(id).caption;
  return 0;
}

// A unit list as a vector, to compare with the names a test writes out.
inline std::vector<std::string_view> unitnames(std::span<const std::string_view> units) {
  return {units.begin(), units.end()};
}

// The double a decimal text reads as, which is what a table stores for a constant written so.
inline double number(const std::string& decimal) {
  return std::strtod(decimal.c_str(), nullptr);
}
inline double number(const ExactDecimal& decimal) {
  return number(decimal.text());
}

// A conversion and the text the destination box then shows.
struct Conversion {
  const char* text;
  const char* from;
  const char* to;
  const char* shown;
};

// A conversion that leaves the destination box as it was and shows `message`.
struct Failure {
  const char* text;
  const char* from;
  const char* to;
  const char* message = nullptr;  // nullptr: no message at all
};

class FormTest : public ::testing::Test {
 protected:
  // Types `text` into the source box, selects `from` and `to` (an empty name leaves that list
  // without a selection), sets the destination box to kUntouched and clicks the destination
  // list, as the window's converter of the category does. Returns what the destination box then
  // holds.
  std::string convert(CategoryId id, const std::string& text, std::string_view from,
                      std::string_view to) {
    MemoryForm::Panel& panel = form.panel(id);
    panel.sourcebox.SetText(text);
    panel.sourcelist.select(from.empty() ? -1 : position(id, from));
    panel.destinationlist.select(to.empty() ? -1 : position(id, to));
    panel.destinationbox.SetText(kUntouched);
    DisplayReporter reporter(category(id).failures, messages);
    merovane::convert(category(id), panel.sourcelist, panel.destinationlist, panel.sourcebox,
                      panel.destinationbox, reporter);
    return panel.destinationbox.Text();
  }

  // Each case shows its text and no message box.
  void expectshown(CategoryId id, std::span<const Conversion> cases) {
    for (const Conversion& c : cases) {
      SCOPED_TRACE(describe(c.text, c.from, c.to));
      messages.clear();
      EXPECT_EQ(convert(id, c.text, c.from, c.to), c.shown);
      EXPECT_TRUE(messages.messages().empty());
    }
  }

  // Each case leaves the destination box untouched and shows its one message, or none.
  void expectfailures(CategoryId id, std::span<const Failure> cases) {
    for (const Failure& c : cases) {
      SCOPED_TRACE(describe(c.text, c.from, c.to));
      messages.clear();
      EXPECT_EQ(convert(id, c.text, c.from, c.to), kUntouched);
      if (c.message == nullptr) {
        EXPECT_TRUE(messages.messages().empty());
      } else if (messages.messages().size() != 1) {
        ADD_FAILURE() << messages.messages().size() << " messages instead of \"" << c.message
                      << '"';
      } else {
        EXPECT_EQ(messages.messages()[0].prompt, c.message);
        EXPECT_EQ(messages.messages()[0].title, kDefaultTitle);
      }
    }
  }

  MemoryForm form{unitcounts()};
  MemoryMessageBox messages;

 private:
  static std::string describe(const char* text, const char* from, const char* to) {
    return '"' + std::string(text) + "\" " + from + " to " + to;
  }
};

}  // namespace merovane::testing
