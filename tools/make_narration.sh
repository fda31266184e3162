#!/bin/sh
# Makes the demo narration: OUTDIR/open.wav and OUTDIR/1.wav .. OUTDIR/34.wav, 22050 Hz mono
# 16-bit PCM, spoken by espeak-ng and normalised by sox. The words come from one table,
# resources/narration.txt (name, a tab, the words), which can also serve as captions.
#
#   tools/make_narration.sh OUTDIR [TABLE]
#
# A file newer than the table is kept, so a build can call this on every run.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 OUTDIR [TABLE]" >&2
    exit 2
fi
out=$1
table=${2:-$(dirname "$0")/../resources/narration.txt}
[ -r "$table" ] || { echo "$0: cannot read $table" >&2; exit 1; }
for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$0: $tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

tab=$(printf '\t')
grep -v '^#' "$table" | while IFS="$tab" read -r name text; do
    [ -n "$name" ] || continue
    case $name in
        */* | *..* | '') echo "$0: bad file name '$name' in $table" >&2; exit 1 ;;
    esac
    [ -n "$text" ] || { echo "$0: $name has no words in $table" >&2; exit 1; }
    target="$out/$name"
    [ -s "$target" ] && [ "$target" -nt "$table" ] && continue
    espeak-ng -v en-us -s 165 -w "$tmp/raw.wav" "$text"
    # Trim espeak's trailing silence, keep a short lead-in, fix the format.
    sox -q "$tmp/raw.wav" -r 22050 -c 1 -b 16 -e signed-integer "$tmp/$name" \
        reverse silence 1 0.02 0.5% reverse pad 0.1 0.15
    mv "$tmp/$name" "$target"
    echo "$target"
done
