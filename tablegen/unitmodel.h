// The unit data worked out: every row's definition evaluated exactly in its category's reference
// unit, checked (unique names, known names, the reference unit's dimension), and the multiples
// set beside the listed units they multiply.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tablegen/exactdecimal.h"
#include "tablegen/unitfile.h"

namespace merovane::gen {

struct Unit {
  const RowLine* line = nullptr;
  // One of it in the reference unit; for an affine row (a temperature scale) the reference
  // reading of `reading` is reading * size + offset.
  ExactDecimal size = 1, offset = 0;
  // A reciprocal row's reading counts the reciprocal of the reference unit's: the reference
  // reading of `reading` is 1 / (reading * size).
  bool affine = false, reciprocal = false, irrational = false;
  // The listed unit it is a multiple of (itself when listed); -1 for a unit the window's tables
  // do not hold.
  int base = 0;
  double factor = 1;        // that multiple as a double, as the tables' mode multiplies by it
  std::string exactfactor;  // and exactly, as written ("1000", "1/760")

  bool listed() const { return !line->listed.empty(); }
  bool intables() const { return base >= 0; }
};

struct UnitCategory {
  const CategoryFile* file = nullptr;
  std::vector<Unit> rows;  // the listed units in the file's order, then the multiples
  int listedcount = 0;
  std::vector<std::pair<std::string, int>> ambiguous;  // text and row, in the file's order
  std::vector<const FormLine*> forms;
  // Every name a table line may use for a unit: its symbols, names and id.
  std::map<std::string, std::vector<int>> references;

  // The row a table line names by `name` at `at`; fails for a name of no row or of several.
  int row(const std::string& name, const Place& at) const;
  // The same, for a listed unit.
  int listedrow(const std::string& name, const Place& at) const;
};

struct UnitModel {
  std::vector<UnitCategory> categories;  // in the window's order
};

// The files' data worked out and checked; throws a DataError naming the file and line at fault.
UnitModel buildmodel(const ConstantsFile& constants, const std::vector<CategoryFile>& files);

// Whether two names are the same ignoring ASCII case and the blanks around "/", as the resolver
// matches names.
bool samename(const std::string& a, const std::string& b);

}  // namespace merovane::gen
