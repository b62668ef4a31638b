#!/bin/sh
# Plays every floor of each floor.dat given with two builds of quorrel-sim
# (chasers on and off, each character) and compares the traces byte for byte.
# A change that must not change play is checked with the build before it:
#   tools/scripts/compare-traces.sh OLD/quorrel-sim NEW/quorrel-sim build/game/floor.dat ...
set -e
old=$1; new=$2; shift 2
[ -x "$old" ] && [ -x "$new" ] && [ $# -gt 0 ] || { echo "usage: $0 OLD_SIM NEW_SIM FLOOR.DAT..." >&2; exit 1; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
runs=0; differ=0
for dat in "$@"; do
  for n in $(seq 1 56); do
    for opts in "" "--no-extra-spawns" "--character 1" "--character 2"; do
      # shellcheck disable=SC2086
      "$old" --floors "$dat" --floor "$n" --trace $opts > "$tmp/old" 2>&1 || true
      # shellcheck disable=SC2086
      "$new" --floors "$dat" --floor "$n" --trace $opts > "$tmp/new" 2>&1 || true
      runs=$((runs + 1))
      if ! cmp -s "$tmp/old" "$tmp/new"; then
        differ=$((differ + 1)); echo "differs: $dat floor $n $opts"
      fi
    done
  done
done
echo "$runs runs, $differ differ"
[ "$differ" -eq 0 ]
