
# The word as typed, without its quotes and backslashes.
_merovane_convert_dequote() {
  local word=${1//\\/}
  word=${word#[\"\']}
  REPLY=${word%[\"\']}
}

# Offers the words of categories "$@" (their indices) that start with $cur, ignoring case: before
# anything is typed, only each category's first words; inside an opened quote, as they are.
_merovane_convert_units() {
  local index count word i
  for index; do
    local -n raw=_merovane_convert_units$index typed=_merovane_convert_typed$index
    count=${_merovane_convert_firsts[index]}
    if [[ -z $cur ]]; then
      if ((quoted)); then COMPREPLY+=("${raw[@]:0:count}"); else COMPREPLY+=("${typed[@]:0:count}"); fi
      continue
    fi
    for i in "${!raw[@]}"; do
      word=${raw[i],,}
      [[ $word == "$lowered"* ]] || continue
      if ((quoted)); then COMPREPLY+=("${raw[i]}"); else COMPREPLY+=("${typed[i]}"); fi
    done
  done
}

_merovane_convert_categories() {
  local i
  for i in "${!_merovane_convert_categories[@]}"; do
    [[ ${_merovane_convert_categories[i],,} == "$lowered"* ]] || continue
    if ((quoted)); then
      COMPREPLY+=("${_merovane_convert_categories[i]}")
    else
      COMPREPLY+=("${_merovane_convert_typed_categories[i]}")
    fi
  done
}

_merovane_convert() {
  # Bytes, whatever the terminal's locale: a symbol's µ matches as typed and lower case is ASCII's.
  local LC_ALL=C
  local cword=$COMP_CWORD cur lowered word name option action="" ended=0 quoted=0 i k
  local -a positionals=() begun letters
  COMPREPLY=()
  # The words before the one completed. bash splits --digits=3 into three words.
  for ((i = 1; i < cword; ++i)); do
    _merovane_convert_dequote "${COMP_WORDS[i]}"
    word=$REPLY
    if ((ended)) || [[ $word != -?* || $word == -[0-9.]* ]]; then
      # The program takes "1 ft to m" (and "-> m" after --): that word is no unit.
      ((${#positionals[@]} >= 2)) && [[ $word == to || $word == '->' ]] || positionals+=("$word")
      continue
    fi
    # The program takes a long option by any unique beginning (--dig).
    if [[ $word == --?* ]]; then
      name=${word%%=*} begun=()
      for option in "${_merovane_convert_options[@]}"; do
        [[ $option == "$name"* ]] && begun+=("$option")
      done
      ((${#begun[@]} == 1)) && word=${begun[0]}${word#"$name"}
    fi
    case $word in
      --) ended=1 ;;
      --search | --search=*) action=search ;;
      --list) action=${action:-list} ;;
      --grid) action=${action:-grid} ;;
      --help | --version) action=finished ;;
      -[!-]*)
        # Letters together (-ph): -h or -v among them ends the call as well.
        for ((k = 1; k < ${#word}; ++k)); do
          option=${_merovane_convert_letters[${word:k:1}]-}
          [[ $option == --help || $option == --version ]] && action=finished
        done ;;
    esac
    # The value of an option that takes one (--digits 3): the next word, or the one after "=",
    # which bash makes a word of its own.
    if [[ -n ${_merovane_convert_valued[$word]-} ]]; then
      if [[ ${COMP_WORDS[i + 1]-} == = ]]; then ((i += 2)); else ((++i)); fi
    fi
  done
  # The value of an option: nothing to offer.
  ((i > cword)) && return
  _merovane_convert_dequote "${COMP_WORDS[cword]}"
  cur=$REPLY lowered=${REPLY,,}
  # Inside an opened quote the shell keeps the quote: the words go in as they are.
  [[ ${COMP_WORDS[cword]} == [\"\']* ]] && quoted=1
  if ((!ended)) && [[ $cur == -* && $cur != -[0-9.]* ]]; then
    letters=("${!_merovane_convert_letters[@]}")
    for word in "${_merovane_convert_options[@]}" "${letters[@]/#/-}"; do
      [[ $word == "$cur"* ]] && COMPREPLY+=("$word")
    done
    return
  fi
  local count=${#positionals[@]} category=-1
  case $action in
    list | grid)
      ((count == 0)) && _merovane_convert_categories
      return ;;
    search | finished) return ;;
  esac
  local first=${positionals[0]-}
  for i in "${!_merovane_convert_categories[@]}"; do
    [[ ${_merovane_convert_categories[i],,} == "${first,,}" ]] && category=$i
  done
  if ((category >= 0)); then
    # CATEGORY VALUE FROM TO
    ((count == 2 || count == 3)) && _merovane_convert_units "$category"
  elif ((count == 0)); then
    # A category, or a value
    [[ $cur == [0-9.+-]* ]] || _merovane_convert_categories
  elif ((count == 1)); then
    _merovane_convert_units "${!_merovane_convert_categories[@]}"
  elif ((count == 2)); then
    # After a unit, the units of the categories that hold it; all of them if none does.
    # A symbol as written (C is Celsius, c the speed of light), else a name ignoring case.
    local unit=${positionals[1]} holders=""
    # An empty word ('' or '\') is no key of an associative array.
    [[ -n $unit ]] &&
      holders=${_merovane_convert_holders[$unit]-${_merovane_convert_lowered_holders[${unit,,}]-}}
    # shellcheck disable=SC2086  # the indices are words
    _merovane_convert_units ${holders:-"${!_merovane_convert_categories[@]}"}
  fi
}
complete -F _merovane_convert merovane-convert
