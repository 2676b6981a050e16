#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion offers every option that "cardisto-cli COMMAND --help" lists, and the
# --fields and --format words.  Usage: completion_test.sh CARDISTO_CLI COMPLETION_FILE
set -u
cli=$1
shopt -s extglob
source "$2"
failed=0

complete_words() { # command words...; the last one is being completed
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _cardisto_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

expect() { # what, offered, wanted
    if ! grep -qxF -- "$3" <<<"$2"; then
        echo "FAIL: $1 does not offer $3" >&2
        failed=1
    fi
}

for command in convert extract table; do
    offered=$(complete_words cardisto-cli "$command" --)
    for option in $("$cli" "$command" --help | grep -oE '^  (-h, )?--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
        expect "$command" "$offered" "$option"
    done
done
for command in convert extract table; do
    expect commands "$(complete_words cardisto-cli '')" "$command"
done
for word in all none emails phones names addresses; do
    expect --fields "$(complete_words cardisto-cli extract --fields '')" "$word"
done
for word in csv tsv xlsx jsonl; do
    expect --format "$(complete_words cardisto-cli table --format '')" "$word"
done
expect "--fields after a comma" "$(complete_words cardisto-cli extract --fields emails,na)" emails,names
exit $failed
