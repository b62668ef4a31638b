#!/bin/sh
# Fails on an include that goes the wrong way between the layers (app ->
# frontend -> play -> scene and world -> platform), on an SDL header outside
# platform's SDL part, and on a tool including a layer it is not built on.
# Platform's core, headless and web parts count as layers of their own
# (platform/core, ...): the core includes nothing else of platform.
#   tools/scripts/check-layers.sh [SOURCE_DIR]
root=${1:-.}
faults=0
# check FOLDER DEPTH ALLOWED...: every "x/..." or "x/y/..." include of a file
# under FOLDER (DEPTH folders deep, "" for any) names an allowed x or x/y.
check() {
  folder=$1; depth=$2; shift 2
  allowed=" $* "
  for file in $(find "$root/$folder" ${depth:+-maxdepth $depth} \( -name '*.cpp' -o -name '*.hpp' \) | sort); do
    for layer in $(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\(/[a-z_]*\)\{0,1\}\)/[^/"]*".*|\1|p' "$file" | sort -u); do
      case $allowed in
        *" $layer "*) ;;
        *) echo "${file#"$root"/}: includes $layer/, which $folder may not"; faults=$((faults + 1)) ;;
      esac
    done
    case $file in
      "$root"/src/platform/sdl/*) ;;
      *) if grep -q '^[[:space:]]*#[[:space:]]*include[[:space:]]*<SDL' "$file"; then
           echo "${file#"$root"/}: includes SDL, which only src/platform/sdl may"; faults=$((faults + 1))
         fi ;;
    esac
  done
}
core=platform/core
check src/platform/core "" $core
check src/platform/headless "" $core platform/headless
check src/platform/web "" $core platform/web
check src/platform 1 platform $core platform/headless platform/sdl
check src/platform/sdl "" platform $core platform/headless platform/sdl
check src/world "" world $core
check src/scene "" scene
check src/play "" play scene world platform $core
check src/frontend "" frontend play scene world platform $core
check src/app "" app frontend play scene world platform $core platform/web
check tools/sim "" sim world $core
check tools/assets "" assets $core
check tools/floors "" floors assets frontend play scene world platform $core platform/headless
check tools/headless "" headless app frontend play scene world platform $core platform/headless
# The page's simulator and editor module are built on the world alone.
check tools/web "" floors sim world $core
[ "$faults" -eq 0 ] && echo "every include goes the right way"
[ "$faults" -eq 0 ]
