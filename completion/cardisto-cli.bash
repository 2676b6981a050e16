# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for cardisto-cli: the commands, their options, the --fields words, and files.

_cardisto_cli()
{
    local cur prev command
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=${COMP_WORDS[1]}

    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W 'convert extract --help --version' -- "$cur"))
        return
    fi

    case $prev in
    --fields)
        # all, none, or a comma list: complete the word after the last comma.
        local done_part=
        [[ $cur == *,* ]] && done_part=${cur%,*},
        COMPREPLY=($(compgen -P "$done_part" -W 'all none emails phones names addresses' -- "${cur##*,}"))
        compopt -o nospace 2>/dev/null
        return
        ;;
    --out)
        COMPREPLY=($(compgen -f -X '!*.@(txt|xlsx|TXT|XLSX)' -- "$cur") $(compgen -d -- "$cur"))
        return
        ;;
    --list-file)
        COMPREPLY=($(compgen -f -- "$cur"))
        return
        ;;
    --containing | --not-containing | --line-numbers | --start | --end | --text-set)
        return
        ;;
    esac

    if [[ $cur == -* ]]; then
        local options='--fields --decode --help'
        [[ $command == extract ]] &&
            options+=' --all-lines --containing --not-containing --line-numbers --between --start --end
                --text-set --quiet --dedupe --source --out --list-file'
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # Inputs: vCard files and folders (extract), or one vCard file (convert).
    COMPREPLY=($(compgen -f -X '!*.@(vcf|VCF)' -- "$cur") $(compgen -d -- "$cur"))
}

complete -o filenames -F _cardisto_cli cardisto-cli
