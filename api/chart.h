// A chart of one value in every pair of a category's units, each cell what convertvalue gives
// with the same options.
#pragma once

#include <string_view>
#include <vector>

#include "api/conversion.h"

namespace merovane {

class Chart {
 public:
  Chart(const CategoryRecord& category, std::string_view value, Options options = {});

  int units() const { return units_; }
  // The cell of the pair; a position outside the chart gives a result failed with kNoSuchUnit.
  const Result& at(int from, int to) const {
    if (from < 0 || from >= units_ || to < 0 || to >= units_) return outside_;
    return cells_[static_cast<size_t>(from * units_ + to)];
  }

 private:
  int units_;
  std::vector<Result> cells_;
  Result outside_ = Result::failed(RuntimeError(ErrorKind::Control, kNoSuchUnit));
};

}  // namespace merovane
