// Where the window's tables depart from the units' definitions by more than half a unit of a
// figure's last written digit: the unit (or, in a table written cell by cell, the pair), the
// table's figure, the definition's figure, the relative departure (table - definition) /
// definition, and why. merovane-tablegen works the list out from the tables and the definitions
// (the why from the unit data), and the build writes it into merovane-convert(1).
#pragma once

#include <span>
#include <string_view>

namespace merovane {

struct Departure {
  std::string_view category;    // the category's caption
  std::string_view item;        // a unit, or "Source to Destination" for one cell
  std::string_view table;       // the table's figure as written (a column figure with its unit)
  std::string_view definition;  // the definition's, to 16 significant digits
  std::string_view relative;    // (table - definition) / definition
  std::string_view why;
};

// In the categories' order.
std::span<const Departure> departures();

}  // namespace merovane
