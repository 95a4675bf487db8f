# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for varnolt-cli: its options, their fixed values, and files and folders where a path goes.

_varnolt_cli_words() {
    case $1 in
    --method) echo "date name number type size" ;;
    --size-unit) echo "byte KB MB GB" ;;
    --time) echo "creation access write taken" ;;
    --group) echo "music image video program document archive" ;;
    --parts) echo "year month week day hour minute second" ;;
    --group-list) echo "music= image= video= program= document= archive=" ;;
    esac
}

_varnolt_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # bash splits "--parts=ye" into "--parts", "=", "ye".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    COMPREPLY=()
    case $prev in
    --to | --data-dir)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --words)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --method | --size-unit | --time)
        mapfile -t COMPREPLY < <(compgen -W "$(_varnolt_cli_words "$prev")" -- "$cur")
        return
        ;;
    --group | --parts)
        # A comma-separated list: complete the word after the last comma.
        local done=
        [[ $cur == *,* ]] && done=${cur%,*},
        mapfile -t COMPREPLY < <(compgen -P "$done" -W "$(_varnolt_cli_words "$prev")" -- "${cur##*,}")
        return
        ;;
    --group-list)
        compopt -o nospace 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -W "$(_varnolt_cli_words "$prev")" -- "$cur")
        return
        ;;
    --limit-preview | --type-filter | --head-letters | --other1 | --other2 | --size-step | --max-files | --subfolder-name)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "--help --version --preview --run --undo --json --to --method --copy
            --include-subfolders --include-folder-name --only-subfolders --no-exclude-shortcut
            --no-exclude-folder-info --no-exclude-thumbs --no-sidecars --limit-preview --type-filter --head-letters --words
            --group --group-list --other1 --other2 --every-type --size-step --size-unit --time --parts --grouped
            --month-names --month-abbr --max-files --subfolder-name --data-dir --yes --no" -- "$cur")
        return
    fi
    # A SOURCE: a folder or a file.
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

complete -F _varnolt_cli varnolt-cli
