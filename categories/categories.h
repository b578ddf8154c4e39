// The twelve categories as the window's category table orders them: caption, units and what a
// click in either of the category's lists runs.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/form.h"

namespace merovane {

struct Category {
  CategoryId id;
  std::string_view caption;
  // The unit list; empty while the category has no converter yet.
  std::span<const std::string_view> units;
  // A click in either list: runs the converter on frmmain's controls of this category, with the
  // call shape the converter takes. nullptr while the category has no converter yet.
  void (*listclick)();
};

std::span<const Category> categories();
const Category& category(CategoryId id);
// The number of units of every category, for building a window.
std::array<int, kCategoryCount> unitcounts();

}  // namespace merovane
