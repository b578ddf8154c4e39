#include "api/resolver.h"

#include <algorithm>
#include <string>

#include "categories/categories.h"
#include "core/ascii.h"

namespace merovane {
namespace {

bool isblank(char c) {
  return c == ' ' || c == '\t';
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

// One text a unit answers to: its listed name, another name or symbol, a multiple's name, or a
// name that stands for several units.
struct Entry {
  std::string_view text;
  bool symbol;
  bool ambiguous;
  UnitChoice choice;

  bool answersto(std::string_view typed) const {
    return symbol ? text == typed : samename(text, typed);
  }
};

template <class Visit>
void foreachentry(const CategoryRecord& category, Visit visit) {
  const int listed = static_cast<int>(category.units.size());
  for (int row = 0; row < listed; ++row)
    visit(Entry{category.units[static_cast<size_t>(row)],
                false,
                false,
                {&category, row, category.units[static_cast<size_t>(row)]}});
  const auto names = [&](int row, bool multiples) {
    const UnitRow& unit = category.rows[static_cast<size_t>(row)];
    for (std::string_view symbol : unit.symbols)
      visit(Entry{symbol, true, false, {&category, row, multiples ? symbol : unit.listed}});
    for (std::string_view name : unit.names)
      visit(Entry{name, false, false, {&category, row, multiples ? name : unit.listed}});
  };
  for (int row = 0; row < listed; ++row) names(row, false);
  for (int row = listed; row < static_cast<int>(category.rows.size()); ++row) names(row, true);
  for (const AmbiguousName& name : category.ambiguous)
    visit(Entry{name.text,
                false,
                true,
                {&category, name.row, category.rows[static_cast<size_t>(name.row)].shown()}});
}

// Adds a unit once: a second name of a row already there (bar beside Bar) adds nothing.
void addonce(std::vector<UnitChoice>& choices, const UnitChoice& choice) {
  const auto same = [&](const UnitChoice& each) {
    return each.category == choice.category && each.row == choice.row;
  };
  if (std::none_of(choices.begin(), choices.end(), same)) choices.push_back(choice);
}

// What `typed` names in `category` as written: a unit, the units a name stands for, or nothing.
Answer aswritten(const CategoryRecord& category, std::string_view typed) {
  Answer answer;
  std::vector<UnitChoice> several;
  foreachentry(category, [&](const Entry& entry) {
    if (!entry.answersto(typed)) return;
    addonce(entry.ambiguous ? several : answer.units, entry.choice);
  });
  if (answer.units.size() == 1) {
    answer.kind = Answer::Kind::Unit;
  } else if (!answer.units.empty() || !several.empty()) {
    answer.kind = Answer::Kind::Ambiguous;
    for (const UnitChoice& choice : several) addonce(answer.units, choice);
  }
  return answer;
}

bool startswithignoringcase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && lowered(text.substr(0, start.size())) == lowered(start);
}

// `typed` with the category's written forms put as its data writes them.
std::string rewritten(const CategoryRecord& category, std::string_view typed) {
  std::string text(typed);
  for (const WrittenForm& form : category.writtenforms) {
    if (form.place == WrittenForm::Place::Before) {
      if (text.size() > form.typed.size() && startswithignoringcase(text, form.typed))
        text = text.substr(form.typed.size()) + std::string(form.written);
      continue;
    }
    // Every piece, left to right, in one pass over the text: the cost stays its length.
    const std::string piece = lowered(form.typed);
    const std::string lower = lowered(text);
    std::string out;
    size_t kept = 0;
    for (size_t at = lower.find(piece); at != std::string::npos; at = lower.find(piece, kept)) {
      out.append(text, kept, at - kept).append(form.written);
      kept = at + piece.size();
    }
    text = out.append(text, kept);
  }
  return text;
}

bool sameignoringcase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && lowered(a) == lowered(b);
}

// Whether `text` names anything as written in any category.
bool namesanything(std::string_view text) {
  if (text.empty()) return false;
  for (const CategoryRecord& category : categories())
    if (aswritten(category, text).kind != Answer::Kind::Unknown) return true;
  return false;
}

// Whether `text`, as written, names a unit of some category that the window's tables do not
// hold.
bool namesnewunit(std::string_view text) {
  if (text.empty()) return false;
  for (const CategoryRecord& category : categories()) {
    const Answer found = aswritten(category, text);
    for (const UnitChoice& choice : found.units)
      if (!choice.unit().intables()) return true;
  }
  return false;
}

// The part of `text` after `at` up to the next "/".
std::string_view restafter(std::string_view text, size_t at) {
  const std::string_view rest = text.substr(at + 1);
  return rest.substr(0, rest.find('/'));
}

// Whether reading `typed` as `symbol` (the same ignoring case) changes a meaning: an "m" or "M"
// that is an SI prefix (what follows it is a unit: Mg, mW, mPa), or bits for bytes.
bool swapsmeaning(std::string_view typed, std::string_view symbol, const CategoryRecord& category) {
  for (size_t at = 0; at < typed.size(); ++at) {
    if (typed[at] == symbol[at]) continue;
    const char letter = lower(symbol[at]);
    if (letter == 'b' && category.id == CategoryId::BitsAndBytes) return true;
    if (letter == 'm' &&
        (namesanything(restafter(typed, at)) || namesanything(restafter(symbol, at))))
      return true;
  }
  return false;
}

// Whether symbols of more than one unit, in all the categories, are `text` ignoring case (KN:
// the kilonewton's kN and the knot's kn): a slip of case then reads it as none of them, unless
// `text` is a symbol as written (c, the speed of light, still slips to Celsius beside F).
bool severalreadings(std::string_view text) {
  std::vector<std::pair<const CategoryRecord*, int>> found;
  for (const CategoryRecord& category : categories())
    foreachentry(category, [&](const Entry& entry) {
      const std::pair<const CategoryRecord*, int> unit{entry.choice.category, entry.choice.row};
      if (entry.symbol && sameignoringcase(entry.text, text) &&
          std::find(found.begin(), found.end(), unit) == found.end())
        found.push_back(unit);
    });
  return found.size() > 1;
}

// What `typed` names in `category`: as written, then in the category's written forms, then, if
// `reading` allows, as a symbol ignoring case. An Unknown answer's suggestions are the symbols
// a change of case would have swapped the meaning of, or several matched.
Answer resolvein(const CategoryRecord& category, std::string_view typed, Reading reading) {
  Answer answer = aswritten(category, typed);
  if (answer.kind != Answer::Kind::Unknown) return answer;
  const std::string written = rewritten(category, typed);
  if (written != typed) {
    answer = aswritten(category, written);
    if (answer.kind != Answer::Kind::Unknown) return answer;
  }
  if (reading == Reading::AsWritten) return answer;
  // A slip of case never reads a name that, as written, is a unit beyond the window's: kN is the
  // kilonewton, never the knot's kn, and Gal the galileo, never the gallon.
  if (namesnewunit(typed) || namesnewunit(written)) return answer;

  bool swapped = false;
  std::vector<std::string_view> symbols;
  foreachentry(category, [&](const Entry& entry) {
    if (!entry.symbol) return;
    for (std::string_view text : {typed, std::string_view(written)}) {
      if (!sameignoringcase(entry.text, text)) continue;
      swapped = swapped || swapsmeaning(text, entry.text, category) ||
                (!namesanything(text) && severalreadings(text));
      addonce(answer.units, entry.choice);
      if (std::find(symbols.begin(), symbols.end(), entry.text) == symbols.end())
        symbols.push_back(entry.text);
      break;
    }
  });
  if (answer.units.size() == 1 && !swapped) {
    answer.kind = Answer::Kind::Unit;
    return answer;
  }
  answer.units.clear();
  answer.suggestions = symbols;
  return answer;
}

// The edit distance between two texts (insertions, deletions, substitutions of bytes).
size_t distance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

constexpr size_t kMostSuggestions = 5;

// How many edits a typed name of `length` may be from a name it suggests: none for one or two
// letters (only a change of case), one for three or four, two from five on.
size_t mostedits(size_t length) {
  return length <= 2 ? 0 : length <= 4 ? 1 : 2;
}

// Up to five names near `typed` in `within`, added to `suggestions` after what is there: names
// within a few edits (ignoring case), nearest first, then names `typed` starts (at least three
// letters) or that start it (at least four); one name a unit.
void addnearest(std::string_view typed, std::span<const CategoryRecord> within,
                std::vector<std::string_view>& suggestions) {
  struct Near {
    size_t score;
    std::string_view text;
    UnitChoice choice;
    bool ambiguous;
  };
  // Bounded effort: a name longer than every known name by more than the edits allowed is near
  // none of them, and it is passed over before it is even lowered.
  const size_t allowed = mostedits(typed.size());
  size_t longest = 0;
  for (const CategoryRecord& category : within)
    foreachentry(category,
                 [&](const Entry& entry) { longest = std::max(longest, entry.text.size()); });
  if (typed.size() > longest + allowed) return;
  const std::string word = lowered(typed);
  std::vector<Near> near;
  for (const CategoryRecord& category : within)
    foreachentry(category, [&](const Entry& entry) {
      const std::string text = lowered(entry.text);
      // Lengths further apart than the edits allowed cannot be within them: no distance to work
      // out.
      const size_t apart = std::max(word.size(), text.size()) - std::min(word.size(), text.size());
      const size_t edits = apart <= allowed ? distance(word, text) : apart;
      if (edits <= allowed) {
        near.push_back({edits, entry.text, entry.choice, entry.ambiguous});
      } else if ((word.size() >= 3 && text.starts_with(word)) ||
                 (text.size() >= 4 && word.starts_with(text))) {
        near.push_back({3, entry.text, entry.choice, entry.ambiguous});
      }
    });
  std::stable_sort(near.begin(), near.end(),
                   [](const Near& a, const Near& b) { return a.score < b.score; });
  std::vector<UnitChoice> shown;
  for (const Near& candidate : near) {
    if (suggestions.size() >= kMostSuggestions) return;
    if (std::find(suggestions.begin(), suggestions.end(), candidate.text) != suggestions.end())
      continue;
    if (!candidate.ambiguous) {
      if (std::find(shown.begin(), shown.end(), candidate.choice) != shown.end()) continue;
      shown.push_back(candidate.choice);
    }
    suggestions.push_back(candidate.text);
  }
}

std::span<const CategoryRecord> scope(const CategoryRecord* category) {
  return category != nullptr ? std::span(category, 1) : categories();
}

// What `typed` names in every category, without suggestions: the unit of the one category that
// holds it, or the units it may mean; Unknown answers carry the case-swap suggestions.
Answer resolveanywhere(std::string_view typed, Reading reading) {
  Answer answer;
  for (const Reading pass : {Reading::AsWritten, Reading::IgnoringCase}) {
    if (pass == Reading::IgnoringCase && reading == Reading::AsWritten) break;
    bool ambiguous = false;
    for (const CategoryRecord& category : categories()) {
      const Answer found = resolvein(category, typed, pass);
      for (const UnitChoice& choice : found.units) addonce(answer.units, choice);
      ambiguous = ambiguous || found.kind == Answer::Kind::Ambiguous;
      for (std::string_view suggestion : found.suggestions)
        if (std::find(answer.suggestions.begin(), answer.suggestions.end(), suggestion) ==
            answer.suggestions.end())
          answer.suggestions.push_back(suggestion);
    }
    if (!answer.units.empty()) {
      answer.kind =
          answer.units.size() == 1 && !ambiguous ? Answer::Kind::Unit : Answer::Kind::Ambiguous;
      answer.suggestions.clear();
      return answer;
    }
  }
  return answer;
}

bool resolved(const Answer& answer) {
  return answer.kind == Answer::Kind::Unit;
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

const CategoryRecord* findcategory(std::string_view name) {
  for (const CategoryRecord& category : categories())
    if (samename(category.caption, name)) return &category;
  return nullptr;
}

Answer resolve(std::string_view typed, const CategoryRecord* category, Reading reading) {
  Answer answer =
      category != nullptr ? resolvein(*category, typed, reading) : resolveanywhere(typed, reading);
  if (answer.kind == Answer::Kind::Unknown) addnearest(typed, scope(category), answer.suggestions);
  return answer;
}

PairAnswer resolvepair(std::string_view from, std::string_view to, const CategoryRecord* category) {
  PairAnswer answer;
  const auto unresolved = [&answer](bool fromfailed, Answer failure) {
    answer.kind = PairAnswer::Kind::Unresolved;
    answer.fromfailed = fromfailed;
    answer.failure = std::move(failure);
    return answer;
  };
  if (category != nullptr) {
    Answer source = resolve(from, category);
    if (!resolved(source)) return unresolved(true, std::move(source));
    Answer destination = resolve(to, category);
    if (!resolved(destination)) return unresolved(false, std::move(destination));
    answer.kind = PairAnswer::Kind::Pair;
    answer.pair = PairChoice{source.units.front(), destination.units.front()};
    return answer;
  }

  for (const Reading reading : {Reading::AsWritten, Reading::IgnoringCase}) {
    std::vector<PairChoice> pairs;
    std::optional<std::pair<bool, Answer>> ambiguous;
    for (const CategoryRecord& each : categories()) {
      const Answer source = resolvein(each, from, reading);
      const Answer destination = resolvein(each, to, reading);
      if (resolved(source) && resolved(destination)) {
        pairs.push_back({source.units.front(), destination.units.front()});
        answer.categories.push_back(&each);
      } else if (source.kind != Answer::Kind::Unknown &&
                 destination.kind != Answer::Kind::Unknown && !ambiguous) {
        const bool sourcefails = !resolved(source);
        ambiguous.emplace(sourcefails, sourcefails ? source : destination);
      }
    }
    if (pairs.size() == 1) {
      answer.kind = PairAnswer::Kind::Pair;
      answer.pair = pairs.front();
      answer.categories.clear();
      return answer;
    }
    if (pairs.size() > 1) {
      answer.kind = PairAnswer::Kind::SeveralCategories;
      return answer;
    }
    if (ambiguous) return unresolved(ambiguous->first, std::move(ambiguous->second));
  }

  Answer source = resolve(from);
  if (!resolved(source)) return unresolved(true, std::move(source));
  Answer destination = resolve(to);
  if (!resolved(destination)) return unresolved(false, std::move(destination));
  answer.kind = PairAnswer::Kind::NoCommonCategory;
  answer.sources.push_back(source.units.front().category);
  answer.destinations.push_back(destination.units.front().category);
  return answer;
}

std::vector<UnitChoice> unitscontaining(std::string_view word) {
  const std::string needle = lowered(word);
  std::vector<UnitChoice> found;
  for (const CategoryRecord& category : categories())
    foreachentry(category, [&](const Entry& entry) {
      if (lowered(entry.text).find(needle) == std::string::npos) return;
      UnitChoice choice = entry.choice;
      // A multiple is found as the first of the names it goes by.
      choice.shown = choice.unit().shown();
      addonce(found, choice);
    });
  // In the categories' order, each category's units in its list's order, a multiple after the
  // unit it multiplies, and the units the window's tables do not hold last.
  const auto place = [](const UnitChoice& choice) {
    return choice.unit().intables() ? choice.unit().base
                                    : static_cast<int>(choice.category->rows.size());
  };
  std::stable_sort(found.begin(), found.end(), [&](const UnitChoice& a, const UnitChoice& b) {
    if (a.category != b.category) return a.category->id < b.category->id;
    if (place(a) != place(b)) return place(a) < place(b);
    return a.unit().listed.size() > 0 && b.unit().listed.empty();
  });
  return found;
}

}  // namespace merovane
