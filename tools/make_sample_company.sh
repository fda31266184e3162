#!/usr/bin/env bash
# Generates the demo host's sample company database: make_sample_company.sh OUT.gdb
# Written beside OUT first and moved into place, so a failed run leaves no half-made file.
set -euo pipefail
out=$1
sql=$(cd "$(dirname "${BASH_SOURCE[0]}")/../demohost/sql" && pwd)
tmp=$out.tmp
rm -f "$tmp"
sqlite3 -bail "$tmp" ".read $sql/company_schema.sql" ".read $sql/sample_company.sql" \
  "PRAGMA integrity_check;" >/dev/null
mv -f "$tmp" "$out"
