#include "cli/lines.h"

#include <istream>
#include <ostream>

#include "api/stream.h"
#include "cli/report.h"
#include "cli/words.h"

namespace merovane {
namespace {

std::ostream& lineprefix(std::ostream& err, std::uint64_t line) {
  return err << kPrefix << "line " << line << ": ";
}

void reporttoolong(std::ostream& err, std::uint64_t line) {
  lineprefix(err, line) << "longer than " << kLongestLine << " bytes: skipped\n";
}

// One request line to its result, or the one-line message saying why there is none.
Outcome convertrequest(const Category* category, std::string_view line) {
  const auto words = splitwords(line);
  if (const auto* error = std::get_if<UsageError>(&words)) return {false, error->message};
  const auto parsed = parseconversion(std::get<std::vector<std::string>>(words));
  if (const auto* error = std::get_if<UsageError>(&parsed)) return {false, error->message};
  const Conversion& conversion = std::get<Conversion>(parsed);
  std::optional<std::string_view> within = conversion.category;
  if (!within && category != nullptr) within = category->caption;
  const auto pair = resolvepair(within, conversion.from, conversion.to);
  if (const auto* error = std::get_if<NameError>(&pair)) return {false, error->line};
  return convertpair(std::get<Pair>(pair), conversion.value);
}

}  // namespace

int convertlines(const Pair& pair, std::istream& in, std::ostream& out, std::ostream& err) {
  const PairConverter converter(*pair.category, pair.from, pair.to);
  const StreamSummary summary = convertstream(
      converter, in, out,
      [&err](std::uint64_t line, std::string_view value, const RuntimeError* error) {
        lineprefix(err, line) << cannotconvert(value, error) << '\n';
      },
      [&err](std::uint64_t line) { reporttoolong(err, line); });
  const bool readfailed = reportreaderror(in, err);
  return summary.failed == 0 && !readfailed ? 0 : 1;
}

int convertrequests(const Category* category, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  LineReader reader(in);
  bool failed = false;
  for (LineReader::Read read; out && (read = reader.next()) != LineReader::Read::End;) {
    if (read == LineReader::Read::TooLong) {
      failed = true;
      reporttoolong(err, reader.number());
    } else if (!isblankline(reader.line())) {
      const Outcome outcome = convertrequest(category, reader.line());
      if (outcome.converted) {
        out << outcome.text;
      } else {
        failed = true;
        lineprefix(err, reader.number()) << outcome.text << '\n';
      }
    }
    out << '\n';
  }
  const bool readfailed = reportreaderror(in, err);
  return failed || readfailed ? 1 : 0;
}

}  // namespace merovane
