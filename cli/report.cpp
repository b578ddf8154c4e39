#include "cli/report.h"

#include <istream>
#include <ostream>

#include "api/quote.h"
#include "cli/fdstream.h"

namespace merovane {

std::string cannotconvert(std::string_view value, const RuntimeError* error) {
  if (error == nullptr) return quoted(value) + " converts to nothing";
  std::string message = "cannot convert " + quoted(value) + ": " + error->Description();
  if (error->kind() == ErrorKind::TypeMismatch) message += " (write numbers like 1.5, -2 or 3E+8)";
  return message;
}

Outcome outcome(std::string_view value, const Result& result) {
  if (value.empty()) return {false, "the value is empty: nothing to convert"};
  if (result.status() == Result::Status::Converted) return {true, std::string(result.text())};
  return {false, cannotconvert(value, result.error() ? &*result.error() : nullptr)};
}

Outcome convertpair(const NamedPair& pair, std::string_view value, const Options& options) {
  return outcome(value,
                 convertcell(*pair.category, value, pair.from, pair.to, options, pair.scale));
}

int reportusage(const UsageError& error, std::ostream& err) {
  err << kPrefix << error.message << "\nTry 'merovane-convert --help'.\n";
  return 2;
}

int reportname(const NameError& error, std::ostream& err) {
  err << kPrefix << error.line << error.detail << '\n';
  for (std::string_view name : error.list) err << name << '\n';
  return 2;
}

bool reportreaderror(const std::istream& in, std::ostream& err) {
  const char* error = readerror(in);
  if (error != nullptr) err << kPrefix << "cannot read standard input: " << error << '\n';
  return error != nullptr;
}

}  // namespace merovane
