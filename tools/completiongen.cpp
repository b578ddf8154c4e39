// merovane-completiongen SHELL BODY OUT: writes merovane-convert's completion script for SHELL
// (bash, zsh or fish): the options (cli/options.h) and the unit data as the shell's own arrays,
// then BODY, the shell's code that reads them (cli/completion/). Every word is quoted here once,
// so that no shell quotes a word while it completes.
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "categories/categories.h"
#include "cli/options.h"
#include "core/ascii.h"

namespace merovane {
namespace {

// "1000", "0.001" or "1048576": the factor of an SI or IEC prefix.
bool prefixfactor(std::string_view factor) {
  const std::string text(factor);
  if (text.find_first_not_of("0123456789.") != std::string::npos) return false;
  if (text.find_first_not_of('0', 1) == std::string::npos && text[0] == '1') return true;
  if (text.starts_with("0.") && text.find_first_not_of('0', 2) == text.size() - 1 &&
      text.back() == '1')
    return true;
  int exponent = 0;
  return std::frexp(std::strtold(text.c_str(), nullptr), &exponent) == 0.5L &&
         (exponent - 1) % 10 == 0 && exponent > 1;
}

// A multiple a prefix makes of another row: kWh is "1000 Wh", Qm "1E30 m", Zib "2^70 b". The
// window's listed units are never one, whatever their names (km is Kilometers).
bool prefixedform(const UnitRow& row) {
  if (!row.listed.empty() || row.symbols.empty()) return false;
  const size_t space = row.definition.find(' ');
  if (space == std::string_view::npos) return false;
  const std::string_view base = row.definition.substr(space + 1);
  const std::string_view symbol = row.symbols.front();
  return prefixfactor(row.definition.substr(0, space)) &&
         base.find(' ') == std::string_view::npos && symbol.size() > base.size() &&
         symbol.ends_with(base);
}

// What a category's units answer to: first the words offered before anything is typed (each
// listed name, and each symbol of a unit that is no prefixed form; the first name of a unit
// without a symbol), then every other name, symbol and name for several units.
struct UnitWords {
  std::string_view caption;
  std::vector<std::string_view> words;
  size_t first = 0;  // how many are offered before anything is typed
};

void add(std::vector<std::string_view>& words, std::string_view word) {
  for (const std::string_view each : words)
    if (each == word) return;
  words.push_back(word);
}

UnitWords unitwords(const CategoryRecord& category) {
  UnitWords out{category.caption, {}, 0};
  for (const UnitRow& row : category.rows) {
    if (prefixedform(row)) continue;
    if (!row.listed.empty()) add(out.words, row.listed);
    for (const std::string_view symbol : row.symbols) add(out.words, symbol);
    if (row.listed.empty() && row.symbols.empty()) add(out.words, row.names.front());
  }
  out.first = out.words.size();
  for (const UnitRow& row : category.rows) {
    if (!row.listed.empty()) add(out.words, row.listed);
    for (const std::string_view symbol : row.symbols) add(out.words, symbol);
    for (const std::string_view name : row.names) add(out.words, name);
  }
  for (const AmbiguousName& name : category.ambiguous) add(out.words, name.text);
  return out;
}

// A word in single quotes, as bash and zsh read it.
std::string singlequoted(std::string_view word) {
  std::string out = "'";
  for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// A word in single quotes, as fish reads it: a backslash escapes a quote and itself.
std::string fishquoted(std::string_view word) {
  std::string out = "'";
  for (const char c : word) {
    if (c == '\'' || c == '\\') out += '\\';
    out += c;
  }
  return out + "'";
}

// A word as bash puts it on the command line: every character the shell would read otherwise
// after a backslash, and so are ':' and '@', where readline would end the word being completed
// (COMP_WORDBREAKS); other bytes (µ, °) as they are, whatever the locale.
std::string backslashed(std::string_view word) {
  static constexpr std::string_view kPlain =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+./,%^";
  std::string out;
  for (const char c : word) {
    if (static_cast<unsigned char>(c) < 0x80 && kPlain.find(c) == std::string_view::npos)
      out += '\\';
    out += c;
  }
  return out;
}

// A word ahead of a description in zsh's _describe, which ends it at the first unescaped colon.
std::string describable(std::string_view word) {
  std::string out;
  for (const char c : word) {
    if (c == ':' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// One word a line, each after `separator`.
template <class Quote>
std::string list(const std::vector<std::string_view>& words, Quote quote,
                 std::string_view separator = "\n  ") {
  std::string out;
  for (const std::string_view word : words) out += std::string(separator) + quote(word);
  return out;
}

std::vector<UnitWords> allunits() {
  std::vector<UnitWords> all;
  for (const CategoryRecord& category : categories()) all.push_back(unitwords(category));
  return all;
}

std::vector<std::string_view> captions(const std::vector<UnitWords>& units) {
  std::vector<std::string_view> out;
  for (const UnitWords& category : units) out.push_back(category.caption);
  return out;
}

std::string firstcounts(const std::vector<UnitWords>& units) {
  std::string out;
  for (const UnitWords& category : units) {
    out += ' ';
    out += std::to_string(category.first);
  }
  return out;
}

// Keys and their values, in order.
using Map = std::vector<std::pair<std::string, std::string>>;

// The categories that hold each word, by the word: one index after another.
using Holders = Map;

void hold(Holders& holders, std::string key, const std::string& index) {
  auto found = holders.begin();
  while (found != holders.end() && found->first != key) ++found;
  if (found == holders.end())
    holders.emplace_back(std::move(key), index);
  else if (found->second != index && !found->second.ends_with(" " + index))
    found->second += " " + index;
}

std::string bashmap(std::string_view name, const Map& map) {
  std::string out = "declare -gA " + std::string(name) + "=(";
  for (const auto& [key, value] : map)
    out += "\n  [" + singlequoted(key) + "]=" + singlequoted(value);
  return out + "\n)\n";
}

// The options' fields, one list each in the order of kOptions: the long names, the letters
// (empty for none), 1 or 0 for whether each takes a value, and the descriptions.
struct OptionLists {
  std::vector<std::string_view> names, letters, valued, descriptions;
};

OptionLists optionlists() {
  OptionLists out;
  for (const OptionSpec& option : kOptions) {
    out.names.push_back(option.name);
    out.letters.push_back(std::string_view(&option.letter, option.letter == 0 ? 0 : 1));
    out.valued.push_back(option.takesvalue ? "1" : "0");
    out.descriptions.push_back(option.description);
  }
  return out;
}

// The long options; each letter's option; the options that take a value.
void writebashoptions(std::ostream& out) {
  const OptionLists options = optionlists();
  Map letters, valued;
  for (const OptionSpec& option : kOptions) {
    if (option.letter != 0) letters.emplace_back(std::string(1, option.letter), option.name);
    if (option.takesvalue) valued.emplace_back(option.name, "1");
  }
  out << "_merovane_convert_options=(" << list(options.names, singlequoted) << "\n)\n"
      << bashmap("_merovane_convert_letters", letters)
      << bashmap("_merovane_convert_valued", valued);
}

// Arrays of each category's words, raw and as typed; the first counts; and the categories that
// hold each word, by the word as written and in lower case.
void writebash(std::ostream& out, const std::vector<UnitWords>& units) {
  const auto raw = [](std::string_view word) { return singlequoted(word); };
  const auto typed = [](std::string_view word) { return singlequoted(backslashed(word)); };
  writebashoptions(out);
  out << "_merovane_convert_categories=(" << list(captions(units), raw) << "\n)\n"
      << "_merovane_convert_typed_categories=(" << list(captions(units), typed) << "\n)\n"
      << "_merovane_convert_firsts=(" << firstcounts(units) << " )\n";
  Holders written, lower;
  for (size_t index = 0; index < units.size(); ++index) {
    const std::string number = std::to_string(index);
    out << "_merovane_convert_units" << number << "=(" << list(units[index].words, raw) << "\n)\n"
        << "_merovane_convert_typed" << number << "=(" << list(units[index].words, typed)
        << "\n)\n";
    for (const std::string_view word : units[index].words) {
      hold(written, std::string(word), number);
      hold(lower, lowered(word), number);
    }
  }
  out << bashmap("_merovane_convert_holders", written)
      << bashmap("_merovane_convert_lowered_holders", lower);
}

// Each category's words with the category as their description, for _describe.
void writezsh(std::ostream& out, const std::vector<UnitWords>& units) {
  const OptionLists options = optionlists();
  out << "local -a option_names=(" << list(options.names, singlequoted) << "\n)\n"
      << "local -a option_letters=(" << list(options.letters, singlequoted, " ") << " )\n"
      << "local -a option_valued=(" << list(options.valued, singlequoted, " ") << " )\n"
      << "local -a option_descriptions=(" << list(options.descriptions, singlequoted) << "\n)\n";
  out << "local -a categories=(" << list(captions(units), singlequoted) << "\n)\n"
      << "local -a firsts=(" << firstcounts(units) << " )\n";
  for (size_t index = 0; index < units.size(); ++index) {
    const std::string caption(units[index].caption);
    const auto described = [&caption](std::string_view word) {
      return singlequoted(describable(word) + ":" + caption);
    };
    out << "local -a units" << index + 1 << "=(" << list(units[index].words, described) << "\n)\n";
  }
}

void writefish(std::ostream& out, const std::vector<UnitWords>& units) {
  constexpr std::string_view kNextLine = " \\\n  ";
  const OptionLists options = optionlists();
  // fish's own completions start a description with a capital.
  std::vector<std::string> capitalized(options.descriptions.begin(), options.descriptions.end());
  for (std::string& description : capitalized)
    if (!description.empty())
      description[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(description[0])));
  const std::vector<std::string_view> descriptions(capitalized.begin(), capitalized.end());
  out << "set -g __merovane_convert_option_names" << list(options.names, fishquoted, kNextLine)
      << "\nset -g __merovane_convert_option_letters" << list(options.letters, fishquoted, " ")
      << "\nset -g __merovane_convert_option_valued" << list(options.valued, fishquoted, " ")
      << "\nset -g __merovane_convert_option_descriptions"
      << list(descriptions, fishquoted, kNextLine) << "\n";
  out << "set -g __merovane_convert_categories" << list(captions(units), fishquoted, kNextLine)
      << "\nset -g __merovane_convert_firsts" << firstcounts(units) << "\n";
  for (size_t index = 0; index < units.size(); ++index)
    out << "set -g __merovane_convert_units" << index + 1
        << list(units[index].words, fishquoted, kNextLine) << "\n";
}

}  // namespace
}  // namespace merovane

int main(int argc, char** argv) {
  const std::string_view shell = argc == 4 ? argv[1] : "";
  if (shell != "bash" && shell != "zsh" && shell != "fish") {
    std::cerr << "usage: merovane-completiongen bash|zsh|fish BODY OUT\n";
    return 2;
  }
  std::ifstream body(argv[2]);
  std::ostringstream code;
  code << body.rdbuf();
  if (!body) {
    std::cerr << "merovane-completiongen: cannot read " << argv[2] << "\n";
    return 1;
  }
  std::ofstream out(argv[3]);
  const std::vector<merovane::UnitWords> units = merovane::allunits();
  if (shell == "zsh") out << "#compdef merovane-convert\n";
  out << "# " << shell << " completion for merovane-convert; its options and words come from the "
      << "program's tables.\n";
  if (shell == "bash") merovane::writebash(out, units);
  if (shell == "zsh") merovane::writezsh(out, units);
  if (shell == "fish") merovane::writefish(out, units);
  out << code.str();
  out.close();
  if (!out) {
    std::cerr << "merovane-completiongen: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
