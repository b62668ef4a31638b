#!/bin/sh
# Every Windows test under wine: the test program, the game's window, the
# same world traces and the same game logs as the Linux build.
#   tests/windows/run.sh BUILD_WINDOWS LINUX_BUILD GAME_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
windows=$1; linux=$2; game=$3
failed=""

echo "== the test program"
( windows_build=$windows; . "$here/wine_env.sh"; cd "$windows_build/quorrel/tests" &&
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy wine ./quorrel_tests.exe --gtest_brief=1; rc=$?
  wineserver --kill; exit "$rc" ) || failed="$failed tests"

echo "== the game's resources"
# The icon groups 107 and 108 (0x6b, 0x6c) the window takes its icons from,
# and the version information with the description Explorer shows.
resources=$(x86_64-w64-mingw32-objdump -p "$windows/quorrel/quorrel.exe")
if echo "$resources" | grep -q 'Entry: ID: 0x00006b' && echo "$resources" | grep -q 'Entry: ID: 0x00006c' &&
   strings -el "$windows/quorrel/quorrel.exe" | grep -qx 'Quorrel, a climbing puzzle game'; then
  echo "ok: icons 107 and 108, version information"
else
  echo "FAILED: quorrel.exe lacks its icons or version information"; failed="$failed resources"
fi

echo "== the game in a window"
sh "$here/../with_xvfb.sh" sh "$here/window.sh" "$windows" "$windows/quorrel-windows.zip" || failed="$failed window"

echo "== the same world traces"
sh "$here/same_world.sh" "$windows" "$linux" "$game/floor.dat" || failed="$failed traces"

echo "== the same game logs"
sh "$here/headless_log.sh" "$windows" "$linux" "$game" "$here/../../assets/floors" || failed="$failed logs"

if [ -n "$failed" ]; then echo "Windows tests failed:$failed"; exit 1; fi
echo "Windows tests passed"
