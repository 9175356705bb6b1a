# Shared by the scripts that run Windows programs: the Wine prefix under the build folder,
# the X display and a wineserver that stays up between programs. Source it; it sets:
#   VELLGRIN_ROOT, WINEPREFIX, VELLGRIN_WINE (the 64-bit loader)
# and defines vellgrin_wine_ready and vellgrin_convert_captures.

VELLGRIN_ROOT=${VELLGRIN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# Window tests run on one of two desktops so that two can run at once (tests/desktops.json):
# ctest names the one it gave the test. Desktop "b" has its own prefix (its own wineserver,
# so focus and windows never meet) and its own display, 100 above the test display.
case "${CTEST_RESOURCE_GROUP_0_DESKTOPS:-}" in
  id:b,*) VELLGRIN_DESKTOP=b ;;
  *) VELLGRIN_DESKTOP=a ;;
esac
if [ "$VELLGRIN_DESKTOP" = b ]; then
  export WINEPREFIX=${VELLGRIN_WINEPREFIX:-$VELLGRIN_ROOT/build/wine-b}
else
  export WINEPREFIX=${VELLGRIN_WINEPREFIX:-$VELLGRIN_ROOT/build/wine}
fi
export WINEDEBUG=${VELLGRIN_WINEDEBUG:--all}
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
VELLGRIN_WINE=/usr/lib/wine/wine64
export WINELOADER=$VELLGRIN_WINE
# Tests run on their own virtual X display, so nothing appears on the user's screen and the
# same screen is there in CI.
VELLGRIN_TEST_DISPLAY=${VELLGRIN_TEST_DISPLAY:-:97}
if [ "$VELLGRIN_DESKTOP" = b ]; then
  VELLGRIN_TEST_DISPLAY=:$(( ${VELLGRIN_TEST_DISPLAY#:} + 100 ))
fi
# The size of the Wine virtual desktop: layouts computed from the screen size are then the
# same on every machine.
VELLGRIN_DESKTOP_SIZE=${VELLGRIN_DESKTOP_SIZE:-1600x900}

vellgrin__lock() {  # vellgrin__lock NAME: serialise concurrent test programs
  mkdir -p "$VELLGRIN_ROOT/build"
  exec {vellgrin_lock_fd}>"$VELLGRIN_ROOT/build/.$1.lock"
  flock "$vellgrin_lock_fd"
}
vellgrin__unlock() { flock -u "$vellgrin_lock_fd"; exec {vellgrin_lock_fd}>&-; }

# Starts Xvfb on display $1 unless an X server answers there.
vellgrin_start_xvfb() {
  local display=$1 number=${1#:}
  if [ -e "/tmp/.X11-unix/X$number" ] && [ -e "/tmp/.X$number-lock" ] &&
     kill -0 "$(tr -d ' ' < "/tmp/.X$number-lock")" 2>/dev/null; then
    return 0
  fi
  rm -f "/tmp/.X$number-lock" "/tmp/.X11-unix/X$number"
  setsid Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  local i
  for i in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$number" ] && return 0
    sleep 0.05
  done
  echo "wine-env: Xvfb did not start on $display" >&2
  return 1
}

vellgrin__wine_quiet() { "$VELLGRIN_WINE" "$@" </dev/null >/dev/null 2>&1; }

# One attempt at making the prefix; names the step that failed.
vellgrin__prepare_prefix_once() {
  local step key value data
  mkdir -p "$WINEPREFIX" || return 1
  vellgrin__wine_quiet wineboot --init || { echo "wine-env: wineboot failed" >&2; return 1; }
  # Wine's own fonts (Marlett draws the caption buttons) are found in the Fonts folder.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  for step in "HKCU\\Software\\Wine\\Explorer|Desktop|Default" \
              "HKCU\\Software\\Wine\\Explorer\\Desktops|Default|$VELLGRIN_DESKTOP_SIZE" \
              "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug|Auto|0" \
              "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug|Debugger|"; do
    # (The last two: Windows programs find no debugger to start on a crash; the test just fails.)
    IFS='|' read -r key value data <<<"$step"
    vellgrin__wine_quiet reg add "$key" /v "$value" /d "$data" /f ||
      { echo "wine-env: reg add $key $value failed" >&2; return 1; }
  done
  wineserver -w
}

# Creates the prefix once: a 64-bit Windows with the program's virtual desktop. A first
# start of Wine on a busy machine can fail; it is tried again from a stopped server.
vellgrin_prepare_prefix() {
  [ -f "$WINEPREFIX/.vellgrin-ready" ] && return 0
  local attempt
  for attempt in 1 2 3; do
    echo "wine-env: preparing the Wine prefix $WINEPREFIX" >&2
    if vellgrin__prepare_prefix_once; then
      touch "$WINEPREFIX/.vellgrin-ready"
      return 0
    fi
    wineserver -k 2>/dev/null || true
    sleep 2
  done
  echo "wine-env: the Wine prefix $WINEPREFIX could not be prepared" >&2
  return 1
}

# Display, prefix and a persistent wineserver, so each test program does not pay Wine's
# start-up. Uses the test display unless VELLGRIN_USE_DISPLAY=1 and DISPLAY is set.
vellgrin_wine_ready() {
  vellgrin__lock "wine-$VELLGRIN_DESKTOP"
  if [ "${VELLGRIN_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    vellgrin_start_xvfb "$VELLGRIN_TEST_DISPLAY" || { vellgrin__unlock; return 1; }
    export DISPLAY=$VELLGRIN_TEST_DISPLAY
  fi
  vellgrin_prepare_prefix
  # A second server for the same prefix refuses to start, so this is cheap when one runs.
  # Its output must not hold a pipe of the caller (ctest waits for pipes to close).
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  vellgrin__unlock
}

# Stops the wineservers of the prefixes and the test displays of both desktops.
vellgrin_wine_stop() {
  local number=${VELLGRIN_TEST_DISPLAY#:} prefix
  [ "$VELLGRIN_DESKTOP" = b ] && number=$(( number - 100 ))
  for prefix in "$VELLGRIN_ROOT/build/wine" "$VELLGRIN_ROOT/build/wine-b"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  done
  for number in "$number" "$(( number + 100 ))"; do
    if [ -e "/tmp/.X$number-lock" ]; then
      kill "$(tr -d ' ' < "/tmp/.X$number-lock")" 2>/dev/null || true
    fi
  done
}

# Turns the bitmaps that tests captured into PNG files.
vellgrin_convert_captures() {
  local folder=${VELLGRIN_CAPTURES:-} bmp
  [ -n "$folder" ] && [ -d "$folder" ] || return 0
  vellgrin__lock captures
  for bmp in "$folder"/*.bmp; do
    [ -e "$bmp" ] || continue
    /usr/bin/convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f "$bmp"
  done
  vellgrin__unlock
}
