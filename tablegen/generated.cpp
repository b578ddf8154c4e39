#include "tablegen/generated.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace merovane::gen {
namespace {

std::string hexliteral(double value) {
  if (!std::isfinite(value)) throw std::domain_error("a table factor is not finite");
  if (value == 0 && !std::signbit(value)) return "0";
  char digits[64];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, std::abs(value), std::chars_format::hex);
  if (error != std::errc()) throw std::runtime_error("a factor could not be written");
  return (std::signbit(value) ? "-0x" : "0x") + std::string(digits, end);
}

std::string literal(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string kindname(PairExpression::Kind kind) {
  switch (kind) {
    case PairExpression::Kind::Unchanged:
      return "Unchanged";
    case PairExpression::Kind::Product:
      return "Product";
    case PairExpression::Kind::Doubled:
      return "Doubled";
    case PairExpression::Kind::Offset:
      return "Offset";
  }
  throw std::logic_error("unknown pair kind");
}

// A terminating decimal's text, or nothing for one that does not end.
std::string exacttext(const ExactDecimal& value) {
  try {
    return value.text();
  } catch (const std::domain_error&) {
    return "";
  }
}

// An array of texts, or nothing when there are none.
void writetexts(std::ostream& out, const std::string& name, const std::vector<std::string>& texts) {
  if (texts.empty()) return;
  out << "constexpr std::string_view " << name << "[] = {";
  for (size_t at = 0; at < texts.size(); ++at)
    out << (at % 4 == 0 ? "\n    " : " ") << literal(texts[at]) << ",";
  out << "\n};\n";
}

// A span of `count` texts from `start` in the array `name`.
std::string span(const std::string& name, size_t start, size_t count) {
  if (count == 0) return "{}";
  return "{" + name + " + " + std::to_string(start) + ", " + std::to_string(count) + "}";
}

// The map from row `from` to row `to` by their definitions.
std::string precisemap(const UnitCategory& category, size_t from, size_t to) {
  if (from == to) return "PreciseMap::unchanged()";
  const Unit& source = category.rows[from];
  const Unit& destination = category.rows[to];
  bool affine = false;
  for (const Unit& unit : category.rows) affine = affine || unit.affine;
  // A reciprocal row's reading r is the reference reading 1 / (r * size): between it and a
  // direct row the result is the constant 1 / (both sizes) over the value, between two
  // reciprocal rows a ratio.
  if (source.reciprocal != destination.reciprocal)
    return "PreciseMap::reciprocal(" +
           hexliteral((ExactDecimal(1) / (source.size * destination.size)).nearestdouble()) + ")";
  if (source.reciprocal)
    return "PreciseMap::ratio(" + hexliteral((destination.size / source.size).nearestdouble()) +
           ")";
  if (!affine)
    return "PreciseMap::ratio(" + hexliteral((source.size / destination.size).nearestdouble()) +
           ")";
  // destination = (reading * from.size + from.offset - to.offset) / to.size = (p * reading + r) / q
  const mpq_class size = source.size.rational() / destination.size.rational();
  const mpq_class shift =
      (source.offset.rational() - destination.offset.rational()) / destination.size.rational();
  mpz_class p = size.get_num() * shift.get_den(), r = shift.get_num() * size.get_den();
  mpz_class q = size.get_den() * shift.get_den();
  mpz_class common;
  mpz_gcd(common.get_mpz_t(), p.get_mpz_t(), r.get_mpz_t());
  mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), q.get_mpz_t());
  p /= common, r /= common, q /= common;
  const mpz_class most = mpz_class(1) << 53;
  for (const mpz_class* n : {&p, &r, &q})
    if (abs(*n) > most)
      fail(source.line->place, destination.line->place,
           "the affine map between these outgrows whole numbers of 53 bits");
  return "PreciseMap::affine(" + hexliteral(p.get_d()) + ", " + hexliteral(r.get_d()) + ", " +
         hexliteral(q.get_d()) + ")";
}

void writecategory(std::ostream& out, const UnitCategory& category, const Table& table) {
  const CategoryFile& file = *category.file;
  const std::string k = "k" + file.id;
  out << "// " << file.caption << ", from " << file.file << ".\n";
  std::vector<std::string> units, symbols, names;
  for (const Unit& unit : category.rows) {
    if (unit.listed()) units.push_back(unit.line->listed);
    symbols.insert(symbols.end(), unit.line->symbols.begin(), unit.line->symbols.end());
    names.insert(names.end(), unit.line->names.begin(), unit.line->names.end());
  }
  writetexts(out, k + "Units", units);
  writetexts(out, k + "Symbols", symbols);
  writetexts(out, k + "Names", names);
  out << "constexpr UnitRow " << k << "Rows[] = {\n";
  size_t symbol = 0, name = 0;
  for (const Unit& unit : category.rows) {
    const RowLine& line = *unit.line;
    out << "    {" << literal(line.listed) << ", "
        << span(k + "Symbols", symbol, line.symbols.size()) << ", "
        << span(k + "Names", name, line.names.size()) << ", " << unit.base << ", "
        << hexliteral(unit.factor) << ", " << literal(unit.listed() ? "1" : unit.exactfactor)
        << ", " << literal(line.definition) << ", " << literal(exacttext(unit.size)) << ", "
        << literal(unit.size.rational().get_str()) << ", "
        << literal(unit.offset.rational().get_str()) << ", " << (unit.reciprocal ? "true" : "false")
        << "},\n";
    symbol += line.symbols.size();
    name += line.names.size();
  }
  out << "};\n";
  const bool hastable = file.hastable();
  if (hastable) out << "constexpr PairCell " << k << "Cells[] = {\n";
  const ConversionTable& cells = table.table;
  for (int source = 0; source < cells.units(); ++source) {
    out << "    // " << units[static_cast<size_t>(source)] << "\n";
    for (int destination = 0; destination < cells.units(); ++destination) {
      const PairCell cell = cells.at(source, destination).cell();
      out << "    {Kind::" << kindname(cell.kind) << ", " << int{cell.places} << ", "
          << int{cell.count} << ", {";
      for (size_t index = 0; index < cell.factors.size(); ++index)
        out << (index ? ", " : "") << hexliteral(cell.factors[index]);
      out << "}},\n";
    }
  }
  if (hastable) out << "};\n";
  out << "constexpr PreciseMap " << k << "Precise[] = {\n";
  for (size_t from = 0; from < category.rows.size(); ++from)
    for (size_t to = 0; to < category.rows.size(); ++to)
      out << "    " << precisemap(category, from, to) << ",\n";
  out << "};\n";
  if (!category.ambiguous.empty()) {
    out << "constexpr AmbiguousName " << k << "Ambiguous[] = {\n";
    for (const auto& [text, row] : category.ambiguous)
      out << "    {" << literal(text) << ", " << row << "},\n";
    out << "};\n";
  }
  if (!category.forms.empty()) {
    out << "constexpr WrittenForm " << k << "Forms[] = {\n";
    for (const FormLine* form : category.forms)
      out << "    {" << literal(form->typed) << ", " << literal(form->written) << ", "
          << (form->before ? "WrittenForm::Place::Before" : "WrittenForm::Place::Anywhere")
          << "},\n";
    out << "};\n";
  }
  if (!hastable) return;
  out << "const ConversionTable& " << file.id << "table() {\n"
      << "  static const ConversionTable table(" << category.listedcount << ", " << k
      << "Cells);\n  return table;\n}\n\n";
}

void writerecord(std::ostream& out, const UnitCategory& category, const Table& table) {
  const GridRange grid = category.file->hastable() ? gridrange(table.table) : GridRange{};
  const CategoryFile& file = *category.file;
  const std::string k = "k" + file.id;
  const bool hastable = file.hastable();
  out << "    {CategoryId::" << file.id << ", " << literal(file.caption) << ", "
      << (category.listedcount > 0 ? k + "Units" : "{}") << ", "
      << (hastable ? file.id + "table" : "nullptr") << ", Shape::" << file.shape
      << ", FailureDisplay::" << file.failures << ", EmptyText::" << file.empty << ", " << k
      << "Rows, " << k << "Precise, " << (category.ambiguous.empty() ? "{}" : k + "Ambiguous")
      << ", " << (category.forms.empty() ? "{}" : k + "Forms") << ", "
      << literal(file.referenceshown) << ", {" << hexliteral(grid.lowest) << ", "
      << hexliteral(grid.highest) << "}},\n";
}

}  // namespace

std::string generatedsource(const UnitModel& model, const std::vector<Table>& tables,
                            const std::vector<Departure>& departures) {
  std::ostringstream out;
  out << "// Written by merovane-tablegen from the unit data (categories/*.units) at build time; "
         "not to be edited.\n"
         "#include \"categories/categories.h\"\n"
         "#include \"categories/departures.h\"\n\n"
         "namespace merovane {\nnamespace {\n\n"
         "using Kind = PairExpression::Kind;\n\n";
  for (size_t at = 0; at < model.categories.size(); ++at)
    writecategory(out, model.categories[at], tables[at]);
  out << "constexpr CategoryRecord kCategories[] = {\n";
  for (size_t at = 0; at < model.categories.size(); ++at)
    writerecord(out, model.categories[at], tables[at]);
  out << "};\n";
  for (size_t at = 0; at < model.categories.size(); ++at)
    out << "static_assert(static_cast<size_t>(CategoryId::" << model.categories[at].file->id
        << ") == " << at << ", \"the categories in the window's order, then the others\");\n";
  out << "static_assert(std::size(kCategories) == kAllCategoryCount);\n\n";
  out << "constexpr Departure kDepartures[] = {\n";
  for (const Departure& departure : departures)
    out << "    {" << literal(departure.category) << ", " << literal(departure.item) << ", "
        << literal(departure.table) << ", " << literal(departure.definition) << ", "
        << literal(departure.relative) << ",\n     " << literal(departure.why) << "},\n";
  out << "};\n\n}  // namespace\n\n"
         "std::span<const CategoryRecord> categories() {\n  return kCategories;\n}\n\n"
         "const CategoryRecord& category(CategoryId id) {\n"
         "  return kCategories[static_cast<size_t>(id)];\n}\n\n"
         "std::array<int, kCategoryCount> unitcounts() {\n"
         "  std::array<int, kCategoryCount> counts{};\n"
         "  for (size_t at = 0; at < counts.size(); ++at)\n"
         "    counts[at] = static_cast<int>(kCategories[at].units.size());\n"
         "  return counts;\n}\n\n"
         "std::span<const Departure> departures() {\n  return kDepartures;\n}\n\n"
         "}  // namespace merovane\n";
  return out.str();
}

}  // namespace merovane::gen
