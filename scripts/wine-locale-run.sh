#!/usr/bin/env bash
# Runs one program under Wine on another system locale than the project's Chinese one and
# passes its exit code through:
#   wine-locale-run.sh LOCALE PROGRAM.exe [ARGUMENTS...]      LOCALE e.g. en_US.UTF-8
# It makes a fresh prefix of that locale (fonts, replacements and data tree as in every
# prefix; about 10 s) beside the caller's, named after it with "-LOCALE" appended
# (build/wine/test-prefix-en_US.UTF-8 under test.sh), with Wine's logs in
# build/wine/logs/<prefix name>/, and runs the program on a private X screen: the caller's
# prefix, its desktop and its focus stay as they were. Wine and the screen end with it.
set -uo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 LOCALE PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_dir=${QOPE_WINE_DIR:-$(dirname "$scripts")/build/wine}
export QOPE_WINE_LOCALE=$1
export QOPE_WINEPREFIX=${QOPE_WINEPREFIX:-$wine_dir/prefix}-$1
export QOPE_WINE_LOGS=$wine_dir/logs/${QOPE_WINEPREFIX##*/}
shift
# shellcheck source=wine-env.sh
source "$scripts/wine-env.sh" || exit 1
qope_wine_session_begin private || exit 1
"$scripts/wine-run.sh" "$@"
exit $?
