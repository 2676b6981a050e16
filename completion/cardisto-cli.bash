# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for cardisto-cli: the commands, their options, the --fields and --format words,
# and files.

_cardisto_cli()
{
    local cur prev command
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=${COMP_WORDS[1]}

    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W 'convert extract table --help --version' -- "$cur"))
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
    --format)
        COMPREPLY=($(compgen -W 'csv tsv xlsx jsonl' -- "$cur"))
        return
        ;;
    --out)
        if [[ $command == table ]]; then
            COMPREPLY=($(compgen -f -X '!*.@(csv|tsv|xlsx|jsonl|CSV|TSV|XLSX|JSONL)' -- "$cur") $(compgen -d -- "$cur"))
        else
            COMPREPLY=($(compgen -f -X '!*.@(txt|xlsx|TXT|XLSX)' -- "$cur") $(compgen -d -- "$cur"))
        fi
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
        [[ $command == table ]] && options='--format --out --source --bom --dedupe --list-file --help'
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # Inputs: vCard files and folders (extract, table), or one vCard file (convert).
    COMPREPLY=($(compgen -f -X '!*.@(vcf|VCF)' -- "$cur") $(compgen -d -- "$cur"))
}

complete -o filenames -F _cardisto_cli cardisto-cli
