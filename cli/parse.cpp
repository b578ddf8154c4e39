#include <algorithm>
#include <charconv>
#include <iterator>

#include "api/quote.h"
#include "cli/options.h"
#include "cli/request.h"

namespace merovane {
namespace {

bool isdigit(char c) {
  return c >= '0' && c <= '9';
}

// Values start with a digit, a sign or a point; category names never do.
bool lookslikenumber(std::string_view word) {
  return !word.empty() && (isdigit(word[0]) || word[0] == '-' || word[0] == '+' || word[0] == '.');
}

// "-40" and "-.5" are values and "-" stands for standard input; "-p" and "--list" are options.
bool isoption(std::string_view argument) {
  return argument.size() > 1 && argument[0] == '-' && !isdigit(argument[1]) && argument[1] != '.';
}

UsageError unexpected(std::string_view argument) {
  return {"unexpected argument " + quoted(argument)};
}

// The rest of [CATEGORY] VALUE FROM TO after the category, if any.
std::variant<Conversion, UsageError> conversionof(std::optional<std::string> category,
                                                  const std::vector<std::string>& rest) {
  static constexpr const char* kMissing[] = {"missing the value to convert",
                                             "missing the unit to convert from",
                                             "missing the unit to convert to"};
  if (rest.size() < 3) return UsageError{kMissing[rest.size()]};
  if (rest.size() > 3) return unexpected(rest[3]);
  return Conversion{std::move(category), rest[0], rest[1], rest[2]};
}

std::optional<int> digitsof(std::string_view text) {
  int digits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
  if (error != std::errc() || end != text.data() + text.size() ||
      !Options{Mode::Tables, digits}.validdigits())
    return std::nullopt;
  return digits;
}

// Reads the positional arguments of `request.action`.
std::variant<Request, UsageError> withpositionals(Request request,
                                                  const std::vector<std::string>& words) {
  const size_t count = words.size();
  switch (request.action) {
    case Action::Help:
    case Action::Version:
    case Action::ListUnits:
    case Action::Search:
      if (count > 0) return unexpected(words[0]);
      return request;
    case Action::ListCategories:
      if (count > 1) return unexpected(words[1]);
      if (count == 1) {
        request.action = Action::ListUnits;
        request.conversion.category = words[0];
      }
      return request;
    case Action::Grid:
      if (count == 0) return UsageError{"missing the category of --grid"};
      if (count == 1) return UsageError{"missing the value of --grid"};
      if (count > 2) return unexpected(words[2]);
      request.conversion.category = words[0];
      request.conversion.value = words[1];
      return request;
    case Action::Convert:
    case Action::ConvertLines:
    case Action::ConvertRequests:
      break;
  }
  if (words == std::vector<std::string>{"-"} || (count == 2 && words[1] == "-")) {
    request.action = Action::ConvertRequests;
    if (count == 2) request.conversion.category = words[0];
    return request;
  }
  auto conversion = parseconversion(words);
  if (auto* error = std::get_if<UsageError>(&conversion)) {
    if (!readsasrequest(words) && !Query::read(words)) return *error;
    request.words = words;
    return request;
  }
  request.conversion = std::get<Conversion>(std::move(conversion));
  request.action = request.conversion.value == "-" ? Action::ConvertLines : Action::Convert;
  return request;
}

// An option as one argument gives it, with its value if written "--name=value".
struct Given {
  const OptionSpec* option;
  std::optional<std::string> value;
};

// The options of one argument: "--name", a unique beginning of one ("--prec"), "--name=value",
// or letters of options that take no value, one or several ("-p", "-ph").
std::variant<std::vector<Given>, UsageError> optionsof(const std::string& argument) {
  const UsageError unknown{"unknown option " + quoted(argument)};
  if (argument.compare(0, 2, "--") != 0) {
    std::vector<Given> given;
    for (const char letter : std::string_view(argument).substr(1)) {
      const auto* option =
          std::find_if(std::begin(kOptions), std::end(kOptions),
                       [letter](const OptionSpec& o) { return o.letter == letter; });
      if (option == std::end(kOptions) || option->takesvalue) return unknown;
      given.push_back({option, std::nullopt});
    }
    return given;
  }
  const size_t equals = argument.find('=');
  const std::string_view name = std::string_view(argument).substr(0, equals);
  std::vector<const OptionSpec*> begun;
  if (name.size() == 2) return unknown;  // "--=x" begins every option and names none
  for (const OptionSpec& option : kOptions) {
    if (option.name == name) {
      begun = {&option};
      break;
    }
    if (option.name.substr(0, name.size()) == name) begun.push_back(&option);
  }
  if (begun.empty()) return unknown;
  if (begun.size() > 1) {
    std::string message = "ambiguous option " + quoted(argument) + ":";
    for (const OptionSpec* option : begun)
      message += std::string(option == begun.front() ? " " : " or ") + std::string(option->name);
    return UsageError{message};
  }
  if (equals == std::string::npos) return std::vector<Given>{{begun.front(), std::nullopt}};
  if (!begun.front()->takesvalue) return unknown;
  return std::vector<Given>{{begun.front(), argument.substr(equals + 1)}};
}

}  // namespace

std::variant<Conversion, UsageError> parseconversion(const std::vector<std::string>& words) {
  const bool hascategory = !words.empty() && (Category::find(words[0]) ||
                                              (words.size() >= 4 && !lookslikenumber(words[0])));
  if (!hascategory) return conversionof(std::nullopt, words);
  return conversionof(words[0], std::vector<std::string>(words.begin() + 1, words.end()));
}

bool readsasrequest(const std::vector<std::string>& words) {
  size_t numbers = 0;
  for (const std::string& word : words) {
    if (word.find_first_of(" \t") != std::string::npos || word == "to" || word == "->") return true;
    const size_t digit = word.find_first_of("0123456789");
    if (!lookslikenumber(word) || digit == std::string::npos || digit > 2) continue;
    ++numbers;
    if (word.find_first_not_of("0123456789.+-eE") != std::string::npos) return true;
  }
  return numbers > 1;
}

std::variant<Request, UsageError> parse(const std::vector<std::string>& arguments) {
  Request request;
  std::vector<std::string> words;
  // Takes --list, --grid or --search, which cannot be combined.
  const auto setaction = [&request](Action action,
                                    std::string_view option) -> std::optional<UsageError> {
    if (request.action != Action::Convert && request.action != action)
      return UsageError{std::string(option) +
                        " cannot be combined with another of --list, --grid "
                        "and --search"};
    request.action = action;
    return std::nullopt;
  };
  for (size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (!isoption(argument)) {
      words.push_back(argument);
      continue;
    }
    if (argument == "--") {
      words.insert(words.end(), arguments.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                   arguments.end());
      break;
    }
    auto given = optionsof(argument);
    if (auto* error = std::get_if<UsageError>(&given)) return *error;
    for (auto [option, value] : std::get<std::vector<Given>>(given)) {
      // --digits N and --search WORD: the value is the next argument unless written with "=".
      if (option->takesvalue && !value && at + 1 < arguments.size()) value = arguments[++at];
      const std::string_view name = option->name;
      std::optional<UsageError> error;
      if (name == "--help") {
        request.action = Action::Help;  // whatever else the call holds, as GNU tools do
        return request;
      } else if (name == "--version") {
        request.action = Action::Version;
        return request;
      } else if (name == "--precise") {
        // The definitions are the default: kept for the scripts that ask for them.
      } else if (name == "--tables") {
        request.mode = Mode::Tables;
      } else if (name == "--digits") {
        const std::string range =
            std::to_string(Options::kFewestDigits) + " to " + std::to_string(Options::kMostDigits);
        if (!value) return UsageError{"--digits needs a number from " + range};
        request.digits = digitsof(*value);
        if (!request.digits)
          return UsageError{"--digits takes a whole number from " + range + ", not " +
                            quoted(*value)};
      } else if (name == "--search") {
        if (!value || value->empty()) return UsageError{"--search needs a word to look for"};
        request.word = *value;
        error = setaction(Action::Search, name);
      } else if (name == "--list") {
        error = setaction(Action::ListCategories, name);
      } else if (name == "--grid") {
        error = setaction(Action::Grid, name);
      }
      if (error) return *error;
    }
  }
  return withpositionals(request, words);
}

}  // namespace merovane
