# shellcheck shell=bash
# The Wine environment of Qope: sourced by run.sh, test.sh and wine-run.sh (ctest's
# emulator), so every Windows program of the project sees the same prefix, locale,
# fonts, desktop and data tree.
#
# Sourcing only sets variables and defines functions. Run directly it offers a few
# commands for working by hand:
#   scripts/wine-env.sh prefix      fresh prefix with data tree (needs an X display)
#   scripts/wine-env.sh data        re-install the data tree into the prefix
#   scripts/wine-env.sh shell       Xvfb + input method + fresh prefix + wineserver, then a
#                                   shell in which `ctest --test-dir build/win` works; all
#                                   ends with it
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
# - Input style "root": with the input method (only in tests that ask for it, see below)
#   the code being typed stays inside the input method, and an edit gets nothing but the
#   committed characters, as under Windows, where the input method shows the code in a
#   window of its own. Wine's default (on the spot) writes each candidate into the edit's
#   text while the code is typed, so a change handler would see characters never committed.

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

# --- input method --------------------------------------------------------------------------

# IBus with the Wubi 86 table of ibus-table-wubi, for tests that type Chinese the way a
# learner does (tests/e2e/driver/ime_keyboard.h). Started by test.sh and `shell` after the X
# screen and before any Wine process; it lives in a home of its own under build/wine/ime/
# (one per prefix), on a D-Bus session bus of its own, so the host's configuration and
# session are never read or written. Only programs run with QOPE_IME=1 in their
# environment (ctest's ENVIRONMENT) name its XIM server in XMODIFIERS; every other window
# keeps Xlib's built-in input and sees no input method (tests/e2e/ime checks both). A
# session with it exports:
#   QOPE_IME_READY=1            the engine is active; tests check it
#   QOPE_XDOTOOL                the Unix program the tests type with
# Engine settings, and why: the input mode is Chinese (a lone Shift would toggle it and the
# state sticks); no learning of frequencies (dynamicadjust), so a code's first candidate
# is the table's in every run; no error beep (there is no sound device).
QOPE_IME_ENGINE=table:wubi-jidian86
QOPE_IME_SCHEMA=org.freedesktop.ibus.engine.table:/org/freedesktop/ibus/engine/table/wubi-jidian86/
QOPE_IME_DIR=$QOPE_WINE_DIR/ime/${QOPE_WINEPREFIX##*/}
QOPE_IME_DBUS_PID= QOPE_IME_DAEMON_PID=

if [ "${QOPE_IME:-0}" = 1 ]; then
  export XMODIFIERS=@im=ibus
else
  unset XMODIFIERS
fi

# The environment of the input method's processes: its home, its bus.
qope_ime_env() {
  local home=$QOPE_IME_DIR/home
  QOPE_IME_ENV=(-u IBUS_ADDRESS -u GTK_IM_MODULE -u QT_IM_MODULE -u SESSION_MANAGER
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache"
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$QOPE_IME_DIR/run"
    DBUS_SESSION_BUS_ADDRESS="unix:path=$QOPE_IME_DIR/run/bus" NO_AT_BRIDGE=1)
}

# Runs a command in the input method's environment, e.g. in the shell: qope_ime ibus engine
qope_ime() {
  qope_ime_env
  env "${QOPE_IME_ENV[@]}" "$@"
}

# Processes of the input method of this prefix: they all carry its home (the bus
# activates dconf-service with it too).
qope_ime_pids() {
  local dir pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    [ "$pid" = $$ ] && continue
    tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "HOME=$QOPE_IME_DIR/home" && echo "$pid"
  done
}

qope_ime_start() {
  local t0=${EPOCHREALTIME//[.,]/} log=$QOPE_WINE_LOGS/ime.log i
  mkdir -p "$QOPE_WINE_LOGS"
  # Left over from a run of this tree that was killed.
  qope_ime_stop
  rm -rf "$QOPE_IME_DIR"
  mkdir -p "$QOPE_IME_DIR/home" "$QOPE_IME_DIR/run" && chmod 700 "$QOPE_IME_DIR/run" || return 1
  : >"$log"
  qope_ime dbus-daemon --session --address="unix:path=$QOPE_IME_DIR/run/bus" --fork \
    --print-pid=3 3>"$QOPE_IME_DIR/dbus.pid" </dev/null >>"$log" 2>&1 \
    || { echo "wine-env: dbus-daemon failed, see $log" >&2; return 1; }
  QOPE_IME_DBUS_PID=$(cat "$QOPE_IME_DIR/dbus.pid")
  # The daemon's own child, not --daemonize: its pid is known and it is stopped by it.
  qope_ime_env
  env "${QOPE_IME_ENV[@]}" ibus-daemon --xim --panel=disable --emoji-extension=disable --verbose \
    </dev/null >"$QOPE_WINE_LOGS/ibus-daemon.log" 2>&1 &
  QOPE_IME_DAEMON_PID=$!
  for ((i = 0; i < 300; i++)); do
    xprop -root XIM_SERVERS 2>/dev/null | grep -q '@server=ibus' \
      && qope_ime ibus list-engine 2>/dev/null | grep -qw "$QOPE_IME_ENGINE" && break
    kill -0 "$QOPE_IME_DAEMON_PID" 2>/dev/null || break
    sleep 0.1
  done
  local key
  for key in "inputmode 1" "dynamicadjust false" "errorsound false"; do
    # shellcheck disable=SC2086
    qope_ime gsettings set "$QOPE_IME_SCHEMA" $key >>"$log" 2>&1
  done
  qope_ime gsettings set org.freedesktop.ibus.general preload-engines "['$QOPE_IME_ENGINE']" >>"$log" 2>&1
  qope_ime ibus engine "$QOPE_IME_ENGINE" >>"$log" 2>&1
  if [ "$(qope_ime ibus engine 2>>"$log")" != "$QOPE_IME_ENGINE" ]; then
    echo "wine-env: the input method did not start, see $log and $QOPE_WINE_LOGS/ibus-daemon.log" >&2
    qope_ime_stop
    return 1
  fi
  QOPE_XDOTOOL=$(command -v xdotool)
  export QOPE_IME_READY=1 QOPE_XDOTOOL
  QOPE_IME_MS=$(((${EPOCHREALTIME//[.,]/} - t0) / 1000))
  echo "wine-env: input method $QOPE_IME_ENGINE on $DISPLAY in $QOPE_IME_MS ms"
}

qope_ime_stop() {
  unset QOPE_IME_READY
  if [ -n "$QOPE_IME_DAEMON_PID" ]; then
    qope_ime ibus exit >/dev/null 2>&1
    local i
    for ((i = 0; i < 30; i++)); do kill -0 "$QOPE_IME_DAEMON_PID" 2>/dev/null || break; sleep 0.1; done
    kill "$QOPE_IME_DAEMON_PID" 2>/dev/null
    wait "$QOPE_IME_DAEMON_PID" 2>/dev/null
    QOPE_IME_DAEMON_PID=
  fi
  [ -n "$QOPE_IME_DBUS_PID" ] && kill "$QOPE_IME_DBUS_PID" 2>/dev/null
  QOPE_IME_DBUS_PID=
  # The engine, the XIM server and the config service end with the bus; what does not is
  # ended here.
  local pids
  pids=$(qope_ime_pids)
  if [ -n "$pids" ]; then
    # shellcheck disable=SC2086
    kill $pids 2>/dev/null
    sleep 0.3
    pids=$(qope_ime_pids)
    # shellcheck disable=SC2086
    [ -z "$pids" ] || kill -9 $pids 2>/dev/null
  fi
  return 0
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
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"InputStyle"="root"\r\n'
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
# or always when the first argument is "private"), with "ime" as second argument the input
# method on it, a fresh prefix, its wineserver. The trap ends all of it when the calling
# script exits. An input method that does not start is reported and the session goes on
# without it: only the tests that type through it fail.
qope_wine_session_begin() {
  trap qope_wine_session_end EXIT
  trap 'exit 130' INT TERM HUP
  if [ "${1:-}" = private ]; then qope_xvfb_start || return 1; else qope_display_ensure || return 1; fi
  # Before any Wine process: a program connects to the XIM server as it starts.
  [ "${2:-}" = ime ] && QOPE_IME_WANTED=1 && qope_ime_start
  qope_wine_prefix_fresh
}

qope_wine_session_end() {
  [ -n "$QOPE_WINESERVER_STARTED" ] && qope_wineserver_stop
  [ -n "${QOPE_IME_WANTED:-}" ] && qope_ime_stop
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
      qope_wine_session_begin private ime || exit 1
      echo "wine-env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX; leave the shell to stop Wine and Xvfb"
      bash -i ;;
    *)
      echo "usage: $0 prefix | data | shell" >&2
      exit 2 ;;
  esac
fi
