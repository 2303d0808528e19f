# shellcheck shell=bash
# The Wine environment of Qope: sourced by run.sh, test.sh and wine-run.sh (ctest's
# emulator), so every Windows program of the project sees the same prefix, locale,
# fonts, desktop and data tree.
#
# Sourcing only sets variables and defines functions. Run directly it offers a few
# commands for working by hand:
#   scripts/wine-env.sh prefix      fresh prefix with data tree (needs an X display)
#   scripts/wine-env.sh data        re-install the data tree into the prefix
#   scripts/wine-env.sh shell       Xvfb + fresh prefix + wineserver, then a shell in which
#                                   `ctest --test-dir build/win` works; all ends with it
#
# QOPE_WINE_LOCALE (default zh_CN.UTF-8) chooses the Unix locale Wine runs in, for example
# en_US.UTF-8 for a Western system (ANSI code page 1252) that the program must read right
# on too; a prefix made in another locale than the default lies in prefix-<locale> unless
# QOPE_WINEPREFIX says otherwise. QOPE_WINE_LOGS puts Wine's logs elsewhere than logs/.
#
# Why each setting:
# - LANG: Wine takes the ANSI/OEM code pages (936 for GBK), the user and UI locale (0804)
#   and its CJK font defaults and links from the Unix locale of LC_CTYPE/LC_MESSAGES,
#   so the locale must be zh_CN. Debian machines here only have C.UTF-8, so when
#   zh_CN.UTF-8 is not installed we compile it once with localedef (from the `locales`
#   package's sources) into build/wine/locale and point glibc there with LOCPATH: no
#   system change, no root needed. UTF-8 rather than GBK keeps Unix file names in UTF-8.
#   Another locale (QOPE_WINE_LOCALE) is compiled the same way when missing.
#   LANGUAGE=en keeps the messages of the Linux tools in English; Wine ignores it.
# - Font replacements: the program asks for 宋体, 黑体, Arial and Impact. The 宋体 face was
#   chosen by measurement (tests/e2e/fontmetrics: a DS_SETFONT dialog "宋体" 16 pt and
#   MapDialogRect of 4 x 8 units, 96 DPI); Windows gives base units 11 x 21. Wine 8.0 here:
#       Qope Song (below)     11 x 21   tmHeight 21, tmAveCharWidth 11   <- used
#       AR PL UMing CN        11 x 22   tmHeight 22, tmAveCharWidth 11   (closest as is)
#       AR PL UKai CN         11 x 23   tmHeight 23, tmAveCharWidth 10
#       WenQuanYi Zen Hei     11 x 26   tmHeight 26, tmAveCharWidth 9
#       HanaMinA              11 x 27   tmHeight 27, tmAveCharWidth 11
#       BabelStone Han        11 x 26   tmHeight 26, tmAveCharWidth 21
#       Noto Serif CJK SC     13 x 30   tmHeight 30, tmAveCharWidth 21   (fonts-noto-cjk)
#       Noto Sans CJK SC      12 x 30   tmHeight 30, tmAveCharWidth 21
#   UMing is the Song face and has the right widths, but a line of 1.05 em where SimSun's
#   is exactly 1 em; wine-fonts.py makes "Qope Song" (UMing, one em tall) and likewise
#   "Qope Hei" from WenQuanYi Zen Hei for 黑体, and installs them in the prefix.
#   Impact 12 pt: Bebas Neue (19 px line, 6 px average, capitals only) loses the lower
#   case; "Qope Condensed" (DejaVu Sans Condensed Bold as a regular face, 19 px line like
#   Impact) keeps it, and the program asks for Impact at normal weight.
# - FC_LANG: when no font of the face asked for has the character set asked for (Arial
#   with GB2312_CHARSET), Wine takes the first face that has it from fontconfig's list
#   for the default language, which follows LANG: WenQuanYi Zen Hei under zh_CN, AR PL
#   UKai under en_US. Windows' mapper picks by character set whatever the system locale,
#   so the language is pinned and every locale draws such text with the same face.
# - Text without smoothing, as Windows of the program's time drew it: crisp labels, and
#   exact colours that screenshot tests can count. QOPE_WINE_ANTIALIAS=1 keeps smoothing.
# - Virtual desktop: windows get Wine's own captions and frames without a window manager,
#   and every program of a run (the tutor, a test driver) shares one desktop.
# - WINEDLLOVERRIDES: no Mono or Gecko installer prompt at wineboot (Debian has neither),
#   and no winemenubuilder writing menu entries into the host's home. HTML Help's viewer
#   (hhctrl) opens all the same, with its contents and index; its topic pane stays blank,
#   as it does with mshtml enabled, for want of Gecko.
# - Crash dialog off: a crashing test prints winedbg's backtrace and ends instead of
#   waiting for a click on a screen nobody sees.

QOPE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${QOPE_WINE_DIR:=$QOPE_ROOT/build/wine}"
: "${QOPE_WINE_LOCALE:=zh_CN.UTF-8}"
if [ "$QOPE_WINE_LOCALE" = zh_CN.UTF-8 ]; then
  : "${QOPE_WINEPREFIX:=$QOPE_WINE_DIR/prefix}"
else
  # Never the default prefix: its registry was made for another code page.
  : "${QOPE_WINEPREFIX:=$QOPE_WINE_DIR/prefix-$QOPE_WINE_LOCALE}"
fi
export QOPE_ROOT QOPE_WINE_DIR QOPE_WINEPREFIX
export QOPE_INSTALL_ROOT_UNIX="$QOPE_WINEPREFIX/drive_c/Program Files/zel/qope"
: "${QOPE_WINE_LOGS:=$QOPE_WINE_DIR/logs}"

export WINEPREFIX=$QOPE_WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=${QOPE_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset WINESERVER WINELOADER WINEDLLPATH

QOPE_SCREEN=1024x768
QOPE_FONT_REPLACEMENTS=(
  "宋体=Qope Song"
  "SimSun=Qope Song"
  "黑体=Qope Hei"
  "SimHei=Qope Hei"
  "Arial=Liberation Sans"
  "Impact=Qope Condensed"
)
export FC_LANG=zh-cn
if [ "${QOPE_WINE_ANTIALIAS:-0}" = 1 ]; then
  unset FONTCONFIG_FILE
else
  export FONTCONFIG_FILE=$QOPE_ROOT/scripts/wine-fonts.conf
fi

# --- locale ------------------------------------------------------------------------------

qope_wine_locale() {
  local want=$QOPE_WINE_LOCALE
  local language=${want%%.*}
  case $want in
    *.UTF-8|*.utf8) ;;
    *) echo "wine-env: QOPE_WINE_LOCALE must be a UTF-8 locale (zh_CN.UTF-8, en_US.UTF-8, C.UTF-8)" >&2
       return 1 ;;
  esac
  if locale -a 2>/dev/null | grep -qix "$language\.utf-\?8"; then
    unset LOCPATH
  else
    local dir=$QOPE_WINE_DIR/locale
    if [ ! -e "$dir/$want/LC_CTYPE" ]; then
      # Built aside and renamed, so parallel callers never see half a locale.
      mkdir -p "$dir"
      local tmp
      tmp=$(mktemp -d "$dir/.build.XXXXXX")
      if ! localedef -i "$language" -f UTF-8 "$tmp/$want" >"$dir/localedef-$want.log" 2>&1 \
         && [ ! -e "$tmp/$want/LC_CTYPE" ]; then
        echo "wine-env: cannot build the $want locale (is the 'locales' package installed?)" >&2
        cat "$dir/localedef-$want.log" >&2
        rm -rf "$tmp"
        return 1
      fi
      mv -T "$tmp/$want" "$dir/$want" 2>/dev/null || true
      rm -rf "$tmp"
    fi
    export LOCPATH=$dir
  fi
  unset LC_ALL LC_CTYPE LC_MESSAGES LC_COLLATE LC_NUMERIC LC_TIME LC_MONETARY
  export LANG=$want LANGUAGE=en
}
qope_wine_locale || return 1 2>/dev/null || exit 1

# --- X display ---------------------------------------------------------------------------

QOPE_XVFB_PID=

# Starts a private Xvfb (Xvfb chooses a free display number itself) and exports DISPLAY.
qope_xvfb_start() {
  mkdir -p "$QOPE_WINE_LOGS"
  local numfile=$QOPE_WINE_LOGS/xvfb.display
  rm -f "$numfile"
  Xvfb -displayfd 3 -screen 0 "${QOPE_SCREEN}x24" -nolisten tcp -noreset \
    3>"$numfile" </dev/null >"$QOPE_WINE_LOGS/xvfb.log" 2>&1 &
  QOPE_XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    if [ -s "$numfile" ] && grep -q '^[0-9]' "$numfile"; then
      DISPLAY=":$(head -n1 "$numfile")"
      export DISPLAY
      return 0
    fi
    kill -0 "$QOPE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start, see $QOPE_WINE_LOGS/xvfb.log" >&2
  return 1
}

qope_xvfb_stop() {
  if [ -n "$QOPE_XVFB_PID" ]; then
    kill "$QOPE_XVFB_PID" 2>/dev/null
    wait "$QOPE_XVFB_PID" 2>/dev/null
    QOPE_XVFB_PID=
  fi
}

# An X display for Wine: the caller's when there is one, else a private Xvfb.
qope_display_ensure() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  qope_xvfb_start
}

# --- wineserver --------------------------------------------------------------------------

QOPE_WINESERVER_STARTED=

# A persistent wineserver, started before any other Wine process: the server and the
# helpers Wine spawns (services, explorer's desktop, ...) keep the standard output and
# error of whoever started them, and one holding CI's pipe makes the run hang. Its output
# goes to a log file instead.
qope_wineserver_start() {
  mkdir -p "$WINEPREFIX" "$QOPE_WINE_LOGS"
  wineserver -p </dev/null >>"$QOPE_WINE_LOGS/wineserver.log" 2>&1 || return 1
  QOPE_WINESERVER_STARTED=1
}

# Wine processes of this prefix (not the scripts around them, which share the variable).
qope_wine_pids() {
  local dir pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    case $(readlink "$dir/exe" 2>/dev/null) in /usr/lib/wine/*) ;; *) continue ;; esac
    tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}

# Ends the prefix's wineserver and every Wine process in it, and waits until it is gone.
qope_wineserver_stop() {
  [ -d "$WINEPREFIX" ] || return 0
  wineserver -k </dev/null >>"$QOPE_WINE_LOGS/wineserver.log" 2>&1 || true
  timeout 20 wineserver -w </dev/null >>"$QOPE_WINE_LOGS/wineserver.log" 2>&1 || true
  # A helper that was being started as the server went down never connects and would
  # wait for ever, holding whatever output it inherited.
  local pids
  pids=$(qope_wine_pids)
  # shellcheck disable=SC2086
  [ -z "$pids" ] || kill -9 $pids 2>/dev/null
  QOPE_WINESERVER_STARTED=
}

# --- prefix ------------------------------------------------------------------------------

# The registry settings of the environment, as a .reg file (UTF-16 with BOM, as regedit
# wants for the Chinese value names).
qope_wine_reg_file() {
  local out=$1 entry
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n\r\n' "$QOPE_SCREEN"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for entry in "${QOPE_FONT_REPLACEMENTS[@]}"; do
      printf '"%s"="%s"\r\n' "${entry%%=*}" "${entry#*=}"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$out"
}

# Makes a fresh prefix, configured, with the data tree installed, and leaves a
# persistent wineserver running for it (and its desktop started). Needs $DISPLAY.
qope_wine_prefix_fresh() {
  local t0=$SECONDS
  mkdir -p "$QOPE_WINE_LOGS"
  # A server still running for an old prefix of this path belongs to an earlier run.
  [ -d "$WINEPREFIX" ] && qope_wineserver_stop
  rm -rf "$WINEPREFIX"
  qope_wineserver_start || return 1
  local rc=0
  wineboot -i </dev/null >"$QOPE_WINE_LOGS/wineboot.log" 2>&1 || rc=$?
  if ((rc != 0)); then
    echo "wine-env: wineboot failed ($rc), see $QOPE_WINE_LOGS/wineboot.log" >&2
    return 1
  fi
  qope_wine_fonts || return 1
  # wineboot may have started a desktop before the settings below existed: restart the
  # server so that the desktop comes up as configured.
  qope_wineserver_stop
  qope_wineserver_start || return 1
  # In the prefix: prefixes made side by side do not write one file.
  qope_wine_reg_file "$WINEPREFIX/qope.reg"
  wine regedit /S "$(qope_winpath "$WINEPREFIX/qope.reg")" </dev/null \
    >>"$QOPE_WINE_LOGS/wineboot.log" 2>&1 || { echo "wine-env: regedit failed" >&2; return 1; }
  # Start the desktop now, from here, with its output in the log (see qope_wineserver_start).
  wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >>"$QOPE_WINE_LOGS/desktop.log" 2>&1
  qope_wine_install_data || return 1
  echo "wine-env: fresh prefix $WINEPREFIX in $((SECONDS - t0)) s"
}

# The faces made by wine-fonts.py, made once per build tree and linked into the prefix.
qope_wine_fonts() {
  local dir=$QOPE_WINE_DIR/fonts script=$QOPE_ROOT/scripts/wine-fonts.py f
  if [ ! -f "$dir/.made" ] || [ "$script" -nt "$dir/.made" ]; then
    /usr/bin/python3 "$script" "$dir" || { echo "wine-env: wine-fonts.py failed" >&2; return 1; }
    touch "$dir/.made"
  fi
  for f in "$dir"/*.ttf; do
    ln -sf "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
}

# Copies data/ and the help file compiled from data/help (build/win/src/qope.chm, or
# $QOPE_HELP_CHM for another build tree) to the install root C:\Program Files\zel\qope\.
# The help sources stay out: the compiled file carries them. Safe to re-run after data
# changes: the old tree goes.
qope_wine_install_data() {
  local dest=$QOPE_INSTALL_ROOT_UNIX
  [ -d "$WINEPREFIX/drive_c" ] || { echo "wine-env: no prefix at $WINEPREFIX" >&2; return 1; }
  rm -rf "$dest"
  mkdir -p "$dest"
  cp -R "$QOPE_ROOT/data/." "$dest/"
  rm -rf "$dest/help"
  local chm
  for chm in ${QOPE_HELP_CHM:+"$QOPE_HELP_CHM"} "$QOPE_ROOT"/build/win/*/qope.chm "$QOPE_ROOT"/build/win/qope.chm; do
    if [ -f "$chm" ]; then cp "$chm" "$dest/qope.chm"; return 0; fi
  done
  echo "wine-env: no help file built (build/win/src/qope.chm); qope.chm is not installed" >&2
}

# --- helpers -----------------------------------------------------------------------------

# Windows path of a Unix path, through Wine's Z: drive (the whole Unix tree); no Wine
# process needed.
qope_winpath() {
  local p=$1
  case $p in /*) ;; *) p=$PWD/$p ;; esac
  p=${p//\/\//\/}
  printf 'Z:%s\n' "${p//\//\\}"
}

# Starts everything a session needs: an X display (a private Xvfb when $DISPLAY is empty,
# or always when the first argument is "private"), a fresh prefix, its wineserver. The
# trap ends all of it when the calling script exits.
qope_wine_session_begin() {
  trap qope_wine_session_end EXIT
  trap 'exit 130' INT TERM HUP
  if [ "${1:-}" = private ]; then qope_xvfb_start || return 1; else qope_display_ensure || return 1; fi
  qope_wine_prefix_fresh
}

qope_wine_session_end() {
  [ -n "$QOPE_WINESERVER_STARTED" ] && qope_wineserver_stop
  qope_xvfb_stop
}

# --- commands when run directly ------------------------------------------------------------

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -uo pipefail
  case ${1:-} in
    prefix)
      qope_display_ensure && qope_wine_prefix_fresh
      rc=$?
      qope_wineserver_stop
      qope_xvfb_stop
      exit $rc ;;
    data) qope_wine_install_data ;;
    shell)
      qope_wine_session_begin private || exit 1
      echo "wine-env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX; leave the shell to stop Wine and Xvfb"
      bash -i ;;
    *)
      echo "usage: $0 prefix | data | shell" >&2
      exit 2 ;;
  esac
fi
