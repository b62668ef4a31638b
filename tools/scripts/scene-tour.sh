#!/bin/sh
# Takes a screenshot of every scene of the game with quorrel-headless, from a
# given data.dat, into OUT_DIR (one PNG a scene, named in the order a player
# meets them). The ending is reached through a copy of the floors whose last
# floor is the first one, so holding Right clears it.
#
#   scene-tour.sh BUILD_DIR DATA.DAT SOURCES_DIR OUT_DIR [point|linear]
#
# With "point" or "linear" the game folder gets a config.dat with that filter;
# without, it has none and the game's defaults apply.
set -eu
build=$(cd "$1" && pwd) data=$(realpath "$2") sources=$3 out=$4 filter=${5:-}
headless=$build/quorrel-headless
floors=$build/quorrel-floors
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
out=$(cd "$out" && pwd)

game=$work/game
mkdir -p "$game"
cp "$data" "$game/data.dat"
"$floors" compile --sources "$sources" --out "$game/floor.dat" >/dev/null
# Windowed, 32-bit, vsync, then the filter; little-endian 32-bit values.
case "$filter" in
  point) printf '\001\000\000\000\001\000\000\000\001\000\000\000\000\000\000\000' >"$game/config.dat" ;;
  linear) printf '\001\000\000\000\001\000\000\000\001\000\000\000\001\000\000\000' >"$game/config.dat" ;;
esac

# run NAME FRAMES: plays the script on stdin in the game folder.
run() {
  sed "s|@|$out/|" >"$work/$1.txt"
  (cd "$game" && "$headless" --script "$work/$1.txt" --frames "$2" --log "$work/$1.log") >/dev/null
}
# Taps KEY at FRAME (down, then up the next frame).
tap() { printf '%s down %s\n%s up %s\n' "$1" "$2" "$(($1 + 1))" "$2"; }
# Taps Down N times from FRAME, two frames apart.
downs() { i=0; while [ "$i" -lt "$2" ]; do tap $(($1 + 2 * i)) Down; i=$((i + 1)); done; }

{ echo "100 shot @01-title.png"; } | run title 101
{ downs 30 1; tap 60 Enter; echo "70 shot @02-floor-select.png"; } | run floorselect 71
{ tap 40 Enter; echo "80 shot @03-character.png"; tap 90 Right; echo "130 shot @04-character-turned.png"; } | run character 131
{ downs 30 2; tap 60 Enter; echo "80 shot @05-quit-prompt.png"; } | run quit 81
{ downs 30 3; tap 62 Enter; echo "75 shot @06-options.png"; } | run options 76
{ downs 30 5; tap 66 Enter; echo "75 shot @07-key-config.png"; } | run keys 76
# A help page slides in 8 pixels a frame, in under 32 frames.
{ downs 30 6; tap 68 Enter; echo "102 shot @08-help-page-01.png"
  p=2; f=104; while [ "$p" -le 15 ]; do tap "$f" Right; printf '%s shot @08-help-page-%02d.png\n' $((f + 32)) "$p"; p=$((p + 1)); f=$((f + 34)); done
} | run help 600

# Floor 1 with the first character: the shutter, the countdown, play, pause,
# the map, the result and the next floor's shutter.
{ tap 40 Enter; tap 80 Enter
  echo "81 shot @10-intro-closed.png"; echo "100 shot @11-intro-half.png"; echo "150 shot @12-ready.png"
  echo "195 down Right"; echo "260 shot @13-play.png"
  echo "300 down Escape"; echo "302 up Escape"; echo "330 shot @14-pause.png"; tap 340 Enter
  echo "360 down Ctrl"; echo "362 up Ctrl"; echo "400 shot @15-map.png"; tap 420 Ctrl; echo "425 shot @16-map-return.png"
  echo "640 shot @17-result.png"; echo "772 shot @18-outro.png"
} | run play 773

# The ending, through a copy of the floors whose floor 56 is floor 1.
ending=$work/ending-sources
mkdir -p "$ending"
cp "$sources"/floor-*.txt "$ending/"
cp "$sources/floor-01.txt" "$ending/floor-56.txt"
"$floors" compile --sources "$ending" --out "$game/floor.dat" >/dev/null
{ downs 30 1; tap 60 Enter; tap 62 Left; tap 64 Enter; tap 95 Enter; tap 98 Enter; echo "100 down Right"
  echo "720 shot @19-ending-intro.png"; echo "800 shot @20-ending-rising.png"; echo "1300 shot @21-ending.png"
} | run ending 1301
