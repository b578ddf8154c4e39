#include "cli/resolve.h"

#include "categories/categories.h"
#include "cli/names.h"
#include "cli/quote.h"

namespace merovane {
namespace {

std::variant<int, NameError> resolveunit(const Category& category, std::string_view name) {
  const std::vector<UnitRef> found = findunits(name, std::span(&category, 1));
  if (found.size() == 1) return found.front().unit;
  return NameError{
      "unknown unit " + quoted(name) + " in " + std::string(category.caption),
      "; its units are (--list " + std::string(category.caption) + " shows their other names):",
      {category.units.begin(), category.units.end()}};
}

std::string captions(const std::vector<UnitRef>& found) {
  std::string list;
  for (const UnitRef& ref : found)
    list += (list.empty() ? "" : " or ") + std::string(ref.category->caption);
  return list;
}

// The one category that holds both units.
std::variant<Pair, NameError> findpair(std::string_view from, std::string_view to) {
  const std::vector<UnitRef> sources = findunits(from, categories());
  const std::vector<UnitRef> destinations = findunits(to, categories());
  for (const auto& [name, found] : {std::pair{from, &sources}, std::pair{to, &destinations}})
    if (found->empty())
      return NameError{"unknown unit " + quoted(name),
                       "; merovane-convert --list CATEGORY shows the units of a category",
                       {}};
  std::vector<Pair> pairs;
  for (const UnitRef& source : sources)
    for (const UnitRef& destination : destinations)
      if (source.category == destination.category)
        pairs.push_back({source.category, source.unit, destination.unit});
  if (pairs.size() == 1) return pairs.front();
  if (pairs.empty())
    return NameError{quoted(from) + " is a unit of " + captions(sources) + " and " + quoted(to) +
                         " of " + captions(destinations) + ": no category holds both",
                     "",
                     {}};
  std::string line = quoted(from) + " and " + quoted(to) + " are units of";
  const char* separator = " ";
  for (const Pair& pair : pairs) {
    line += separator + std::string(pair.category->caption);
    separator = " and ";
  }
  return NameError{line + "; name the category", "", {}};
}

}  // namespace

std::variant<const Category*, NameError> resolvecategory(std::string_view name) {
  if (const Category* category = findcategory(name)) return category;
  NameError error{"unknown category " + quoted(name), "; the categories are:", {}};
  for (const Category& category : categories()) error.list.push_back(category.caption);
  return error;
}

std::variant<Pair, NameError> resolvepair(std::optional<std::string_view> category,
                                          std::string_view from, std::string_view to) {
  if (!category) return findpair(from, to);
  const auto found = resolvecategory(*category);
  if (const auto* error = std::get_if<NameError>(&found)) return *error;
  const Category& within = *std::get<const Category*>(found);
  const auto source = resolveunit(within, from);
  if (const auto* error = std::get_if<NameError>(&source)) return *error;
  const auto destination = resolveunit(within, to);
  if (const auto* error = std::get_if<NameError>(&destination)) return *error;
  return Pair{&within, std::get<int>(source), std::get<int>(destination)};
}

}  // namespace merovane
