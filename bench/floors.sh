#!/bin/sh
# Times the floor toolchain on the project's floors: the solver over every
# floor (as `solve` would write the demos), its worlds per second and bytes
# per stored world on the three largest searches, verify over the whole set,
# and verify with every idea proved by ablation. It keeps what the searches
# found: build/floors/solve-measure.txt (each floor's way and search) and
# build/floors/ideas-report.md (what ablation proves, floor by floor). Wall
# time stretches on a busy machine; the processor time beside it is the work.
#   bench/floors.sh [path/to/quorrel-floors]
set -e
tool=${1:-build/release/quorrel-floors}
floors=$(seq 1 56)
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
# Runs a command with its output in OUT, and notes its wall and processor seconds.
timed() {
    label=$1 out=$2; shift 2
    /usr/bin/time -f "%e %U %S" -o "$tmp/time" "$@" >"$out" 2>/dev/null || true
    awk -v l="$label" '{printf "%-28s %8.1f s  (%.1f s processor)\n", l ":", $1, $2 + $3}' "$tmp/time" >>"$tmp/times"
}
timed "solve, floors 1..56" "$tmp/solve" "$tool" solve --measure $floors
timed "verify, whole set" /dev/null "$tool" verify
timed "verify --ideas, whole set" "$tmp/ideas" "$tool" verify --ideas
cat "$tmp/times"
mkdir -p build/floors
cp "$tmp/solve" build/floors/solve-measure.txt
sh "$(dirname "$0")/../tools/scripts/ideas-report.sh" --from "$tmp/ideas" >/dev/null
grep '^Inconclusive' build/floors/ideas-report.md
echo "the three largest searches (processor time):"
# "floor N: ..." then "  worlds W, expanded E, S s, R worlds/s, peak K KiB, B bytes/world"
awk '/^floor /{f=$2} /^  worlds /{print $2+0, f, $0}' "$tmp/solve" | sort -rn | head -3 | cut -d' ' -f2-
