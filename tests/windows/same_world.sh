#!/bin/sh
# The world steps the same on Windows: quorrel-sim.exe under wine prints the
# Linux quorrel-sim's trace byte for byte, on every floor's demo (chasers on
# and off, each character) and on random command streams over random floors.
#   tests/windows/same_world.sh BUILD_WINDOWS LINUX_BUILD FLOOR.DAT [RANDOM_RUNS]
set -u
here=$(cd "$(dirname "$0")" && pwd)
windows_build=$1; . "$here/wine_env.sh"
linux=$(cd "$2" && pwd)/quorrel-sim; windows=$windows_build/quorrel/quorrel-sim.exe
floors=$(cd "$(dirname "$3")" && pwd)/$(basename "$3"); random_runs=${4:-200}
tmp=$(mktemp -d); trap 'cd /; rm -rf "$tmp"; wineserver --kill' EXIT
cd "$tmp" || exit 1
runs=0; differ=0
kept=$windows_build/differ; rm -rf "$kept"

# compare NAME ARG...: one run of each build with the same arguments.
compare() {
  name=$1; shift
  # Side by side: the machine has two cores.
  ( "$linux" "$@" >linux.out 2>linux.err; echo $? >linux.rc ) &
  wine "$windows" "$@" >windows.out 2>windows.err; windows_rc=$?
  wait; linux_rc=$(cat linux.rc)
  # On a busy machine wine now and then fails to start the program at all
  # (no trace, not even its first step): such a run is tried again, twice at most.
  retries=0
  while [ "$windows_rc" != "$linux_rc" ] && [ ! -s windows.out ] && [ -s linux.out ] && [ "$retries" -lt 2 ]; do
    retries=$((retries + 1))
    echo "wine started nothing for $name; trying again"
    wine "$windows" "$@" >windows.out 2>windows.err; windows_rc=$?
  done
  runs=$((runs + 1))
  if [ "$linux_rc" != "$windows_rc" ] || ! cmp -s linux.out windows.out || ! cmp -s linux.err windows.err; then
    differ=$((differ + 1))
    echo "differs: $name (exit $linux_rc on Linux, $windows_rc on Windows)"
    cmp linux.out windows.out | head -n 1
    # The first difference is kept to look at.
    if [ ! -d "$kept" ]; then
      mkdir -p "$kept" && cp linux.out windows.out linux.err windows.err "$kept/" && echo "kept in $kept"
    fi
  fi
}

for n in $(seq 1 57); do
  for opts in "" "--no-extra-spawns" "--character 1" "--character 2"; do
    # shellcheck disable=SC2086
    compare "floor $n demo $opts" --floors "$floors" --floor "$n" --trace $opts
  done
done
echo "demos: $runs runs, $differ differ"

python3 "$here/random_commands.py" "$tmp/commands" "$random_runs" 11 56 > list
while read -r file floor opts; do
  # shellcheck disable=SC2086
  compare "floor $floor commands $(basename "$file") $opts" --floors "$floors" --floor "$floor" \
    --commands "$file" --trace $opts
done < list
echo "all: $runs runs, $differ differ"
[ "$differ" -eq 0 ]
