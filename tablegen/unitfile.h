// The unit data files as merovane-tablegen reads them: categories/constants.units (the base
// units, the shared constants and the written forms) and one file per category, each line kept
// with where it stands so that every failure names its file and line.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace merovane::gen {

// Where a line stands: "categories/length.units:12".
struct Place {
  std::string file;
  int line = 0;
  std::string text() const { return file + ":" + std::to_string(line); }
};

// A failure in the data, naming the line (or lines) at fault.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
[[noreturn]] void fail(const Place& at, const std::string& what);
[[noreturn]] void fail(const Place& at, const Place& other, const std::string& what);

// One unit: "listed | symbols | names | definition | key value | ...".
struct RowLine {
  Place place;
  std::string listed;  // empty for a multiple ("-")
  std::vector<std::string> symbols, names;
  std::string definition;
  std::string table;     // the figure the window's table works from, if it has one
  std::string why;       // why that figure departs from the definition, if it does
  std::string id;        // a name for the data alone, for a unit with no symbol or name
  std::string source;    // where the definition comes from
  std::string prefixes;  // the prefixes it takes: "SI", "IEC", or prefix symbols ("k M G")
  // Whether the window's tables hold it: a unit after "definitions only" (or of a category
  // without a table) converts by its definition alone.
  bool intables = true;
  // Definitions the row's size must equal: a prefixed form that is this row (kW of W).
  std::vector<std::string> sameas;
};

// "pair A > B = VALUE", "why A > B = TEXT", "factor A > B = FIGURE".
struct PairLine {
  Place place;
  std::string from, to, value;
};

// "ambiguous TEXT = A, B, C".
struct AmbiguousLine {
  Place place;
  std::string text;
  std::vector<std::string> units;
};

struct GridLine {
  Place place;
  std::vector<std::string> cells;  // the first is the row's unit
};

struct CategoryFile {
  std::string file;
  Place place;  // its "category" line
  std::string id, caption, reference, referenceshown, shape, failures, empty;
  std::vector<std::string> forms;
  std::vector<RowLine> rows;  // in the file's order
  std::vector<AmbiguousLine> ambiguous;
  // The window's table: a rule over a column of figures, a grid written cell by cell, or powers.
  Place columnplace, ruleplace;
  std::string column, columnshown, rule;
  std::vector<std::string> gridunits;
  Place gridplace;
  std::vector<GridLine> grid;
  std::vector<std::string> powersup, powersdown;
  Place powersplace;
  std::vector<PairLine> pairs, whys, factors;
  // Whether it has a window's table at all (a column, a grid or powers).
  bool hastable() const { return !column.empty() || !gridunits.empty() || !powersup.empty(); }
};

struct ConstantLine {
  Place place;
  std::string name, definition, source;
  bool base = false;  // a base unit: `definition` is its dimension
};

struct FormLine {
  Place place;
  std::string name, typed, written;
  bool before = false;
};

struct ConstantsFile {
  std::vector<ConstantLine> constants;
  std::vector<FormLine> forms;
};

ConstantsFile readconstants(const std::string& path);
CategoryFile readcategory(const std::string& path);

}  // namespace merovane::gen
