#include "cli/lines.h"

#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>

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

// Request lines to their results. Each pair's converter is worked out once (a category has at
// most a few hundred pairs), and the names typed for it are remembered, a bounded number of them.
class RequestConverter {
 public:
  RequestConverter(const Category* category, const Options& options)
      : category_(category), options_(options) {}

  // One line to its result, or the one-line message saying why there is none.
  Outcome convert(std::string_view line) {
    const auto words = splitwords(line);
    if (const auto* error = std::get_if<UsageError>(&words)) return {false, error->message};
    auto parsed = parseconversion(std::get<std::vector<std::string>>(words));
    if (const auto* error = std::get_if<UsageError>(&parsed)) return {false, error->message};
    Conversion& conversion = std::get<Conversion>(parsed);
    if (!conversion.category && category_ != nullptr)
      conversion.category = std::string(category_->caption);
    Names names(std::move(conversion.category), std::move(conversion.from),
                std::move(conversion.to));
    auto known = typed_.find(names);
    if (known == typed_.end()) {
      const auto& [category, from, to] = names;
      const auto pair = resolvepair(category, from, to);
      if (const auto* error = std::get_if<NameError>(&pair))
        return {false, error->line + (error->list.empty() ? error->detail : "")};
      const NamedPair& found = std::get<NamedPair>(pair);
      const auto key =
          std::tuple(found.category, found.from, found.to, found.scale.from, found.scale.to);
      auto at = converters_.find(key);
      if (at == converters_.end())
        at = converters_
                 .try_emplace(key, *found.category, found.from, found.to, options_, found.scale)
                 .first;
      if (std::get<0>(names).value_or("").size() + from.size() + to.size() > kLongestTyped)
        return outcome(conversion.value, at->second.convert(conversion.value));
      if (typed_.size() == kMostTyped) typed_.clear();
      known = typed_.emplace(std::move(names), &at->second).first;
    }
    return outcome(conversion.value, known->second->convert(conversion.value));
  }

 private:
  using Names = std::tuple<std::optional<std::string>, std::string, std::string>;
  // At most this many names, each this long at most, are remembered.
  static constexpr std::size_t kMostTyped = 1024, kLongestTyped = 256;

  const Category* category_;
  Options options_;
  std::map<Names, const PairConverter*> typed_;
  // Keyed by the listed units and the multiples of them, if any.
  std::map<std::tuple<const Category*, int, int, const Multiple*, const Multiple*>, PairConverter>
      converters_;
};

}  // namespace

int convertlines(const NamedPair& pair, const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  const PairConverter converter(*pair.category, pair.from, pair.to, options, pair.scale);
  const StreamSummary summary = convertstream(
      converter, in, out,
      [&err](std::uint64_t line, std::string_view value, const RuntimeError* error) {
        lineprefix(err, line) << cannotconvert(value, error) << '\n';
      },
      [&err](std::uint64_t line) { reporttoolong(err, line); });
  const bool readfailed = reportreaderror(in, err);
  return summary.failed == 0 && !readfailed ? 0 : 1;
}

int convertrequests(const Category* category, const Options& options, std::istream& in,
                    std::ostream& out, std::ostream& err) {
  LineReader reader(in);
  RequestConverter converter(category, options);
  bool failed = false;
  for (LineReader::Read read; out && (read = reader.next()) != LineReader::Read::End;) {
    if (read == LineReader::Read::TooLong) {
      failed = true;
      reporttoolong(err, reader.number());
    } else if (!isblankline(reader.line())) {
      const Outcome outcome = converter.convert(reader.line());
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
