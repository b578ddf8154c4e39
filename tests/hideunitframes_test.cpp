// hideunitframes: all 24 unit frames hidden, in the window's own order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categories/categories.h"
#include "forms/converters.h"
#include "forms/registry.h"
#include "tests/support/memoryform.h"

namespace merovane {
namespace {

// A window whose frames write their name into one log when they are shown or hidden.
class RecordingForm : public MemoryForm {
 public:
  class RecordingFrame : public MemoryFrame {
   public:
    void SetVisible(bool visible) override {
      MemoryFrame::SetVisible(visible);
      log->push_back(name + (visible ? " shown" : " hidden"));
    }
    std::string name;
    std::vector<std::string>* log = nullptr;
  };

  RecordingForm() : MemoryForm({}) {
    const char* names[kCategoryCount][2] = {
        {"frameareas", "framearead"},       {"framebits", "framebitd"},
        {"framedensitys", "framedensityd"}, {"frameenergys", "frameenergyd"},
        {"frameforces", "frameforced"},     {"framelens", "framelend"},
        {"frameweights", "frameweightd"},   {"framepowers", "framepowerd"},
        {"frameprees", "framepressd"},      {"framespeeds", "framespeedd"},
        {"frametemps", "frametempd"},       {"framevolumes", "framevolumed"}};
    for (int c = 0; c < kCategoryCount; ++c)
      for (int side = 0; side < 2; ++side) {
        frames[c][side].name = names[c][side];
        frames[c][side].log = &log;
      }
  }
  Frame& sourceframe(CategoryId id) override { return frames[static_cast<int>(id)][0]; }
  Frame& destinationframe(CategoryId id) override { return frames[static_cast<int>(id)][1]; }

  RecordingFrame frames[kCategoryCount][2];
  std::vector<std::string> log;
};

TEST(HideUnitFrames, HidesAllTwentyFourInTheWindowsOrder) {
  RecordingForm window;
  Form* before = setfrmmain(&window);
  hideunitframes();
  setfrmmain(before);
  const std::vector<std::string> expected = {
      "framearead hidden",    "frameareas hidden",    "frameenergys hidden", "frameenergyd hidden",
      "frameforced hidden",   "frameforces hidden",   "framelend hidden",    "framelens hidden",
      "framepowerd hidden",   "framepowers hidden",   "frametempd hidden",   "frametemps hidden",
      "framepressd hidden",   "frameprees hidden",    "frameweightd hidden", "frameweights hidden",
      "framevolumed hidden",  "framevolumes hidden",  "framespeedd hidden",  "framespeeds hidden",
      "framedensitys hidden", "framedensityd hidden", "framebits hidden",    "framebitd hidden"};
  EXPECT_EQ(window.log, expected);
  for (auto& category : window.frames)
    for (auto& frame : category) EXPECT_FALSE(frame.Visible()) << frame.name;
}

}  // namespace
}  // namespace merovane
