// merovane-mangen TEMPLATE PAGE: writes the manual page merovane-convert(1) from its source (with
// the version and date already filled in by the build), the line @UNITS@ replaced by every
// category's units, the other names and symbols each answers to and its definition, from the
// unit data, and the line @DEPARTURES@ by the list of the tables' figures that depart from the
// units' definitions.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "categories/categories.h"
#include "categories/departures.h"

namespace merovane {
namespace {

constexpr std::string_view kUnitsLine = "@UNITS@";
constexpr std::string_view kDeparturesLine = "@DEPARTURES@";

// Characters written as roff escapes: the ones roff reads or prints otherwise ("-" is a hyphen,
// "'" a closing quote), and those outside ASCII that have a name every formatter knows.
struct Escape {
  char32_t code;
  std::string_view escape;
};
// clang-format off
constexpr Escape kEscapes[] = {
    {U'\\', "\\(rs"}, {U'-', "\\-"}, {U'"', "\\(dq"}, {U'\'', "\\(aq"}, {U'`', "\\(ga"},
    {U'^', "\\(ha"}, {U'~', "\\(ti"},
    {U' ', "\\ "},         // a blank that neither stretches nor breaks
    {U'\u00B0', "\\(de"},  // °
    {U'\u00B5', "\\(mc"},  // µ, the micro sign
    {U'\u00C5', "\\(oA"},  // Å
    {U'\u00E9', "\\('e"},  // é
    {U'\u00D7', "\\(mu"},  // ×
    {U'\u00B2', "\\(S2"},  // ²
    {U'\u00B3', "\\(S3"},  // ³
};
// clang-format on

std::string escape(char32_t code) {
  for (const Escape& known : kEscapes)
    if (known.code == code) return std::string(known.escape);
  if (code < 0x20 || code == 0x7F) throw std::runtime_error("a control character in a name");
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  std::ostringstream hex;
  hex << std::hex << std::uppercase << static_cast<unsigned long>(code);
  std::string digits = hex.str();
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return "\\[u" + digits + "]";
}

// The code point that starts at `text[at]`, advancing `at`; kBad when the bytes are no UTF-8.
constexpr char32_t kBad = 0xFFFFFFFF;
char32_t decode(std::string_view text, size_t& at) {
  const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const int length = lead < 0x80       ? 1
                     : lead >> 5 == 6  ? 2
                     : lead >> 4 == 14 ? 3
                     : lead >> 3 == 30 ? 4
                                       : 0;
  if (length == 0 || at + length > text.size()) return kBad;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if (byte(at + i) >> 6 != 2) return kBad;
    code = code << 6 | (byte(at + i) & 0x3F);
  }
  at += length;
  return code;
}

// `text` as roff that prints exactly it, in a text line or a quoted macro argument: a minus
// sign for "-" (a name is typed with the ASCII one), blanks that neither stretch nor break,
// no hyphenation, and named or numbered escapes for everything outside ASCII. Throws on
// bytes that are no UTF-8.
std::string roff(std::string_view text) {
  std::string out = "\\%";
  for (size_t at = 0; at < text.size();) {
    const char32_t code = decode(text, at);
    if (code == kBad) throw std::runtime_error("not UTF-8: " + std::string(text));
    out += escape(code);
  }
  return out;
}

std::string bold(std::string_view text) {
  return "\\fB" + roff(text) + "\\fR";
}

// "Multiples: \fBkWh\fR, \fBKilowatt-hours\fR (1000); \fBMWh\fR (1000000)." or nothing: the
// multiples of listed unit `unit`, each row's names with its exact factor.
std::string multiples(const CategoryRecord& category, int unit) {
  std::string line;
  for (const UnitRow& row : category.rows) {
    if (!row.listed.empty() || row.base != unit) continue;
    line.append(line.empty() ? "Multiples: " : "; ");
    const char* separator = "";
    for (std::span<const std::string_view> names : {row.symbols, row.names})
      for (std::string_view name : names) {
        line.append(separator).append(bold(name));
        separator = ", ";
      }
    line.append(" (").append(row.exactfactor).append(")");
  }
  return line.empty() ? line : line + ".";
}

// "Symbol \fBmi\fR; name \fBMile\fR." or "No other name."
std::string othernames(const CategoryRecord& category, int unit) {
  const UnitRow& row = category.rows[static_cast<size_t>(unit)];
  std::string line;
  const auto add = [&line](std::span<const std::string_view> words, std::string_view one,
                           std::string_view many) {
    if (words.empty()) return;
    line += line.empty() ? "" : "; ";
    line += words.size() == 1 ? one : many;
    const char* separator = " ";
    for (std::string_view word : words) {
      line += separator + bold(word);
      separator = ", ";
    }
  };
  add(row.symbols, "Symbol", "Symbols");
  add(row.names, line.empty() ? "Name" : "name", line.empty() ? "Names" : "names");
  line = line.empty() ? "No other name." : line + ".";
  const std::string multiplied = multiples(category, unit);
  return multiplied.empty() ? line : line + " " + multiplied;
}

// "Also \fBkilojoule\fR; by its definition only." or "By its definition only.": the other
// names of a unit the window's tables do not hold (its first one heads its line).
std::string beyondtables(const UnitRow& row) {
  std::string line;
  for (std::span<const std::string_view> names : {row.symbols, row.names})
    for (std::string_view name : names) {
      if (name == row.shown()) continue;
      line.append(line.empty() ? "Also " : ", ").append(bold(name));
    }
  return line.empty() ? "By its definition only." : line + "; by its definition only.";
}

// Running text as roff: each word as roff() writes it, the blanks between them free to break.
std::string words(std::string_view text) {
  std::string out;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find(' ', at), text.size());
    if (!out.empty()) out += ' ';
    out += roff(text.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

// A definition as printed: squares and cubes raised (in^2 is in²), products crossed (×).
std::string superscripts(std::string_view definition) {
  std::string text;
  for (size_t at = 0; at < definition.size(); ++at) {
    const std::string_view rest = definition.substr(at);
    // A power stands alone at the end of a term: last, or before a blank, "/" or ")".
    const bool alone = rest.size() == 2 ||
                       (rest.size() > 2 && (rest[2] == ' ' || rest[2] == '/' || rest[2] == ')'));
    if (rest.starts_with("^2") && alone) {
      text += "²", ++at;
    } else if (rest.starts_with("^3") && alone) {
      text += "³", ++at;
    } else if (rest[0] == '*') {
      text += "×";
    } else {
      text += rest[0];
    }
  }
  return text;
}

// "Defined as 12 in, 0.3048 m.": the definition as its row writes it, and its exact size in
// the category's reference unit where that is a decimal the definition does not already show.
std::string definition(const CategoryRecord& category, size_t unit) {
  const UnitRow& row = category.rows[unit];
  std::string text = "Defined as " + superscripts(row.definition);
  const std::string size(row.exactsize);
  // A unit beyond the tables shows a size of a line's width only (not a femtoelectronvolt's).
  const bool fits = row.intables() || size.size() <= 24;
  if (!size.empty() && size != "1" && fits && !row.definition.starts_with(size + " "))
    text.append(", ").append(size).append(" ").append(category.reference);
  return words(text) + ".";
}

// The width of the widest listed unit, in characters.
size_t widestunit() {
  size_t widest = 0;
  for (const CategoryRecord& category : categories())
    for (std::string_view unit : category.units) {
      // Every byte but UTF-8's continuation bytes starts a character.
      const auto width =
          std::count_if(unit.begin(), unit.end(), [](char c) { return (c & 0xC0) != 0x80; });
      widest = std::max(widest, static_cast<size_t>(width));
    }
  return widest;
}

// One subsection a category, one tagged line a unit: in a column as wide as the widest unit,
// without blank lines between them (but before each category), left-adjusted since the names
// do not break.
void writeunits(std::ostream& out) {
  const std::string indent = std::to_string(widestunit() + 2) + "n";
  out << ".ad l\n";
  for (const CategoryRecord& category : categories()) {
    out << ".PD\n.SS \"" << roff(category.caption) << "\"\n.PD 0\n";
    for (size_t unit = 0; unit < category.units.size(); ++unit) {
      const std::string_view name = category.units[unit];
      out << ".TP " << indent << '\n'
          << bold(name) << '\n'
          << othernames(category, static_cast<int>(unit)) << '\n'
          << definition(category, unit) << '\n';
    }
    for (size_t unit = 0; unit < category.rows.size(); ++unit)
      if (!category.rows[unit].intables())
        out << ".TP " << indent << '\n'
            << bold(category.rows[unit].shown()) << '\n'
            << beyondtables(category.rows[unit]) << '\n'
            << definition(category, unit) << '\n';
  }
  out << ".PD\n.ad b\n";
}

// A few words of plain text as a text line: hyphens stay hyphens, and nothing roff reads.
std::string plain(std::string_view text) {
  if (text.empty() || text.find_first_of("\\\n") != std::string_view::npos || text[0] == '.' ||
      text[0] == '\'')
    throw std::runtime_error("not plain text: " + std::string(text));
  return std::string(text);
}

// One subsection a category, one tagged paragraph a departure: the unit or pair in bold, then
// "table FIGURE, definition FIGURE, RELATIVE: WHY."
void writedepartures(std::ostream& out) {
  std::string_view category;
  for (const Departure& departure : departures()) {
    if (departure.category != category) {
      category = departure.category;
      out << ".SS \"" << roff(category) << "\"\n";
    }
    out << ".TP\n"
        << bold(departure.item) << "\ntable " << roff(departure.table) << ", definition "
        << roff(departure.definition) << ", " << roff(departure.relative) << ": "
        << plain(departure.why) << ".\n";
  }
}

// The template with its two lines filled in; throws when either is not there once.
void writepage(std::istream& in, std::ostream& out) {
  int unitslines = 0, departureslines = 0;
  for (std::string line; std::getline(in, line);) {
    if (line == kUnitsLine) {
      writeunits(out);
      ++unitslines;
      continue;
    }
    if (line == kDeparturesLine) {
      writedepartures(out);
      ++departureslines;
      continue;
    }
    out << line << '\n';
  }
  if (unitslines != 1)
    throw std::runtime_error("the template needs one line " + std::string(kUnitsLine));
  if (departureslines != 1)
    throw std::runtime_error("the template needs one line " + std::string(kDeparturesLine));
}

}  // namespace
}  // namespace merovane

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: merovane-mangen TEMPLATE PAGE\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "merovane-mangen: cannot read " << argv[1] << '\n';
    return 1;
  }
  std::ostringstream page;
  try {
    merovane::writepage(in, page);
  } catch (const std::exception& error) {
    std::cerr << "merovane-mangen: " << error.what() << '\n';
    return 1;
  }
  std::ofstream out(argv[2]);
  out << page.str();
  out.close();
  if (!out) {
    std::cerr << "merovane-mangen: cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
