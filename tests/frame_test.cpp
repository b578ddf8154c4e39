// The conversion engine on a small table: its failure displays, the pair scan and the result grids.
#include "engine/frame.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "core/memorycontrols.h"

namespace merovane {
namespace {

// A list that counts how often it is asked, to see the scan's order of questions.
class CountingList : public MemoryListBox {
 public:
  using MemoryListBox::MemoryListBox;
  bool Selected(int index) const override {
    ++questions;
    return MemoryListBox::Selected(index);
  }
  int ListIndex() const override {
    ++questions;
    return MemoryListBox::ListIndex();
  }
  mutable int questions = 0;
};

// Three units: b is 2 a, c is 1000 a; a to c is a rounded chain.
ConversionTable smalltable() {
  ConversionTable table(3);
  table.set(0, 1, PairExpression::constant(0.5));
  table.set(1, 0, PairExpression::constant(2));
  table.set(0, 2, PairExpression::chain({0.1, 0.01}, 2));
  table.set(2, 0, PairExpression::constant(1000));
  table.set(1, 2, PairExpression::doubled());
  table.set(2, 1, PairExpression::unchanged());
  return table;
}

const ConversionTable& small() {
  static const ConversionTable table = smalltable();
  return table;
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { destinationbox.SetText("before"); }

  // One conversion in the given shape and failure display.
  void run(FailureDisplay display, const std::string& text, int from, int to, Shape style) {
    sourcelist.select(from);
    destinationlist.select(to);
    sourcebox.SetText(text);
    static constexpr std::string_view kUnits[] = {"a", "b", "c"};
    static const UnitRow kRows[] = {{.listed = "a", .base = 0, .factor = 1},
                                    {.listed = "b", .base = 1, .factor = 1},
                                    {.listed = "c", .base = 2, .factor = 1}};
    const CategoryRecord category{.id = CategoryId::Length,
                                  .caption = "Small",
                                  .units = kUnits,
                                  .table = small,
                                  .shape = style,
                                  .failures = display,
                                  .emptytext = EmptyText::Read,
                                  .rows = kRows,
                                  .grid = gridrange(small())};
    DisplayReporter reporter(display, messages);
    convert(category, sourcelist, destinationlist, sourcebox, destinationbox, reporter);
  }

  MemoryTextBox sourcebox;
  CountingList sourcelist{3}, destinationlist{3};
  MemoryTextBox destinationbox;
  MemoryMessageBox messages;
};

TEST_F(FrameTest, EveryStyleShowsTheSelectedPair) {
  for (Shape style : {Shape::PairScan, Shape::TextGrid, Shape::NumberGrid}) {
    run(FailureDisplay::Silent, "3", 1, 0, style);
    EXPECT_EQ(destinationbox.Text(), "6");
    run(FailureDisplay::Silent, "3", 0, 2, style);
    EXPECT_EQ(destinationbox.Text(), "0");  // 0.003 rounded to 2 places
    run(FailureDisplay::Silent, "700", 0, 2, style);
    EXPECT_EQ(destinationbox.Text(), "0.7");
    run(FailureDisplay::Silent, "2.50", 1, 1, style);
    EXPECT_EQ(destinationbox.Text(), "2.5");
    run(FailureDisplay::Silent, "4", 1, 2, style);
    EXPECT_EQ(destinationbox.Text(), "8");
    run(FailureDisplay::Silent, "4", 2, 1, style);
    EXPECT_EQ(destinationbox.Text(), "4");
  }
}

TEST_F(FrameTest, NoSelectionWritesNothing) {
  for (Shape style : {Shape::PairScan, Shape::TextGrid, Shape::NumberGrid})
    for (auto [from, to] : {std::pair{-1, 1}, {1, -1}, {-1, -1}}) {
      const int writes = destinationbox.writes();
      run(FailureDisplay::MessageBox, "3", from, to, style);
      EXPECT_EQ(destinationbox.writes(), writes);
      EXPECT_TRUE(messages.messages().empty());
    }
}

TEST_F(FrameTest, PairScanAsksBothListsForEveryPair) {
  run(FailureDisplay::Silent, "1", 2, 2, Shape::PairScan);
  EXPECT_EQ(sourcelist.questions, 9);
  EXPECT_EQ(destinationlist.questions, 9);
}

TEST_F(FrameTest, PairScanFailsOnlyOnTheSelectedPair) {
  run(FailureDisplay::MessageBox, "1e306", 0, 1, Shape::PairScan);
  EXPECT_EQ(destinationbox.Text(), "5E+305");
  run(FailureDisplay::MessageBox, "1e306", 2, 0, Shape::PairScan);
  EXPECT_EQ(destinationbox.Text(), "5E+305");
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].title, "Merovane");
}

TEST_F(FrameTest, GridFailsOnAnyCellEvenWithoutSelection) {
  for (Shape style : {Shape::TextGrid, Shape::NumberGrid})
    for (auto [from, to] : {std::pair{0, 0}, {0, 1}, {-1, -1}}) {
      messages.clear();
      run(FailureDisplay::MessageBox, "1e306", from, to, style);
      EXPECT_EQ(destinationbox.Text(), "before");
      ASSERT_EQ(messages.messages().size(), 1u);
      EXPECT_EQ(messages.messages()[0].prompt, kFloatingPoint);
    }
}

TEST_F(FrameTest, HandlersNeverLetAnErrorOut) {
  for (const char* text : {"", " ", ".", "1/2", "1..2", "1e999"}) {
    messages.clear();
    EXPECT_NO_THROW(run(FailureDisplay::Silent, text, 0, 1, Shape::PairScan));
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_NO_THROW(run(FailureDisplay::MessageBox, text, 0, 1, Shape::PairScan));
    ASSERT_EQ(messages.messages().size(), 1u) << text;
    EXPECT_EQ(messages.messages()[0].prompt,
              std::string(text) == "1e999" ? "Overflow" : "Type mismatch");
    EXPECT_EQ(destinationbox.Text(), "before");
  }
}

}  // namespace
}  // namespace merovane
