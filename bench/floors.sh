#!/bin/sh
# Times the floor toolchain on the project's floors: the solver over every
# floor (as `solve` would write the demos), its worlds per second and bytes
# per stored world on the three largest searches, verify over the whole set,
# and verify with every idea proved by ablation.
#   bench/floors.sh [path/to/quorrel-floors]
set -e
tool=${1:-build/release/quorrel-floors}
floors=$(seq 1 56)
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
start=$(date +%s.%N)
"$tool" solve --measure $floors >"$tmp/solve" || true
mid=$(date +%s.%N)
"$tool" verify >/dev/null
end=$(date +%s.%N)
"$tool" verify --ideas >/dev/null 2>&1 || true
last=$(date +%s.%N)
echo "solve, floors 1..56:        $(awk "BEGIN{print $mid - $start}") s"
echo "verify, whole set:          $(awk "BEGIN{print $end - $mid}") s"
echo "verify --ideas, whole set:  $(awk "BEGIN{print $last - $end}") s"
echo "the three largest searches (processor time):"
# "floor N: ..." then "  worlds W, expanded E, S s, R worlds/s, peak K KiB, B bytes/world"
awk '/^floor /{f=$2} /^  worlds /{print $2+0, f, $0}' "$tmp/solve" | sort -rn | head -3 | cut -d' ' -f2-
