#!/bin/sh
# Builds the libraries the Windows programs need from Debian's own sources,
# with the mingw-w64 toolchain, and installs them into PREFIX: SDL2 as
# SDL2.dll with its import library, zlib and libpng as static libraries (the
# atlas decoder is the only user of either). Sources and builds are kept under
# CACHE, so a second run only checks that each install is there.
#   tools/windows/build-deps.sh build/windows build/windows/deps
set -e
cache=${1:?usage: $0 CACHE PREFIX}; prefix=${2:?usage: $0 CACHE PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$prefix"; prefix=$(cd "$prefix" && pwd)

# build NAME SOURCE CMAKE-OPTION...: configure, build and install one library once.
build() {
  name=$1; src=$2; shift 2
  [ -f "$prefix/.$name-done" ] && return 0
  cmake -S "$src" -B "$cache/$name/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" -DQUORREL_WINDOWS_DEPS="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
  cmake --build "$cache/$name/build" -j2
  cmake --install "$cache/$name/build"
  touch "$prefix/.$name-done"
}

build sdl2 "$(sh "$here/../scripts/debian-source.sh" libsdl2 "$cache/sdl2")" \
  -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON

if [ ! -f "$prefix/.zlib-done" ]; then
  # Only the static library: Debian's source lacks what the DLL's resources
  # need, and libpng is its one user. Installed by hand under the name
  # CMake's FindZLIB looks for first.
  src=$(sh "$here/../scripts/debian-source.sh" zlib "$cache/zlib")
  cmake -S "$src" -B "$cache/zlib/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix"
  cmake --build "$cache/zlib/build" -j2 --target zlibstatic
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$cache/zlib/build/libzlibstatic.a" "$prefix/lib/libz.a"
  cp "$src/zlib.h" "$cache/zlib/build/zconf.h" "$prefix/include/"
  touch "$prefix/.zlib-done"
fi

build libpng "$(sh "$here/../scripts/debian-source.sh" libpng1.6 "$cache/libpng")" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF -Dld-version-script=OFF
