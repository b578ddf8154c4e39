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

// The converters that take their four controls get them from the main window, as the window's
// list handlers pass them.
template <void (*convert)(ListBox&, ListBox&, TextBox&, TextBox&), CategoryId id>
void withcontrols() {
  Form& form = frmmain();
  convert(form.sourcelist(id), form.destinationlist(id), form.sourcebox(id),
          form.destinationbox(id));
}

const std::array<Category, kCategoryCount>& table() {
  static const std::array<Category, kCategoryCount> kCategories = {{
      {CategoryId::Area, "Area", areaunits(), convertarea},
      {CategoryId::BitsAndBytes, "Bits and Bytes", bitunits(),
       withcontrols<convertbits, CategoryId::BitsAndBytes>},
      {CategoryId::Density, "Density", densityunits(), convertdensity},
      {CategoryId::Energy, "Energy", energyunits(), convertenergy},
      {CategoryId::Force, "Force", forceunits(), convertforce},
      {CategoryId::Length, "Length", lengthunits(),
       withcontrols<convertlength, CategoryId::Length>},
      {CategoryId::Weight, "Weight", weightunits(),
       withcontrols<convertweight, CategoryId::Weight>},
      {CategoryId::Power, "Power", powerunits(), convertpower},
      {CategoryId::Pressure, "Pressure", pressureunits(), convertpressure},
      {CategoryId::Speed, "Speed", speedunits(), convertspeed},
      {CategoryId::Temperature, "Temperature", tempunits(), converttemp},
      {CategoryId::Volume, "Volume", volumeunits(), convertvolume},
  }};
  return kCategories;
}

}  // namespace

std::span<const Category> categories() {
  return table();
}

const Category& category(CategoryId id) {
  return table()[static_cast<size_t>(id)];
}

std::array<int, kCategoryCount> unitcounts() {
  std::array<int, kCategoryCount> counts{};
  for (size_t c = 0; c < counts.size(); ++c) counts[c] = static_cast<int>(table()[c].units.size());
  return counts;
}

}  // namespace merovane
