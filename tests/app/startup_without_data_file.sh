#!/bin/sh
# The real program in an empty folder, with no display at all: it must report
# "memory error3" exactly once (the message box also goes to stderr) and exit 0.
set -u
game="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    timeout 60 "$game" >"$dir/out" 2>"$dir/err"
rc=$?
cat "$dir/err"
[ "$rc" -eq 0 ] || { echo "exit code $rc, expected 0"; exit 1; }
n=$(grep -c "memory error3" "$dir/err")
[ "$n" -eq 1 ] || { echo "\"memory error3\" reported $n times, expected once"; exit 1; }
exit 0
