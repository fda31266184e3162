#!/usr/bin/env bash
# Builds SQLite as a static library for both mingw targets from Debian's source package, into
# build/deps/sqlite-win64 and build/deps/sqlite-win32 (the demo host's company databases).
# The source tree is turned into the single-file amalgamation with the native compiler and
# tclsh once, then compiled by each cross compiler. Skips a target that is already installed.
# The sources stay under build/ and are never committed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
deps=$root/build/deps
mkdir -p "$deps"
exec 9>"$deps/.sqlite.lock"
flock 9

installed() { [ -f "$deps/sqlite-$1/lib/libsqlite3.a" ] && [ -f "$deps/sqlite-$1/include/sqlite3.h" ]; }
if installed win64 && installed win32; then exit 0; fi

src_parent=$deps/src
find_src() { compgen -G "$src_parent/sqlite3-*/src/sqliteInt.h" | head -n1 | xargs -r dirname | xargs -r dirname; }
src_dir=$(find_src || true)
if [ -z "$src_dir" ]; then
  source "$root/tools/setup/deb-src.sh"
  if ensure_deb_src || ! ls /var/lib/apt/lists/*_Sources* >/dev/null 2>&1; then
    apt-get update -qq
  fi
  mkdir -p "$src_parent"
  echo "sqlite: fetching Debian's sqlite3 source package"
  (cd "$src_parent" && apt-get source -qq sqlite3 >/dev/null 2>"$src_parent/apt-source-sqlite.log") || {
    cat "$src_parent/apt-source-sqlite.log" >&2; exit 1; }
  src_dir=$(find_src || true)
  [ -n "$src_dir" ] || { echo "sqlite: no source tree after apt-get source" >&2; exit 1; }
fi

amalgamation=$deps/build/sqlite-amalgamation
if [ ! -f "$amalgamation/sqlite3.c" ] || [ ! -f "$amalgamation/sqlite3.h" ]; then
  echo "sqlite: generating the amalgamation"
  rm -rf "$amalgamation" && mkdir -p "$amalgamation"
  log=$deps/build/sqlite-amalgamation.log
  { (cd "$amalgamation" && "$src_dir/configure" CC=clang --disable-tcl && make sqlite3.c); } >"$log" 2>&1 ||
    { tail -n 40 "$log" >&2; echo "sqlite: amalgamation failed, see $log" >&2; exit 1; }
fi

# Single-threaded host, no extension loading; foreign keys on so the schema's references hold.
cflags=(-O2 -DSQLITE_THREADSAFE=0 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_FOREIGN_KEYS=1
        -DSQLITE_DQS=0 -DSQLITE_WIN32_MALLOC)

build_one() {
  local name=$1 triplet=$2
  installed "$name" && return 0
  echo "sqlite: building for $name"
  local bdir=$deps/build/sqlite-$name prefix=$deps/sqlite-$name log=$deps/build/sqlite-$name.log
  rm -rf "$bdir" && mkdir -p "$bdir"
  {
    "$triplet-gcc" "${cflags[@]}" -c "$amalgamation/sqlite3.c" -o "$bdir/sqlite3.o" &&
    "$triplet-ar" rcs "$bdir/libsqlite3.a" "$bdir/sqlite3.o" &&
    mkdir -p "$prefix.tmp/lib" "$prefix.tmp/include" &&
    cp "$bdir/libsqlite3.a" "$prefix.tmp/lib/" &&
    cp "$amalgamation/sqlite3.h" "$prefix.tmp/include/" &&
    rm -rf "$prefix" && mv "$prefix.tmp" "$prefix"
  } >"$log" 2>&1 && installed "$name" ||
    { tail -n 40 "$log" >&2; echo "sqlite: $name build failed, see $log" >&2; exit 1; }
}

build_one win64 x86_64-w64-mingw32
build_one win32 i686-w64-mingw32
