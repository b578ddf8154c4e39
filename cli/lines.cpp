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

using Names = std::tuple<std::optional<std::string>, std::string, std::string>;

bool lookslikenumber(std::string_view word) {
  return !word.empty() &&
         ((word[0] >= '0' && word[0] <= '9') || word[0] == '-' || word[0] == '+' || word[0] == '.');
}

// The request grammar's reading of `words`, a leading category taken off.
Found<Query> readquery(std::vector<std::string> words, std::optional<std::string> category) {
  if (words.size() > 1 && !lookslikenumber(words[0]) && Category::find(words[0])) {
    category = words[0];
    words.erase(words.begin());
  }
  return Query::read(words, category.value_or(""));
}

// Why words make no request, as a wrong call of the old reading or of the grammar.
Answer wrongrequest(const Error& error) {
  if (error.kind() == Error::Kind::Unreadable) return UsageError{error.message()};
  return error;
}

// Why the tables cannot convert a pair they do not hold, as a wrong call.
Error notintablesfor(const Pair& pair) {
  return Error(Error::Kind::NotInTables, notintables(pair));
}

// answer() with the old reading's pair looked up by `findpair`.
template <class FindPair>
Answer answer(const std::vector<std::string>& words, const std::optional<std::string>& within,
              const Options& options, FindPair findpair) {
  auto parsed = parseconversion(words);
  if (const auto* wrong = std::get_if<UsageError>(&parsed)) {
    Found<Query> query = readquery(words, within);
    if (query && options.mode() == Mode::Tables && !query->pair().intables())
      return notintablesfor(query->pair());
    if (query) return convertquery(*query, options);
    if (readsasrequest(words)) return wrongrequest(query.error());
    return *wrong;
  }
  Conversion& conversion = std::get<Conversion>(parsed);
  if (!conversion.category && within) conversion.category = within;
  const Found<Pair> pair =
      findpair(Names(conversion.category, std::move(conversion.from), std::move(conversion.to)));
  if (pair && options.mode() == Mode::Tables && !pair->intables()) return notintablesfor(*pair);
  std::optional<Result> result;
  if (pair) {
    result = pair->convert(conversion.value, options);
    if (result->converted()) return *result;
  }
  // The old reading did not convert: the grammar's, if it reads them and they hold more than the
  // old reading takes, unless the category named is none.
  if (!readsasrequest(words) || (!pair && pair.error().kind() == Error::Kind::UnknownCategory)) {
    if (result) return *result;
    return pair.error();
  }
  Found<Query> query = readquery(words, within);
  if (query) return convertquery(*query, options);
  if (result) return *result;
  return pair.error();
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
    const Answer found = answer(std::get<std::vector<std::string>>(words), category_, options_,
                                [this](const Names& names) { return findpair(names); });
    if (const auto* result = std::get_if<Result>(&found)) return *result;
    if (const auto* error = std::get_if<Error>(&found)) return refused(errorline(*error));
    return refused(std::get<UsageError>(found).message);
  }

 private:
  // At most this many names, each this long at most, are remembered.
  static constexpr std::size_t kMostTyped = 1024, kLongestTyped = 256;

  Found<Pair> findpair(const Names& names) {
    auto known = typed_.find(names);
    if (known != typed_.end()) return known->second;
    const auto& [category, from, to] = names;
    Found<Pair> pair = category ? Pair::find(*category, from, to) : Pair::find(from, to);
    if (!pair || category.value_or("").size() + from.size() + to.size() > kLongestTyped)
      return pair;
    if (typed_.size() == kMostTyped) typed_.clear();
    typed_.emplace(names, *pair);
    return pair;
  }

  std::optional<std::string> category_;
  Options options_;
  std::map<Names, Pair> typed_;
};

}  // namespace

Answer answer(const std::vector<std::string>& words, const std::optional<std::string>& category,
              const Options& options) {
  return answer(words, category, options, [](const Names& names) {
    const auto& [within, from, to] = names;
    return within ? Pair::find(*within, from, to) : Pair::find(from, to);
  });
}

int convertwords(const std::vector<std::string>& words, const Options& options, std::ostream& out,
                 std::ostream& err) {
  const Answer found = answer(words, std::nullopt, options);
  if (const auto* error = std::get_if<Error>(&found)) return reportname(*error, err);
  if (const auto* wrong = std::get_if<UsageError>(&found)) return reportusage(*wrong, err);
  const Result& result = std::get<Result>(found);
  if (!result.converted()) {
    err << kPrefix << result.message() << '\n';
    return 1;
  }
  out << result.text() << '\n';
  return 0;
}

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
