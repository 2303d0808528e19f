#!/usr/bin/env bash
# Benchmarks of the Windows program under Wine, in a fresh prefix on a private Xvfb:
#  - start-up: process start to main window shown and idle, beside a minimal Win32 dialog
#    program, with the working set and the file size (tests/bench/startup_bench.cpp);
#  - drills (tests/bench/drill_bench.cpp): timings measured inside the program (a right
#    answer with its key hint painted, a set start with its file reads, a root batch start,
#    the root rows repainted) and key round trips from another process (a right key in an
#    all-roots batch beside a key the code field drops);
#  - line typing (tests/bench/typing_bench.cpp): a full typing line repainted with its
#    cells, a key into a nearly full line and a dropped key, from another process;
#  - speed tests (tests/bench/speed_bench.cpp): at the fastest level of each, the steps a
#    second a 1 ms period really gives, the program's share of one core over 30 s, one
#    step with its paint and a repaint of the whole pane timed inside the program;
#  - the installer: its size, and a silent install and uninstall (5 rounds each).
# Prints figures; judges nothing.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
exec </dev/null
bash scripts/setup.sh || exit 1
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null || exit 1
cmake --build build/win -j2 || exit 1

export QOPE_WINEPREFIX=$PWD/build/wine/bench-prefix
# shellcheck source=wine-env.sh
source scripts/wine-env.sh || exit 1
qope_wine_session_begin private || exit 1

qope=$(qope_winpath build/win/src/qope.exe)
minimal=$(qope_winpath build/win/tests/bench/minimal_dialog.exe)
echo "== start-up (20 runs each)"
wine "$(qope_winpath build/win/tests/bench/startup_bench.exe)" "$qope" "$minimal" 20
echo
echo "== drills"
QOPE_EXE=$PWD/build/win/src/qope.exe wine "$(qope_winpath build/win/tests/bench/drill_bench.exe)" 2>/dev/null
echo
echo "== line typing"
QOPE_EXE=$PWD/build/win/src/qope.exe wine "$(qope_winpath build/win/tests/bench/typing_bench.exe)" 2>/dev/null
echo
echo "== speed tests"
QOPE_EXE=$PWD/build/win/src/qope.exe wine "$(qope_winpath build/win/tests/bench/speed_bench.exe)" 2>/dev/null
echo
echo "== installer"
setup=build/win/src/qope-setup.exe
echo "qope-setup.exe: $(stat -c %s "$setup") bytes"
ms() { echo $(( $(date +%s%N) / 1000000 )); }
for round in 1 2 3 4 5; do
  rm -rf "$QOPE_INSTALL_ROOT_UNIX"
  t=$(ms); wine "$(qope_winpath "$setup")" /S; installed=$(( $(ms) - t ))
  # _?= keeps the uninstaller in place, so wine returns when it is done.
  t=$(ms); wine "$QOPE_INSTALL_ROOT_UNIX/uninstall.exe" /S '_?=C:\Program Files\zel\qope'
  echo "round $round: silent install $installed ms, silent uninstall $(( $(ms) - t )) ms (wine start included)"
done
# The drills above read the data tree from the install root: put it back.
rm -rf "$QOPE_INSTALL_ROOT_UNIX"
qope_wine_install_data >/dev/null
qope_wine_session_end
