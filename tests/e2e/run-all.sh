#!/usr/bin/env bash
# Runs every tests/e2e/test_*.sh, each on a fresh Xvfb, all in the project's Wine prefix,
# and prints `N passed, M failed` over the test files.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/tools/setup/wine-env.sh"
wine_lock || exit 1
"$root/tools/setup/wine-prefix.sh" || exit 1

logs=$root/build/e2e/logs
mkdir -p "$logs"
timeout_s=${E2E_TIMEOUT:-600}
passed=0
failed=0
failures=()

shopt -s nullglob
tests=("$root"/tests/e2e/test_*.sh)
if [ ${#tests[@]} -eq 0 ]; then
  echo "no end-to-end tests yet"
fi

for test in "${tests[@]}"; do
  name=$(basename "$test" .sh)
  echo "=== $name"
  E2E_FRESH_X=1 timeout --kill-after=10 "$timeout_s" \
    "$root/tools/setup/xvfb.sh" bash "$test" 2>&1 | tee "$logs/$name.log"
  status=${PIPESTATUS[0]}
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
  else
    [ "$status" -ne 124 ] || echo "FAIL $name: still running after ${timeout_s}s"
    failed=$((failed + 1))
    failures+=("$name")
  fi
  # Nothing of this test may linger into the next one.
  "$WINESERVER" -k 2>/dev/null || true
  timeout 10 "$WINESERVER" -w 2>/dev/null || true
done

[ ${#failures[@]} -eq 0 ] || echo "failed: ${failures[*]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
