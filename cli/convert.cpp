#include "cli/convert.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>

#include "api/chart.h"
#include "api/conversion.h"
#include "api/resolver.h"
#include "api/stream.h"
#include "categories/categories.h"
#include "cli/fdstream.h"
#include "cli/names.h"
#include "cli/quote.h"
#include "core/about.h"

namespace merovane {
namespace {

constexpr const char* kUsage =
    "usage: merovane-convert [CATEGORY] VALUE FROM TO  convert VALUE from unit FROM to unit TO\n"
    "       merovane-convert [CATEGORY] - FROM TO      convert each line of standard input\n"
    "       merovane-convert --grid CATEGORY VALUE     every pair of units as a tab-separated "
    "chart\n"
    "       merovane-convert --list [CATEGORY]         the categories, or one category's units "
    "and\n"
    "                                                  the other names they answer to\n"
    "       merovane-convert --search WORD             the units whose names contain WORD\n"
    "       merovane-convert --help | --version\n"
    "Options before or among the others:\n"
    "  -p, --precise  convert by the units' exact definitions instead of the window's tables\n"
    "  --digits N     print N significant digits (1 to 17) instead of 15\n"
    "The tables (the default) give the window's figures, for results that must match it;\n"
    "--precise gives the true value, the pair's exact ratio rounded once, for when the figure\n"
    "itself matters (12 in ft: 0.99999996 by the tables, 1 precisely).\n"
    "Categories and unit names match ignoring case, symbols (km, MB, psi) as written; without\n"
    "a category, the one that holds both units is taken. Quote names with blanks.\n"
    "Multiples (kWh, bar, nmi) and written forms (metre, m^2, sq ft) are taken too.\n"
    "Exit status: 0 converted, 1 a conversion failed or had nothing to convert, 2 a wrong call.\n";

constexpr const char* kPrefix = "merovane-convert: ";

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

// The multiples of unit `unit` of `category`, each group of names of one multiple with its
// factor: "kWh, Kilowatt-hours = 1000 Watt-hours; MWh = 1000000 Watt-hours".
std::string multiples(const Category& category, int unit) {
  const std::string_view listed = category.units[static_cast<size_t>(unit)];
  std::string text;
  const Multiple* group = nullptr;
  const auto close = [&] {
    if (group == nullptr) return;
    text.append(" = ").append(group->numerator);
    if (group->denominator != "1") text.append("/").append(group->denominator);
    text.append(" ").append(listed);
  };
  for (const Multiple& multiple : category.multiples) {
    if (multiple.name.unit != listed) continue;
    if (group != nullptr && group->factor == multiple.factor) {
      text.append(", ").append(multiple.name.text);
      continue;
    }
    close();
    text.append(text.empty() ? "" : "; ").append(multiple.name.text);
    group = &multiple;
  }
  close();
  return text;
}

// Each unit of `category` on a line, with the other names it answers to after a tab, and its
// multiples after another.
void listunits(const Category& category, std::ostream& out) {
  for (size_t unit = 0; unit < category.units.size(); ++unit) {
    out << category.units[unit];
    const char* separator = "\t";
    for (std::string_view name : othernames(category, static_cast<int>(unit))) {
      out << separator << name;
      separator = ", ";
    }
    const std::string multiplied = multiples(category, static_cast<int>(unit));
    if (!multiplied.empty()) out << (*separator == '\t' ? "\t\t" : "\t") << multiplied;
    out << '\n';
  }
}

// "A, B or C"
template <class Words, class Show>
std::string alternatives(const Words& words, Show show) {
  std::string text;
  for (size_t at = 0; at < words.size(); ++at)
    text += (at == 0 ? "" : at + 1 == words.size() ? " or " : ", ") + show(words[at]);
  return text;
}

// Why `name` (in `category`, when given) is no unit: the units it may mean, each as a name that
// picks it, or the nearest names; or, with none near, where the valid ones are.
void tellunresolved(std::string_view name, const Answer& answer, const Category* category,
                    std::ostream& err) {
  if (answer.kind == Answer::Kind::Ambiguous) {
    err << kPrefix << quoted(name) << " names more than one unit; name one: "
        << alternatives(answer.units,
                        [](const UnitChoice& choice) { return quoted(choice.name()); })
        << '\n';
    return;
  }
  err << kPrefix << "unknown unit " << quoted(name);
  if (category != nullptr) err << " in " << category->caption;
  if (!answer.suggestions.empty()) {
    err << "; did you mean "
        << alternatives(answer.suggestions, [](std::string_view text) { return std::string(text); })
        << "?\n";
  } else if (category == nullptr) {
    err << "; merovane-convert --list CATEGORY shows the units of a category\n";
  } else {
    err << "; its units are (--list " << category->caption << " shows their other names):\n";
    for (std::string_view unit : category->units) err << unit << '\n';
  }
}

struct Pair {
  const Category* category;
  int from, to;
  Scale scale;
};

Pair topair(const PairChoice& choice) {
  return {choice.from.category, choice.from.unit, choice.to.unit,
          {choice.from.multiple, choice.to.multiple}};
}

// The units `from` and `to` name, in `category` or else in the one category that holds both;
// nullopt after telling `err` why not.
std::optional<Pair> findpair(std::string_view from, std::string_view to, const Category* category,
                             std::ostream& err) {
  const PairAnswer answer = resolvepair(from, to, category);
  const auto captions = [](const std::vector<const Category*>& found) {
    return alternatives(found, [](const Category* each) { return std::string(each->caption); });
  };
  switch (answer.kind) {
    case PairAnswer::Kind::Pair:
      return topair(*answer.pair);
    case PairAnswer::Kind::Unresolved:
      tellunresolved(answer.fromfailed ? from : to, answer.failure, category, err);
      break;
    case PairAnswer::Kind::NoCommonCategory:
      err << kPrefix << quoted(from) << " is a unit of " << captions(answer.sources) << " and "
          << quoted(to) << " of " << captions(answer.destinations) << ": no category holds both\n";
      break;
    case PairAnswer::Kind::SeveralCategories:
      err << kPrefix << quoted(from) << " and " << quoted(to) << " are units of";
      const char* separator = " ";
      for (const Category* each : answer.categories) {
        err << separator << each->caption;
        separator = " and ";
      }
      err << "; name the category\n";
      break;
  }
  return std::nullopt;
}

// Every unit and multiple whose names contain `word`, a line each with its category after a
// tab; 1 when there is none.
int searchunits(std::string_view word, std::ostream& out, std::ostream& err) {
  const std::vector<UnitChoice> found = search(word);
  for (const UnitChoice& unit : found) out << unit.name() << '\t' << unit.category->caption << '\n';
  if (!found.empty()) return 0;
  err << kPrefix << "no unit's name contains " << quoted(word) << '\n';
  return 1;
}

constexpr const char* kEmptyValue = "the value is empty: nothing to convert\n";

// A failure names the value and gives the description the window's message box would show.
int convertone(const Pair& pair, const std::string& value, const Options& options,
               std::ostream& out, std::ostream& err) {
  if (value.empty()) {
    err << kPrefix << kEmptyValue;
    return 1;
  }
  const Result result = convertcell(*pair.category, value, pair.from, pair.to, options, pair.scale);
  switch (result.status()) {
    case Result::Status::Converted:
      out << result.text() << '\n';
      return 0;
    case Result::Status::Failed:
      err << kPrefix << "cannot convert " << quoted(value) << ": " << result.error()->Description()
          << '\n';
      return 1;
    case Result::Status::Nothing:
      break;
  }
  return 1;
}

// One line out for every line in; the failures on `err` with their line numbers.
int convertlines(const Pair& pair, const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  const PairConverter converter(*pair.category, pair.from, pair.to, options, pair.scale);
  const StreamSummary summary = convertstream(
      converter, in, out,
      [&err](std::uint64_t line, std::string_view value, const RuntimeError* error) {
        err << kPrefix << "line " << line << ": ";
        if (error == nullptr)
          err << quoted(value) << " converts to nothing\n";
        else
          err << "cannot convert " << quoted(value) << ": " << error->Description() << '\n';
      });
  return summary.failed == 0 ? 0 : 1;
}

int convertpair(const Pair& pair, const std::string& value, const Options& options,
                std::istream& in, std::ostream& out, std::ostream& err) {
  return value == "-" ? convertlines(pair, options, in, out, err)
                      : convertone(pair, value, options, out, err);
}

// CATEGORY VALUE FROM TO, or CATEGORY - FROM TO
int convertincategory(const std::vector<std::string>& arguments, const Options& options,
                      std::istream& in, std::ostream& out, std::ostream& err) {
  const Category* category = findcategory(arguments[0], err);
  if (category == nullptr) return 2;
  const std::optional<Pair> pair = findpair(arguments[2], arguments[3], category, err);
  if (!pair) return 2;
  return convertpair(*pair, arguments[1], options, in, out, err);
}

// VALUE FROM TO, or - FROM TO
int convertanywhere(const std::vector<std::string>& arguments, const Options& options,
                    std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<Pair> pair = findpair(arguments[1], arguments[2], nullptr, err);
  if (!pair) return 2;
  return convertpair(*pair, arguments[0], options, in, out, err);
}

// Every pair of one value: a header of the units, then a line per source unit. A cell that does
// not convert shows "!" and the error's description, or nothing.
int convertgrid(const std::vector<std::string>& arguments, const Options& options,
                std::ostream& out, std::ostream& err) {
  const Category* category = findcategory(arguments[1], err);
  if (category == nullptr) return 2;
  const std::string& value = arguments[2];
  if (value.empty()) {
    err << kPrefix << kEmptyValue;
    return 1;
  }

  const Chart chart(*category, value, options);
  for (std::string_view unit : category->units) out << '\t' << unit;
  out << '\n';
  bool allconverted = true;
  for (int from = 0; from < chart.units(); ++from) {
    out << category->units[static_cast<size_t>(from)];
    for (int to = 0; to < chart.units(); ++to) {
      const Result& cell = chart.at(from, to);
      out << '\t';
      if (cell.status() == Result::Status::Converted)
        out << cell.text();
      else if (cell.error())
        out << '!' << cell.error()->Description();
      allconverted = allconverted && cell.status() == Result::Status::Converted;
    }
    out << '\n';
  }
  return allconverted ? 0 : 1;
}

bool isoption(const std::string& argument) {
  return argument.starts_with("--");
}

// Takes -p/--precise and --digits N (or --digits=N) out of `arguments`, wherever they stand, into
// `options`; false after telling `err` what is wrong with the digits.
bool takeoptions(std::vector<std::string>& arguments, Options& options, std::ostream& err) {
  std::vector<std::string> rest;
  for (size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "-p" || argument == "--precise") {
      options.mode = Mode::Precise;
      continue;
    }
    std::string digits;
    if (argument.starts_with("--digits=")) {
      digits = argument.substr(9);
    } else if (argument == "--digits") {
      if (at + 1 == arguments.size()) {
        err << kPrefix << "--digits needs a number of significant digits, 1 to 17\n";
        return false;
      }
      digits = arguments[++at];
    } else {
      rest.push_back(argument);
      continue;
    }
    const char* end = digits.data() + digits.size();
    const auto read = std::from_chars(digits.data(), end, options.digits);
    if (read.ec != std::errc() || read.ptr != end || options.digits < kFewestDigits ||
        options.digits > kMostDigits) {
      err << kPrefix << "--digits takes a number of significant digits from 1 to 17, not "
          << quoted(digits) << '\n';
      return false;
    }
  }
  arguments = std::move(rest);
  return true;
}

}  // namespace

int runconvert(const std::vector<std::string>& given, std::istream& in, std::ostream& out,
               std::ostream& err) {
  std::vector<std::string> arguments = given;
  Options options;
  if (!takeoptions(arguments, options, err)) return 2;
  const size_t count = arguments.size();
  if (count == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (count == 1 && arguments[0] == "--version") {
    out << "merovane-convert " << kVersion << '\n' << kCopyrightAndLicence;
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
  if (count == 2 && arguments[0] == "--search") return searchunits(arguments[1], out, err);
  if (count == 3 && arguments[0] == "--grid") return convertgrid(arguments, options, out, err);
  if (count == 4 && !isoption(arguments[0]))
    return convertincategory(arguments, options, in, out, err);
  // Three words that start with a category are a conversion without its last unit.
  if (count == 3 && !isoption(arguments[0]) && merovane::findcategory(arguments[0]) == nullptr)
    return convertanywhere(arguments, options, in, out, err);
  err << kUsage;
  return 2;
}

int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return runconvert(arguments, std::cin, out, err);
}

int runprogram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const int status = runconvert(arguments, in, out, err);
  if (out.flush()) return status;
  const auto* buffer = dynamic_cast<const FdOutBuf*>(out.rdbuf());
  err << kPrefix << "cannot write the result: "
      << (buffer != nullptr && buffer->error() != 0 ? std::strerror(buffer->error())
                                                    : "the output failed")
      << '\n';
  return 1;
}

}  // namespace merovane
