#!/usr/bin/env bash
# ctest's emulator for the Windows build (CMAKE_CROSSCOMPILING_EMULATOR): runs one program
# under Wine in the project's prefix and passes its exit code through.
#   wine-run.sh /path/to/program.exe [arguments...]
# The prefix, the display and the wineserver are set up beforehand, once, by test.sh (or
# `scripts/wine-env.sh shell`): tests run in parallel and must not each make a prefix.
set -uo pipefail
# shellcheck source=wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" || exit 1

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-run: no Wine prefix at $WINEPREFIX; run scripts/test.sh, or ctest inside scripts/wine-env.sh shell" >&2
  exit 1
fi
[ -n "${DISPLAY:-}" ] || echo "wine-run: DISPLAY is not set; programs that open windows will fail" >&2

program=$1
shift
# A Unix path of an .exe becomes its Windows path, so the program sees the same kind of
# module path (GetModuleFileName) as its other arguments.
case $program in
  */*|*.exe|*.EXE) [ -e "$program" ] && program=$(qope_winpath "$program") ;;
esac
exec wine "$program" "$@"
