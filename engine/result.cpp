// The out-of-line members of the values libmerovane hands out: what the engine returns is these
// very types.
#include "engine/conversion.h"
#include "merovane/merovane.h"

namespace merovane::v0 {

Error::Error(Kind kind, std::string message, std::vector<std::string> candidates,
             std::string details)
    : kind_(kind),
      message_(std::move(message)),
      candidates_(std::move(candidates)),
      details_(std::move(details)) {}

Result::Result(Status status, std::string text, std::string message)
    : status_(status), text_(std::move(text)), message_(std::move(message)) {}

Chart::Chart(std::vector<std::string> units, std::vector<Result> cells)
    : units_(std::move(units)), cells_(std::move(cells)), outside_(nosuchunit()) {}

const Result& Chart::at(std::size_t from, std::size_t to) const {
  if (from >= units_.size() || to >= units_.size()) return outside_;
  return cells_[from * units_.size() + to];
}

}  // namespace merovane::v0
