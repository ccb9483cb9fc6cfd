#!/usr/bin/env bash
# The outputs a script sees from tessera for every shipped template: the HTML in the three
# modes, the re-saved widget file in modes 0 and 1, and the canvas painted in the three
# states. Compared byte for byte with the files under EXPECTED; with --update they are
# written there instead (only after a change that is meant to alter an output).
#
#   check_outputs.sh PROGRAM_DIR EXPECTED_DIR [--update]
set -euo pipefail

program=$(cd "$1" && pwd -P)
expected=$2
update=${3:-}
# Saved widget files name the component's folder in their resource list; the stored files
# have this placeholder there instead, so that they hold wherever the tree is built.
placeholder="<program folder>"
escaped=$(printf '%s' "$program/" | sed 's/[][\\.*^$/]/\\&/g')

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALLOWBY_REGISTRY_DIR=$work/registry
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

tessera() { "$program/tessera" "$@"; }
tessera register "$program/TesseraBrisko.so" >/dev/null

# Writes each output of one template into folder $2.
produce() {
    local template=$1 out=$2
    mkdir -p "$out"
    tessera html "$template" --mode 0 --preview-path file:///preview/ >"$out/html-0.htm"
    tessera html "$template" --mode 1 >"$out/html-1.htm"
    tessera html "$template" --mode 2 >"$out/html-2.htm"
    for mode in 0 1; do
        mkdir -p "$work/save-$mode"
        tessera save "$template" "$work/save-$mode/widget.tsq" --mode "$mode"
        sed "s/$escaped/$placeholder\//g" "$work/save-$mode/widget.tsq" >"$out/save-$mode.tsq"
        rm -rf "$work/save-$mode"
    done
    for state in 1 2 3; do
        tessera render "$template" "$out/render-$state.png" --state "$state"
    done
}

failures=0
templates=("$program"/*.tsq)
[[ -e ${templates[0]} ]] || { echo "no templates in $program" >&2; exit 1; }
for template in "${templates[@]}"; do
    name=$(basename "$template" .tsq)
    if [[ $update == --update ]]; then
        rm -rf "${expected:?}/$name"
        produce "$template" "$expected/$name"
        echo "wrote $expected/$name"
        continue
    fi
    produce "$template" "$work/actual/$name"
    # Every file either side has, once: a missing one differs too.
    for base in $( (ls "$work/actual/$name"; ls "$expected/$name" 2>/dev/null) | sort -u); do
        if ! cmp -s "$work/actual/$name/$base" "$expected/$name/$base"; then
            echo "differs: $name/$base" >&2
            failures=$((failures + 1))
        fi
    done
done
if ((failures)); then
    echo "$failures output(s) differ from $expected" >&2
    exit 1
fi
echo "every output matches $expected"
