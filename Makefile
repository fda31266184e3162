# Entry points for people and CI. `make demo` and `make test` set up a fresh Debian 12 machine
# (packages, libjpeg for mingw, the Wine prefix) before they build and run.
SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
JOBS ?= 2
FUZZ_SECONDS ?= 20
# Where the demo build's narration WAVs go (the demo host points the assistant there).
NARRATION_DIR ?= build/win64/bin/narration

SETUP := tools/setup
have = $(wildcard $(1))

.PHONY: all deps apt libjpeg sqlite wine-prefix native win64 win32 narration demo test bench clean distclean \
        test-unit test-fuzz test-win test-demohost test-e2e test-dll

all: native win64 win32

# --- set-up ---------------------------------------------------------------------------------
deps: apt libjpeg sqlite wine-prefix
apt:
	@$(SETUP)/deps.sh
libjpeg: apt
	@$(SETUP)/build-libjpeg.sh
# The demo host's database engine, built like libjpeg.
sqlite: apt
	@$(SETUP)/build-sqlite.sh
wine-prefix: apt
	@$(SETUP)/wine-prefix.sh

# --- builds ---------------------------------------------------------------------------------
native: apt
	@cmake --preset native >/dev/null
	cmake --build --preset native -j$(JOBS)
win64: apt libjpeg sqlite
	@cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j$(JOBS)
win32: apt libjpeg sqlite
	@cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j$(JOBS)

narration: apt
	@if [ -f tools/make_narration.sh ]; then sh tools/make_narration.sh $(NARRATION_DIR) >/dev/null; fi

# --- the demo -------------------------------------------------------------------------------
# On $$DISPLAY; without one on a private Xvfb 1024x768 (wine-run.sh says so). The host's main
# window stays after the assistant, which its Company menu starts again.
demo: deps win64 narration
	@$(SETUP)/wine-run.sh build/win64/bin/DemoHost.exe --stay

# --- tests: every build and suite runs, then the run fails if any of them failed ---------------
STEPS := native win64 win32 narration test-unit test-fuzz test-win test-demohost test-e2e test-dll
test: deps
	@passed=0; failed=0; failures=; \
	for step in $(STEPS); do \
	  echo "=== $$step"; \
	  if $(MAKE) --no-print-directory $$step; then passed=$$((passed + 1)); \
	  else failed=$$((failed + 1)); failures="$$failures $$step"; fi; \
	done; \
	[ -z "$$failures" ] || echo "failed:$$failures"; \
	echo "steps: $$passed passed, $$failed failed"; \
	[ $$failed -eq 0 ]

test-unit:
	@if [ -z "$(call have,tests/unit/*.cpp tests/toolkit/*.cpp)" ]; then echo "no unit tests yet"; exit 0; fi; \
	ctest --test-dir build/native --output-on-failure --no-tests=error -j$(JOBS)

# Each fuzzer for FUZZ_SECONDS, from its seed corpus when tests/fuzz/corpus/<name> exists.
# New inputs and crash files stay under build/.
test-fuzz:
	@status=0; \
	for source in $(call have,tests/fuzz/fuzz_*.cpp); do \
	  name=$$(basename $$source .cpp); bin=build/native/fuzz/$$name; \
	  work=build/native/fuzz-work/$$name; mkdir -p $$work build/native/fuzz-artifacts; \
	  seeds=; [ -d tests/fuzz/corpus/$$name ] && seeds=tests/fuzz/corpus/$$name; \
	  echo "--- $$name ($(FUZZ_SECONDS) s)"; \
	  if $$bin -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	       -artifact_prefix=build/native/fuzz-artifacts/$$name- $$work $$seeds \
	       >build/native/fuzz-work/$$name.log 2>&1; then \
	    grep -E '^stat::number_of_executed_units' build/native/fuzz-work/$$name.log || true; \
	    echo "ok   $$name"; \
	  else \
	    tail -n 40 build/native/fuzz-work/$$name.log; echo "FAIL $$name"; status=1; \
	  fi; \
	done; \
	exit $$status

test-win: wine-prefix
	@if [ -z "$(call have,tests/win/*.cpp tests/toolkit/*.cpp)" ]; then echo "no Windows tests yet"; exit 0; fi; \
	$(SETUP)/wine-run.sh --xvfb build/win64/bin/win_tests.exe

# The demo host's objects on a temporary folder, then its files read by the native sqlite3.
test-demohost: wine-prefix
	@$(SETUP)/wine-run.sh --xvfb build/win64/bin/demohost_tests.exe
	@tests/demohost/check_company_files.sh

test-e2e: wine-prefix
	@tests/e2e/run-all.sh

test-dll:
	@tests/dll/inspect.sh

# --- benchmarks: they report, they do not pass or fail on time --------------------------------
bench: native
	@for bin in build/native/bench/bench_*; do \
	  [ -x "$$bin" ] || continue; echo "=== $$(basename $$bin)"; "$$bin"; \
	done
	@if [ -n "$(call have,tests/bench/win/*.cpp)" ]; then \
	  $(MAKE) --no-print-directory win64 wine-prefix; \
	  echo "=== bench_win.exe (Wine)"; $(SETUP)/wine-run.sh --xvfb build/win64/bin/bench_win.exe; \
	  echo "=== bench_field_windows.exe (Wine)"; \
	  $(SETUP)/wine-run.sh --xvfb build/win64/bin/bench_field_windows.exe; \
	fi
	@echo "=== the real Tutor.dll beside the reference programs (Wine)"; tests/bench/win/compare.sh

clean:
	rm -rf build/native build/win64 build/win32 build/e2e
# Also the libjpeg builds and the Wine prefix.
distclean:
	rm -rf build
