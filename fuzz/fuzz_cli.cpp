// Fuzzes merovane-convert as a whole: a fuzzed argument vector and standard input through the
// entry point main uses, checking the exit status, what reaches standard error, and that a
// stream of values or of whole requests gives exactly one line for each line read, each what a
// single conversion prints, requests as people write them (5 ft 3 in cm, 5'3" cm, 1 1/2 cup ml,
// 1.75 m "ft in") too.
//
// Input: the arguments, each ended by a NUL; an empty argument ends them, and the rest is the
// standard input.

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/convert.h"
#include "cli/request.h"
#include "cli/words.h"
#include "core/runtime.h"
#include "fuzz/invariant.h"

namespace merovane::fuzz {
namespace {

// Whether a text reads as one number (or one beyond the doubles), as a stream of values takes.
bool readsasnumber(const std::string& text) {
  try {
    texttonumber(text);
  } catch (const RuntimeError& error) {
    return error.kind() == ErrorKind::Overflow;
  }
  return true;
}

constexpr size_t kMostArguments = 6;
constexpr size_t kLinesCompared = 4;
constexpr size_t kLongestMessage = 1000;

struct Run {
  int status;
  std::string out, err;
};

Run run(const std::vector<std::string>& arguments, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runprogram(arguments, in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> lines(std::string_view text) {
  std::vector<std::string> list;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    list.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return list;
}

bool blank(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

void check(const std::vector<std::string>& arguments, const std::string& input) {
  const Run whole = run(arguments, input);
  const auto context = [&] {
    std::string text = "arguments";
    for (const std::string& argument : arguments) text += " " + printable(argument);
    return text + ", input " + printable(input) + ": status " + std::to_string(whole.status) +
           ", out " + printable(whole.out) + ", err " + printable(whole.err);
  };
  require(whole.status >= 0 && whole.status <= 2, "the exit status is 0, 1 or 2", context);
  require(whole.status != 2 || whole.out.empty(), "a wrong call prints no result", context);
  require(whole.err.empty() || whole.err.starts_with("merovane-convert: "),
          "messages start with the program's name", context);
  require(std::none_of(whole.err.begin(), whole.err.end(),
                       [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7f; }),
          "no control character reaches standard error raw", context);
  for (const char* reorders : {"\u061c", "\u200e", "\u200f", "\u2028", "\u2029", "\u202a", "\u202b",
                               "\u202c", "\u202d", "\u202e", "\u2066", "\u2067", "\u2068", "\u2069",
                               "\u00ad", "\u200b", "\u200d", "\u2060", "\ufeff"})
    require(whole.err.find(reorders) == std::string::npos,
            "no bidirectional control or invisible format character reaches standard error raw",
            context);
  // Echoed texts are cut: two of them, each escaped, fit well in this.
  require(
      std::ranges::all_of(lines(whole.err),
                          [](const std::string& line) { return line.size() <= kLongestMessage; }),
      "each message line is short, whatever was typed", context);

  const auto parsed = parse(arguments);
  require(!std::holds_alternative<UsageError>(parsed) ||
              (whole.status == 2 && whole.err.ends_with("\nTry 'merovane-convert --help'.\n") &&
               std::count(whole.err.begin(), whole.err.end(), '\n') == 2),
          "a wrong call is said in one line, then where to read how to call", context);
  const Request* request = std::get_if<Request>(&parsed);
  const bool values = request != nullptr && request->action == Action::ConvertLines;
  const bool requests = request != nullptr && request->action == Action::ConvertRequests;
  if ((!values && !requests) || whole.status == 2) return;
  require(whole.err.empty() || whole.err.starts_with("merovane-convert: "),
          "a stream's messages start with the program's name", context);

  const std::vector<std::string> in = lines(input), out = lines(whole.out);
  require(out.size() == in.size() && (whole.out.empty() || whole.out.ends_with('\n')),
          "a stream writes one line for each line read", context);
  bool failed = false;
  for (size_t line = 0; line < in.size(); ++line) {
    const bool lost = out[line].empty() && !blank(in[line]);
    failed = failed || lost;
    const std::string reported = "merovane-convert: line " + std::to_string(line + 1) + ": ";
    require(!lost || whole.err.find(reported) != std::string::npos,
            "each line that did not convert is reported", context);
    if (line >= kLinesCompared || blank(in[line])) continue;
    // The same conversion as a single call, with the same options, where the arguments can
    // carry it.
    std::string text = in[line];
    if (text.ends_with('\r')) text.pop_back();
    std::vector<std::string> single;
    if (request->mode == Mode::Tables) single.push_back("--tables");
    if (request->digits) single.push_back("--digits=" + std::to_string(*request->digits));
    single.push_back("--");
    if (values) {
      // A stream of values reads numbers alone; a single call reads more (fractions, "5 ft 3").
      if (!readsasnumber(text)) continue;
      if (request->conversion.category) single.push_back(*request->conversion.category);
      single.insert(single.end(), {text, request->conversion.from, request->conversion.to});
    } else {
      const auto words = splitwords(text);
      if (!std::holds_alternative<std::vector<std::string>>(words)) {
        require(out[line].empty(), "a line that is no request converts nothing", context);
        continue;
      }
      if (request->conversion.category) single.push_back(*request->conversion.category);
      for (const std::string& word : std::get<std::vector<std::string>>(words))
        single.push_back(word);
    }
    const auto singleparsed = parse(single);
    if (!std::holds_alternative<Request>(singleparsed) ||
        std::get<Request>(singleparsed).action != Action::Convert)
      continue;
    const Run one = run(single, "");
    require(one.status == 0 ? one.out == out[line] + "\n" : out[line].empty(),
            "a stream's line is what a single conversion prints", context);
  }
  require((whole.status == 1) == failed, "the status is 1 exactly when a line did not convert",
          context);
}

}  // namespace
}  // namespace merovane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> arguments;
  while (arguments.size() < merovane::fuzz::kMostArguments) {
    const size_t end = rest.find('\0');
    if (end == std::string_view::npos || end == 0) {
      if (end == 0) rest.remove_prefix(1);
      break;
    }
    arguments.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  merovane::fuzz::check(arguments, std::string(rest));
  return 0;
}
