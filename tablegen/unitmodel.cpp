#include "tablegen/unitmodel.h"

#include <cstdlib>
#include <set>

#include "core/ascii.h"
#include "tablegen/quantity.h"

namespace merovane::gen {
namespace {

// A name lower-cased without the blanks next to a "/".
std::string namekey(const std::string& name) {
  std::string key;
  for (size_t at = 0; at < name.size(); ++at) {
    if (name[at] == ' ' || name[at] == '\t') {
      size_t before = at, after = at;
      while (before > 0 && (name[before - 1] == ' ' || name[before - 1] == '\t')) --before;
      while (after < name.size() && (name[after] == ' ' || name[after] == '\t')) ++after;
      if ((before > 0 && name[before - 1] == '/') || (after < name.size() && name[after] == '/'))
        continue;
    }
    key += lower(name[at]);
  }
  return key;
}

// A row's definition, split into its size and, for an affine row, its offset.
struct Split {
  std::string size, offset;
  bool reciprocal = false;
};

Split splitdefinition(const std::string& definition) {
  Split split;
  std::string text = definition;
  if (text.starts_with("reciprocal ")) {
    split.reciprocal = true;
    text = text.substr(11);
  }
  int depth = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
    if (text[at] == '+' && depth == 0 && at > 0 && text[at - 1] == ' ') {
      split.size = text.substr(0, at);
      split.offset = text.substr(at + 1);
      return split;
    }
  }
  split.size = text;
  return split;
}

class Definitions {
 public:
  Definitions(const ConstantsFile& constants, const std::vector<CategoryFile>& files)
      : files_(files) {
    for (const ConstantLine& constant : constants.constants) {
      if (const auto found = constants_.find(constant.name); found != constants_.end())
        fail(constant.place, found->second->place, "the constant " + constant.name + " twice");
      constants_[constant.name] = &constant;
      if (constant.base) bases_.push_back(constant.name);
    }
    for (const CategoryFile& file : files) {
      std::map<std::string, std::vector<int>> names;
      for (size_t row = 0; row < file.rows.size(); ++row) {
        const RowLine& line = file.rows[row];
        std::vector<std::string> all = line.symbols;
        all.insert(all.end(), line.names.begin(), line.names.end());
        if (!line.id.empty()) all.push_back(line.id);
        for (const std::string& name : all) {
          std::vector<int>& rows = names[name];
          if (rows.empty() || rows.back() != static_cast<int>(row))
            rows.push_back(static_cast<int>(row));
        }
      }
      references_.push_back(std::move(names));
    }
  }

  const std::map<std::string, std::vector<int>>& references(size_t category) const {
    return references_[category];
  }
  const std::vector<std::string>& bases() const { return bases_; }

  // Any definition's text as `category`'s rows would read it.
  Quantity evaluatein(size_t category, const std::string& text, const Place& at) {
    return evaluate(text, lookup(category), at);
  }

  // A category's reference unit, in base units.
  Quantity reference(size_t category) {
    const CategoryFile& file = files_[category];
    if (file.reference.empty()) fail(file.place, "a category needs its reference unit");
    return evaluate(file.reference, lookup(category), file.place);
  }

  // A row's size (and offset) in base units.
  std::pair<Quantity, Quantity> row(size_t category, int row) {
    const RowLine& line = files_[category].rows[static_cast<size_t>(row)];
    const Split split = splitdefinition(line.definition);
    Quantity size = sized(category, row, split.size);
    Quantity offset;
    offset.value = 0;
    offset.powers = size.powers;
    if (!split.offset.empty()) offset = evaluate(split.offset, lookup(category), line.place);
    return {size, offset};
  }

 private:
  Quantity sized(size_t category, int row, const std::string& text) {
    const auto key = std::make_pair(category, row);
    if (const auto found = values_.find(key); found != values_.end()) return found->second;
    const RowLine& line = files_[category].rows[static_cast<size_t>(row)];
    if (!evaluating_.insert(key).second) fail(line.place, "a definition that refers to itself");
    Quantity value = evaluate(text, lookup(category), line.place);
    evaluating_.erase(key);
    values_[key] = value;
    return value;
  }

  Lookup lookup(size_t category) {
    return [this, category](const std::string& name, const Place& at) {
      return find(category, name, at);
    };
  }

  // The row `name` stands for as a factor of another definition: its size.
  Quantity rowfactor(size_t category, int row) {
    const RowLine& line = files_[category].rows[static_cast<size_t>(row)];
    const Split split = splitdefinition(line.definition);
    if (!split.offset.empty() || split.reciprocal)
      fail(line.place, "an affine or reciprocal unit cannot stand in another definition");
    return sized(category, row, split.size);
  }

  Quantity constant(const ConstantLine& line) {
    if (line.base) {
      Quantity base;
      for (size_t at = 0; at < bases_.size(); ++at)
        if (bases_[at] == line.name) {
          base.powers.assign(bases_.size(), 0);
          base.powers[at] = 1;
        }
      return base;
    }
    if (const auto found = constantvalues_.find(line.name); found != constantvalues_.end())
      return found->second;
    if (!constantsevaluating_.insert(line.name).second)
      fail(line.place, "a constant that refers to itself");
    Quantity value = evaluate(line.definition, lookup(files_.size()), line.place);
    value.irrational = value.irrational || line.source.starts_with("irrational");
    constantsevaluating_.erase(line.name);
    constantvalues_[line.name] = value;
    return value;
  }

  // What `name` stands for in a definition of `category` (files_.size() for the constants): a
  // base unit or constant; else a row of the category; else the one row of another category
  // that has it as a symbol, name or id.
  Quantity find(size_t category, const std::string& name, const Place& at) {
    if (const auto found = constants_.find(name); found != constants_.end())
      return constant(*found->second);
    const auto rowsof = [&](size_t each) -> const std::vector<int>* {
      const auto found = references_[each].find(name);
      return found == references_[each].end() ? nullptr : &found->second;
    };
    if (category < files_.size()) {
      if (const std::vector<int>* rows = rowsof(category)) {
        if (rows->size() > 1)
          fail(files_[category].rows[static_cast<size_t>((*rows)[0])].place,
               files_[category].rows[static_cast<size_t>((*rows)[1])].place,
               "the name " + name + " stands for two rows, and a definition uses it");
        return rowfactor(category, rows->front());
      }
    }
    std::vector<std::pair<size_t, int>> found;
    for (size_t each = 0; each < files_.size(); ++each)
      if (const std::vector<int>* rows = rowsof(each))
        for (int row : *rows) found.emplace_back(each, row);
    if (found.size() > 1)
      fail(files_[found[0].first].rows[static_cast<size_t>(found[0].second)].place,
           files_[found[1].first].rows[static_cast<size_t>(found[1].second)].place,
           "the name " + name + " stands for units of two categories, and a definition uses it");
    if (found.empty()) fail(at, "unknown name " + name + " in a definition");
    return rowfactor(found[0].first, found[0].second);
  }

  const std::vector<CategoryFile>& files_;
  std::map<std::string, const ConstantLine*> constants_;
  std::vector<std::string> bases_;
  std::vector<std::map<std::string, std::vector<int>>> references_;
  std::map<std::pair<size_t, int>, Quantity> values_;
  std::set<std::pair<size_t, int>> evaluating_;
  std::map<std::string, Quantity> constantvalues_;
  std::set<std::string> constantsevaluating_;
};

// Every listed name and other name unique ignoring case, every symbol and id unique as written,
// and no name that stands for several units the name of one.
void checknames(const CategoryFile& file) {
  std::map<std::string, const RowLine*> names, symbols;
  const auto add = [](std::map<std::string, const RowLine*>& seen, const std::string& key,
                      const RowLine& row, const std::string& shown) {
    const auto [found, added] = seen.emplace(key, &row);
    if (!added) fail(row.place, found->second->place, "the name \"" + shown + "\" twice");
  };
  for (const RowLine& row : file.rows) {
    if (!row.listed.empty()) add(names, namekey(row.listed), row, row.listed);
    for (const std::string& name : row.names) add(names, namekey(name), row, name);
    for (const std::string& symbol : row.symbols) add(symbols, symbol, row, symbol);
    if (!row.id.empty()) add(symbols, row.id, row, row.id);
    if (row.listed.empty() && row.symbols.empty() && row.names.empty())
      fail(row.place, "a multiple needs a symbol or a name");
  }
  for (const RowLine& row : file.rows)
    for (const std::string& name : row.names)
      if (const auto found = symbols.find(name); found != symbols.end())
        fail(row.place, found->second->place, "\"" + name + "\" is a name and a symbol");
  for (const AmbiguousLine& line : file.ambiguous) {
    if (const auto found = names.find(namekey(line.text)); found != names.end())
      fail(line.place, found->second->place, "\"" + line.text + "\" also names one unit");
    if (const auto found = symbols.find(line.text); found != symbols.end())
      fail(line.place, found->second->place, "\"" + line.text + "\" also names one unit");
  }
}

// A multiple's factor as written: "N" or "N/M" before the listed unit it multiplies.
void setmultiple(Unit& unit, const UnitCategory& category) {
  const std::string& text = unit.line->definition;
  const size_t blank = text.find(' ');
  const std::string factor = text.substr(0, blank);
  const size_t slash = factor.find('/');
  const std::string numerator = factor.substr(0, slash);
  const std::string denominator = slash == std::string::npos ? "" : factor.substr(slash + 1);
  if (blank == std::string::npos || !isnumber(numerator) ||
      (!denominator.empty() && !isnumber(denominator)))
    fail(unit.line->place, "a multiple is defined as N or N/M times a listed unit: " + text);
  unit.base = category.listedrow(text.substr(blank + 1), unit.line->place);
  unit.exactfactor = factor;
  unit.factor = std::strtod(numerator.c_str(), nullptr);
  if (!denominator.empty()) unit.factor = unit.factor / std::strtod(denominator.c_str(), nullptr);
}

}  // namespace

bool samename(const std::string& a, const std::string& b) {
  return namekey(a) == namekey(b);
}

int UnitCategory::row(const std::string& name, const Place& at) const {
  const auto found = references.find(name);
  if (found == references.end()) fail(at, "no unit of " + file->caption + " goes by " + name);
  if (found->second.size() > 1) fail(at, name + " names more than one unit");
  return found->second.front();
}

int UnitCategory::listedrow(const std::string& name, const Place& at) const {
  const int found = row(name, at);
  if (found >= listedcount) fail(at, name + " is no listed unit");
  return found;
}

UnitModel buildmodel(const ConstantsFile& constants, const std::vector<CategoryFile>& files) {
  Definitions definitions(constants, files);
  UnitModel model;
  for (size_t index = 0; index < files.size(); ++index) {
    const CategoryFile& file = files[index];
    checknames(file);
    UnitCategory category;
    category.file = &file;
    const Quantity reference = definitions.reference(index);
    // The listed units first, then the multiples, each in the file's order.
    std::vector<int> order;
    for (int multiples = 0; multiples < 2; ++multiples)
      for (size_t row = 0; row < file.rows.size(); ++row)
        if (file.rows[row].listed.empty() == (multiples == 1))
          order.push_back(static_cast<int>(row));
    std::map<int, int> position;  // a file's row to the model's
    for (int row : order) {
      const RowLine& line = file.rows[static_cast<size_t>(row)];
      if (!line.listed.empty()) ++category.listedcount;
      position[row] = static_cast<int>(category.rows.size());
      Unit unit;
      unit.line = &line;
      {
        const auto [size, offset] = definitions.row(index, row);
        unit.reciprocal = splitdefinition(line.definition).reciprocal;
        // A reciprocal row's definition is of the reference unit's reciprocal (L/100 km of km/L).
        const Quantity counted = unit.reciprocal ? size.raised(-1) : size;
        const Quantity& shift = unit.reciprocal ? counted : offset;
        for (const Quantity* part : {&counted, &shift})
          if (!part->samedimension(reference))
            fail(line.place, file.place,
                 "the definition is " + dimensiontext(*part, definitions.bases()) +
                     ", not the category's reference unit " + file.reference + " (" +
                     dimensiontext(reference, definitions.bases()) + ")");
        unit.size = unit.reciprocal ? size.value * reference.value : size.value / reference.value;
        unit.offset = offset.value / reference.value;
        unit.affine = splitdefinition(line.definition).offset.size() > 0;
        unit.irrational = size.irrational || offset.irrational;
        if (unit.reciprocal && unit.affine) fail(line.place, "a reciprocal unit with an offset");
        for (const std::string& same : line.sameas)
          if (!(definitions.evaluatein(index, same, line.place).value == size.value))
            fail(line.place, "the row is not " + same + ", the prefixed form it takes");
      }
      if (!line.intables && !line.listed.empty())
        fail(line.place, "a listed unit the window's tables do not hold");
      if (!(ExactDecimal(0) < unit.size)) fail(line.place, "a unit of no positive size");
      unit.base = line.intables ? static_cast<int>(category.rows.size()) : -1;
      category.rows.push_back(unit);
    }
    for (const auto& [name, rows] : definitions.references(index))
      for (int row : rows) category.references[name].push_back(position[row]);
    for (Unit& unit : category.rows)
      if (!unit.listed() && unit.intables()) setmultiple(unit, category);
    for (const AmbiguousLine& line : file.ambiguous)
      for (const std::string& unit : line.units)
        category.ambiguous.emplace_back(line.text, category.row(unit, line.place));
    for (const std::string& name : file.forms) {
      const FormLine* form = nullptr;
      for (const FormLine& each : constants.forms)
        if (each.name == name) form = &each;
      if (form == nullptr) fail(file.place, "no written form " + name + " in the constants");
      category.forms.push_back(form);
    }
    model.categories.push_back(std::move(category));
  }
  return model;
}

}  // namespace merovane::gen
