#include "tests/support/memoryform.h"

namespace merovane {

MemoryForm::MemoryForm(const std::array<int, kCategoryCount>& unitcounts) {
  for (size_t c = 0; c < panels_.size(); ++c) {
    panels_[c].sourcelist = MemoryListBox(unitcounts[c]);
    panels_[c].destinationlist = MemoryListBox(unitcounts[c]);
  }
}

}  // namespace merovane
