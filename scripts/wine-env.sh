# Sourced by the test and run scripts: a throw-away Wine prefix under build/, one X display
# and one persistent wineserver for everything the caller runs. Call wine_env_start, then
# wine_env_stop (an EXIT trap does it).

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export PATH="/usr/lib/wine:$PATH"
export WINEPREFIX="$repo_root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

xvfb_pid=""

wine_env_start() {
  local want_own_display=${1:-always}
  if [ "$want_own_display" = always ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      xvfb_pid=$!
      export DISPLAY=":$n"
      break
    done
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
      sleep 0.1
    done
  fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  # Wine's helper processes start here, so that they do not inherit a caller's output pipe
  # (ctest would wait on them).
  wine64 wineboot --init >/dev/null 2>&1 </dev/null
  # Wine's own fonts (MS Sans Serif, Symbol, ...) from fonts-wine, so that text has the metrics
  # the layouts were made for.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # There is no window manager on the private display: Wine draws the frames itself and does
  # not wait for a manager whenever a window is hidden.
  wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  trap wine_env_stop EXIT
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
