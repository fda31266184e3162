#!/usr/bin/env bash
# Checks the shipped PE images as the host and Windows see them: the export table, the DLLs
# they import (system DLLs only: the runtime is linked in), ASLR/DEP flags and the machine.
#   tests/dll/inspect.sh [ARCH:BIN_DIR ...]     ARCH is win64 or win32
# Default: win64:build/win64/bin win32:build/win32/bin.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("win64:$root/build/win64/bin" "win32:$root/build/win32/bin")

allowed_imports='^(kernel32|user32|gdi32|winmm|advapi32|ole32|oleaut32|oleacc|comctl32|comdlg32|msimg32|shell32|shlwapi|msvcrt|api-ms-win-.*)\.dll$'
readonly IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA=0x20
readonly IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE=0x40
readonly IMAGE_DLLCHARACTERISTICS_NX_COMPAT=0x100

passed=0
failed=0
# Callers take the status into a variable first: an argument holding $(...) would reset $?.
check() {  # check LABEL STATUS [DETAIL]
  if [ "$2" -eq 0 ]; then
    passed=$((passed + 1)); echo "ok   $1"
  else
    failed=$((failed + 1)); echo "FAIL $1${3:+: $3}"
  fi
}

# Exported names, one a line, and the number of entries in the export address table.
export_names() {
  awk '/^\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
       on && /^[ \t]*$/ { on = 0 }
       on && /^[ \t]*\[ *[0-9]+\]/ { sub(/^[ \t]*\[ *[0-9]+\] */, ""); print }' <<<"$1"
}
export_count() {
  awk '/^Export Address Table -- / { on = 1; next }
       on && /^[ \t]*$/ { on = 0 }
       on && /^[ \t]*\[ *[0-9]+\]/ { n++ }
       END { print n + 0 }' <<<"$1"
}

inspect() {  # inspect ARCH FILE KIND(dll|exe)
  local arch=$1 file=$2 kind=$3 tag objdump format magic
  tag="$arch $(basename "$file")"
  case $arch in
    win64) objdump=x86_64-w64-mingw32-objdump format=pei-x86-64 magic="020b (PE32+)" ;;
    win32) objdump=i686-w64-mingw32-objdump format=pei-i386 magic="010b (PE32)" ;;
    *) check "$tag: known architecture" 1 "$arch"; return ;;
  esac
  if [ ! -f "$file" ]; then
    check "$tag: built" 1 "$file is missing"
    return
  fi

  local headers private
  headers=$($objdump -f "$file" 2>&1)
  private=$($objdump -p "$file" 2>&1)

  local got_format got_magic
  got_format=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$headers" | head -n1)
  got_magic=$(awk '$1 == "Magic" { print $2, $3 }' <<<"$private")
  local ok
  [ "$got_format" = "$format" ] && [ "$got_magic" = "$magic" ]; ok=$?
  check "$tag: $format image, magic $magic" $ok "format ${got_format:-unknown}, magic ${got_magic:-none}"

  if [ "$kind" = dll ]; then
    local names count
    names=$(export_names "$private" | paste -sd' ')
    count=$(export_count "$private")
    [ "$names" = "LaunchTutorial" ] && [ "$count" -eq 1 ]; ok=$?
    check "$tag: exports exactly LaunchTutorial" $ok "names [$names], $count address entries"
  fi

  local imports bad
  imports=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$private" | sort -u)
  bad=$(grep -Ev "$allowed_imports" <<<"$imports" | paste -sd' ')
  [ -n "$imports" ] && [ -z "$bad" ]; ok=$?
  check "$tag: imports Windows system DLLs only ($(paste -sd' ' <<<"$imports"))" $ok \
    "not allowed: ${bad:-no import table found}"

  local flags
  flags=$(awk '$1 == "DllCharacteristics" { print $2 }' <<<"$private")
  flags=$((16#${flags:-0}))
  local shown
  shown="DllCharacteristics $(printf 0x%x "$flags")"
  (( flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE )); ok=$?
  check "$tag: DYNAMIC_BASE (ASLR)" $ok "$shown"
  (( flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT )); ok=$?
  check "$tag: NX_COMPAT (DEP)" $ok "$shown"
  if [ "$arch" = win64 ]; then
    (( flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA )); ok=$?
    check "$tag: HIGH_ENTROPY_VA" $ok "$shown"
  fi
  # Without base relocations the loader cannot move the image, whatever the flag says.
  $objdump -h "$file" 2>/dev/null | grep -Eq '^ +[0-9]+ \.reloc '; ok=$?
  check "$tag: has base relocations" $ok "no .reloc section"
}

if ! compgen -G "$root/dll/*.cpp" >/dev/null && [ $# -eq 0 ]; then
  echo "skip: dll/ has no sources yet, no Tutor.dll to inspect"
  echo "0 passed, 0 failed"
  exit 0
fi

for target in "${targets[@]}"; do
  arch=${target%%:*}
  dir=${target#*:}
  inspect "$arch" "$dir/Tutor.dll" dll
  if compgen -G "$root/demohost/*.cpp" >/dev/null || [ -f "$dir/DemoHost.exe" ]; then
    inspect "$arch" "$dir/DemoHost.exe" exe
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
