#!/usr/bin/env bash
# Starts Config.exe under Wine. On a display, it runs there with the user's Wine prefix, beside
# the panel. Without one, it runs on a private Xvfb, saves a screenshot under build/ and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
exe="$PWD/build/windows/src/app/Config.exe"
export PATH="/usr/lib/wine:$PATH"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ]; then
  exec wine64 "$exe" "$@"
fi

source scripts/wine-env.sh
wine_env_start always
shot="$PWD/build/config-window.png"
wine64 "$exe" "$@" >/dev/null 2>&1 </dev/null &
app=$!
for _ in $(seq 1 150); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Brimdock Configuration\|"Error in language pa' && break
  sleep 0.2
done
sleep 1.5
import -window root "$shot"
kill "$app" 2>/dev/null || true
wineserver -k 2>/dev/null || true
echo "No display: the window was drawn on a private X server. Screenshot: $shot"
