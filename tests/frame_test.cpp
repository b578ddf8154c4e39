// The converter frame: handlers, the pair scan and the result grids, on a small table.
#include "core/frame.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "core/form.h"
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

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setmessagebox(&messages);
    destinationbox.SetText("before");
  }
  void TearDown() override { setmessagebox(nullptr); }

  // One converter call in the given style and handler form.
  void run(OnError onerror, const std::string& text, int from, int to,
           void (*style)(const ListBox&, const ListBox&, TextBox&, const ConversionTable&,
                         double)) {
    sourcelist.select(from);
    destinationlist.select(to);
    runconverter(onerror, [&] {
      style(sourcelist, destinationlist, destinationbox, table, texttonumber(text));
    });
  }

  ConversionTable table = smalltable();
  CountingList sourcelist{3}, destinationlist{3};
  MemoryTextBox destinationbox;
  MemoryMessageBox messages;
};

TEST_F(FrameTest, EveryStyleShowsTheSelectedPair) {
  for (auto style : {pairscan, textgrid, numbergrid}) {
    run(OnError::Silent, "3", 1, 0, style);
    EXPECT_EQ(destinationbox.Text(), "6");
    run(OnError::Silent, "3", 0, 2, style);
    EXPECT_EQ(destinationbox.Text(), "0");  // 0.003 rounded to 2 places
    run(OnError::Silent, "700", 0, 2, style);
    EXPECT_EQ(destinationbox.Text(), "0.7");
    run(OnError::Silent, "2.50", 1, 1, style);
    EXPECT_EQ(destinationbox.Text(), "2.5");
    run(OnError::Silent, "4", 1, 2, style);
    EXPECT_EQ(destinationbox.Text(), "8");
    run(OnError::Silent, "4", 2, 1, style);
    EXPECT_EQ(destinationbox.Text(), "4");
  }
}

TEST_F(FrameTest, NoSelectionWritesNothing) {
  for (auto style : {pairscan, textgrid, numbergrid})
    for (auto [from, to] : {std::pair{-1, 1}, {1, -1}, {-1, -1}}) {
      const int writes = destinationbox.writes();
      run(OnError::MessageBox, "3", from, to, style);
      EXPECT_EQ(destinationbox.writes(), writes);
      EXPECT_TRUE(messages.messages().empty());
    }
}

TEST_F(FrameTest, PairScanAsksBothListsForEveryPair) {
  run(OnError::Silent, "1", 2, 2, pairscan);
  EXPECT_EQ(sourcelist.questions, 9);
  EXPECT_EQ(destinationlist.questions, 9);
}

TEST_F(FrameTest, PairScanFailsOnlyOnTheSelectedPair) {
  run(OnError::MessageBox, "1e306", 0, 1, pairscan);
  EXPECT_EQ(destinationbox.Text(), "5E+305");
  run(OnError::MessageBox, "1e306", 2, 0, pairscan);
  EXPECT_EQ(destinationbox.Text(), "5E+305");
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].title, "Merovane");
}

TEST_F(FrameTest, GridFailsOnAnyCellEvenWithoutSelection) {
  for (auto style : {textgrid, numbergrid})
    for (auto [from, to] : {std::pair{0, 0}, {0, 1}, {-1, -1}}) {
      messages.clear();
      run(OnError::MessageBox, "1e306", from, to, style);
      EXPECT_EQ(destinationbox.Text(), "before");
      ASSERT_EQ(messages.messages().size(), 1u);
      EXPECT_EQ(messages.messages()[0].prompt, kFloatingPoint);
    }
}

TEST_F(FrameTest, HandlersNeverLetAnErrorOut) {
  for (const char* text : {"", " ", ".", "1/2", "1..2", "1e999"}) {
    messages.clear();
    EXPECT_NO_THROW(run(OnError::Silent, text, 0, 1, pairscan));
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_NO_THROW(run(OnError::MessageBox, text, 0, 1, pairscan));
    ASSERT_EQ(messages.messages().size(), 1u) << text;
    EXPECT_EQ(messages.messages()[0].prompt,
              std::string(text) == "1e999" ? "Overflow" : "Type mismatch");
    EXPECT_EQ(destinationbox.Text(), "before");
  }
}

}  // namespace
}  // namespace merovane
