#include "cli/convert.h"

#include <iostream>

#include "api/chart.h"
#include "categories/categories.h"
#include "cli/fdstream.h"
#include "cli/lines.h"
#include "cli/names.h"
#include "cli/report.h"
#include "cli/request.h"
#include "core/about.h"

namespace merovane {
namespace {

constexpr const char* kUsage =
    "usage: merovane-convert [CATEGORY] VALUE FROM TO  convert VALUE from unit FROM to unit TO\n"
    "       merovane-convert [CATEGORY] - FROM TO      convert each line of standard input\n"
    "       merovane-convert [CATEGORY] -              convert each request on standard input,\n"
    "                                                  a line [CATEGORY] VALUE FROM TO each\n"
    "       merovane-convert --grid CATEGORY VALUE     every pair of units as a tab-separated "
    "chart\n"
    "       merovane-convert --list [CATEGORY]         the categories, or one category's units "
    "and\n"
    "                                                  the other names they answer to\n"
    "       merovane-convert -h | --help | -v | --version\n"
    "Categories and unit names match ignoring case, symbols (km, MB, psi) as written; without\n"
    "a category, the one that holds both units is taken. Quote names with blanks, on the\n"
    "command line and on standard input. -- ends the options. Input lines longer than 65536\n"
    "bytes are skipped.\n"
    "Exit status: 0 converted; 1 a conversion failed, had nothing to convert, or input or\n"
    "output failed; 2 a wrong call.\n";

void listcategories(std::ostream& out) {
  for (const Category& category : categories()) out << category.caption << '\n';
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

// Every pair of one value: a header of the units, then a line per source unit. A cell that does
// not convert shows "!" and the error's description, or nothing.
int convertgrid(const Category& category, const std::string& value, std::ostream& out,
                std::ostream& err) {
  if (value.empty()) {
    err << kPrefix << "the value is empty: nothing to convert\n";
    return 1;
  }
  const Chart chart(category, value);
  for (std::string_view unit : category.units) out << '\t' << unit;
  out << '\n';
  bool allconverted = true;
  for (int from = 0; from < chart.units(); ++from) {
    out << category.units[static_cast<size_t>(from)];
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

int convertone(const Pair& pair, std::string_view value, std::ostream& out, std::ostream& err) {
  const Outcome outcome = convertpair(pair, value);
  (outcome.converted ? out : err << kPrefix) << outcome.text << '\n';
  return outcome.converted ? 0 : 1;
}

// The options of features this program does not carry yet are refused as a wrong call.
std::optional<UsageError> unsupported(const Request& request) {
  if (request.action == Action::Help || request.action == Action::Version) return std::nullopt;
  for (const auto& [used, option] : {std::pair{request.mode == Mode::Precise, "--precise"},
                                     std::pair{request.digits.has_value(), "--digits"},
                                     std::pair{request.action == Action::Search, "--search"}})
    if (used) return UsageError{std::string("this merovane-convert has no ") + option};
  return std::nullopt;
}

// Resolves the request's names, converts and reports.
int run(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
  const Conversion& names = request.conversion;
  const auto withcategory = [&](auto then) {
    const auto found = resolvecategory(names.category.value_or(""));
    if (const auto* error = std::get_if<NameError>(&found)) return reportname(*error, err);
    return then(*std::get<const Category*>(found));
  };
  const auto withpair = [&](auto then) {
    const auto found = resolvepair(names.category, names.from, names.to);
    if (const auto* error = std::get_if<NameError>(&found)) return reportname(*error, err);
    return then(std::get<Pair>(found));
  };
  switch (request.action) {
    case Action::Help:
      out << kUsage;
      return 0;
    case Action::Version:
      out << "merovane-convert " << kVersion << '\n' << kCopyrightAndLicence;
      return 0;
    case Action::ListCategories:
      listcategories(out);
      return 0;
    case Action::ListUnits:
      return withcategory([&](const Category& category) {
        listunits(category, out);
        return 0;
      });
    case Action::Search:
      break;
    case Action::Grid:
      return withcategory(
          [&](const Category& category) { return convertgrid(category, names.value, out, err); });
    case Action::Convert:
      return withpair([&](const Pair& pair) { return convertone(pair, names.value, out, err); });
    case Action::ConvertLines:
      return withpair([&](const Pair& pair) { return convertlines(pair, in, out, err); });
    case Action::ConvertRequests:
      if (!names.category) return convertrequests(nullptr, in, out, err);
      return withcategory(
          [&](const Category& category) { return convertrequests(&category, in, out, err); });
  }
  return 2;
}

}  // namespace

int runconvert(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const auto parsed = parse(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) return reportusage(*error, err);
  const Request& request = std::get<Request>(parsed);
  if (const std::optional<UsageError> error = unsupported(request)) return reportusage(*error, err);
  return run(request, in, out, err);
}

int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return runconvert(arguments, std::cin, out, err);
}

int runprogram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
  const int status = runconvert(arguments, in, out, err);
  if (out.flush()) return status;
  err << kPrefix << "cannot write the result: " << writeerror(out) << '\n';
  return 1;
}

}  // namespace merovane
