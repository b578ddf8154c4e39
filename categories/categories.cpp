#include "categories/categories.h"

#include "categories/findbit.h"
#include "categories/finddensity.h"
#include "categories/findenergy.h"
#include "categories/findforce.h"
#include "categories/findlength.h"
#include "categories/findpower.h"
#include "categories/findpressure.h"
#include "categories/findspeed.h"
#include "categories/findtemp.h"
#include "categories/findvolume.h"
#include "categories/findweight1.h"
#include "categories/finsarea.h"

namespace merovane {
namespace {

const std::array<CategoryRecord, kCategoryCount>& table() {
  static const std::array<CategoryRecord, kCategoryCount> kCategories = {
      areacategory(),     bitcategory(),    densitycategory(), energycategory(),
      forcecategory(),    lengthcategory(), weightcategory(),  powercategory(),
      pressurecategory(), speedcategory(),  tempcategory(),    volumecategory(),
  };
  return kCategories;
}

}  // namespace

std::span<const CategoryRecord> categories() {
  return table();
}

const CategoryRecord& category(CategoryId id) {
  return table()[static_cast<size_t>(id)];
}

std::array<int, kCategoryCount> unitcounts() {
  std::array<int, kCategoryCount> counts{};
  for (size_t c = 0; c < counts.size(); ++c) counts[c] = static_cast<int>(table()[c].units.size());
  return counts;
}

}  // namespace merovane
