#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are there.
# Only the 64-bit Wine loader: 32-bit programs cannot run on these machines.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  wine64 xvfb xdotool imagemagick x11-utils fonts-dejavu-core fonts-liberation
  espeak-ng sox python3-pil tcl sqlite3
  make cmake ninja-build dpkg-dev nlohmann-json3-dev libjpeg-dev nasm
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "deps: done"
