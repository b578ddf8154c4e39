#include "cli/report.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "api/quote.h"
#include "cli/fdstream.h"

namespace merovane {

std::string notintables(std::string_view what) {
  return quoted(what) +
         " has no figure in the window's tables: leave out --tables to convert by the definitions";
}

std::string notintables(const Pair& pair) {
  if (pair.intables()) return "";
  const Category category = pair.category();
  if (!category.intables()) return notintables(category.caption());
  // The source, unless the tables hold it: a unit answers to its shown name, symbols and names.
  const std::string from = pair.from();
  for (const Unit& unit : category.allunits()) {
    const auto among = [&from](const std::vector<std::string>& names) {
      return std::find(names.begin(), names.end(), from) != names.end();
    };
    if (unit.name == from || among(unit.symbols) || among(unit.names))
      return notintables(unit.intables ? pair.to() : from);
  }
  return notintables(from);
}

Result refused(std::string message) {
  return Result(Result::Status::Failed, "", std::move(message));
}

int reportusage(const UsageError& error, std::ostream& err) {
  err << kPrefix << error.message << "\nTry 'merovane-convert --help'.\n";
  return 2;
}

int reportname(const Error& error, std::ostream& err) {
  err << kPrefix << error.details() << '\n';
  return 2;
}

bool reportreaderror(const std::istream& in, std::ostream& err) {
  const char* error = readerror(in);
  if (error != nullptr) err << kPrefix << "cannot read standard input: " << error << '\n';
  return error != nullptr;
}

}  // namespace merovane
