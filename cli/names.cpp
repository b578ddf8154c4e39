#include "cli/names.h"

namespace merovane {

std::vector<std::string_view> othernames(const Category& category, int unit) {
  std::vector<std::string_view> names;
  for (const UnitName& name : category.names)
    if (name.unit == category.units[static_cast<size_t>(unit)]) names.push_back(name.text);
  return names;
}

}  // namespace merovane
