
# Prints the units of categories $argv (their numbers) that fit the word being typed, each with
# its category as description: before anything is typed only each category's first words.
function __merovane_convert_units
    set -l typed (commandline -ct)
    for index in $argv
        set -l name __merovane_convert_units$index
        set -l words $$name
        test -z "$typed"; and set words $words[1..$__merovane_convert_firsts[$index]]
        string replace -r '$' \t"$__merovane_convert_categories[$index]" -- $words
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
            set -a positionals $word
        else
            # The program takes a long option shortened while it stays one (--dig); no two
            # share a letter.
            set -l name (string replace -r '=.*' '' -- $word)
            set -l option (string match -- "$name*" --help --version --precise --tables \
                --digits --search --list --grid)
            string match -q -- '--?*' $name; and set -q option[1]
            and set word $option(string replace -- $name '' $word)
            switch $word
                case --
                    set ended 1
                case --digits
                    set skip 1
                case --search '--search=*'
                    set action search
                    test $word = --search; and set skip 1
                case --list --grid
                    test -z "$action"; and set action (string sub -s 3 -- $word)
                case -h --help -v --version
                    set action finished
            end
        end
    end
    # The argument of --digits or --search: nothing to offer.
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
complete -c merovane-convert -s h -l help -d 'Print the usage and exit'
complete -c merovane-convert -s v -l version -d 'Print the version and licence and exit'
complete -c merovane-convert -s p -l precise -d "Convert by the units' definitions (the default)"
complete -c merovane-convert -l tables -d "Convert by the window's tables"
complete -c merovane-convert -l digits -x -d 'Print N significant digits (1 to 17)'
complete -c merovane-convert -l search -x -d 'List the units whose names contain a word'
complete -c merovane-convert -l list -d "List the categories, or one category's units"
complete -c merovane-convert -l grid -d "Print a chart of every pair of a category's units"
complete -c merovane-convert -a '(__merovane_convert_positional)'
