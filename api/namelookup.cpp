#include "api/namelookup.h"

#include "api/quote.h"
#include "api/resolver.h"
#include "categories/categories.h"

namespace merovane {
namespace {

// "A, B or C"
template <class Words, class Show>
std::string alternatives(const Words& words, Show show) {
  std::string text;
  for (size_t at = 0; at < words.size(); ++at)
    text += (at == 0 ? "" : at + 1 == words.size() ? " or " : ", ") + show(words[at]);
  return text;
}

std::string captions(const std::vector<const CategoryRecord*>& found) {
  return alternatives(found, [](const CategoryRecord* each) { return std::string(each->caption); });
}

// Why `name` (in `category`, when given) is no unit: the units it may mean, each as a name that
// picks it, or the nearest names; or, with none near, where the valid ones are.
NameError unresolved(std::string_view name, const Answer& answer, const CategoryRecord* category) {
  if (answer.kind == Answer::Kind::Ambiguous) {
    NameError error{NameError::Kind::Ambiguous,
                    quoted(name) + " names more than one unit; name one: " +
                        alternatives(answer.units,
                                     [](const UnitChoice& choice) { return quoted(choice.shown); }),
                    "",
                    {}};
    for (const UnitChoice& choice : answer.units) error.candidates.emplace_back(choice.shown);
    return error;
  }
  NameError error{NameError::Kind::UnknownUnit, "unknown unit " + quoted(name), "", {}};
  if (category != nullptr) error.line += " in " + std::string(category->caption);
  error.candidates.assign(answer.suggestions.begin(), answer.suggestions.end());
  if (!answer.suggestions.empty()) {
    error.detail =
        "; did you mean " +
        alternatives(answer.suggestions, [](std::string_view text) { return std::string(text); }) +
        "?";
  } else if (category != nullptr) {
    // With no name near, the valid ones.
    error.list.assign(category->units.begin(), category->units.end());
  }
  if (category != nullptr) error.category = category->caption;
  return error;
}

}  // namespace

std::variant<const CategoryRecord*, NameError> resolvecategory(std::string_view name) {
  if (const CategoryRecord* category = findcategory(name)) return category;
  NameError error{NameError::Kind::UnknownCategory, "unknown category " + quoted(name), "", {}};
  for (const CategoryRecord& category : categories()) error.list.push_back(category.caption);
  return error;
}

std::variant<NamedPair, NameError> resolvepair(std::optional<std::string_view> categoryname,
                                               std::string_view from, std::string_view to) {
  const CategoryRecord* category = nullptr;
  if (categoryname) {
    const auto found = resolvecategory(*categoryname);
    if (const auto* error = std::get_if<NameError>(&found)) return *error;
    category = std::get<const CategoryRecord*>(found);
  }
  const PairAnswer answer = merovane::resolvepair(from, to, category);
  switch (answer.kind) {
    case PairAnswer::Kind::Pair: {
      const PairChoice& choice = *answer.pair;
      return NamedPair{choice.from.category, choice.from, choice.to};
    }
    case PairAnswer::Kind::Unresolved:
      return unresolved(answer.fromfailed ? from : to, answer.failure, category);
    case PairAnswer::Kind::NoCommonCategory:
      return NameError{NameError::Kind::NoCommonCategory,
                       quoted(from) + " is a unit of " + captions(answer.sources) + " and " +
                           quoted(to) + " of " + captions(answer.destinations) +
                           ": no category holds both",
                       "",
                       {}};
    case PairAnswer::Kind::SeveralCategories: {
      std::string line = quoted(from) + " and " + quoted(to) + " are units of";
      const char* separator = " ";
      std::vector<std::string> captions;
      for (const CategoryRecord* each : answer.categories) {
        line += separator + std::string(each->caption);
        separator = " and ";
        captions.emplace_back(each->caption);
      }
      return NameError{NameError::Kind::SeveralCategories,
                       line + "; name the category",
                       "",
                       {},
                       std::move(captions)};
    }
  }
  return NameError{NameError::Kind::UnknownUnit, "unknown unit " + quoted(from), "", {}};
}

}  // namespace merovane
