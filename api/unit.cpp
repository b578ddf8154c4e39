// libmerovane's units: what a row of a category's data says of a unit.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "api/engineaccess.h"
#include "core/category.h"
#include "merovane/merovane.h"

namespace merovane {
inline namespace v1 {
namespace {

std::vector<std::string> strings(std::span<const std::string_view> views) {
  return {views.begin(), views.end()};
}

}  // namespace

std::string Unit::name() const {
  return std::string(row_->shown());
}

std::string Unit::listed() const {
  return std::string(row_->listed);
}

std::vector<std::string> Unit::symbols() const {
  return strings(row_->symbols);
}

std::vector<std::string> Unit::names() const {
  return strings(row_->names);
}

Category Unit::category() const {
  return EngineAccess::category(*category_);
}

std::string Unit::definition() const {
  return std::string(row_->definition);
}

std::string Unit::exact() const {
  if (row_->reciprocal || row_->offset != "0") return "";
  return std::string(row_->size);
}

double Unit::value() const {
  if (exact().empty()) return std::numeric_limits<double>::quiet_NaN();
  // The exact ratio to the reference unit's row, rounded once when the data was built.
  if (const int reference = referencerow(*category_); reference >= 0)
    return category_
        ->precise[static_cast<size_t>(EngineAccess::rowof(*this)) * category_->rows.size() +
                  static_cast<size_t>(reference)]
        .apply(1);
  return std::strtod(std::string(row_->exactsize).c_str(), nullptr);
}

std::string Unit::description() const {
  std::string description(row_->definition);
  // Its size in the reference unit, where that says more than the definition ("12 in =
  // 0.3048 m", not "8 bit = 8 bits").
  const std::string size(row_->exactsize);
  if (!size.empty() && size != "1" && !row_->definition.starts_with(size + " "))
    description.append(" = ").append(size).append(" ").append(category_->reference);
  return description;
}

bool Unit::intables() const {
  return row_->intables();
}

std::vector<Unit> Unit::multiples() const {
  std::vector<Unit> found;
  if (row_->listed.empty()) return found;
  const int self = EngineAccess::rowof(*this);
  for (const UnitRow& row : category_->rows)
    if (row.listed.empty() && row.intables() && row.base == self)
      found.push_back(Unit(*category_, row));
  return found;
}

std::string Unit::factor() const {
  if (!row_->intables()) return "";
  return std::string(row_->exactfactor);
}

}  // namespace v1
}  // namespace merovane
