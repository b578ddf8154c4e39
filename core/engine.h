// The conversion engine: one conversion of one category on the four controls it is given, with
// every failure handed to a reporter. It keeps nothing between calls and reaches no window.
#pragma once

#include <optional>
#include <string>

#include "core/category.h"
#include "core/controls.h"
#include "core/runtime.h"

namespace merovane {

// How a failed conversion is shown: not at all, in a message box, or recorded for a caller.
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void failed(const RuntimeError& error) = 0;
};

// Shows a failure as a category's display says: not at all, or its description in `box` with
// an OK button and the default title.
class DisplayReporter final : public Reporter {
 public:
  DisplayReporter(FailureDisplay display, MessageBox& box) : display_(display), box_(box) {}
  void failed(const RuntimeError& error) override {
    if (display_ == FailureDisplay::MessageBox) box_.MsgBox(error.Description());
  }

 private:
  FailureDisplay display_;
  MessageBox& box_;
};

// Keeps the last failure, for callers that must tell a failed conversion from a quiet one.
class RecordingReporter final : public Reporter {
 public:
  void failed(const RuntimeError& error) override { failure_ = error; }
  const std::optional<RuntimeError>& failure() const { return failure_; }
  void clear() { failure_.reset(); }

 private:
  std::optional<RuntimeError> failure_;
};

// Reads `sourcebox`, converts it from the unit selected in `source` to the one selected in
// `destination` by the category's shape and table, and writes the result into `destinationbox`.
// Every error ends here: it goes to `reporter` and the destination box keeps its text.
void convert(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
             const TextBox& sourcebox, TextBox& destinationbox, Reporter& reporter) noexcept;

}  // namespace merovane
