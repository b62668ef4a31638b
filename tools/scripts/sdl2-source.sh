#!/bin/sh
# Unpacks Debian's own SDL2 source (with Debian's patches) into DEST/src, for
# the builds that cannot use the system's SDL2 (Windows, the browser). apt
# fetches it through a source list and lists folder of our own, so the
# machine's apt configuration is never touched. A second run does nothing.
#   tools/scripts/sdl2-source.sh build/sdl2
set -e
dest=${1:?usage: $0 DEST}
[ -f "$dest/src/CMakeLists.txt" ] && { echo "$dest/src"; exit 0; }
mkdir -p "$dest/apt/lists/partial" "$dest/download"
dest=$(cd "$dest" && pwd)
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
  > "$dest/apt/sources.list"
apt_private() {
  apt-get -q -o Dir::Etc::SourceList="$dest/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$dest/apt/lists" -o Debug::NoDropPrivs=true "$@"
}
apt_private update >&2
(cd "$dest/download" && apt_private source --download-only libsdl2 >&2)
rm -rf "$dest/src.part"
dpkg-source --no-check -x "$dest"/download/libsdl2_*.dsc "$dest/src.part" >&2
mv "$dest/src.part" "$dest/src"
echo "$dest/src"
