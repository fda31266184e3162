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

# One run at a time in the prefix: runs with different X servers cannot share Wine's desktop
# process, and a run's cleanup (wineserver -k) would end the other run's programs. The lock
# lives as long as the shell that took it (and Wine processes that inherited it); programs it
# starts see TUTOR_WINE_LOCKED and do not lock again.
wine_lock() {
  [ "${TUTOR_WINE_LOCKED:-}" = 1 ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 8>"$WINEPREFIX.lock"
  if ! flock -n 8; then
    echo "wine: waiting for another run in $WINEPREFIX to end..." >&2
    flock -w "${TUTOR_WINE_LOCK_WAIT:-1800}" 8 || { echo "wine: gave up waiting" >&2; return 1; }
  fi
  export TUTOR_WINE_LOCKED=1
}
unset _tutor_root
