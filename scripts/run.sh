#!/usr/bin/env bash
# Installs what is missing, builds, and starts ruvelka.exe under Wine. With a
# display, the window opens there; without one, it opens in a virtual display,
# a screenshot is saved to build/ruvelka-window.png, and the program is closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

out=${RUVELKA_BUILD_DIR:-$root/build}
export WINEPREFIX=${WINEPREFIX:-$out/wineprefix}
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
ruvelka_wine_prefix

exe="$out/x86_64/ruvelka.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$RUVELKA_WINE" "$exe"
fi

ruvelka_virtual_display
"$RUVELKA_WINE" "$exe" &
program=$!
shot="$out/ruvelka-window.png"
id=
for _ in $(seq 150); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Ruvelka V2.0/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.2
done
if [ -n "$id" ]; then
  sleep 1
  import -window "$id" -frame "$shot" 2>/dev/null || import -window root "$shot"
  echo "screenshot of the window: $shot"
else
  echo "the window did not appear" >&2
fi
"$RUVELKA_WINESERVER" -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
[ -n "$id" ]
