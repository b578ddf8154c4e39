#include "tablegen/unitfile.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "tablegen/prefixes.h"

namespace merovane::gen {
namespace {

std::string trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (size_t at = 0;;) {
    const size_t end = text.find(separator, at);
    parts.push_back(trimmed(text.substr(at, end == std::string_view::npos ? end : end - at)));
    if (end == std::string_view::npos) return parts;
    at = end + 1;
  }
}

// A comma-separated list, empty for an empty text.
std::vector<std::string> list(std::string_view text) {
  if (trimmed(text).empty()) return {};
  return split(text, ',');
}

std::vector<std::string> words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

// The file's lines without comments and blank lines, each with its place.
std::vector<std::pair<Place, std::string>> readlines(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw DataError("cannot read " + path);
  std::vector<std::pair<Place, std::string>> lines;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.starts_with("#")) continue;
    std::string text = trimmed(line);
    if (!text.empty()) lines.push_back({{path, number}, std::move(text)});
  }
  return lines;
}

// "KEYWORD rest": the keyword, and the rest trimmed.
std::pair<std::string, std::string> keyword(const std::string& line) {
  const size_t blank = line.find_first_of(" \t");
  if (blank == std::string::npos) return {line, ""};
  return {line.substr(0, blank), trimmed(std::string_view(line).substr(blank))};
}

// "A > B = VALUE".
PairLine pairline(const Place& at, const std::string& text) {
  const size_t arrow = text.find('>');
  const size_t equals = text.find('=', arrow == std::string::npos ? 0 : arrow);
  if (arrow == std::string::npos || equals == std::string::npos)
    fail(at, "a pair is written A > B = VALUE");
  return {at, trimmed(text.substr(0, arrow)), trimmed(text.substr(arrow + 1, equals - arrow - 1)),
          trimmed(text.substr(equals + 1))};
}

RowLine rowline(const Place& at, const std::string& text) {
  const std::vector<std::string> fields = split(text, '|');
  if (fields.size() < 4) fail(at, "a row is: listed name | symbols | names | definition | ...");
  RowLine row;
  row.place = at;
  row.listed = fields[0] == "-" ? "" : fields[0];
  row.symbols = list(fields[1]);
  row.names = list(fields[2]);
  row.definition = fields[3];
  if (row.definition.empty()) fail(at, "a row without a definition");
  for (size_t field = 4; field < fields.size(); ++field) {
    const auto [key, value] = keyword(fields[field]);
    if (value.empty()) fail(at, "an empty field " + key);
    std::string* slot = key == "table"      ? &row.table
                        : key == "why"      ? &row.why
                        : key == "id"       ? &row.id
                        : key == "source"   ? &row.source
                        : key == "prefixes" ? &row.prefixes
                                            : nullptr;
    if (slot == nullptr) fail(at, "no such field: " + key);
    if (!slot->empty()) fail(at, "the field " + key + " twice");
    *slot = value;
  }
  return row;
}

// A text in double quotes at `at` in `text`, advancing `at` past it.
std::string quoted(const Place& place, const std::string& text, size_t& at) {
  const size_t open = text.find('"', at);
  const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
  if (close == std::string::npos) fail(place, "a form is written NAME = \"TYPED\" > \"WRITTEN\"");
  at = close + 1;
  return text.substr(open + 1, close - open - 1);
}

}  // namespace

void fail(const Place& at, const std::string& what) {
  throw DataError(at.text() + ": " + what);
}

void fail(const Place& at, const Place& other, const std::string& what) {
  throw DataError(at.text() + ": " + what + " (and " + other.text() + ")");
}

ConstantsFile readconstants(const std::string& path) {
  ConstantsFile constants;
  for (const auto& [at, line] : readlines(path)) {
    const auto [word, rest] = keyword(line);
    if (word == "form") {
      const size_t equals = rest.find('=');
      if (equals == std::string::npos) fail(at, "a form is written NAME = \"TYPED\" > \"WRITTEN\"");
      FormLine form;
      form.place = at;
      form.name = trimmed(std::string_view(rest).substr(0, equals));
      size_t next = equals;
      form.typed = quoted(at, rest, next);
      if (rest.find('>', next) == std::string::npos)
        fail(at, "a form needs \"TYPED\" > \"WRITTEN\"");
      form.written = quoted(at, rest, next);
      const std::string tail = trimmed(std::string_view(rest).substr(next));
      if (!tail.empty() && tail != "before") fail(at, "after a form only \"before\" may follow");
      form.before = tail == "before";
      constants.forms.push_back(form);
      continue;
    }
    const std::vector<std::string> fields = split(line, '|');
    if (word == "base") {
      if (fields.size() != 2) fail(at, "a base unit is written base SYMBOL | DIMENSION");
      constants.constants.push_back(
          {at, trimmed(std::string_view(fields[0]).substr(4)), fields[1], "", true});
      continue;
    }
    const size_t equals = fields[0].find('=');
    if (equals == std::string::npos || fields.size() != 2)
      fail(at, "a constant is written NAME = DEFINITION | SOURCE");
    constants.constants.push_back({at, trimmed(std::string_view(fields[0]).substr(0, equals)),
                                   trimmed(std::string_view(fields[0]).substr(equals + 1)),
                                   fields[1]});
  }
  return constants;
}

CategoryFile readcategory(const std::string& path) {
  CategoryFile category;
  category.file = path;
  bool named = false, definitionsonly = false;
  for (const auto& entry : readlines(path)) {
    const Place& at = entry.first;
    const std::string& line = entry.second;
    if (line.find('|') != std::string::npos) {
      category.rows.push_back(rowline(at, line));
      category.rows.back().intables = !definitionsonly;
      continue;
    }
    if (line == "definitions only") {
      definitionsonly = true;
      continue;
    }
    const auto parts = keyword(line);
    const std::string& word = parts.first;
    const std::string& rest = parts.second;
    const auto single = [&](std::string& slot) {
      if (!slot.empty()) fail(at, word + " twice");
      if (rest.empty()) fail(at, word + " without a value");
      slot = rest;
    };
    // "TEXT as SHOWN" or "TEXT".
    const auto shown = [&](std::string& text, std::string& as) {
      single(text);
      const size_t split = text.find(" as ");
      as = split == std::string::npos ? text : trimmed(std::string_view(text).substr(split + 4));
      text = trimmed(std::string_view(text).substr(0, split));
    };
    if (word == "category") {
      single(category.id);
      category.place = at;
      named = true;
    } else if (word == "caption") {
      single(category.caption);
    } else if (word == "reference") {
      shown(category.reference, category.referenceshown);
    } else if (word == "shape") {
      single(category.shape);
    } else if (word == "failures") {
      single(category.failures);
    } else if (word == "empty") {
      single(category.empty);
    } else if (word == "forms") {
      category.forms = words(rest);
    } else if (word == "ambiguous") {
      const size_t equals = rest.find('=');
      if (equals == std::string::npos) fail(at, "ambiguous TEXT = UNIT, UNIT, ...");
      category.ambiguous.push_back({at, trimmed(std::string_view(rest).substr(0, equals)),
                                    list(std::string_view(rest).substr(equals + 1))});
    } else if (word == "column") {
      shown(category.column, category.columnshown);
      category.columnplace = at;
    } else if (word == "rule") {
      single(category.rule);
      category.ruleplace = at;
    } else if (word == "grid") {
      if (!category.gridunits.empty()) fail(at, "a second grid");
      category.gridunits = words(rest);
      category.gridplace = at;
    } else if (word == "powers") {
      const std::vector<std::string> all = words(rest);
      if (all.empty() || (all[0] != "up" && all[0] != "down"))
        fail(at, "powers up|down K=FIGURE ...");
      auto& slot = all[0] == "up" ? category.powersup : category.powersdown;
      slot.assign(all.begin() + 1, all.end());
      category.powersplace = at;
    } else if (word == "pair") {
      category.pairs.push_back(pairline(at, rest));
    } else if (word == "why") {
      category.whys.push_back(pairline(at, rest));
    } else if (word == "factor") {
      category.factors.push_back(pairline(at, rest));
    } else if (!category.gridunits.empty() && category.grid.size() < category.gridunits.size()) {
      category.grid.push_back({at, words(line)});
    } else {
      fail(at, "no such line: " + word);
    }
  }
  if (!named) throw DataError(path + ": no category line");
  if (!category.hastable())
    for (RowLine& row : category.rows) row.intables = false;
  expandprefixes(category);
  return category;
}

}  // namespace merovane::gen
