#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time over a seed corpus made from
# the test fixtures, and prints how many inputs it ran.
#   run_fuzzers.sh [SECONDS [TARGET...]]     (default 60 s, every target)
# RUVELKA_FUZZ_BIN names the folder of the built targets (build/fuzz/tests/fuzz).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-60}
shift || true
bin=${RUVELKA_FUZZ_BIN:-$root/build/fuzz/tests/fuzz}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(cd "$bin" && ls fuzz_* 2>/dev/null | grep -v '\.'))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Inputs that break a property are kept here, to become test fixtures.
findings=${RUVELKA_FUZZ_FINDINGS:-$bin/findings}
mkdir -p "$findings"

seed() {  # target, corpus folder
  local target=$1 corpus=$2 f
  mkdir -p "$corpus"
  case $target in
    fuzz_adapter_report)
      for f in "$root"/tests/fixtures/ipconfig/*.txt; do
        cp "$f" "$corpus/"
        # The fuzz build reads its labels as UTF-8: seed both encodings.
        iconv -f GBK -t UTF-8 "$f" > "$corpus/$(basename "$f").utf8" 2>/dev/null || true
      done ;;
    fuzz_address_box)
      printf '%s' '192.168.1.100(Preferred)' > "$corpus/a"; printf '%s' '1.2.3.4.5' > "$corpus/b"
      printf '%s' ' 256.1.1.1 ' > "$corpus/c"; printf '%s' '+1.-0. 3 .99999999999' > "$corpus/d" ;;
    fuzz_text_find)
      printf '\x03\x0fEthernet adapter \xd2\xd4\xcc\xab\xcd\xf8 LAN:\r\n' > "$corpus/a" ;;
    fuzz_router_address)
      printf '%s' '192.168.1.1' > "$corpus/a"; printf '%s' '192.168.1.1 & del x' > "$corpus/b"
      printf '%s' '[fe80::1]:8080/admin' > "$corpus/c"; printf '%s' 'router.lan/a_b' > "$corpus/d" ;;
    fuzz_configuration_script)
      printf 'Local Area Connection\0192.168.1.100\0255.255.255.0\0192.168.1.1\0192.168.1.1' > "$corpus/a"
      printf '\xb1\xbe\xb5\xd8\xc1\xac\xbd\xd3\0\0\0\0' > "$corpus/b" ;;
  esac
}

status=0
for target in "${targets[@]}"; do
  corpus="$work/$target"
  seed "$target" "$corpus"
  log="$work/$target.log"
  if "$bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$findings/$target-" \
       -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "$target: ${runs:-?} runs in ${seconds}s, no failure"
  else
    echo "$target: FAILED (input kept in $findings)"
    tail -40 "$log"
    status=1
  fi
done
exit $status
