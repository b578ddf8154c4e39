
# Offers the units of categories "$@" (their numbers), each with its category as description:
# before anything is typed only each category's first words, once a letter is typed all of them.
# One _describe for all, which lists the units of a category on one line.
(($+functions[_merovane_convert_units])) || _merovane_convert_units() {
  local index
  local -a described
  for index; do
    if [[ -z $PREFIX$SUFFIX ]]; then
      described+=("${(@)${(@P)${:-units$index}}[1,firsts[index]]}")
    else
      described+=("${(@P)${:-units$index}}")
    fi
  done
  _describe -t units unit described "${match[@]}"
}

local curcontext=$curcontext state state_descr line ret=1
typeset -A opt_args
# Names match ignoring case, as the program takes them.
local -a match=(-M 'm:{a-zA-Z}={A-Za-z}')
_arguments -s -S -C : \
  '(- *)'{-h,--help}'[print the usage and exit]' \
  '(- *)'{-v,--version}'[print the version and licence and exit]' \
  '(-p --precise)'{-p,--precise}'[convert by the units'\'' definitions (the default)]' \
  '--tables[convert by the window'\''s tables]' \
  '--digits=[print N significant digits]:number of significant digits (1 to 17):' \
  '(--list --grid)--search=[list the units whose names contain a word]:word to look for:' \
  '(--grid --search)--list[list the categories, or one category'\''s units]' \
  '(--list --search)--grid[print a chart of every pair of a category'\''s units]' \
  '*: :->positionals' && ret=0
[[ $state == positionals ]] || return ret

# words holds the whole command line. The program takes a long option shortened while it stays
# one (--dig), which _arguments does not know; no two share a letter.
local -a positionals
local word option action ended=0 skip=0
for word in "${(@Q)words[2,CURRENT-1]}"; do
  if ((skip)); then
    skip=0
    continue
  elif ((ended)) || [[ $word != -?* || $word == -[0-9.]* ]]; then
    positionals+=("$word")
    continue
  fi
  for option in --help --version --precise --tables --digits --search --list --grid; do
    [[ $word == --?* && $option == ${word%%=*}* ]] && word=$option${word#${word%%=*}}
  done
  case $word in
    --) ended=1 ;;
    --digits) skip=1 ;;
    --search) skip=1 action=search ;;
    --search=*) action=search ;;
    --list | --grid) action=${action:-${word#--}} ;;
    -h | --help | -v | --version) action=finished ;;
  esac
done
# The argument of --digits or --search: nothing to offer.
((skip)) && return ret
local count=$#positionals
case $action in
  list | grid)
    ((count == 0)) && _wanted categories expl category compadd "${match[@]}" -a categories &&
      ret=0
    return ret ;;
  search | finished) return ret ;;
esac
# The category, found by its caption ignoring case.
local -a captions=("${(@L)categories}")
local category=${captions[(Ie)${(L)positionals[1]}]} i
if ((category > 0)); then
  # CATEGORY VALUE FROM TO
  ((count == 2 || count == 3)) && _merovane_convert_units $category && ret=0
elif ((count == 0)); then
  # A category, or a value
  [[ $PREFIX == [0-9.+-]* ]] ||
    { _wanted categories expl category compadd "${match[@]}" -a categories && ret=0 }
elif ((count == 1)); then
  _merovane_convert_units {1..$#categories} && ret=0
elif ((count == 2)); then
  # After a unit, the units of the categories that hold it; all of them if none does. A symbol as
  # written (C is Celsius, c the speed of light), else a name ignoring case.
  local unit=$positionals[2] array
  local -a holders lowered
  for ((i = 1; i <= $#categories; ++i)); do
    array=units$i
    ((${${(@P)array}[(Ie)$unit:${categories[i]}]})) && holders+=($i)
  done
  if ((!$#holders)); then
    for ((i = 1; i <= $#categories; ++i)); do
      array=units$i
      lowered=("${(@L)${(@P)array}}")
      ((${lowered[(Ie)${(L)unit}:${(L)categories[i]}]})) && holders+=($i)
    done
  fi
  ((${#holders})) || holders=({1..$#categories})
  _merovane_convert_units $holders && ret=0
fi
return ret
