#!/bin/sh
# Plays random floors with random command streams (random-floors.pl) on two
# builds of quorrel-sim and compares the traces byte for byte, for changes
# that must not change play on floors no demo covers:
#   tools/scripts/compare-random-traces.sh OLD/quorrel-sim NEW/quorrel-sim [FILES [SEED [STEPS]]]
# FILES floor.dat files of 56 floors each (default 6, so 336 floors), each
# floor played once, with its options (chasers, character) chosen by floor.
set -e
old=$1; new=$2; files=${3:-6}; seed=${4:-1}; steps=${5:-600}
[ -x "$old" ] && [ -x "$new" ] || { echo "usage: $0 OLD_SIM NEW_SIM [FILES [SEED [STEPS]]]" >&2; exit 1; }
here=$(dirname "$0")
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
perl "$here/random-floors.pl" "$seed" "$files" "$tmp"
runs=0; differ=0
for f in $(seq 1 "$files"); do
  for n in $(seq 1 56); do
    case $(( (f + n) % 4 )) in
      0) opts="" ;; 1) opts="--no-extra-spawns" ;; 2) opts="--character 1" ;; *) opts="--character 2 --no-extra-spawns" ;;
    esac
    # shellcheck disable=SC2086
    a=$("$old" --floors "$tmp/random-$f.dat" --floor "$n" --commands "$tmp/random-$f-$n.cmd" --steps "$steps" --trace $opts 2>&1 | cksum)
    # shellcheck disable=SC2086
    b=$("$new" --floors "$tmp/random-$f.dat" --floor "$n" --commands "$tmp/random-$f-$n.cmd" --steps "$steps" --trace $opts 2>&1 | cksum)
    runs=$((runs + 1))
    if [ "$a" != "$b" ]; then
      differ=$((differ + 1)); echo "differs: random-$f.dat floor $n $opts (seed $seed)"
    fi
  done
done
echo "$runs runs, $differ differ"
[ "$differ" -eq 0 ]
