#!/bin/sh
# The whole game steps the same on Windows: quorrel-headless.exe under wine
# writes the Linux quorrel-headless's log byte for byte for a game from the
# title through floor 56 (played by the keys of its demo) and the ending back
# to the title, and for demo replay over every floor.
#   tests/windows/headless_log.sh BUILD_WINDOWS LINUX_BUILD GAME_DIR FLOOR_SOURCES
set -u
here=$(cd "$(dirname "$0")" && pwd)
windows_build=$1; . "$here/wine_env.sh"
linux=$(cd "$2" && pwd)/quorrel-headless; windows=$windows_build/quorrel/quorrel-headless.exe
sources=$(cd "$4" && pwd)
tmp=$(mktemp -d); trap 'cd /; rm -rf "$tmp"; wineserver --kill' EXIT
cp "$3/data.dat" "$3/floor.dat" "$tmp/"
cd "$tmp" || exit 1
failed=0

# first_frame SCENE LOG: the first frame whose scene is SCENE, or nothing.
first_frame() { awk -v s="$1" '$2 == s { print $1; exit }' "$2"; }

# The frames the game takes depend on the scenes' timings, so the script is
# fitted to them on Linux first: where play begins, then where the ending is.
python3 "$here/game_script.py" "$sources/floor-56.txt" 100000 > script.txt
"$linux" --script script.txt --frames 2000 --log probe.log
ready=$(first_frame 5 probe.log)
[ -n "$ready" ] || { echo "FAILED: the game never reached play"; exit 1; }
# The frame that switches to play is logged with the play scene; the scene's
# own updates begin with the next one.
python3 "$here/game_script.py" "$sources/floor-56.txt" $((ready + 1)) > script.txt
# Floor 56 takes two frames a step of its demo; the result and the shutter follow.
steps=$("$(dirname "$linux")/quorrel-sim" --floors floor.dat --floor 56 | sed 's/.*"steps":\([0-9]*\).*/\1/')
"$linux" --script script.txt --frames $((ready + 2 * steps + 600)) --log probe.log
ending=$(first_frame 11 probe.log)
[ -n "$ending" ] || { echo "FAILED: floor 56 played by its demo's keys did not reach the ending"; exit 1; }
# Esc leaves the ending only once its view has risen to the top: tried every
# 50 frames, then only the one that worked is kept.
taps=$(seq $((ending + 50)) 50 $((ending + 5000)))
# shellcheck disable=SC2086
python3 "$here/game_script.py" "$sources/floor-56.txt" $((ready + 1)) $taps > script.txt
"$linux" --script script.txt --frames $((ending + 5100)) --log probe.log
title=$(awk -v e="$ending" '$1 > e && $2 == 1 { print $1; exit }' probe.log)
[ -n "$title" ] || { echo "FAILED: Esc never left the ending"; exit 1; }
escape=$(for t in $taps; do [ "$t" -le "$title" ] && echo "$t"; done | tail -n 1)
python3 "$here/game_script.py" "$sources/floor-56.txt" $((ready + 1)) "$escape" > script.txt
frames=$((title + 100))

# compare NAME ARG...: one run of each build with the same arguments.
compare() {
  name=$1; shift
  "$linux" "$@" --log linux.log >linux.err 2>&1; linux_rc=$?
  wine "$windows" "$@" --log windows.log >windows.err 2>&1; windows_rc=$?
  if [ "$linux_rc" = "$windows_rc" ] && cmp -s linux.log windows.log; then
    echo "ok: $name: $(wc -l < linux.log) frames logged alike"
  else
    failed=1
    echo "FAILED: $name: exit $linux_rc on Linux, $windows_rc on Windows"; cmp linux.log windows.log
    mkdir -p "$windows_build/differ" && cp linux.log windows.log "$windows_build/differ/"
  fi
}
compare "a game from the title to the ending" --script script.txt --frames "$frames"
last=$(tail -n 1 linux.log | awk '{ print $2 }')
[ "$last" = 1 ] || { echo "FAILED: the game did not end on the title (scene $last)"; failed=1; }

# Demo replay from the title's menu (four steps down, once the item has slid
# in, the character in front) over every floor.
printf '%s\n' "30 down Down" "31 up Down" "32 down Down" "33 up Down" "34 down Down" "35 up Down" \
  "36 down Down" "37 up Down" "70 down Enter" "71 up Enter" "73 down Enter" "74 up Enter" > demo.txt
# DEMO_FRAMES shortens it for a quick look; the default reaches floor 56.
compare "demo replay of every floor" --script demo.txt --frames "${DEMO_FRAMES:-80000}"
floors=$(awk '$2 == 5 { print $3 }' linux.log | sort -un | wc -l)
if [ -z "${DEMO_FRAMES:-}" ] && [ "$floors" -ne 56 ]; then
  echo "FAILED: demo replay played $floors floors, not 56"; failed=1
fi
exit "$failed"
