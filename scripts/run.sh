#!/usr/bin/env bash
# Runs Qope under Wine: installs what is missing, builds the Windows lane, makes a fresh
# prefix with the data tree at C:\Program Files\zel\qope\ and starts the tutor.
#  - With $DISPLAY: the tutor opens on that display (in Wine's virtual desktop); the
#    script ends when the tutor does.
#  - Without: a private Xvfb screen, a short scripted session (start, 98, back to 86,
#    version history) by the demo driver, and PNG screenshots in build/screenshots/
#    (QOPE_SCREENSHOTS overrides the folder).
# QOPE_RUN_EXE runs another Windows program in place of the tutor.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
root=$PWD

bash scripts/setup.sh || { echo "run: setup failed" >&2; exit 1; }

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null || exit 1
targets=(qope)
help=$(cmake --build build/win --target help)
if grep -q '\bqope_demo\b' <<<"$help"; then targets+=(qope_demo); fi
cmake --build build/win -j2 --target "${targets[@]}" || exit 1

exe=${QOPE_RUN_EXE:-$root/build/win/src/qope.exe}
demo=$root/build/win/tests/e2e/qope_demo.exe
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }
export QOPE_EXE=$exe

export QOPE_WINEPREFIX=$root/build/wine/run-prefix
# shellcheck source=wine-env.sh
source scripts/wine-env.sh || exit 1

if [ -n "${DISPLAY:-}" ]; then
  qope_wine_session_begin || exit 1
  wine "$(qope_winpath "$exe")"
  exit $?
fi

shots=${QOPE_SCREENSHOTS:-$root/build/screenshots}
rm -rf "$shots"
mkdir -p "$shots"
qope_wine_session_begin private || exit 1
echo "run: no DISPLAY; scripted session on Xvfb $DISPLAY, screenshots in $shots"

convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
rc=0
if [ -z "${QOPE_RUN_EXE:-}" ] && [ -f "$demo" ]; then
  wine "$(qope_winpath "$demo")" "$(qope_winpath "$shots")" || rc=$?
  for bmp in "$shots"/*.bmp; do
    [ -f "$bmp" ] || continue
    "$convert" "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
else
  # No driver: start the program, wait for its first window and take the screen.
  wine "$(qope_winpath "$exe")" &
  pid=$!
  if timeout 60 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null; then
    sleep 2 # let it finish painting
    bash scripts/screenshot.sh "$shots/1-start.png" || rc=1
  else
    echo "run: $exe showed no window within 60 s" >&2
    rc=1
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
fi

shopt -s nullglob
pngs=("$shots"/*.png)
if ((${#pngs[@]} == 0)); then
  echo "run: no screenshots were written" >&2
  rc=1
fi
printf 'run: %s\n' "${pngs[@]}"
exit "$rc"
