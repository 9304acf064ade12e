# bash completion for zor. Subcommands and options are read from zor's own help, so the
# completion never offers what zor does not know.

# Prints "B name" for each subcommand and "O --option" for each option of the command
# given as arguments (zor, zor corrupt, …).
_zor_hilfe() {
    "$@" --help 2>/dev/null | awk '
        /^[^ ].*:$/ { teil = $0; next }
        teil == "Befehle:" && NF { print "B " $1 }
        teil == "Optionen:" && NF { n = split($1, namen, ","); for (i = 1; i <= n; i++) if (namen[i] ~ /^--/) print "O " namen[i] }'
}

_zor() {
    local cur=${COMP_WORDS[COMP_CWORD]} befehl=("${COMP_WORDS[0]}") hilfe i
    hilfe=$(_zor_hilfe "${befehl[@]}")
    # Follow the subcommands typed so far: zor corrupt bsc …
    for ((i = 1; i < COMP_CWORD; i++)); do
        grep -qx "B ${COMP_WORDS[i]}" <<<"$hilfe" || break
        befehl+=("${COMP_WORDS[i]}")
        hilfe=$(_zor_hilfe "${befehl[@]}")
    done
    local art=B
    [[ $cur == -* ]] && art=O
    COMPREPLY=()
    if [[ $art == O || $i -eq COMP_CWORD ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(sed -n "s/^$art //p" <<<"$hilfe")" -- "$cur")
    fi
    [[ ${#COMPREPLY[@]} -gt 0 || $art == O ]] && return
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

complete -o filenames -F _zor zor
