#include "categories/finddensity.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 17> kUnits = {
    "Grains/gallon",         "Grams/cubic centimeters", "Grams/liter",
    "Grams/milliliters",     "Kilograms/cubic meters",  "Kilograms/liter",
    "Megagrams/cubic meter", "Milligrams/milliliter",   "Milligrams/liter",
    "Ounces/cubic inch",     "Ounces/gallon",           "Pounds/cubic inch",
    "Pounds/cubic foot",     "Pounds/gallon",           "Slugs/cubic foot",
    "Tonnes/cubic meter",    "Tons/cubic yard"};

}  // namespace

std::span<const std::string_view> densityunits() {
  return kUnits;
}

const ConversionTable& densitytable() {
  static const ConversionTable table(static_cast<int>(kUnits.size()),
                                     prebuiltcells(CategoryId::Density));
  return table;
}

const Category& densitycategory() {
  static const Category category{
      .id = CategoryId::Density,
      .caption = "Density",
      .units = densityunits(),
      .table = densitytable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
  };
  return category;
}

void convertdensity() {
  convertonwindow(densitycategory(), frmmain());
}

}  // namespace merovane
