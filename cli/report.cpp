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
  // The source, unless the tables hold it.
  return notintables(pair.from().intables() ? pair.toname() : pair.fromname());
}

Result convertquery(const Query& query, const Options& options) {
  Result result = query.convert(options);
  if (query.plain() || result.failure() != Result::Failure::NotInTables) return result;
  std::string message = result.message() + kTablesHint;
  return Result(Result::Status::Failed, message, message, 0, result.failure());
}

namespace {

// Whether the error is of a unit no name is near.
bool nonenear(const Error& error) {
  return error.kind() == Error::Kind::UnknownUnit && error.candidates().empty();
}

// Where merovane-convert lists the valid names of an error with none near.
std::string wheretolook(const Error& error) {
  if (error.category().empty())
    return "; merovane-convert --list CATEGORY shows the units of a category";
  return "; its units are (--list " + error.category() + " shows their other names):";
}

}  // namespace

std::string errorline(const Error& error) {
  if (nonenear(error) && error.listed().empty()) return error.message() + wheretolook(error);
  return error.message();
}

std::string errordetails(const Error& error) {
  if (!nonenear(error)) return error.details();
  std::string details = error.message() + wheretolook(error);
  for (const std::string& unit : error.listed()) details.append("\n").append(unit);
  return details;
}

Result refused(std::string message) {
  return Result(Result::Status::Failed, "", std::move(message));
}

int reportusage(const UsageError& error, std::ostream& err) {
  err << kPrefix << error.message << "\nTry 'merovane-convert --help'.\n";
  return 2;
}

int reportname(const Error& error, std::ostream& err) {
  err << kPrefix << errordetails(error) << '\n';
  return 2;
}

bool reportreaderror(const std::istream& in, std::ostream& err) {
  const char* error = readerror(in);
  if (error != nullptr) err << kPrefix << "cannot read standard input: " << error << '\n';
  return error != nullptr;
}

}  // namespace merovane
