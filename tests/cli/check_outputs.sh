#!/usr/bin/env bash
# The outputs a script sees from tessera for a widget file: the HTML in the three modes, the
# re-saved widget file in modes 0 and 1, and the canvas painted in the three states. Compared
# byte for byte with the files under EXPECTED; with --update they are written there instead
# (only after a change that is meant to alter an output).
#
#   check_outputs.sh PROGRAM_DIR EXPECTED_DIR [--update]
#       every shipped template of the program folder, each output stored as it is; and each
#       template with the player's key taken out, its HTML and saved files against
#       EXPECTED_DIR-without-player: the bytes every widget file without the key has always
#       given
#   check_outputs.sh PROGRAM_DIR EXPECTED_DIR --generated MAKE_DESIGN [--update]
#       designs written by MAKE_DESIGN (tb-make-design): a small one stored as it is, and one
#       of 1,000 buttons stored as the SHA-256 digest of each output (and of the design
#       itself), which keeps the comparison exact without megabytes in the repository
set -euo pipefail

program=$(cd "$1" && pwd -P)
expected=$2
shift 2
make_design=
update=
while (($#)); do
    case $1 in
    --generated) make_design=$2; shift 2 ;;
    --update) update=1; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done

work=$(mktemp -d)
work=$(cd "$work" && pwd -P)
trap 'rm -rf "$work"' EXIT
export TALLOWBY_REGISTRY_DIR=$work/registry
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Saved widget files name the folders of their resources; the stored files have these
# placeholders there instead, so that they hold wherever the tree is built.
sed_escape() { printf '%s' "$1" | sed 's/[][\\.*^$/]/\\&/g'; }
placeholders="s/$(sed_escape "$program/")/<program folder>\//g;s/$(sed_escape "$work/")/<work folder>\//g"

tessera() { "$program/tessera" "$@"; }
tessera register "$program/TesseraBrisko.so" >/dev/null

# Writes each output of one widget file into folder $2; with $3 = text, the pictures are left
# out.
produce() {
    local widget=$1 out=$2 what=${3:-all}
    mkdir -p "$out"
    tessera html "$widget" --mode 0 --preview-path file:///preview/ >"$out/html-0.htm"
    tessera html "$widget" --mode 1 >"$out/html-1.htm"
    tessera html "$widget" --mode 2 >"$out/html-2.htm"
    for mode in 0 1; do
        mkdir -p "$work/save-$mode"
        tessera save "$widget" "$work/save-$mode/widget.tsq" --mode "$mode"
        sed "$placeholders" "$work/save-$mode/widget.tsq" >"$out/save-$mode.tsq"
        rm -rf "$work/save-$mode"
    done
    [[ $what == all ]] || return 0
    for state in 1 2 3; do
        tessera render "$widget" "$out/render-$state.png" --state "$state"
    done
}

# Replaces every file of folder $1 by one list of their digests, SHA256SUMS.
digest_folder() {
    (cd "$1" && sha256sum -- * >"$work/SHA256SUMS" && rm -- * && mv "$work/SHA256SUMS" .)
}

failures=0
# Produces the outputs of widget file $2 as case $1, stored in full, as digests or as text only
# ($3), and either stores them in folder $4 (default EXPECTED) or compares them with those
# stored there.
check_case() {
    local name=$1 widget=$2 form=$3 expected=${4:-$expected} actual=$work/actual/$1
    rm -rf "$actual"
    produce "$widget" "$actual" "$([[ $form == text ]] && echo text || echo all)"
    if [[ $form == digest ]]; then
        cp "$widget" "$actual/design.tsq"
        digest_folder "$actual"
    fi
    if [[ -n $update ]]; then
        rm -rf "${expected:?}/$name"
        mkdir -p "$expected"
        cp -r "$actual" "$expected/$name"
        echo "wrote $expected/$name"
        return
    fi
    # Every file either side has, once: a missing one differs too.
    for base in $( (ls "$actual"; ls "$expected/$name" 2>/dev/null) | sort -u); do
        if ! cmp -s "$actual/$base" "$expected/$name/$base"; then
            echo "differs: $name/$base" >&2
            [[ $base == SHA256SUMS ]] && diff "$expected/$name/$base" "$actual/$base" >&2 || true
            failures=$((failures + 1))
        fi
    done
}

if [[ -n $make_design ]]; then
    mkdir -p "$work/small" "$work/large"
    "$make_design" "$work/small" 12 480 160
    "$make_design" "$work/large" 1000 1200 1200
    check_case generated-12 "$work/small/design.tsq" full
    check_case generated-1000 "$work/large/design.tsq" digest
else
    templates=("$program"/*.tsq)
    [[ -e ${templates[0]} ]] || { echo "no templates in $program" >&2; exit 1; }
    mkdir -p "$work/unplayed"
    for template in "${templates[@]}"; do
        name=$(basename "$template" .tsq)
        check_case "$name" "$template" full
        grep -q '^Player = 1'$'\r''$' "$template" || { echo "$name: no player key" >&2; exit 1; }
        grep -v '^Player = ' "$template" >"$work/unplayed/$name.tsq" || true
        check_case "$name" "$work/unplayed/$name.tsq" text "$expected-without-player"
    done
fi
if ((failures)); then
    echo "$failures output(s) differ from $expected" >&2
    exit 1
fi
echo "every output matches $expected"
