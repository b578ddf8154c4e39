// Where the window's tables depart from the units' definitions by more than half a unit of a
// figure's last written digit: a rule-built table's column figures (and the pairs set on top of
// its rule, and the factor toward a unit), or every cell of a table written cell by cell (and a
// temperature table's degree factors). Each departure must be explained by its row's or its
// pair's "why" in the data, and nothing else may be.
#pragma once

#include <string>
#include <vector>

#include "tablegen/tablebuild.h"
#include "tablegen/unitmodel.h"

namespace merovane::gen {

struct Departure {
  std::string category;    // the category's caption
  std::string item;        // a unit, or "Source to Destination" for one cell
  std::string table;       // the table's figure as written (a column figure with its unit)
  std::string definition;  // the definition's, to 16 significant digits
  std::string relative;    // (table - definition) / definition
  std::string why;
};

// The category's departures, in order; throws a DataError for one without its why, or a why
// where nothing departs.
std::vector<Departure> departures(const UnitCategory& category, const Table& table);

}  // namespace merovane::gen
