# Sourced by every script that runs Wine: the project's own prefix and HOME, no debug noise,
# no Mono/Gecko install prompts, no desktop menu entries. Only the 64-bit loader exists here.
_tutor_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export TUTOR_ROOT=$_tutor_root
export WINEPREFIX=$_tutor_root/build/wine/prefix
export WINEARCH=win64
export HOME=$_tutor_root/build/wine/home
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# type -P: programs on PATH only, never the shell functions defined below.
WINE=$(type -P wine || echo /usr/lib/wine/wine64)
WINESERVER=$(type -P wineserver || echo /usr/lib/wine/wineserver)
export WINE WINESERVER
wine() { "$WINE" "$@"; }
wineserver() { "$WINESERVER" "$@"; }
winepath() { "$WINE" winepath "$@" | tr -d '\r'; }
export -f wine wineserver winepath
unset _tutor_root
