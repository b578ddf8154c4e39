#include "cli/convert.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "categories/categories.h"
#include "core/engine.h"
#include "core/memorycontrols.h"

namespace merovane {
namespace {

constexpr const char* kUsage =
    "usage: merovane-convert CATEGORY VALUE FROM TO   convert VALUE from unit FROM to unit TO\n"
    "       merovane-convert --grid CATEGORY VALUE    every pair of units as a tab-separated "
    "chart\n"
    "       merovane-convert --list [CATEGORY]        the categories, or one category's units\n"
    "       merovane-convert --help | --version\n"
    "Categories and units are matched by name, ignoring case; quote names with blanks.\n"
    "Exit status: 0 converted, 1 a conversion failed or had nothing to convert, 2 a wrong call.\n";

bool sameignoringcase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return lower(x) == lower(y);
  });
}

// What one conversion did: whether it wrote the destination box, the text there, and the
// description of its failure if it failed.
struct Outcome {
  bool written;
  std::string text;
  std::optional<std::string> error;
};

// Types `value` into a fresh source box, selects `from` and `to` and converts, as a click in
// either of the category's lists does.
Outcome convertvalue(const Category& category, const std::string& value, int from, int to) {
  const int units = static_cast<int>(category.units.size());
  MemoryListBox source(units), destination(units);
  MemoryTextBox sourcebox, destinationbox;
  sourcebox.SetText(value);
  source.select(from);
  destination.select(to);
  RecordingReporter reporter;
  convert(category, source, destination, sourcebox, destinationbox, reporter);
  Outcome outcome{destinationbox.writes() > 0, destinationbox.Text(), std::nullopt};
  if (reporter.failure()) outcome.error = reporter.failure()->Description();
  return outcome;
}

void listcategories(std::ostream& out) {
  for (const Category& category : categories()) out << category.caption << '\n';
}

// The category named `name`, or nullptr after telling `err` why not.
const Category* findcategory(std::string_view name, std::ostream& err) {
  for (const Category& category : categories()) {
    if (sameignoringcase(category.caption, name)) return &category;
  }
  err << "merovane-convert: unknown category \"" << name << "\"; the categories are:\n";
  listcategories(err);
  return nullptr;
}

int findunit(const Category& category, std::string_view name, std::ostream& err) {
  for (size_t position = 0; position < category.units.size(); ++position)
    if (sameignoringcase(category.units[position], name)) return static_cast<int>(position);
  err << "merovane-convert: unknown unit \"" << name << "\" in " << category.caption
      << "; its units are:\n";
  for (std::string_view unit : category.units) err << unit << '\n';
  return -1;
}

int convertone(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Category* category = findcategory(arguments[0], err);
  if (category == nullptr) return 2;
  const int from = findunit(*category, arguments[2], err);
  if (from < 0) return 2;
  const int to = findunit(*category, arguments[3], err);
  if (to < 0) return 2;
  if (arguments[1].empty()) return 1;  // an empty source box converts nothing

  const Outcome outcome = convertvalue(*category, arguments[1], from, to);
  if (outcome.error) {
    err << *outcome.error << '\n';
    return 1;
  }
  if (!outcome.written) return 1;
  out << outcome.text << '\n';
  return 0;
}

int convertgrid(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Category* category = findcategory(arguments[1], err);
  if (category == nullptr) return 2;
  const std::string& value = arguments[2];
  if (value.empty()) return 1;

  for (std::string_view unit : category->units) out << '\t' << unit;
  out << '\n';
  bool allconverted = true;
  const int units = static_cast<int>(category->units.size());
  for (int from = 0; from < units; ++from) {
    out << category->units[static_cast<size_t>(from)];
    for (int to = 0; to < units; ++to) {
      const Outcome outcome = convertvalue(*category, value, from, to);
      out << '\t';
      if (outcome.error) {
        out << '!' << *outcome.error;
        allconverted = false;
      } else if (outcome.written) {
        out << outcome.text;
      } else {
        allconverted = false;
      }
    }
    out << '\n';
  }
  return allconverted ? 0 : 1;
}

}  // namespace

int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const size_t count = arguments.size();
  if (count == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (count == 1 && arguments[0] == "--version") {
    out << "merovane-convert " << MEROVANE_VERSION << '\n';
    return 0;
  }
  if (count == 1 && arguments[0] == "--list") {
    listcategories(out);
    return 0;
  }
  if (count == 2 && arguments[0] == "--list") {
    const Category* category = findcategory(arguments[1], err);
    if (category == nullptr) return 2;
    for (std::string_view unit : category->units) out << unit << '\n';
    return 0;
  }
  if (count == 3 && arguments[0] == "--grid") return convertgrid(arguments, out, err);
  if (count == 4 && !arguments[0].starts_with("--")) return convertone(arguments, out, err);
  err << kUsage;
  return 2;
}

}  // namespace merovane
