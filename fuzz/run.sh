#!/bin/sh
# run.sh check|fuzz HARNESS NAME SOURCE_DIR BUILD_DIR [SECONDS|RUNS]
#   check: every seed of fuzz/corpus/NAME, then a short fixed run of RUNS
#          inputs (default 2000).
#   fuzz:  SECONDS of fuzzing; the corpus grows in BUILD_DIR/corpus/NAME,
#          the committed seeds are only read.
# A crash leaves its input in BUILD_DIR/artifacts/NAME/. No loader needs a
# single block of more than 256 MB (the atlas takes 16 MB): a larger one is a
# fault, reported as out-of-memory.
set -eu
mode=$1 harness=$2 name=$3 src=$4 build=$5 limit=${6:-}
seeds="$src/corpus/$name"
artifacts="$build/artifacts/$name"
mkdir -p "$artifacts"
set -- -artifact_prefix="$artifacts/" -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=20
[ -f "$src/$name.dict" ] && set -- "$@" -dict="$src/$name.dict"
case "$mode" in
check)
    # New inputs go to a scratch folder, never into the committed seeds.
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-fuzz-$name.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    "$harness" "$@" -runs="${limit:-2000}" -seed=1 "$scratch" "$seeds"
    ;;
fuzz)
    mkdir -p "$build/corpus/$name"
    "$harness" "$@" -max_total_time="${limit:-60}" -print_final_stats=1 "$build/corpus/$name" "$seeds"
    ;;
*)
    echo "run.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
