
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
# The options as _arguments takes them, each with the options it cannot go with: -h and -v end
# the call, and --list, --grid and --search exclude one another.
local -A excluded=(--help '- *' --version '- *' --list '--grid --search' --grid '--list --search'
  --search '--list --grid')
local -a specs
local name letter description i
for ((i = 1; i <= $#option_names; ++i)); do
  name=$option_names[i] letter=$option_letters[i] description=$option_descriptions[i]
  if [[ -n $letter ]]; then
    specs+=("(${excluded[$name]:--$letter $name})"{-$letter,$name}"[$description]")
  elif ((option_valued[i])); then
    specs+=("${excluded[$name]:+(${excluded[$name]})}$name=[$description]:$description:")
  else
    specs+=("${excluded[$name]:+(${excluded[$name]})}${name}[$description]")
  fi
done
_arguments -s -S -C : $specs '*: :->positionals' && ret=0
[[ $state == positionals ]] || return ret

# words holds the whole command line.
local -a positionals begun
local word action ended=0 skip=0
for word in "${(@Q)words[2,CURRENT-1]}"; do
  if ((skip)); then
    skip=0
    continue
  elif ((ended)) || [[ $word != -?* || $word == -[0-9.]* ]]; then
    # The program takes "1 ft to m" (and "-> m" after --): that word is no unit.
    (($#positionals >= 2)) && [[ $word == (to|-\>) ]] || positionals+=("$word")
    continue
  fi
  # The program takes a long option by any unique beginning (--dig), which _arguments does not
  # know.
  if [[ $word == --?* ]]; then
    begun=(${(M)option_names:#${(b)word%%=*}*})
    (($#begun == 1)) && word=$begun[1]${word#${(b)word%%=*}}
  fi
  case $word in
    --) ended=1 ;;
    --search | --search=*) action=search ;;
    --list | --grid) action=${action:-${word#--}} ;;
    -h | --help | -v | --version) action=finished ;;
  esac
  # The value of an option that takes one (--digits 3): the next word.
  ((option_valued[$option_names[(Ie)$word]])) && skip=1
done
# The value of an option: nothing to offer.
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
  # The unit escaped as _describe's words are, a backslash before each ':' and '\'.
  local unit=${${positionals[2]//\\/\\\\}//:/\\:} array
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
