#!/bin/sh
# Builds the art of an earlier commit, to set beside today's:
#   art-before.sh REF OUT_DIR
# unpacks REF's tree into OUT_DIR/src, builds only its quorrel-assets there
# (the compiler cache, if one is set in the environment, serves the build) and
# leaves OUT_DIR/data.dat and OUT_DIR/floors, that commit's floor sources.
# Nothing of the working tree or its build changes.
set -eu
ref=$1 out=$2
commit=$(git rev-parse --verify "$ref^{commit}")
mkdir -p "$out"
out=$(cd "$out" && pwd)
stamp="$out/commit"
# The same commit is unpacked and built once; another one starts afresh.
if [ "$(cat "$stamp" 2>/dev/null)" != "$commit" ]; then
  rm -rf "${out:?}/src" "$out/data.dat" "$out/floors" "$stamp"
  mkdir -p "$out/src"
  git archive "$commit" | tar -x -C "$out/src"
fi
(cd "$out/src" && cmake --preset release >/dev/null && \
  cmake --build --preset release --target quorrel-assets -j "${ART_BEFORE_JOBS:-2}")
mkdir -p "$out/game"
"$out/src/build/release/quorrel-assets" --out "$out/game" >/dev/null
cp "$out/game/data.dat" "$out/data.dat"
rm -rf "$out/floors"
cp -r "$out/src/assets/floors" "$out/floors"
echo "$commit" >"$stamp"
echo "built the art of $ref ($commit) into $out"
