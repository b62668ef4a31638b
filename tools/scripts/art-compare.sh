#!/bin/sh
# Sets each scene's shot before and after side by side, one sheet a scene:
#   art-compare.sh BUILD_DIR OUT_DIR
# reads OUT_DIR/before-FILTER/*.png and OUT_DIR/after-FILTER/*.png (written
# by art-sheets.sh) and writes OUT_DIR/compare-FILTER/NAME.png for every
# scene both have, captioned BEFORE and AFTER.
set -eu
build=$1 out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for filter in point linear; do
  [ -d "$out/before-$filter" ] && [ -d "$out/after-$filter" ] || continue
  rm -rf "${out:?}/compare-$filter"
  mkdir -p "$out/compare-$filter"
  n=0
  for after in "$out/after-$filter"/*.png; do
    name=$(basename "$after" .png)
    before="$out/before-$filter/$name.png"
    [ -f "$before" ] || continue
    cp "$before" "$work/before-$name.png"
    cp "$after" "$work/after-$name.png"
    "$build/quorrel-assets" --sheet "$out/compare-$filter/$name.png" --columns 2 \
      "$work/before-$name.png" "$work/after-$name.png" >/dev/null
    n=$((n + 1))
  done
  echo "wrote $n before and after pairs into $out/compare-$filter"
done
