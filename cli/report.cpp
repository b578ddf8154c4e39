#include "cli/report.h"

#include <istream>
#include <ostream>

#include "cli/fdstream.h"

namespace merovane {

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
