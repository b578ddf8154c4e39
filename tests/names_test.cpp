// The names units answer to, checked over the data of every category: each name reaches one
// listed unit (or, for a name that stands for several, each of them) and no other name reaches
// the same; every written form reaches its unit; and the command line takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "api/resolver.h"
#include "categories/categories.h"
#include "cli/convert.h"

namespace merovane {
namespace {

// Every text a unit answers to, listed names and multiples included, with whether it is a
// symbol and whether it stands for several units.
struct Entry {
  std::string_view text;
  bool symbol;
  bool ambiguous;
  UnitChoice unit;

  bool answersto(std::string_view typed) const {
    return symbol ? text == typed : samename(text, typed);
  }
};

// Every row's texts: a listed unit shows as its listed name whichever name reaches it, a
// multiple as the name that was typed; a name that stands for several units, once per unit.
std::vector<Entry> entries() {
  std::vector<Entry> all;
  for (const CategoryRecord& category : categories()) {
    for (size_t at = 0; at < category.rows.size(); ++at) {
      const UnitRow& row = category.rows[at];
      const int index = static_cast<int>(at);
      if (!row.listed.empty())
        all.push_back({row.listed, false, false, {&category, index, row.listed}});
      const auto add = [&](std::string_view text, bool symbol) {
        all.push_back(
            {text, symbol, false, {&category, index, row.listed.empty() ? text : row.listed}});
      };
      for (std::string_view symbol : row.symbols) add(symbol, true);
      for (std::string_view name : row.names) add(name, false);
    }
    for (const AmbiguousName& name : category.ambiguous)
      all.push_back({name.text,
                     false,
                     true,
                     {&category, name.row, category.rows[static_cast<size_t>(name.row)].shown()}});
  }
  return all;
}

std::string trace(const Entry& entry) {
  return std::string(entry.unit.category->caption) + ": " + std::string(entry.text);
}

// Names are usable without a category, so each must be unique across all of them.
TEST(UnitNames, EveryNameIsOneListedUnitsAndNoOtherNameIsTheSame) {
  const std::vector<Entry> all = entries();
  for (const Entry& entry : all) {
    SCOPED_TRACE(trace(entry));
    ASSERT_GE(entry.unit.row, 0) << "names no row";
    EXPECT_FALSE(entry.text.empty());
    if (entry.ambiguous) continue;
    std::set<std::pair<const CategoryRecord*, int>> units;
    for (const Entry& other : all)
      if (other.answersto(entry.text)) units.insert({other.unit.category, other.unit.row});
    EXPECT_EQ(units.size(), 1u) << "answered by another unit's name too";
    // Without a category too, so a listed name still works anywhere.
    const Answer answer = resolve(entry.text);
    ASSERT_EQ(answer.kind, Answer::Kind::Unit);
    EXPECT_EQ(answer.units.front(), entry.unit);
  }
}

// A slip of case in a symbol (all upper or all lower case) reads as a unit only where no unit
// goes by the text as written and the symbols of just one unit are it ignoring case: kN is
// never read as a knot, Mm never as mm, KN as neither.
TEST(UnitNames, ASlipOfCaseNeverReadsOneUnitAsAnother) {
  const std::vector<Entry> all = entries();
  const auto same = [](const UnitChoice& a, const UnitChoice& b) {
    return a.category == b.category && a.row == b.row;
  };
  for (const Entry& entry : all) {
    if (!entry.symbol) continue;
    for (const bool upper : {false, true}) {
      std::string slip(entry.text);
      for (char& c : slip)
        c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c))
                                    : std::tolower(static_cast<unsigned char>(c)));
      if (slip == entry.text) continue;
      const Answer answer = resolve(slip);
      if (answer.kind != Answer::Kind::Unit) continue;
      SCOPED_TRACE(trace(entry) + " typed as " + slip);
      std::vector<UnitChoice> written, readings;
      for (const Entry& other : all) {
        if (other.answersto(slip)) written.push_back(other.unit);
        if (other.symbol && samename(other.text, slip) &&
            std::none_of(readings.begin(), readings.end(),
                         [&](const UnitChoice& each) { return same(each, other.unit); }))
          readings.push_back(other.unit);
      }
      if (!written.empty()) {
        EXPECT_TRUE(same(answer.units.front(), written.front())) << "not the unit as written";
        continue;
      }
      ASSERT_EQ(readings.size(), 1u) << "a slip read as one of several units";
      EXPECT_TRUE(same(answer.units.front(), readings.front()));
    }
  }
}

// A name that stands for several units answers with exactly those, within one category, and
// each candidate shows as a name that picks it.
TEST(UnitNames, AnAmbiguousNameAnswersWithEveryUnitItMayMean) {
  const std::vector<Entry> all = entries();
  for (const Entry& entry : all) {
    if (!entry.ambiguous) continue;
    SCOPED_TRACE(trace(entry));
    std::vector<UnitChoice> meant;
    for (const Entry& other : all)
      if (other.answersto(entry.text)) {
        EXPECT_TRUE(other.ambiguous) << "also the name of one unit";
        EXPECT_EQ(other.unit.category, entry.unit.category);
        meant.push_back(other.unit);
      }
    const Answer answer = resolve(entry.text);
    ASSERT_EQ(answer.kind, Answer::Kind::Ambiguous);
    EXPECT_EQ(answer.units, meant);
    for (const UnitChoice& candidate : answer.units) {
      const Answer picked = resolve(candidate.shown);
      ASSERT_EQ(picked.kind, Answer::Kind::Unit);
      EXPECT_EQ(picked.units.front(), candidate);
    }
  }
}

// A multiple's two factors are one number: the double is the quotient of its exact factor's
// decimal texts, and a listed unit is its own base.
TEST(UnitNames, AMultiplesFactorIsItsExactQuotient) {
  for (const CategoryRecord& category : categories())
    for (size_t at = 0; at < category.rows.size(); ++at) {
      const UnitRow& row = category.rows[at];
      SCOPED_TRACE(row.shown());
      if (!row.listed.empty()) {
        EXPECT_EQ(row.base, static_cast<int>(at));
        EXPECT_EQ(row.factor, 1);
        EXPECT_EQ(row.exactfactor, "1");
        continue;
      }
      if (!row.intables()) continue;  // no multiple: it converts by its definition only
      const std::string exact(row.exactfactor);
      const size_t slash = exact.find('/');
      const double numerator = std::strtod(exact.substr(0, slash).c_str(), nullptr);
      const double denominator =
          slash == std::string::npos ? 1 : std::strtod(exact.substr(slash + 1).c_str(), nullptr);
      EXPECT_GT(numerator, 0);
      EXPECT_EQ(row.factor, slash == std::string::npos ? numerator : numerator / denominator);
      EXPECT_LT(row.base, static_cast<int>(category.units.size()));
    }
}

// `text` with every `written` piece (ignoring case) as `typed`.
std::string writtenas(std::string_view text, std::string_view written, std::string_view typed) {
  std::string out(text);
  const auto lowered = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  for (size_t at = lowered(out).find(lowered(std::string(written))); at != std::string::npos;
       at = lowered(out).find(lowered(std::string(written)), at + typed.size()))
    out.replace(at, written.size(), typed);
  return out;
}

// Each name written in each form its category takes reaches its own unit, with the category
// and without.
TEST(UnitNames, EveryWrittenFormReachesItsUnit) {
  int forms = 0;
  for (const Entry& entry : entries()) {
    if (entry.ambiguous) continue;
    for (const WrittenForm& form : entry.unit.category->writtenforms) {
      std::string typed;
      if (form.place == WrittenForm::Place::Anywhere) {
        typed = writtenas(entry.text, form.written, form.typed);
      } else if (entry.symbol && entry.text.ends_with(form.written)) {
        typed = std::string(form.typed) +
                std::string(entry.text.substr(0, entry.text.size() - form.written.size()));
      }
      if (typed.empty() || typed == entry.text) continue;
      ++forms;
      SCOPED_TRACE(trace(entry) + " as " + typed);
      for (const CategoryRecord* within :
           {entry.unit.category, static_cast<const CategoryRecord*>(nullptr)}) {
        const Answer answer = resolve(typed, within);
        ASSERT_EQ(answer.kind, Answer::Kind::Unit);
        EXPECT_EQ(answer.units.front(), entry.unit);
      }
    }
  }
  EXPECT_GT(forms, 100);
}

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

// As a script that wants the window's figures calls it: with --tables, unless the call asks for
// the definitions (-p).
CliRun cli(std::vector<std::string> arguments) {
  if (std::find(arguments.begin(), arguments.end(), "-p") == arguments.end())
    arguments.insert(arguments.begin(), "--tables");
  std::ostringstream out, err;
  const int code = runconvert(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(UnitNames, TheCommandLineTakesThem) {
  struct Case {
    std::vector<std::string> arguments;
    int code;
    const char* out;
    const char* err;  // a part of standard error
  };
  const Case cases[] = {
      {{"1", "mi", "m"}, 0, "1609.344\n", ""},
      {{"length", "1", "Mile", "meter"}, 0, "1609.344\n", ""},
      {{"100", "C", "F"}, 0, "212\n", ""},
      {{"1", "MiB", "KiB"}, 0, "1024\n", ""},
      {{"-p", "1", "MB", "kB"}, 0, "1000\n", ""},
      {{"1", "mebibytes", "kibibyte"}, 0, "1024\n", ""},
      {{"-p", "1", "Megabytes", "kilobyte"}, 0, "1000\n", ""},
      {{"1", "joules / second", "W"}, 0, "1\n", ""},
      {{"Pressure", "1", "Pounds / square inch", "psi"}, 0, "1\n", ""},
      // Multiples, slips of case and written forms.
      {{"1", "kWh", "J"}, 0, "3600000\n", ""},
      {{"100", "c", "f"}, 0, "212\n", ""},
      {{"1", "GiB", "MiB"}, 0, "1024\n", ""},
      {{"1", "inHg", "mmHg"}, 0, "25.4\n", ""},
      {{"1", "atm", "Torr"}, 0, "760\n", ""},
      {{"1", "nmi", "m"}, 0, "1852\n", ""},
      {{"2", "nm", "Å"}, 0, "20\n", ""},
      {{"Weight", "2", "t", "kg"}, 0, "2000\n", ""},
      {{"1", "MWh", "kWh"}, 0, "1000\n", ""},
      {{"Volume", "1", "cu in", "cm^3"}, 0, "16.387064\n", ""},
      {{"1", "sq ft", "in²"}, 0, "144\n", ""},
      {{"1", "m³", "litres"}, 0, "1000\n", ""},
      // In precise mode a multiple's exact factor joins the pair's exact ratio.
      {{"-p", "1", "inHg", "mmHg"}, 0, "25.4\n", ""},
      {{"-p", "760", "torr", "atm"}, 0, "1\n", ""},
      {{"-p", "1", "nmi", "km"}, 0, "1.852\n", ""},
      {{"-p", "1", "kWh", "BTU"}, 0, "3412.14163312794\n", ""},
      {{"-p", "1", "nm", "in"}, 0, "3.93700787401575E-08\n", ""},
      {{"1e308", "kWh", "J"},
       1,
       "",
       "cannot convert \"1e308\": Floating-point error: the result is out of range\n"},
      {{"Length", "1e300", "nmi", "ly"},
       1,
       "",
       "Floating-point error: the result is out of range\n"},
      // What does not name one unit.
      {{"1", "mB", "KB"}, 2, "", "unknown unit \"mB\"; did you mean Mb or MB?\n"},
      {{"1", "mi", "kg"}, 2, "", "\"mi\" is a unit of Length and \"kg\" of Weight"},
      {{"length", "1", "kg", "m"}, 2, "", "unknown unit \"kg\" in Length"},
      {{"1", "mi\x1b[2J", "m"}, 2, "", "unknown unit \"mi\\x1b[2J\""},
      {{"1", "hp", "W"}, 0, "745.699872\n", ""},
      {{"1", "Horsepower", "W"},
       2,
       "",
       "merovane-convert: \"Horsepower\" names more than one unit; name one: "
       "\"Horsepower(electric)\", "
       "\"Horsepower(international)\", \"Horsepower(water)\" or \"Horsepower(metric)\"\n"},
      {{"Weight", "1", "kg", "tons"}, 2, "", "\"Short Tons\", \"Long Tons\" or \"Metric tons"},
      {{"1", "celcius", "F"},
       2,
       "",
       "merovane-convert: unknown unit \"celcius\"; did you mean Celsius?\n"},
      {{"1", "Mg", "kg"}, 0, "1000\n", ""},
      {{"1", "KN", "N"}, 2, "", "unknown unit \"KN\"; did you mean kN or kn?\n"},
      {{"1", "MM", "m"}, 2, "", "unknown unit \"MM\"; did you mean mm or Mm?\n"},
      {{"1", "kN", "m/s"}, 2, "", "\"kN\" is a unit of Force and \"m/s\" of Speed"},
      {{"-p", "1", "mW", "W"}, 0, "0.001\n", ""},
      {{"1", "kib", "B"}, 2, "", "unknown unit \"kib\"; did you mean Kib, KiB"},
      {{"1", "Feets", "m"}, 2, "", "did you mean Feet"},
      {{"Length", "1", "Meterz", "m"},
       2,
       "",
       "unknown unit \"Meterz\" in Length; did you mean Meters?\n"},
      {{"1", "zzqx", "m"}, 2, "", "\"zzqx\"; merovane-convert --list CATEGORY shows"},
      {{"--grid", "Length", ""},
       1,
       "",
       "merovane-convert: the value is empty: nothing to convert\n"},
      {{"length", "m", "ft"}, 2, "", "missing the unit to convert to\n"},
      {{"--search", "nautical"}, 0, "nmi\tLength\n", ""},
      {{"--search", "zzqx"}, 1, "", "no unit's name contains \"zzqx\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1]);
    const CliRun run = cli(c.arguments);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
}

// New names print what the names they stand for print.
TEST(UnitNames, ANewNamePrintsWhatItsListedFormPrints) {
  const std::vector<std::string> pairs[][2] = {
      {{"1", "bar", "psi"}, {"1000", "mbar", "psi"}},
      {{"1", "MI", "KM"}, {"1", "mi", "km"}},
      {{"1", "Km", "Mi"}, {"1", "km", "mi"}},
      {{"1", "metre", "ft"}, {"1", "m", "ft"}},
      {{"1", "Kilometre", "ft"}, {"1", "km", "ft"}},
      {{"3", "m^2", "ft2"}, {"3", "m2", "ft2"}},
      {{"3", "km²", "sq mi"}, {"3", "km2", "mi2"}},
      {{"1", "MILES", "kilometres"}, {"1", "mi", "km"}},
  };
  for (const auto& [typed, listed] : pairs) {
    SCOPED_TRACE(typed[1] + " " + typed[2]);
    const CliRun run = cli(typed), expected = cli(listed);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, "");
  }
}

// --list shows a unit's multiples after its other names, with their exact factors.
TEST(UnitNames, TheListShowsMultiplesBesideTheirUnit) {
  const std::string pressure = cli({"--list", "Pressure"}).out;
  EXPECT_NE(pressure.find("\nAtmospheres\tatm, Atmosphere\tTorr = 1/760 Atmospheres\n"),
            std::string::npos)
      << pressure;
  const std::string energy = cli({"--list", "Energy"}).out;
  EXPECT_NE(energy.find("\nWatt-hours\tWh, Watt-hour\tkWh, Kilowatt-hours, Kilowatt-hour = 1000 "
                        "Watt-hours; MWh, Megawatt-hours, Megawatt-hour = 1000000 Watt-hours\n"),
            std::string::npos)
      << energy;
}

// A stream of values read in a multiple: one line out for each line in.
TEST(UnitNames, AStreamReadsAMultiple) {
  std::istringstream in("1\nabc\n0.5\n");
  std::ostringstream out, err;
  EXPECT_EQ(runconvert({"-", "kWh", "J"}, in, out, err), 1);
  EXPECT_EQ(out.str(), "3600000\n\n1800000\n");
  EXPECT_EQ(err.str(),
            "merovane-convert: line 2: cannot convert \"abc\": Type mismatch (write numbers like "
            "1.5, -2 or 3E+8)\n");
}

}  // namespace
}  // namespace merovane
