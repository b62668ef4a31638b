#!/bin/sh
# Unpacks the source of one Debian package (with Debian's patches) into
# DEST/src, fetched by apt through a source list and lists folder of our own,
# so the machine's apt configuration is never touched. A second run does nothing.
#   tools/scripts/debian-source.sh libpng1.6 build/windows/libpng
set -e
package=${1:?usage: $0 PACKAGE DEST}; dest=${2:?usage: $0 PACKAGE DEST}
[ -f "$dest/src/.unpacked" ] && { echo "$dest/src"; exit 0; }
mkdir -p "$dest/apt/lists/partial" "$dest/download"
dest=$(cd "$dest" && pwd)
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
  > "$dest/apt/sources.list"
apt_private() {
  apt-get -q -o Dir::Etc::SourceList="$dest/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$dest/apt/lists" -o Debug::NoDropPrivs=true "$@"
}
apt_private update >&2
(cd "$dest/download" && apt_private source --download-only "$package" >&2)
rm -rf "$dest/src.part"
dpkg-source --no-check -x "$dest"/download/*.dsc "$dest/src.part" >&2
touch "$dest/src.part/.unpacked"
mv "$dest/src.part" "$dest/src"
echo "$dest/src"
