#!/bin/sh
# The page's world against the desktop's: quorrel-sim built to WebAssembly,
# run under node, must print byte for byte the traces of the native build,
# on every floor's demo (chasers on and off, each character) and on random
# floors with random command streams (tools/scripts/random-floors.pl).
#   tests/web/compare-sim.sh NATIVE/quorrel-sim WEB/quorrel-sim.js FLOOR.DAT [RANDOM_FILES [SEED]]
# RANDOM_FILES floor files of 56 random floors each (default 4).
set -e
native=$1; web=$2; dat=$3; files=${4:-4}; seed=${5:-1}
[ -x "$native" ] && [ -f "$web" ] && [ -f "$dat" ] || {
  echo "usage: $0 NATIVE_SIM WEB_SIM_JS FLOOR.DAT [RANDOM_FILES [SEED]]" >&2; exit 1; }
here=$(dirname "$0")
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
perl "$here/../../tools/scripts/random-floors.pl" "$seed" "$files" "$tmp"

# One line a run: a name, then quorrel-sim's arguments.
runs=$tmp/runs
: > "$runs"
for n in $(seq 1 56); do
  i=0
  for opts in "" "--no-extra-spawns" "--character 1" "--character 2"; do
    echo "demo-$n-$i --floors $dat --floor $n --trace $opts" >> "$runs"; i=$((i + 1))
  done
done
for f in $(seq 1 "$files"); do
  for n in $(seq 1 56); do
    case $(( (f + n) % 4 )) in
      0) opts="" ;; 1) opts="--no-extra-spawns" ;; 2) opts="--character 1" ;; *) opts="--character 2 --no-extra-spawns" ;;
    esac
    echo "random-$f-$n --floors $tmp/random-$f.dat --floor $n --commands $tmp/random-$f-$n.cmd --steps 600 --trace $opts" >> "$runs"
  done
done
# A floor the file does not hold and a missing file: the same refusal.
echo "refused-floor --floors $dat --floor 99 --trace" >> "$runs"
echo "refused-file --floors $tmp/none.dat --floor 1 --trace" >> "$runs"

mkdir "$tmp/native" "$tmp/web"
sed "s#^\([^ ]*\) #$tmp/web/\1 #" "$runs" > "$tmp/batch"
node "$web" --batch "$tmp/batch"
count=0; differ=0
while read -r name args; do
  # shellcheck disable=SC2086
  status=0; "$native" $args > "$tmp/native/$name" 2>&1 || status=$?
  count=$((count + 1))
  if ! cmp -s "$tmp/native/$name" "$tmp/web/$name" || [ "$status" != "$(cat "$tmp/web/$name.status")" ]; then
    differ=$((differ + 1)); echo "differs: $name: $args"
  fi
done < "$runs"
echo "$count runs, $differ differ"
[ "$count" -gt 0 ] && [ "$differ" -eq 0 ]
