#!/usr/bin/env bash
# Renders every page of the compiled help file with headless Chromium, as PNG, to look at:
#   scripts/render-help.sh [OUT_DIR]      (default build/help-render)
# Compiles data/help with chmcmd and unpacks it with extract_chmLib first, so the pictures
# are the ones the help file really holds. Installs Debian's chromium when it is missing
# (not needed by the tests, so not in setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/help-render}
if ! command -v chromium >/dev/null; then
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends chromium
fi
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
(cd "$work" && chmcmd "$root/data/help/qope.hhp" >/dev/null)
extract_chmLib "$work/qope.chm" "$work/unpacked" >/dev/null
mkdir -p "$out"
for page in "$work"/unpacked/*.htm; do
  name=$(basename "$page" .htm)
  # A tall window takes the whole page; the blank below it is cut off afterwards.
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor=1 \
    --window-size=820,12000 --screenshot="$out/$name.png" "file://$page" >/dev/null 2>&1
  /usr/bin/python3 - "$out/$name.png" <<'PY'
import sys
from PIL import Image, ImageChops
path = sys.argv[1]
img = Image.open(path).convert("RGB")
box = ImageChops.difference(img, Image.new("RGB", img.size, img.getpixel((0, img.height - 1)))).getbbox()
img.crop((0, 0, img.width, min(img.height, (box[3] if box else 0) + 16))).save(path)
PY
  echo "help-render: $out/$name.png"
done
