#include "cli/convert.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "api/quote.h"
#include "cli/fdstream.h"
#include "cli/lines.h"
#include "cli/report.h"
#include "cli/request.h"
#include "core/about.h"
#include "merovane/merovane.h"

namespace merovane {
namespace {

constexpr const char* kUsage =
    "usage: merovane-convert [OPTION]... [CATEGORY] VALUE FROM TO\n"
    "       merovane-convert [OPTION]... [CATEGORY] - [FROM TO]\n"
    "       merovane-convert [OPTION]... --grid CATEGORY VALUE\n"
    "       merovane-convert [OPTION]... --list [CATEGORY]\n"
    "       merovane-convert [OPTION]... --search WORD\n"
    "       merovane-convert -h | --help | -v | --version\n"
    "Converts VALUE from unit FROM to unit TO; with -, each line of standard input:\n"
    "a value from FROM to TO, or without them a request [CATEGORY] VALUE FROM TO.\n"
    "--grid prints every pair of a category's units as a tab-separated chart, --list\n"
    "the categories or one category's units with their names and definitions,\n"
    "--search the units whose names contain WORD.\n"
    "Options anywhere before --, which ends them; long ones by any unique beginning\n"
    "(--prec), letters together (-ph):\n"
    "  --tables       convert by the window's tables, for results that must match it\n"
    "  -p, --precise  by the units' definitions: the default, kept for scripts\n"
    "  --digits N     print N significant digits (1 to 17) instead of 15\n"
    "By default a result is the true value, the pair's exact ratio rounded once\n"
    "(12 in ft: 1); --tables gives the window's own figures (12 in ft: 0.99999996)\n"
    "and takes only the window's units and their multiples.\n"
    "Categories and unit names match ignoring case, symbols (km, MB, psi) as\n"
    "written; without a category, the one that holds both units is taken. Prefixed\n"
    "units (kJ, MPa), multiples (kWh, nmi) and written forms (metre, m^2, sq ft) are\n"
    "taken too. Quote names with blanks, on the command line and on standard input.\n"
    "Input lines longer than 65536 bytes are skipped.\n"
    "Exit status: 0 converted; 1 a conversion failed, had nothing to convert,\n"
    "--search found nothing, or input or output failed; 2 a wrong call.\n";

// The categories, the window's first; by the tables, the window's alone.
void listcategories(Mode mode, std::ostream& out) {
  for (const Category& category : Category::all())
    if (mode == Mode::Precise || category.intables()) out << category.caption() << '\n';
}

// The symbols and then the other names a unit answers to.
std::vector<std::string> allnames(const Unit& unit) {
  std::vector<std::string> names = unit.symbols();
  const std::vector<std::string> others = unit.names();
  names.insert(names.end(), others.begin(), others.end());
  return names;
}

// The multiples of `unit`, each group of names of one multiple with its factor:
// "kWh, Kilowatt-hours = 1000 Watt-hours; MWh = 1000000 Watt-hours".
std::string multiples(const Unit& unit) {
  std::string text;
  for (const Unit& multiple : unit.multiples()) {
    const char* separator = text.empty() ? "" : "; ";
    for (const std::string& name : allnames(multiple)) {
      text.append(separator).append(name);
      separator = ", ";
    }
    text.append(" = ").append(multiple.factor()).append(" ").append(unit.name());
  }
  return text;
}

// Each unit of `category` on a line, the window's listed units first: its name, after a tab the
// symbols and other names it answers to, and after another what it is.
void listallunits(const Category& category, std::ostream& out) {
  for (const Unit& unit : category.units()) {
    const std::string name = unit.name();
    out << name << '\t';
    const char* separator = "";
    for (const std::string& other : allnames(unit)) {
      if (other == name) continue;  // a symbol it already goes by
      out << separator << other;
      separator = ", ";
    }
    out << '\t' << unit.description() << '\n';
  }
}

// The window's way: each listed unit of `category` on a line, with the other names it answers to
// after a tab, and its multiples after another.
void listunits(const Category& category, std::ostream& out) {
  for (const Unit& unit : category.units()) {
    if (unit.listed().empty()) continue;
    out << unit.listed();
    const char* separator = "\t";
    for (const std::string& name : allnames(unit)) {
      out << separator << name;
      separator = ", ";
    }
    const std::string multiplied = multiples(unit);
    if (!multiplied.empty()) out << (*separator == '\t' ? "\t\t" : "\t") << multiplied;
    out << '\n';
  }
}

// Every unit whose names contain `word` (by the tables, of those the window's tables hold), a
// line each with its category after a tab; 1 when there is none.
int searchunits(std::string_view word, Mode mode, std::ostream& out, std::ostream& err) {
  const std::vector<Match> found = search(word, mode);
  for (const Match& unit : found) out << unit.name() << '\t' << unit.category().caption() << '\n';
  if (!found.empty()) return 0;
  err << kPrefix << "no unit's name contains " << quoted(word) << '\n';
  return 1;
}

// Every pair of one value: a header of the units, then a line per source unit. A cell that does
// not convert shows "!" and the error's description, or nothing.
int convertgrid(const Category& category, const std::string& value, const Options& options,
                std::ostream& out, std::ostream& err) {
  if (value.empty()) {
    err << kPrefix << "the value is empty: nothing to convert\n";
    return 1;
  }
  const Chart chart = category.chart(value, options);
  const std::vector<std::string>& units = chart.units();
  for (const std::string& unit : units) out << '\t' << unit;
  out << '\n';
  bool allconverted = true;
  for (size_t from = 0; from < units.size(); ++from) {
    out << units[from];
    for (size_t to = 0; to < units.size(); ++to) {
      const Result& cell = chart.at(from, to);
      out << '\t';
      if (cell.converted())
        out << cell.text();
      else if (cell.status() == Result::Status::Failed)
        out << '!' << cell.error();
      allconverted = allconverted && cell.converted();
    }
    out << '\n';
  }
  return allconverted ? 0 : 1;
}

// Resolves the request's names, converts and reports.
int run(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
  const Conversion& names = request.conversion;
  const Options options{request.mode, request.digits.value_or(Options::kWindowDigits)};
  const auto withcategory = [&](auto then) {
    const Found<Category> found = Category::find(names.category.value_or(""));
    if (!found) return reportname(found.error(), err);
    return then(*found);
  };
  const bool tables = request.mode == Mode::Tables;
  // By the tables, only a category the window shows.
  const auto withtablecategory = [&](auto then) {
    return withcategory([&](const Category& category) {
      if (tables && !category.intables()) {
        err << kPrefix << notintables(category.caption()) << '\n';
        return 2;
      }
      return then(category);
    });
  };
  const auto withpair = [&](auto then) {
    const Found<Pair> found = names.category ? Pair::find(*names.category, names.from, names.to)
                                             : Pair::find(names.from, names.to);
    if (!found) return reportname(found.error(), err);
    if (const std::string refusal = tables ? notintables(*found) : ""; !refusal.empty()) {
      err << kPrefix << refusal << '\n';
      return 2;
    }
    return then(*found);
  };
  switch (request.action) {
    case Action::Help:
      out << kUsage;
      return 0;
    case Action::Version:
      out << "merovane-convert (Merovane) " << version() << '\n' << kCopyrightAndLicence;
      return 0;
    case Action::ListCategories:
      listcategories(request.mode, out);
      return 0;
    case Action::ListUnits:
      return withtablecategory([&](const Category& category) {
        (tables ? listunits : listallunits)(category, out);
        return 0;
      });
    case Action::Search:
      return searchunits(request.word, request.mode, out, err);
    case Action::Grid:
      return withtablecategory([&](const Category& category) {
        return convertgrid(category, names.value, options, out, err);
      });
    case Action::Convert: {
      std::vector<std::string> words = request.words;
      if (words.empty()) {
        if (names.category) words.push_back(*names.category);
        words.insert(words.end(), {names.value, names.from, names.to});
      }
      return convertwords(words, options, out, err);
    }
    case Action::ConvertLines:
      return withpair([&](const Pair& pair) { return convertlines(pair, options, in, out, err); });
    case Action::ConvertRequests:
      if (!names.category) return convertrequests(std::nullopt, options, in, out, err);
      return withtablecategory([&](const Category& category) {
        return convertrequests(category, options, in, out, err);
      });
  }
  return 2;
}

}  // namespace

int runconvert(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const auto parsed = parse(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) return reportusage(*error, err);
  return run(std::get<Request>(parsed), in, out, err);
}

int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::istringstream nothing;
  return runconvert(arguments, nothing, out, err);
}

int runprogram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const int status = runconvert(arguments, in, out, err);
  if (out.flush()) return status;
  err << kPrefix << "cannot write the result: " << writeerror(out) << '\n';
  return 1;
}

}  // namespace merovane
