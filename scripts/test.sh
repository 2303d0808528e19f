#!/usr/bin/env bash
# Runs every test of Qope: installs what is missing, builds both lanes, and runs
#  - the native lane (build/native): portable logic under ASan and UBSan;
#  - the Windows lane (build/win): window-layer and end-to-end tests under Wine, in a fresh
#    prefix on a private Xvfb screen, through ctest's emulator scripts/wine-run.sh.
# Ends with both lanes' ctest summaries and one line "tests: N passed, N failed"; exits
# non-zero when either lane failed (a lane that does not build counts as one failure).
# Arguments are passed to both ctest runs (for example -R clock).
# Works unattended: no stdin, as root or not, on a clean clone.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
exec </dev/null

logs=build/logs
t_start=$SECONDS
declare -a timings=()
phase() { timings+=("$(printf '%-22s %4d s' "$1" $((SECONDS - $2)))"); }

t=$SECONDS
bash scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }
phase setup "$t"
mkdir -p "$logs"

# Per lane: tests passed and failed, and ctest's closing lines.
declare -A passed=() failed=() summary=()

# Runs ctest for one lane, keeping its output for the summary.
run_lane_tests() {
  local lane=$1 dir=$2
  shift 2
  local log=$logs/ctest-$lane.log
  ctest --test-dir "$dir" --output-on-failure --timeout 600 "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line total nfailed
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -n "$line" ]; then
    nfailed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  elif grep -q 'No tests were found' "$log"; then
    nfailed=0 total=0
  else
    nfailed=1 total=1 # ctest itself failed before running anything
  fi
  # ctest failing for another reason than failed tests still fails the lane.
  if ((rc != 0 && nfailed == 0)); then nfailed=1 total=$((total + 1)); fi
  passed[$lane]=$((total - nfailed))
  failed[$lane]=$nfailed
  summary[$lane]=$(sed -n -E '/^[0-9]+% tests passed/,$p' "$log")
  [ -n "${summary[$lane]}" ] || summary[$lane]=$(tail -n 5 "$log")
}

lane_broken() { # lane, what failed
  passed[$1]=0
  failed[$1]=1
  summary[$1]=$2
}

# --- native lane ---
t=$SECONDS
if cmake -S . -B build/native && cmake --build build/native -j2; then
  phase "native build" "$t"
  t=$SECONDS
  run_lane_tests native build/native -j2 "$@"
  phase "native tests" "$t"
else
  phase "native build" "$t"
  lane_broken native "native lane: configure or build failed"
fi

# --- Windows lane ---
t=$SECONDS
if cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
   && cmake --build build/win -j2; then
  phase "windows build" "$t"
  # A prefix of its own, so that a run.sh session meanwhile does not share it.
  export QOPE_WINEPREFIX=$PWD/build/wine/test-prefix
  # shellcheck source=wine-env.sh
  source scripts/wine-env.sh
  t=$SECONDS
  # Always a private screen: tests need a known 1024x768x24 desktop and nobody's focus.
  # The input method runs on it for the tests that type Chinese through it.
  if qope_wine_session_begin private ime; then
    phase "wine prefix" "$t"
    [ -n "${QOPE_IME_MS:-}" ] && timings+=("$(printf '%-22s %4d ms' "  of it, input method" "$QOPE_IME_MS")")
    t=$SECONDS
    # Tests that share the desktop carry RUN_SERIAL; the others may run side by side.
    run_lane_tests win build/win -j2 "$@"
    phase "windows tests" "$t"
  else
    lane_broken win "windows lane: Wine environment failed (logs in $QOPE_WINE_DIR/logs)"
  fi
  qope_wine_session_end
  trap - EXIT
else
  phase "windows build" "$t"
  lane_broken win "windows lane: configure or build failed"
fi
phase total "$t_start"

echo
echo "== timings"
printf '%s\n' "${timings[@]}"
echo
echo "== native lane (build/native)"
echo "${summary[native]}"
echo
echo "== windows lane (build/win, under Wine)"
echo "${summary[win]}"
echo
echo "tests: $((passed[native] + passed[win])) passed, $((failed[native] + failed[win])) failed"
((failed[native] + failed[win] == 0))
