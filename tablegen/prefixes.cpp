#include "tablegen/prefixes.h"

#include <gmpxx.h>

#include <algorithm>
#include <sstream>

#include "core/ascii.h"

namespace merovane::gen {
namespace {

struct Prefix {
  const char* symbol;
  const char* name;
  int power;  // of 10 for an SI prefix, of 1024 for an IEC one
  bool binary;
};

// The SI prefixes (SI Brochure, 9th edition, with the ronna, quetta, ronto and quecto of 2022)
// and IEC 80000-13's binary prefixes.
constexpr Prefix kPrefixes[] = {
    {"Q", "quetta", 30, false}, {"R", "ronna", 27, false},  {"Y", "yotta", 24, false},
    {"Z", "zetta", 21, false},  {"E", "exa", 18, false},    {"P", "peta", 15, false},
    {"T", "tera", 12, false},   {"G", "giga", 9, false},    {"M", "mega", 6, false},
    {"k", "kilo", 3, false},    {"h", "hecto", 2, false},   {"da", "deca", 1, false},
    {"d", "deci", -1, false},   {"c", "centi", -2, false},  {"m", "milli", -3, false},
    {"µ", "micro", -6, false},  {"n", "nano", -9, false},   {"p", "pico", -12, false},
    {"f", "femto", -15, false}, {"a", "atto", -18, false},  {"z", "zepto", -21, false},
    {"y", "yocto", -24, false}, {"r", "ronto", -27, false}, {"q", "quecto", -30, false},
    {"Ki", "kibi", 1, true},    {"Mi", "mebi", 2, true},    {"Gi", "gibi", 3, true},
    {"Ti", "tebi", 4, true},    {"Pi", "pebi", 5, true},    {"Ei", "exbi", 6, true},
    {"Zi", "zebi", 7, true},    {"Yi", "yobi", 8, true},
};

// The prefixes a row's "prefixes" field names.
std::vector<const Prefix*> named(const RowLine& row) {
  std::vector<const Prefix*> found;
  std::istringstream words(row.prefixes);
  for (std::string word; words >> word;) {
    bool any = false;
    for (const Prefix& prefix : kPrefixes)
      if ((word == "SI" && !prefix.binary) || (word == "IEC" && prefix.binary) ||
          word == prefix.symbol) {
        found.push_back(&prefix);
        any = true;
      }
    if (!any) fail(row.place, "no such prefix: " + word);
  }
  return found;
}

// The prefix's factor as a plain number: "1000", "0.000001", "1073741824".
std::string factor(const Prefix& prefix) {
  if (!prefix.binary && prefix.power < 0)
    return std::string("0.").append(static_cast<size_t>(-prefix.power - 1), '0').append("1");
  if (!prefix.binary) return std::string("1").append(static_cast<size_t>(prefix.power), '0');
  mpz_class value = 1;
  for (int step = 0; step < prefix.power; ++step) value *= 1024;
  return value.get_str();
}

// Whether a name takes a prefix: a word (Joules, Watt-hour), or a name of several written in
// lower case as SI unit names are (bit per second: kilobit per second, where Metric ton is no
// kilometric ton).
bool takesprefix(const std::string& name) {
  bool word = true, lower = true;
  for (const char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    word = word && (letter || c == '-');
    lower = lower && !(c >= 'A' && c <= 'Z');
  }
  return word || lower;
}

bool contains(const std::vector<std::string>& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
}

bool containsname(const RowLine& row, const std::string& name) {
  if (lowered(row.listed) == lowered(name)) return true;
  return std::any_of(row.names.begin(), row.names.end(),
                     [&](const std::string& each) { return lowered(each) == lowered(name); });
}

}  // namespace

void expandprefixes(CategoryFile& category) {
  const size_t original = category.rows.size();
  for (size_t at = 0; at < original; ++at) {
    const RowLine base = category.rows[at];
    if (base.prefixes.empty()) continue;
    if (base.symbols.empty()) fail(base.place, "a row that takes prefixes needs a symbol");
    for (const Prefix* prefix : named(base)) {
      RowLine form;
      form.place = base.place;
      for (const std::string& symbol : base.symbols) {
        form.symbols.push_back(prefix->symbol + symbol);
        if (std::string(prefix->symbol) == "µ") form.symbols.push_back("u" + symbol);
      }
      std::vector<std::string> names = base.names;
      if (!base.listed.empty()) names.insert(names.begin(), base.listed);
      for (const std::string& name : names)
        if (takesprefix(name)) form.names.push_back(prefix->name + lowered(name));
      form.definition = factor(*prefix) + " " + base.symbols.front();
      form.source = std::string(prefix->binary ? "the IEC 80000-13 prefix " : "the SI prefix ") +
                    prefix->name;
      form.intables = false;
      // A prefixed form that is a row already: that row takes its names.
      const auto same =
          std::find_if(category.rows.begin(), category.rows.end(), [&](const RowLine& row) {
            return std::any_of(
                       form.symbols.begin(), form.symbols.end(),
                       [&](const std::string& symbol) { return contains(row.symbols, symbol); }) ||
                   std::any_of(form.names.begin(), form.names.end(),
                               [&](const std::string& name) { return containsname(row, name); });
          });
      if (same == category.rows.end()) {
        category.rows.push_back(form);
        continue;
      }
      for (const std::string& symbol : form.symbols)
        if (!contains(same->symbols, symbol)) same->symbols.push_back(symbol);
      for (const std::string& name : form.names)
        if (!containsname(*same, name)) same->names.push_back(name);
      same->sameas.push_back(form.definition);
    }
  }
}

}  // namespace merovane::gen
