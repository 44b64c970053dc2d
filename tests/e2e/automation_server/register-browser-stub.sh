#!/usr/bin/env bash
# Registers browser_stub.dll as the class of InternetExplorer.Application in
# the Wine prefix $WINEPREFIX, which must be a test prefix of the build
# folder. Usage: register-browser-stub.sh <path of browser_stub.dll>
# Needs RUVELKA_WINE (scripts/wine-env.sh). Under Wine, COM reads the classes
# from HKLM\Software\Classes.
set -euo pipefail
dll=${1:?usage: register-browser-stub.sh <path of browser_stub.dll>}
[ -f "$dll" ] || { echo "no such file: $dll" >&2; exit 1; }
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
case "$WINEPREFIX" in
  "$HOME/.wine" | "$HOME/.wine/" | "") echo "refusing to register in $WINEPREFIX" >&2; exit 1 ;;
esac
[ -f "$WINEPREFIX/system.reg" ] || { echo "no Wine prefix at $WINEPREFIX" >&2; exit 1; }
wine=${RUVELKA_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}

class='{D03980D5-FDF4-4E97-B1A5-41B9BBCF349E}'
classes='HKLM\Software\Classes'
windows_path=$("$wine" winepath -w "$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")" 2>/dev/null)
[ -n "$windows_path" ] || { echo "winepath failed for $dll" >&2; exit 1; }

reg() { "$wine" reg add "$@" /f >/dev/null; }
reg "$classes\\InternetExplorer.Application" /ve /d "Browser stub for the Ruvelka tests"
reg "$classes\\InternetExplorer.Application\\CLSID" /ve /d "$class"
reg "$classes\\CLSID\\$class" /ve /d "Browser stub for the Ruvelka tests"
reg "$classes\\CLSID\\$class\\ProgID" /ve /d "InternetExplorer.Application"
reg "$classes\\CLSID\\$class\\InprocServer32" /ve /d "$windows_path"
reg "$classes\\CLSID\\$class\\InprocServer32" /v ThreadingModel /d Apartment
