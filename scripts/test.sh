#!/usr/bin/env bash
# Installs what is missing, builds every configuration, and runs every
# test: the native unit tests (also under the sanitizers), a short run of each
# fuzz target, the import checks of both executables, and the end-to-end
# tests of the 64-bit program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

out=${RUVELKA_BUILD_DIR:-$root/build}
status=0
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for dir in native sanitize fuzz i686 x86_64; do
  echo "== tests: $dir"
  ctest --test-dir "$out/$dir" --output-on-failure -j 2 || status=1
done
exit $status
