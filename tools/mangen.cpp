// merovane-mangen TEMPLATE PAGE: writes the manual page merovane-convert(1) from its source (with
// the version and date already filled in by the build), the line @UNITS@ replaced by every
// category's units and the other names and symbols each answers to, from the unit data.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "categories/categories.h"

namespace merovane {
namespace {

constexpr std::string_view kUnitsLine = "@UNITS@";

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
// multiples of `unit`, each group of names of one multiple with its exact factor.
std::string multiples(const Category& category, std::string_view unit) {
  std::string line;
  const Multiple* group = nullptr;
  const auto close = [&] {
    if (group == nullptr) return;
    line.append(" (").append(group->numerator);
    if (group->denominator != "1") line.append("/").append(group->denominator);
    line.append(")");
  };
  for (const Multiple& multiple : category.multiples) {
    if (multiple.name.unit != unit) continue;
    if (group != nullptr && group->factor == multiple.factor) {
      line.append(", ").append(bold(multiple.name.text));
      continue;
    }
    close();
    line.append(group == nullptr ? "Multiples: " : "; ").append(bold(multiple.name.text));
    group = &multiple;
  }
  close();
  return line.empty() ? line : line + ".";
}

// "Symbol \fBmi\fR; name \fBMile\fR." or "No other name."
std::string othernames(const Category& category, std::string_view unit) {
  std::vector<std::string_view> symbols, names;
  for (const UnitName& name : category.names)
    if (name.unit == unit)
      (name.kind == UnitName::Kind::Symbol ? symbols : names).push_back(name.text);
  std::string line;
  const auto add = [&line](const std::vector<std::string_view>& words, std::string_view one,
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
  add(symbols, "Symbol", "Symbols");
  add(names, line.empty() ? "Name" : "name", line.empty() ? "Names" : "names");
  line = line.empty() ? "No other name." : line + ".";
  const std::string multiplied = multiples(category, unit);
  return multiplied.empty() ? line : line + " " + multiplied;
}

// The width of the widest listed unit, in characters.
size_t widestunit() {
  size_t widest = 0;
  for (const Category& category : categories())
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
  for (const Category& category : categories()) {
    out << ".PD\n.SS \"" << roff(category.caption) << "\"\n.PD 0\n";
    for (std::string_view unit : category.units)
      out << ".TP " << indent << '\n' << bold(unit) << '\n' << othernames(category, unit) << '\n';
  }
  out << ".PD\n.ad b\n";
}

// The template with its units line filled in; throws when that line is not there once.
void writepage(std::istream& in, std::ostream& out) {
  int unitslines = 0;
  for (std::string line; std::getline(in, line);) {
    if (line == kUnitsLine) {
      writeunits(out);
      ++unitslines;
      continue;
    }
    out << line << '\n';
  }
  if (unitslines != 1)
    throw std::runtime_error("the template needs one line " + std::string(kUnitsLine));
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
