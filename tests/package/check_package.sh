#!/bin/sh
# check_package.sh PACKAGE_DIR TESTS WITH_XVFB
# The Debian package that `make package` left in PACKAGE_DIR: lintian finds no
# error, the desktop entry and the metainfo validate, and the game unpacked
# into a folder of its own runs from another one (TESTS --gtest_filter
# PackagedGame.*, under its own X server). Skipped (77) when there is no package.
set -u
dir="$1"; tests="$2"; xvfb="$3"
deb=$(ls "$dir"/quorrel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package in $dir (make package builds it)"; exit 77; }
root=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-package.XXXXXX") || exit 1
trap 'rm -rf "$root"' EXIT
failed=""

echo "== lintian $deb"
lintian --allow-root --fail-on error "$deb" || failed="$failed lintian"

dpkg-deb -x "$deb" "$root" || exit 1
for f in "$root"/usr/share/applications/*.desktop; do
    echo "== desktop-file-validate ${f#"$root"}"
    desktop-file-validate "$f" || failed="$failed desktop-file-validate"
done
for f in "$root"/usr/share/metainfo/*.xml; do
    echo "== appstreamcli validate ${f#"$root"}"
    appstreamcli validate --no-net "$f" || failed="$failed appstreamcli"
done

echo "== the unpacked game"
QUORREL_PACKAGE_ROOT="$root" sh "$xvfb" "$tests" --gtest_filter='PackagedGame.*' || failed="$failed game"

[ -z "$failed" ] || { echo "failed:$failed"; exit 1; }
