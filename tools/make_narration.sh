#!/bin/sh
# Makes the demo narration: OUTDIR/open.wav and OUTDIR/1.wav .. OUTDIR/34.wav,
# 22050 Hz mono 16-bit PCM, spoken by espeak-ng and normalised by sox.
#
#   tools/make_narration.sh OUTDIR
#
# Files that already exist are kept, so a build can call this on every run.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi
out=$1
for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$0: $tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"

# name|sentence, one clip a line
lines='open|Welcome to the company set-up assistant.
1|Choose where to keep your company files.
2|Enter the name of your company.
3|Type the company address.
4|Add a telephone number and e-mail.
5|Pick the first month of your fiscal year.
6|Choose how many accounting periods you use.
7|Select your home currency.
8|Add the other currencies you trade in.
9|Choose a ready-made chart of accounts.
10|Review your accounts and add new ones.
11|Set the default accounts for posting.
12|Enter your sales tax settings.
13|Add the vendors you buy from.
14|Set the payment terms for vendors.
15|Add your employees.
16|Choose how you pay your employees.
17|Add the customers you sell to.
18|Set the credit terms for customers.
19|List the items you keep in stock.
20|Choose how inventory is valued.
21|Add the jobs you want to track.
22|Set up job phases and cost codes.
23|Add your bank accounts.
24|Enter the opening bank balance.
25|Add the locations where you keep stock.
26|Enter the opening balances of your accounts.
27|Make sure debits equal credits.
28|Set a password to protect your data.
29|Choose who may sign in.
30|Pick the reports you want to print.
31|Choose a folder for your backups.
32|Review your choices before you finish.
33|Your company is being created.
34|All done. Your company is ready to use.'

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

printf '%s\n' "$lines" | while IFS='|' read -r name text; do
    target="$out/$name.wav"
    [ -s "$target" ] && continue
    espeak-ng -v en-us -s 165 -w "$tmp/raw.wav" "$text"
    # Trim espeak's trailing silence, keep a short lead-in, fix the format.
    sox -q "$tmp/raw.wav" -r 22050 -c 1 -b 16 -e signed-integer "$tmp/$name.wav" \
        reverse silence 1 0.02 0.5% reverse pad 0.1 0.15
    mv "$tmp/$name.wav" "$target"
    echo "$target"
done
