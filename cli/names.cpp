#include "cli/names.h"

#include <algorithm>

#include "categories/categories.h"

namespace merovane {
namespace {

bool isblank(char c) {
  return c == ' ' || c == '\t';
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Walks a name char by char, lower-cased, leaving out the blanks next to a "/".
class NameCursor {
 public:
  explicit NameCursor(std::string_view text) : text_(text) {}
  // The next char, or -1 at the end.
  int next() {
    while (at_ < text_.size() && isblank(text_[at_]) && touchesslash(at_)) ++at_;
    return at_ < text_.size() ? static_cast<unsigned char>(lower(text_[at_++])) : -1;
  }

 private:
  bool touchesslash(size_t blank) const {
    size_t before = blank;
    while (before > 0 && isblank(text_[before - 1])) --before;
    if (before > 0 && text_[before - 1] == '/') return true;
    size_t after = blank;
    while (after < text_.size() && isblank(text_[after])) ++after;
    return after < text_.size() && text_[after] == '/';
  }

  std::string_view text_;
  size_t at_ = 0;
};

bool answersto(const UnitName& name, std::string_view typed) {
  return name.kind == UnitName::Kind::Symbol ? name.text == typed : samename(name.text, typed);
}

int position(const Category& category, std::string_view listed) {
  for (size_t unit = 0; unit < category.units.size(); ++unit)
    if (category.units[unit] == listed) return static_cast<int>(unit);
  return -1;
}

}  // namespace

bool samename(std::string_view a, std::string_view b) {
  NameCursor left(a), right(b);
  for (;;) {
    const int x = left.next();
    if (x != right.next()) return false;
    if (x < 0) return true;
  }
}

std::vector<UnitRef> findunits(std::string_view typed, std::span<const Category> within) {
  std::vector<UnitRef> found;
  const auto add = [&found](UnitRef ref) {
    if (ref.unit >= 0 && std::find(found.begin(), found.end(), ref) == found.end())
      found.push_back(ref);
  };
  for (const Category& category : within) {
    for (size_t unit = 0; unit < category.units.size(); ++unit)
      if (samename(category.units[unit], typed)) add({&category, static_cast<int>(unit)});
    for (const UnitName& name : category.names)
      if (answersto(name, typed)) add({&category, position(category, name.unit)});
  }
  return found;
}

std::vector<std::string_view> othernames(const Category& category, int unit) {
  std::vector<std::string_view> names;
  for (const UnitName& name : category.names)
    if (name.unit == category.units[static_cast<size_t>(unit)]) names.push_back(name.text);
  return names;
}

const Category* findcategory(std::string_view name) {
  for (const Category& category : categories())
    if (samename(category.caption, name)) return &category;
  return nullptr;
}

}  // namespace merovane
