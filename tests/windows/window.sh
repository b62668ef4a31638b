#!/bin/sh
# The Windows game under wine on the virtual display tests/with_xvfb.sh gives
# it, unpacked from the players' zip: started from another folder, it finds its files beside the program,
# opens its 640 x 480 window titled "Quorrel", draws the title, and ends with
# exit code 0 when the window is asked to close (taskkill without /f sends
# WM_CLOSE, as the close box does). Without data.dat it reports
# "memory error3" once and ends with exit code 0.
#   tests/with_xvfb.sh tests/windows/window.sh BUILD_WINDOWS ZIP
set -u
here=$(cd "$(dirname "$0")" && pwd)
windows_build=$1; . "$here/wine_env.sh"
zip=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
tmp=$(mktemp -d); trap 'cd /; rm -rf "$tmp"; wineserver --kill' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

mkdir "$tmp/elsewhere" "$tmp/nodata"
unzip -q "$zip" -d "$tmp" && mv "$tmp/quorrel" "$tmp/game" || exit 1
cp "$tmp/game/quorrel.exe" "$tmp/game/SDL2.dll" "$tmp/nodata/"

# --- the title in a window
cd "$tmp/elsewhere" || exit 1
SDL_AUDIODRIVER=dummy wine "$tmp/game/quorrel.exe" >"$tmp/game.out" 2>"$tmp/game.err" &
game=$!
tries=0
until xwininfo -name Quorrel >"$tmp/info" 2>/dev/null; do
  tries=$((tries + 1))
  if ! kill -0 "$game" 2>/dev/null || [ "$tries" -ge 1200 ]; then break; fi
  sleep 0.1
done
if grep -q 'Width: 640' "$tmp/info" 2>/dev/null && grep -q 'Height: 480' "$tmp/info"; then
  echo "ok: a 640 x 480 window titled Quorrel"
else
  fail "no 640 x 480 window titled Quorrel"; cat "$tmp/info" "$tmp/game.err" 2>/dev/null
fi
window=$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' "$tmp/info" 2>/dev/null)
colours=0; tries=0
while [ -n "$window" ] && [ "$tries" -lt 300 ]; do
  xwd -silent -id "$window" >"$tmp/shot.xwd" 2>/dev/null && colours=$(python3 "$here/screen_colours.py" "$tmp/shot.xwd")
  [ "$colours" -ge 16 ] && break
  tries=$((tries + 1)); sleep 0.2
done
if [ "$colours" -ge 16 ]; then
  echo "ok: the title is drawn ($colours colours)"
  cp "$tmp/shot.xwd" "$windows_build/title-under-wine.xwd"
else
  fail "the window stays blank ($colours colours)"
fi
wine taskkill /im quorrel.exe >/dev/null 2>&1
tries=0
while kill -0 "$game" 2>/dev/null && [ "$tries" -lt 600 ]; do tries=$((tries + 1)); sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then
  fail "the game did not end on a close request"; kill "$game"
else
  wait "$game"; rc=$?
  [ "$rc" -eq 0 ] && echo "ok: closed with exit code 0" || fail "exit code $rc after a close request"
fi

# --- no data.dat: the message, once, and exit code 0
cd "$tmp/nodata" || exit 1
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 wine "$tmp/nodata/quorrel.exe" >"$tmp/nodata.out" 2>"$tmp/nodata.err"
rc=$?
n=$(grep -c "memory error3" "$tmp/nodata.err")
if [ "$rc" -eq 0 ] && [ "$n" -eq 1 ]; then
  echo "ok: without data.dat, \"memory error3\" once and exit code 0"
else
  fail "without data.dat: exit code $rc, \"memory error3\" $n times"; cat "$tmp/nodata.err"
fi
exit "$failed"
