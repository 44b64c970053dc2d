# Sourced by the scripts that run Windows programs here: a 64-bit Wine prefix
# of the project's own, the Chinese ANSI code page, no Mono or Gecko prompts.
RUVELKA_WINE=${RUVELKA_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
RUVELKA_WINESERVER=${RUVELKA_WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Creates the prefix in $WINEPREFIX unless it is there already.
ruvelka_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$RUVELKA_WINE" wineboot -i >/dev/null 2>&1 || true
    # Wine draws the frames itself: a virtual display has no window manager.
    "$RUVELKA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    "$RUVELKA_WINESERVER" -w
  fi
}

# Starts a virtual display unless one is in use; sets DISPLAY and XVFB_PID.
ruvelka_virtual_display() {
  XVFB_PID=
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
}
