#!/bin/sh
# Times the floor toolchain on the project's floors: the solver over every
# floor (as `solve` would write the demos) and verify over the whole set.
#   bench/floors.sh [path/to/quorrel-floors]
set -e
tool=${1:-build/release/quorrel-floors}
floors=$(seq 1 56)
start=$(date +%s.%N)
"$tool" solve $floors >/dev/null || true
mid=$(date +%s.%N)
"$tool" verify >/dev/null
end=$(date +%s.%N)
echo "solve, floors 1..56: $(awk "BEGIN{print $mid - $start}") s"
echo "verify, whole set:   $(awk "BEGIN{print $end - $mid}") s"
