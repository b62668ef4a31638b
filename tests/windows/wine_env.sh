# Sourced by the Windows tests: a wine prefix of the build's own (made once,
# kept in build/windows/wine), quiet, without the .NET and HTML engines wine
# would offer to install, with SDL2.dll found beside the programs.
#   windows_build=build/windows; . tests/windows/wine_env.sh
windows_build=$(cd "$windows_build" && pwd)
export WINEPREFIX="$windows_build/wine"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPATH="$windows_build/deps/bin"
if [ ! -f "$WINEPREFIX/.booted" ]; then
  mkdir -p "$WINEPREFIX"
  env -u DISPLAY wine wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
  touch "$WINEPREFIX/.booted"
fi
# One wine server and its service processes for the whole test, started here
# with their output thrown away: started by a program under test they would
# write their own messages into its stderr, which is compared. The caller
# ends them with `wineserver --kill`.
wineserver --persistent
wine cmd /c exit >/dev/null 2>&1
