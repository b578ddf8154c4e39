// What a call of merovane-convert asks for, read from its arguments in one pass before any name
// is looked up: a request, or the one-line reason it is a wrong call.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "merovane/merovane.h"

namespace merovane {

enum class Action {
  Help,
  Version,
  ListCategories,   // --list
  ListUnits,        // --list CATEGORY
  Search,           // --search WORD
  Grid,             // --grid CATEGORY VALUE
  Convert,          // [CATEGORY] VALUE FROM TO
  ConvertLines,     // [CATEGORY] - FROM TO: values from standard input
  ConvertRequests,  // [CATEGORY] -: whole requests from standard input
};

// A conversion's words: the names as typed, with no category when it was left out.
struct Conversion {
  std::optional<std::string> category;
  std::string value, from, to;
  friend bool operator==(const Conversion&, const Conversion&) = default;
};

struct Request {
  Action action = Action::Convert;
  Mode mode = Mode::Precise;  // --tables: Mode::Tables
  std::optional<int> digits;  // --digits N, Options::kFewestDigits to kMostDigits
  std::string word;           // --search's word
  // The names for the conversions, --grid (category, value) and --list (category).
  Conversion conversion;
  // A conversion's words when they are not [CATEGORY] VALUE FROM TO, as Query::read takes them
  // ("5 ft 3 in" "cm"); empty otherwise.
  std::vector<std::string> words;
  friend bool operator==(const Request&, const Request&) = default;
};

// A wrong call, in one line without the program's name: `missing the unit to convert to`.
struct UsageError {
  std::string message;
  friend bool operator==(const UsageError&, const UsageError&) = default;
};

// Reads the arguments (without the program's name). Options may come anywhere before "--",
// which makes every later argument a name or value; "-" and words such as "-40" or "-.5" are
// values, not options.
std::variant<Request, UsageError> parse(const std::vector<std::string>& arguments);

// The words of one conversion, [CATEGORY] VALUE FROM TO, as the arguments or a line of standard
// input give them. The first of four words is a category unless it looks like a number, so that
// `1 mi km extra` is an extra argument and `Lenght 1 m ft` an unknown category.
std::variant<Conversion, UsageError> parseconversion(const std::vector<std::string>& words);

// Whether words that are not [CATEGORY] VALUE FROM TO hold what only a request as people write
// it does (a word with blanks, a number joined to more, "to", several numbers), so that a wrong
// one is told in the request's terms and not as a wrong count of words.
bool readsasrequest(const std::vector<std::string>& words);

}  // namespace merovane
