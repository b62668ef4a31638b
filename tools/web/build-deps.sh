#!/bin/sh
# Builds the libraries the browser build links, from Debian's own sources,
# with emscripten's toolchain, into BUILD_DIR/prefix (static, no threads):
# SDL2, then zlib and libpng for the atlas decoder. emscripten's ports would
# download them at build time. A library already there is not rebuilt.
#   tools/web/build-deps.sh build/web-deps
set -e
root=${1:?usage: $0 BUILD_DIR}
mkdir -p "$root"
root=$(cd "$root" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../scripts
prefix=$root/prefix
jobs=${JOBS:-2}

# emscripten's optimiser needs Debian's acorn on node's module path.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

configure_and_install() {
  src=$1; build=$2; shift 2
  emcmake cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" "$@"
  nice cmake --build "$build" -j "$jobs"
  cmake --install "$build"
}

if [ ! -f "$prefix/lib/libSDL2.a" ]; then
  src=$(sh "$scripts/debian-source.sh" libsdl2 "$root/sdl2")
  # Only what the game uses: video, events, audio, timers. No threads, so the
  # page needs no cross-origin isolation and any static server can serve it.
  configure_and_install "$src" "$root/sdl2/build" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF \
    -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF -DSDL_HIDAPI=OFF -DSDL_POWER=OFF \
    -DSDL_FILESYSTEM=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=ON
fi

if [ ! -f "$prefix/lib/libz.a" ]; then
  src=$(sh "$scripts/debian-source.sh" zlib "$root/zlib")
  # zlib's CMake file wants its Windows resources, and its configure step
  # renames a header in the source; the few files libpng needs are compiled
  # directly instead.
  mkdir -p "$root/zlib/build" "$prefix/lib" "$prefix/include"
  for f in adler32 compress crc32 deflate infback inffast inflate inftrees trees uncompr zutil; do
    nice emcc -O2 -c "$src/$f.c" -o "$root/zlib/build/$f.o"
  done
  emar rcs "$root/zlib/build/libz.a" "$root/zlib/build"/*.o
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
  cp "$root/zlib/build/libz.a" "$prefix/lib/"
fi

if [ ! -f "$prefix/lib/libpng.a" ]; then
  src=$(sh "$scripts/debian-source.sh" libpng1.6 "$root/libpng")
  configure_and_install "$src" "$root/libpng/build" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON \
    -DZLIB_ROOT="$prefix" -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
fi
