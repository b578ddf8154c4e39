// merovane-completiongen BASH_FILE ZSH_FILE: writes merovane-convert's completion scripts for
// bash and zsh from the unit data, so they offer exactly the categories, units, names and
// symbols the program takes.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "categories/categories.h"

namespace merovane {
namespace {

constexpr std::string_view kOptions[] = {"--grid", "--list", "--search", "--help", "--version"};

// A word in single quotes, as both shells read it.
std::string singlequoted(std::string_view word) {
  std::string out = "'";
  for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Everything a unit of `category` answers to: its listed names, then each row's symbols and
// names (the listed units', then the multiples'), and the names that stand for several of its
// units (once each).
std::vector<std::string_view> unitwords(const CategoryRecord& category) {
  std::vector<std::string_view> words(category.units.begin(), category.units.end());
  for (const UnitRow& row : category.rows) {
    words.insert(words.end(), row.symbols.begin(), row.symbols.end());
    words.insert(words.end(), row.names.begin(), row.names.end());
  }
  for (const AmbiguousName& name : category.ambiguous)
    if (std::find(words.begin(), words.end(), name.text) == words.end()) words.push_back(name.text);
  return words;
}

template <class Words>
std::string array(const Words& words) {
  std::string out = "(";
  for (std::string_view word : words) out += "\n  " + singlequoted(word);
  return out + "\n)";
}

std::vector<std::string_view> captions() {
  std::vector<std::string_view> list;
  for (const CategoryRecord& category : categories()) list.push_back(category.caption);
  return list;
}

// One array of every category's units, declared as `declaration` PREFIX0, PREFIX1, ... in the
// categories' order.
std::string unitarrays(std::string_view declaration, std::string_view prefix) {
  std::string out;
  int index = 0;
  for (const CategoryRecord& category : categories())
    out += std::string(declaration) + std::string(prefix) + std::to_string(index++) + "=" +
           array(unitwords(category)) + "\n";
  return out;
}

void writebash(std::ostream& out) {
  out << "# bash completion for merovane-convert, generated from its unit data.\n"
      << "_merovane_convert_options=" << array(kOptions) << "\n"
      << "_merovane_convert_categories=" << array(captions()) << "\n"
      << unitarrays("", "_merovane_convert_units") << R"sh(
# The word as typed, without its quotes and backslashes.
_merovane_convert_dequote() {
  local word=${1//\\/}
  word=${word#[\"\']}
  REPLY=${word%[\"\']}
}

# Whether word $1 is, ignoring case, one of the words after it.
_merovane_convert_holds() {
  local word=${1,,} each
  shift
  for each; do [[ ${each,,} == "$word" ]] && return 0; done
  return 1
}

# The position of category $1 (ignoring case) in the categories, or -1.
_merovane_convert_category() {
  local i
  for i in "${!_merovane_convert_categories[@]}"; do
    if [[ ${_merovane_convert_categories[i],,} == "${1,,}" ]]; then REPLY=$i; return; fi
  done
  REPLY=-1
}

_merovane_convert() {
  local cword=$COMP_CWORD first cur category i
  local -a candidates=()
  _merovane_convert_dequote "${COMP_WORDS[cword]}"; cur=$REPLY
  _merovane_convert_dequote "${COMP_WORDS[1]}"; first=$REPLY
  _merovane_convert_category "$first"; category=$REPLY
  if ((cword == 1)); then
    candidates=("${_merovane_convert_options[@]}" "${_merovane_convert_categories[@]}")
  elif ((cword == 2)) && [[ $first == --list || $first == --grid ]]; then
    candidates=("${_merovane_convert_categories[@]}")
  elif ((category >= 0 && (cword == 3 || cword == 4))); then
    eval 'candidates=("${_merovane_convert_units'"$category"'[@]}")'
  elif ((category < 0 && (cword == 2 || cword == 3))) && [[ $first != --* ]]; then
    # After a unit, the units of the categories that hold it; all of them if none does.
    local unit="" pass
    ((cword == 3)) && { _merovane_convert_dequote "${COMP_WORDS[2]}"; unit=$REPLY; }
    for pass in held all; do
      for ((i = 0; i < ${#_merovane_convert_categories[@]}; ++i)); do
        eval 'local -a words=("${_merovane_convert_units'"$i"'[@]}")'
        [[ $pass == all || -z $unit ]] || _merovane_convert_holds "$unit" "${words[@]}" || continue
        candidates+=("${words[@]}")
      done
      ((${#candidates[@]} > 0)) && break
    done
  fi
  COMPREPLY=()
  local candidate quoted=0
  # Inside an opened quote the shell keeps the quote: the words go in as they are.
  [[ ${COMP_WORDS[cword]} == [\"\']* ]] && quoted=1
  for candidate in "${candidates[@]}"; do
    [[ ${candidate,,} == "${cur,,}"* ]] || continue
    if ((quoted)); then COMPREPLY+=("$candidate"); else COMPREPLY+=("$(printf '%q' "$candidate")"); fi
  done
}
complete -F _merovane_convert merovane-convert
)sh";
}

void writezsh(std::ostream& out) {
  out << "#compdef merovane-convert\n"
      << "# zsh completion for merovane-convert, generated from its unit data.\n"
      << "local -a options=" << array(kOptions) << "\n"
      << "local -a categories=" << array(captions()) << "\n"
      << unitarrays("local -a ", "units") << R"sh(
local first=${(Q)words[2]} category=0 i
for ((i = 1; i <= $#categories; ++i)); do
  [[ ${(L)categories[i]} == ${(L)first} ]] && category=$i
done
# Names match ignoring case, as the program takes them.
local -a match=(-M 'm:{a-zA-Z}={A-Za-z}')
if ((CURRENT == 2)); then
  compadd "${match[@]}" -a options categories
elif ((CURRENT == 3)) && [[ $first == --list || $first == --grid ]]; then
  compadd "${match[@]}" -a categories
elif ((category > 0 && (CURRENT == 4 || CURRENT == 5))); then
  compadd "${match[@]}" -a units$((category - 1))
elif ((category == 0 && (CURRENT == 3 || CURRENT == 4))) && [[ $first != --* ]]; then
  # After a unit, the units of the categories that hold it; all of them if none does.
  local unit=${(L)${(Q)words[3]}} array
  local -a held lowered
  for ((i = 0; i < $#categories; ++i)); do
    array=units$i
    lowered=("${(@L)${(@P)array}}")
    ((CURRENT == 4 && ${lowered[(Ie)$unit]} == 0)) || held+=($i)
  done
  ((${#held} > 0)) || for ((i = 0; i < $#categories; ++i)); do held+=($i); done
  for i in $held; do compadd "${match[@]}" -a units$i; done
fi
)sh";
}

}  // namespace
}  // namespace merovane

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: merovane-completiongen BASH_FILE ZSH_FILE\n";
    return 2;
  }
  std::ofstream bash(argv[1]), zsh(argv[2]);
  merovane::writebash(bash);
  merovane::writezsh(zsh);
  bash.close();
  zsh.close();
  if (!bash || !zsh) {
    std::cerr << "merovane-completiongen: cannot write the scripts\n";
    return 1;
  }
  return 0;
}
