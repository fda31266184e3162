# Sourced by the scripts that build from Debian's source packages.
# Debian's source lists: add deb-src twins of the Debian entries when there are none.
ensure_deb_src() {
  if grep -Eqs '^[[:space:]]*(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    return 1
  fi
  echo "setup: adding deb-src entries for Debian's mirrors"
  local f lines stanzas
  if [ -f /etc/apt/sources.list ]; then
    lines=$(sed -n 's/^[[:space:]]*deb[[:space:]]\(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list)
    [ -z "$lines" ] || printf '%s\n' "$lines" >/etc/apt/sources.list.d/tutor-deb-src.list
  fi
  stanzas=$(for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /URIs:[^\n]*debian/ && /Types:[^\n]*deb/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
  done)
  [ -z "$stanzas" ] || printf '%s\n' "$stanzas" >/etc/apt/sources.list.d/tutor-deb-src.sources
  return 0
}
