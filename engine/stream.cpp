#include "engine/stream.h"

#include <array>
#include <istream>
#include <ostream>

#include "api/linereader.h"

namespace merovane {

StreamCount convertstream(const PairConverter& converter, std::istream& in, std::ostream& out,
                          const LineFailure& failure) {
  StreamCount count;
  LineReader reader(in);
  // The result's text and its line end, written at once.
  std::array<char, kNumberTextCapacity + 1> shown;
  // Straight into the stream's buffer: a sentry's checks for every line would cost more than
  // the conversion.
  std::streambuf* sink = out.rdbuf();
  const auto put = [&out, sink](const char* text, std::streamsize length) {
    if (sink->sputn(text, length) != length) out.setstate(std::ios::badbit);
  };
  for (LineReader::Read read; out && (read = reader.next()) != LineReader::Read::End;) {
    count.lines = reader.number();
    const int length =
        read == LineReader::Read::Line ? converter.write(reader.line(), shown.data()) : -1;
    if (length >= 0) {
      shown[static_cast<size_t>(length)] = '\n';
      put(shown.data(), length + 1);
      continue;
    }
    put("\n", 1);
    if (read == LineReader::Read::Line && isblankline(reader.line())) continue;
    ++count.failed;
    if (!failure) continue;
    failure(reader.number(), read == LineReader::Read::TooLong
                                 ? std::string(kSkippedLine)
                                 : converter.convert(reader.line()).message());
  }
  return count;
}

}  // namespace merovane
