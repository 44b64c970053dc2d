#!/usr/bin/env bash
# Makes the Wine prefix that every end-to-end case copies: make_prefix.sh DIR
# (64-bit, Chinese ANSI code page, no Mono or Gecko prompts).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$1
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
ruvelka_wine_prefix
[ -f "$WINEPREFIX/system.reg" ] || { echo "no Wine prefix was made in $WINEPREFIX" >&2; exit 1; }
echo "Wine prefix ready: $WINEPREFIX"
