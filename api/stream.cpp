#include "api/stream.h"

#include <istream>
#include <ostream>

namespace merovane {

StreamSummary convertstream(const PairConverter& converter, std::istream& in, std::ostream& out,
                            const LineFailure& failure, const LineTooLong& toolong) {
  StreamSummary summary;
  LineReader reader(in);
  for (LineReader::Read read; out && (read = reader.next()) != LineReader::Read::End;) {
    summary.lines = reader.number();
    if (read == LineReader::Read::TooLong) {
      ++summary.failed;
      if (toolong) toolong(reader.number());
    } else if (const Result result = converter.convert(reader.line());
               result.status() == Result::Status::Converted) {
      out.write(result.text().data(), static_cast<std::streamsize>(result.text().size()));
    } else if (!isblankline(reader.line())) {
      ++summary.failed;
      if (failure)
        failure(reader.number(), reader.line(), result.error() ? &*result.error() : nullptr);
    }
    out.put('\n');
  }
  return summary;
}

}  // namespace merovane
