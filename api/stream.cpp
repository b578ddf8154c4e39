#include "api/stream.h"

#include <istream>
#include <ostream>
#include <string>

namespace merovane {
namespace {

bool isblankline(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

StreamSummary convertstream(const PairConverter& converter, std::istream& in, std::ostream& out,
                            const LineFailure& failure) {
  StreamSummary summary;
  std::string line;
  while (out && std::getline(in, line)) {
    ++summary.lines;
    std::string_view value = line;
    if (value.ends_with('\r')) value.remove_suffix(1);
    const Result result = converter.convert(value);
    if (result.status() == Result::Status::Converted) {
      out.write(result.text().data(), static_cast<std::streamsize>(result.text().size()));
    } else if (!isblankline(value)) {
      ++summary.failed;
      if (failure) failure(summary.lines, value, result.error() ? &*result.error() : nullptr);
    }
    out.put('\n');
  }
  return summary;
}

}  // namespace merovane
