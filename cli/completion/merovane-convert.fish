
# Prints the units of categories $argv (their numbers) that fit the word being typed, each with
# its category as description: before anything is typed only each category's first words.
function __merovane_convert_units
    set -l typed (commandline -ct)
    for index in $argv
        set -l name __merovane_convert_units$index
        set -l words $$name
        test -z "$typed"; and set words $words[1..$__merovane_convert_firsts[$index]]
        printf '%s\n' $words\t$__merovane_convert_categories[$index]
    end
end

# Prints what fits the positional argument being typed, given the words before it.
function __merovane_convert_positional
    set -l positionals
    set -l action
    set -l ended 0
    set -l skip 0
    for word in (commandline -opc)[2..-1]
        if test $skip = 1
            set skip 0
        else if test $ended = 1; or not string match -qr -- '^-[^0-9.]' $word
            # The program takes "1 ft to m" (and "-> m" after --): that word is no unit.
            test (count $positionals) -ge 2; and contains -- $word to -\>
            or set -a positionals $word
        else
            # The program takes a long option by any unique beginning (--dig).
            set -l name (string replace -r '=.*' '' -- $word)
            set -l begun (string match -- "$name*" $__merovane_convert_option_names)
            string match -q -- '--?*' $name; and test (count $begun) = 1
            and set word $begun(string replace -- $name '' $word)
            # The value of an option that takes one (--digits 3): the next word.
            set -l index (contains -i -- $word $__merovane_convert_option_names)
            and test $__merovane_convert_option_valued[$index] = 1; and set skip 1
            switch $word
                case --
                    set ended 1
                case --search '--search=*'
                    set action search
                case --list --grid
                    test -z "$action"; and set action (string sub -s 3 -- $word)
                case --help --version
                    set action finished
            end
            # Letters together (-ph): -h or -v among them ends the call as well.
            if string match -qr -- '^-[^-]' $word
                for letter in (string split '' -- (string sub -s 2 -- $word))
                    set -l index (contains -i -- $letter $__merovane_convert_option_letters)
                    and contains -- $__merovane_convert_option_names[$index] --help --version
                    and set action finished
                end
            end
        end
    end
    # The value of an option: nothing to offer.
    test $skip = 1; and return
    set -l count (count $positionals)
    switch "$action"
        case list grid
            test $count = 0; and printf '%s\tcategory\n' $__merovane_convert_categories
            return
        case search finished
            return
    end
    set -l category (contains -i -- (string lower -- "$positionals[1]") \
        (string lower -- $__merovane_convert_categories))
    if test -n "$category"
        # CATEGORY VALUE FROM TO
        contains -- $count 2 3; and __merovane_convert_units $category
    else if test $count = 0
        # A category, or a value
        string match -qr -- '^[0-9.+-]' (commandline -ct)
        or printf '%s\tcategory\n' $__merovane_convert_categories
    else if test $count = 1
        __merovane_convert_units (seq (count $__merovane_convert_categories))
    else if test $count = 2
        # After a unit, the units of the categories that hold it; all of them if none does. A
        # symbol as written (C is Celsius, c the speed of light), else a name ignoring case.
        set -l unit $positionals[2]
        set -l holders
        for index in (seq (count $__merovane_convert_categories))
            set -l name __merovane_convert_units$index
            contains -- $unit $$name; and set -a holders $index
        end
        if test -z "$holders"
            set unit (string lower -- $unit)
            for index in (seq (count $__merovane_convert_categories))
                set -l name __merovane_convert_units$index
                contains -- $unit (string lower -- $$name); and set -a holders $index
            end
        end
        test -n "$holders"; or set holders (seq (count $__merovane_convert_categories))
        __merovane_convert_units $holders
    end
end

complete -c merovane-convert -f
for index in (seq (count $__merovane_convert_option_names))
    set -l flags -l (string sub -s 3 -- $__merovane_convert_option_names[$index])
    test -n "$__merovane_convert_option_letters[$index]"
    and set -a flags -s $__merovane_convert_option_letters[$index]
    test $__merovane_convert_option_valued[$index] = 1; and set -a flags -x
    complete -c merovane-convert $flags -d $__merovane_convert_option_descriptions[$index]
end
complete -c merovane-convert -a '(__merovane_convert_positional)'
