#include "cli/convert.h"

#include <optional>
#include <ostream>

#include "categories/categories.h"
#include "cli/names.h"
#include "cli/quote.h"
#include "core/engine.h"
#include "core/memorycontrols.h"

namespace merovane {
namespace {

constexpr const char* kUsage =
    "usage: merovane-convert [CATEGORY] VALUE FROM TO  convert VALUE from unit FROM to unit TO\n"
    "       merovane-convert --grid CATEGORY VALUE     every pair of units as a tab-separated "
    "chart\n"
    "       merovane-convert --list [CATEGORY]         the categories, or one category's units "
    "and\n"
    "                                                  the other names they answer to\n"
    "       merovane-convert --help | --version\n"
    "Categories and unit names match ignoring case, symbols (km, MB, psi) as written; without\n"
    "a category, the one that holds both units is taken. Quote names with blanks.\n"
    "Exit status: 0 converted, 1 a conversion failed or had nothing to convert, 2 a wrong call.\n";

constexpr const char* kPrefix = "merovane-convert: ";

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
  if (const Category* category = merovane::findcategory(name)) return category;
  err << kPrefix << "unknown category " << quoted(name) << "; the categories are:\n";
  listcategories(err);
  return nullptr;
}

// Each unit of `category` on a line, with the other names it answers to after a tab.
void listunits(const Category& category, std::ostream& out) {
  for (size_t unit = 0; unit < category.units.size(); ++unit) {
    out << category.units[unit];
    const char* separator = "\t";
    for (std::string_view name : othernames(category, static_cast<int>(unit))) {
      out << separator << name;
      separator = ", ";
    }
    out << '\n';
  }
}

int findunit(const Category& category, std::string_view name, std::ostream& err) {
  const std::vector<UnitRef> found = findunits(name, std::span(&category, 1));
  if (found.size() == 1) return found.front().unit;
  err << kPrefix << "unknown unit " << quoted(name) << " in " << category.caption
      << "; its units are (--list " << category.caption << " shows their other names):\n";
  for (std::string_view unit : category.units) err << unit << '\n';
  return -1;
}

struct Pair {
  const Category* category;
  int from, to;
};

// The one category that holds both units, with their positions; nullopt after telling `err`.
std::optional<Pair> findpair(std::string_view from, std::string_view to, std::ostream& err) {
  const std::vector<UnitRef> sources = findunits(from, categories());
  const std::vector<UnitRef> destinations = findunits(to, categories());
  for (const auto& [name, found] : {std::pair{from, &sources}, std::pair{to, &destinations}})
    if (found->empty()) {
      err << kPrefix << "unknown unit " << quoted(name)
          << "; merovane-convert --list CATEGORY shows the units of a category\n";
      return std::nullopt;
    }
  std::vector<Pair> pairs;
  for (const UnitRef& source : sources)
    for (const UnitRef& destination : destinations)
      if (source.category == destination.category)
        pairs.push_back({source.category, source.unit, destination.unit});
  if (pairs.size() == 1) return pairs.front();
  const auto captions = [](const std::vector<UnitRef>& found) {
    std::string list;
    for (const UnitRef& ref : found)
      list += (list.empty() ? "" : " or ") + std::string(ref.category->caption);
    return list;
  };
  if (pairs.empty()) {
    err << kPrefix << quoted(from) << " is a unit of " << captions(sources) << " and " << quoted(to)
        << " of " << captions(destinations) << ": no category holds both\n";
  } else {
    err << kPrefix << quoted(from) << " and " << quoted(to) << " are units of";
    const char* separator = " ";
    for (const Pair& pair : pairs) {
      err << separator << pair.category->caption;
      separator = " and ";
    }
    err << "; name the category\n";
  }
  return std::nullopt;
}

int convertone(const Pair& pair, const std::string& value, std::ostream& out, std::ostream& err) {
  if (value.empty()) {
    err << kPrefix << "the value is empty: nothing to convert\n";
    return 1;
  }
  const Outcome outcome = convertvalue(*pair.category, value, pair.from, pair.to);
  if (outcome.error) {
    err << kPrefix << "cannot convert " << quoted(value) << ": " << *outcome.error << '\n';
    return 1;
  }
  if (!outcome.written) return 1;
  out << outcome.text << '\n';
  return 0;
}

// CATEGORY VALUE FROM TO
int convertincategory(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
  const Category* category = findcategory(arguments[0], err);
  if (category == nullptr) return 2;
  const int from = findunit(*category, arguments[2], err);
  if (from < 0) return 2;
  const int to = findunit(*category, arguments[3], err);
  if (to < 0) return 2;
  return convertone({category, from, to}, arguments[1], out, err);
}

// VALUE FROM TO
int convertanywhere(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  const std::optional<Pair> pair = findpair(arguments[1], arguments[2], err);
  if (!pair) return 2;
  return convertone(*pair, arguments[0], out, err);
}

int convertgrid(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Category* category = findcategory(arguments[1], err);
  if (category == nullptr) return 2;
  const std::string& value = arguments[2];
  if (value.empty()) {
    err << kPrefix << "the value is empty: nothing to convert\n";
    return 1;
  }

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

bool isoption(const std::string& argument) {
  return argument.starts_with("--");
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
    listunits(*category, out);
    return 0;
  }
  if (count == 3 && arguments[0] == "--grid") return convertgrid(arguments, out, err);
  if (count == 4 && !isoption(arguments[0])) return convertincategory(arguments, out, err);
  // Three words that start with a category are a conversion without its last unit.
  if (count == 3 && !isoption(arguments[0]) && merovane::findcategory(arguments[0]) == nullptr)
    return convertanywhere(arguments, out, err);
  err << kUsage;
  return 2;
}

}  // namespace merovane
