#!/usr/bin/env bash
# Creates the project's Wine prefix (build/wine/prefix) once: 64-bit, sound through ALSA's
# null device (these machines have no sound card), windows not managed by a window manager.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

ready=$WINEPREFIX/.tutor-ready
[ -f "$ready" ] && exit 0
wine_lock
[ -f "$ready" ] && exit 0

echo "wine: creating the prefix in $WINEPREFIX"
mkdir -p "$HOME"
# MCI playback needs a PCM device that accepts and discards samples at the real rate.
cat >"$HOME/.asoundrc" <<'ALSA'
pcm.!default {
  type null
}
ALSA

# No X display is needed to create a prefix; an inherited one would only show dialogs.
unset DISPLAY
wine wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d alsa /f >/dev/null
# A crash prints its backtrace to the log instead of waiting in a dialog nobody sees.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
wineserver -w
touch "$ready"
echo "wine: prefix ready"
