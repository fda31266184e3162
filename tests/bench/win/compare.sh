#!/usr/bin/env bash
# The assistant beside the two reference programs (a bare window painting an 800 x 600 picture,
# and a native 21-page wizard), in one Xvfb session per screen size, several interleaved rounds,
# medians; then the ratios the assistant is held to. Reports only: it passes or fails nothing.
#   tests/bench/win/compare.sh [ROUNDS]
# BENCH_SIZES  screen sizes (default "1024x768 1920x1080")
# BENCH_BUILDS the assistants to time, NAME=FOLDER with Tutor.dll and bench_host.exe
#              (default "current=build/win64/bin")
# PERF_REFERENCE_SRC  the reference programs' sources (default: shared/perf beside the tree)
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$root"
rounds=${1:-5}
sizes=${BENCH_SIZES:-1024x768 1920x1080}
builds=${BENCH_BUILDS:-current=build/win64/bin}
work=$root/build/perf
ref=$root/build/perf-reference
mkdir -p "$work"

src=${PERF_REFERENCE_SRC:-}
if [ -z "$src" ]; then
  for candidate in "$root/../shared/perf" "$root/../../shared/perf"; do
    [ -f "$candidate/build.sh" ] && { src=$(cd "$candidate" && pwd); break; }
  done
fi
if [ ! -x "$ref/wizard.exe" ] || [ ! -x "$ref/baseline.exe" ]; then
  [ -n "$src" ] || { echo "compare: the reference programs' sources are not found (PERF_REFERENCE_SRC)" >&2; exit 1; }
  bash "$src/build.sh" "$ref" >/dev/null
fi

source tools/setup/wine-env.sh
source tools/setup/xvfb.sh
wine_lock
tools/setup/wine-prefix.sh
# The reference programs are measured with an unmanaged X window, as the assistant's is.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

key='HKCU\Software\Tavrilenk\Zendri Accounting 2000'
# seed KIND: a clean registry and table folder. "creation": a company being set up, steps 1
# to 5 can be walked; "setup": an open company with every task done, steps 7 to 21.
seed() {
  local data=$work/data company=$work/company.gdb
  rm -rf "$data"; mkdir -p "$data"
  wine reg delete 'HKCU\Software\Tavrilenk' /f >/dev/null 2>&1 || true
  wine reg add "$key\\Main" /ve /d "$(winepath -w "$data")\\" /f >/dev/null
  local last=4 path='C:\Company\Z2KData1.gdb' created=false
  if [ "$1" = setup ]; then
    [ -f "$company" ] || tools/make_sample_company.sh "$company"
    last=21 path=$(winepath -w "$company") created=true
  fi
  wine reg add "$key\\Tutorial" /v LastPage /d "$last" /f >/dev/null
  python3 - "$data" "$path" "$created" <<'PY'
import json, sys
data, path, created = sys.argv[1], sys.argv[2], sys.argv[3] == "true"
def field(name, kind, size=0): return {"name": name, "type": kind, "size": size}
def write(name, fields, rows):
    with open(f"{data}/{name}", "w") as f:
        json.dump({"format": "tutor-table", "version": 1, "fields": fields, "rows": rows}, f)
write("TutorComp.cds",
      [field("Name1", "string", 45), field("Name2", "string", 45), field("City", "string", 15),
       field("State", "string", 15), field("Phone1", "string", 10), field("Phone2", "string", 10),
       field("FiscYear", "integer"), field("nbPeriods", "integer"), field("Path", "memo", 2048),
       field("Created", "boolean")],
      [["Acme Trading", "", "Springfield", "", "555-0100", "", 2026, 12, path, created]])
required = [True, True, False, True, True, True, True, True, False, False, False] + [False] * 10
write("TutorTasks.cds", [field("Step", "integer"), field("Accomplished", "boolean"), field("Required", "boolean")],
      [[i + 1, created, required[i]] for i in range(21)])
write("TutorCurrency.cds",
      [field("FirstBaseCode", "string", 5), field("FirstBaseDesc", "string", 20),
       field("SecondBaseCode", "string", 5), field("SecondBaseDesc", "string", 20)],
      [["USD", "US dollar", "LL", "Lebanese pound"]] if created else [])
write("TutorDefAcct.cds", [field(n, "boolean") for n in
      ["Sales", "Receipts", "Purchases", "Disburse", "Payroll", "NotesP", "NotesR"]], [])
PY
}

results=$work/results.txt
: >"$results"
run() {  # run LABEL FOLDER PROGRAM [ARGS...]: its RESULT and STEP lines, labelled
  local label=$1 folder=$2; shift 2
  (cd "$folder" && timeout 120 "$WINE" "$@" 2>/dev/null) | tr -d '\r' |
    awk -v l="$label" '/^(RESULT|STEP) /{print l, $0}' >>"$results" || true
  timeout 20 "$WINESERVER" -w || true
}

for size in $sizes; do
  XVFB_SCREEN=${size}x24 xvfb_start
  for round in $(seq 1 "$rounds"); do
    run "$size baseline" "$ref" baseline.exe bg.bmp 5
    run "$size wizard" "$ref" wizard.exe wizard97 wake
    for build in $builds; do
      name=${build%%=*} folder=$(cd "${build#*=}" && pwd)
      seed creation
      run "$size $name:creation" "$folder" bench_host.exe --steps 4
      seed setup
      run "$size $name:setup" "$folder" bench_host.exe --company "$(winepath -w "$work/company.gdb")" --steps 20
    done
  done
  "$WINESERVER" -k 2>/dev/null || true
  timeout 10 "$WINESERVER" -w 2>/dev/null || true
  xvfb_stop
done
wine reg delete 'HKCU\Software\Tavrilenk' /f >/dev/null 2>&1 || true

python3 - "$results" <<'PY'
import collections, statistics, sys
values = collections.defaultdict(list)   # (size, program, key) -> values
steps = collections.defaultdict(list)    # (size, build, kind, from, to) -> ms
for line in open(sys.argv[1]):
    f = line.split()
    if f[2] == "RESULT":
        values[(f[0], f[1], f[3])].append(float(f[4]))
    else:
        build = f[1].split(":")[0]
        steps[(f[0], build, f[5], int(f[3]), int(f[4]))].append(float(f[6]))
med = lambda v: statistics.median(v) if v else float("nan")
sizes = sorted({k[0] for k in values}, key=lambda s: int(s.split("x")[0]))
builds = sorted({k[1].split(":")[0] for k in values if ":" in k[1]})
for size in sizes:
    base = med(values[(size, "baseline", "createwindow_to_first_paint_ms")])
    wnext = med(values[(size, "wizard", "next_first_visit_med_ms")])
    wback = med(values[(size, "wizard", "back_revisit_med_ms")])
    wpeak = med(values[(size, "wizard", "peak_ws_mib")])
    print(f"== {size}: bare window create-to-first-paint {base:.2f} ms; native wizard Next {wnext:.2f} ms,"
          f" Back {wback:.2f} ms, peak {wpeak:.1f} MiB (medians of {len(values[(size, 'baseline', 'createwindow_to_first_paint_ms')])} rounds)")
    for b in builds:
        opens = values[(size, f"{b}:setup", "open_ms")] + values[(size, f"{b}:creation", "open_ms")]
        share = values[(size, f"{b}:setup", "assistant_peak_ws_mib")] + values[(size, f"{b}:creation", "assistant_peak_ws_mib")]
        per = {k: med(v) for k, v in steps.items() if k[0] == size and k[1] == b}
        def worst(kind):
            items = [(ms, k[3], k[4]) for k, ms in per.items() if k[2] == kind]
            return max(items) if items else (float("nan"), 0, 0)
        def typical(kind):
            return med([ms for k, ms in per.items() if k[2] == kind])
        nf, nfw, pv, pvw = typical("first"), worst("first"), typical("back"), worst("back")
        na = typical("again")
        print(f"  {b}: open {med(opens):.2f} ms = {med(opens) / base:.2f} x bare window (goal <= 0.7)")
        print(f"  {b}: Next first visit median {nf:.2f} ms = {nf / wnext:.2f} x wizard;"
              f" slowest {nfw[0]:.2f} ms ({nfw[1]}->{nfw[2]}) = {nfw[0] / wnext:.2f} x (goal <= 0.3 on every step)")
        print(f"  {b}: Previous median {pv:.2f} ms = {pv / wback:.2f} x wizard Back;"
              f" slowest {pvw[0]:.2f} ms ({pvw[1]}->{pvw[2]}) = {pvw[0] / wback:.2f} x (goal <= 0.3)")
        print(f"  {b}: Next revisit median {na:.2f} ms; assistant's peak working set {med(share):.1f} MiB (goal <= 8)")
        walked = sorted({(k[3], k[4]) for k in per if k[2] == "first"})
        print(f"  {b}: first-visit steps timed: {' '.join(f'{a}->{z}' for a, z in walked)}")
PY
