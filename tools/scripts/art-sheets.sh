#!/bin/sh
# The scene tour of one data.dat with each filter, and a contact sheet of each:
#   art-sheets.sh BUILD_DIR DATA.DAT SOURCES_DIR OUT_DIR NAME
# writes OUT_DIR/NAME-point/*.png, OUT_DIR/NAME-linear/*.png and the sheets
# OUT_DIR/NAME-point.png and OUT_DIR/NAME-linear.png.
set -eu
build=$1 data=$2 sources=$3 out=$4 name=$5
here=$(dirname "$0")
for filter in point linear; do
  rm -rf "${out:?}/$name-$filter"
  sh "$here/scene-tour.sh" "$build" "$data" "$sources" "$out/$name-$filter" "$filter"
  "$build/quorrel-assets" --sheet "$out/$name-$filter.png" "$out/$name-$filter"/*.png
  echo "wrote $out/$name-$filter.png"
done
