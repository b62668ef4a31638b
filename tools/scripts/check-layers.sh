#!/bin/sh
# Fails on an include that goes the wrong way between the layers (app ->
# frontend -> play -> scene and world -> platform), on an SDL header outside
# platform, and on a tool including a layer it is not built on.
#   tools/scripts/check-layers.sh [SOURCE_DIR]
root=${1:-.}
faults=0
# check FOLDER ALLOWED...: every "x/..." include under FOLDER names an allowed x.
check() {
  folder=$1; shift
  allowed=" $* "
  for file in $(find "$root/$folder" -name '*.cpp' -o -name '*.hpp' | sort); do
    for layer in $(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' "$file" | sort -u); do
      case $allowed in
        *" $layer "*) ;;
        *) echo "${file#"$root"/}: includes $layer/, which $folder may not"; faults=$((faults + 1)) ;;
      esac
    done
    if [ "$folder" != src/platform ] && grep -q '^[[:space:]]*#[[:space:]]*include[[:space:]]*<SDL' "$file"; then
      echo "${file#"$root"/}: includes SDL, which only platform may"; faults=$((faults + 1))
    fi
  done
}
check src/platform platform
check src/world world platform
check src/scene scene
check src/play play scene world platform
check src/frontend frontend play scene world platform
check src/app app frontend play scene world platform
check tools/sim sim world platform
check tools/assets assets platform
check tools/floors floors assets frontend play scene world platform
check tools/headless headless app frontend play scene world platform
[ "$faults" -eq 0 ] && echo "every include goes the right way"
[ "$faults" -eq 0 ]
