#!/bin/sh
# Packs the zip a Windows player unpacks: the game, SDL2.dll, data.dat,
# floor.dat and the players' README, in one folder named quorrel.
#   tools/windows/package.sh BUILD_DIR GAME_DIR SDL2_DLL OUT.zip
set -e
build=${1:?usage: $0 BUILD_DIR GAME_DIR SDL2_DLL OUT.zip}; game=$2; dll=$3; out=$4
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d); trap 'rm -rf "$stage"' EXIT
mkdir "$stage/quorrel"
# The players' copies carry no debugging information or symbols.
x86_64-w64-mingw32-strip -o "$stage/quorrel/quorrel.exe" "$build/quorrel.exe"
x86_64-w64-mingw32-strip -o "$stage/quorrel/SDL2.dll" "$dll"
cp "$game/data.dat" "$game/floor.dat" "$stage/quorrel/"
# Windows line ends, so Notepad shows the README as written.
sed 's/$/\r/' "$here/README-players.txt" > "$stage/quorrel/README.txt"
rm -f "$out.part"
out_dir=$(cd "$(dirname "$out")" && pwd)
(cd "$stage" && zip -q -X -r "$out_dir/$(basename "$out").part" quorrel)
mv "$out_dir/$(basename "$out").part" "$out_dir/$(basename "$out")"
echo "$out"
