#!/usr/bin/env bash
# Saves a PNG of the X screen $DISPLAY, or of one window of it.
#   screenshot.sh FILE.png              the whole screen (with Wine's virtual desktop)
#   screenshot.sh FILE.png WINDOW       one window: an X window id, or its title
# Wine's top-level windows are X windows (children of the virtual desktop's window), so
# a window can be taken by its caption, e.g. screenshot.sh main.png " Qope ".
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 FILE.png [WINDOW-ID|WINDOW-TITLE]" >&2
  exit 2
fi
[ -n "${DISPLAY:-}" ] || { echo "screenshot: DISPLAY is not set" >&2; exit 1; }
out=$1
target=(-root)
if [ $# -eq 2 ]; then
  case $2 in
    0x[0-9a-fA-F]*|[0-9]*) target=(-id "$2") ;;
    *)
      id=$(xdotool search --onlyvisible --name "^$2\$" | head -n1)
      [ -n "$id" ] || { echo "screenshot: no visible window titled '$2'" >&2; exit 1; }
      target=(-id "$id") ;;
  esac
fi
# ImageMagick's own convert (a stand-in elsewhere on PATH may only pass PNGs through).
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
mkdir -p "$(dirname "$out")"
xwd -silent "${target[@]}" | "$convert" xwd:- "png:$out"
