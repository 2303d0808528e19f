#!/usr/bin/env bash
# Installs what building, running and testing Qope needs on a Debian 12 machine.
# Idempotent: apt-get runs only when a package of the list is missing.
set -euo pipefail

packages=(
  # build
  cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  # run and test under Wine, headless
  wine wine64 fonts-wine xvfb xdotool x11-utils x11-apps openbox imagemagick
  locales  # sources of the zh_CN locale Wine runs in (scripts/wine-env.sh)
  # fonts: dialog and label faces under Wine, and the artwork generator
  fonts-arphic-uming fonts-wqy-zenhei fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
  fonts-bebas-neue fonts-hanazono fonts-babelstone-han fonts-arphic-ukai
  # generators: pictures, sounds, help
  python3 python3-pil sox espeak-ng fp-utils
  nsis  # the installer
  libchm-bin  # help.chm unpacks the compiled help file with extract_chmLib
  fluidsynth fluid-soundfont-gm  # music.render plays the MIDI pieces with the GM sound font
  # the Wubi input method of the Windows tests (scripts/wine-env.sh): IBus and its Wubi 86
  # table on a private D-Bus session, its settings through gsettings and dconf
  ibus ibus-table-wubi dbus-daemon libglib2.0-bin dconf-gsettings-backend
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
