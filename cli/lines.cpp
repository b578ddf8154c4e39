#include "cli/lines.h"

#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <tuple>

#include "api/linereader.h"
#include "cli/report.h"
#include "cli/words.h"

namespace merovane {
namespace {

std::ostream& lineprefix(std::ostream& err, std::uint64_t line) {
  return err << kPrefix << "line " << line << ": ";
}

// Request lines to their results. The pair of each set of names typed is looked up once and
// remembered, a bounded number of them.
class RequestConverter {
 public:
  RequestConverter(const std::optional<Category>& category, const Options& options)
      : options_(options) {
    if (category) category_ = category->caption();
  }

  // One line to its result; one that cannot be read or names no pair fails with the reason.
  Result convert(std::string_view line) {
    const auto words = splitwords(line);
    if (const auto* error = std::get_if<UsageError>(&words)) return refused(error->message);
    auto parsed = parseconversion(std::get<std::vector<std::string>>(words));
    if (const auto* error = std::get_if<UsageError>(&parsed)) return refused(error->message);
    Conversion& conversion = std::get<Conversion>(parsed);
    if (!conversion.category && category_) conversion.category = category_;
    Names names(std::move(conversion.category), std::move(conversion.from),
                std::move(conversion.to));
    auto known = typed_.find(names);
    if (known == typed_.end()) {
      const auto& [category, from, to] = names;
      Found<Pair> pair = category ? Pair::find(*category, from, to) : Pair::find(from, to);
      if (!pair) return refused(pair.error().message());
      if (options_.mode == Mode::Tables && !pair->intables()) return refused(notintables(*pair));
      if (category.value_or("").size() + from.size() + to.size() > kLongestTyped)
        return pair->convert(conversion.value, options_);
      if (typed_.size() == kMostTyped) typed_.clear();
      known = typed_.emplace(std::move(names), *pair).first;
    }
    return known->second.convert(conversion.value, options_);
  }

 private:
  using Names = std::tuple<std::optional<std::string>, std::string, std::string>;
  // At most this many names, each this long at most, are remembered.
  static constexpr std::size_t kMostTyped = 1024, kLongestTyped = 256;

  std::optional<std::string> category_;
  Options options_;
  std::map<Names, Pair> typed_;
};

}  // namespace

int convertlines(const Pair& pair, const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  const StreamCount count =
      pair.convert(in, out, options, [&err](std::uint64_t line, const std::string& message) {
        lineprefix(err, line) << message << '\n';
      });
  const bool readfailed = reportreaderror(in, err);
  return count.failed == 0 && !readfailed ? 0 : 1;
}

int convertrequests(const std::optional<Category>& category, const Options& options,
                    std::istream& in, std::ostream& out, std::ostream& err) {
  LineReader reader(in);
  RequestConverter converter(category, options);
  bool failed = false;
  for (LineReader::Read read; out && (read = reader.next()) != LineReader::Read::End;) {
    if (read == LineReader::Read::TooLong) {
      failed = true;
      lineprefix(err, reader.number()) << kSkippedLine << '\n';
    } else if (!isblankline(reader.line())) {
      const Result result = converter.convert(reader.line());
      if (result.converted()) {
        out << result.text();
      } else {
        failed = true;
        lineprefix(err, reader.number()) << result.message() << '\n';
      }
    }
    out << '\n';
  }
  const bool readfailed = reportreaderror(in, err);
  return failed || readfailed ? 1 : 0;
}

}  // namespace merovane
