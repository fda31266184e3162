#!/usr/bin/env bash
# Builds libjpeg-turbo as a static library for both mingw targets from Debian's source
# package, into build/deps/libjpeg-win64 and build/deps/libjpeg-win32. Skips a target that is
# already installed. The sources stay under build/ and are never committed. With the SIMD
# decoders (nasm): the background picture decodes at every opening, a few times faster.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
deps=$root/build/deps
mkdir -p "$deps"
exec 9>"$deps/.libjpeg.lock"
flock 9

# The stamp tells a SIMD build from an earlier plain one, which is built again.
installed() { [ -f "$deps/libjpeg-$1/lib/libjpeg.a" ] && [ -f "$deps/libjpeg-$1/include/jpeglib.h" ] &&
              [ -f "$deps/libjpeg-$1/.simd" ]; }
if installed win64 && installed win32; then exit 0; fi

# Debian's source lists (ensure_deb_src), shared with build-sqlite.sh.
source "$root/tools/setup/deb-src.sh"

src_parent=$deps/src
find_src() { compgen -G "$src_parent/libjpeg-turbo-*/CMakeLists.txt" | head -n1 | xargs -r dirname; }
src_dir=$(find_src || true)
if [ -z "$src_dir" ]; then
  if ensure_deb_src || ! ls /var/lib/apt/lists/*_Sources* >/dev/null 2>&1; then
    apt-get update -qq
  fi
  mkdir -p "$src_parent"
  echo "libjpeg: fetching Debian's libjpeg-turbo source package"
  (cd "$src_parent" && apt-get source -qq libjpeg-turbo >/dev/null 2>"$src_parent/apt-source.log") || {
    cat "$src_parent/apt-source.log" >&2; exit 1; }
  src_dir=$(find_src || true)
  [ -n "$src_dir" ] || { echo "libjpeg: no source tree after apt-get source" >&2; exit 1; }
fi

build_one() {
  local name=$1 toolchain=$2
  installed "$name" && return 0
  echo "libjpeg: building for $name"
  local bdir=$deps/build/libjpeg-$name log=$deps/build/libjpeg-$name.log
  rm -rf "$bdir" && mkdir -p "$bdir"
  # One chain: a failing step must stop here (set -e does not apply left of ||).
  {
    cmake -S "$src_dir" -B "$bdir" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
      -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$deps/libjpeg-$name" \
      -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DWITH_TURBOJPEG=OFF \
      -DWITH_JPEG8=OFF &&
    cmake --build "$bdir" -j2 &&
    cmake --install "$bdir" &&
    touch "$deps/libjpeg-$name/.simd"
  } >"$log" 2>&1 && installed "$name" ||
    { tail -n 40 "$log" >&2; echo "libjpeg: $name build failed, see $log" >&2; exit 1; }
}

build_one win64 toolchain-mingw64.cmake
build_one win32 toolchain-mingw32.cmake
