#!/usr/bin/env bash
# Benchmarks ruvelka.exe under Wine against the floors it is compared with and
# prints a table of medians, minimums, maximums and ratios (bench/report.py):
#   start-up        the program against a bare window built the same way
#   view command    the click against its command line run straight
#   check           the click against a bare WinINet GET of the same page
#   sizes           both executables and the bare window, stripped copies
#   working set     after every command once, against the bare window
# It builds what it needs (i686 and x86_64 with the benchmark's programs) in
# $RUVELKA_BENCH_DIR (build/bench unless set) and runs the 64-bit build, whose
# public-IP page is a page served here on 127.0.0.1 only. The commands that
# run other programs find stand-ins beside the benchmark's copy of the
# program; ping and the admin page are pointed at 127.0.0.1. It only prints:
# a missed target is reported, not failed.
# Settings: RUVELKA_BENCH_RUNS (runs of each measure, at least 10; 20 unless
# set), RUVELKA_BENCH_HTTP_PORT (38117 unless set).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${RUVELKA_BENCH_DIR:-$root/build/bench}
runs=${RUVELKA_BENCH_RUNS:-20}
port=${RUVELKA_BENCH_HTTP_PORT:-38117}
[ "$runs" -ge 10 ] 2>/dev/null || { echo "RUVELKA_BENCH_RUNS must be 10 or more" >&2; exit 2; }
url="http://127.0.0.1:$port/ip"
address=198.51.100.7

"$root/scripts/install-deps.sh"

# --- build ------------------------------------------------------------------
build() {  # dir, toolchain, extra configure arguments...
  local dir=$1 toolchain=$2; shift 2
  mkdir -p "$out"
  cmake -S "$root" -B "$out/$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DRUVELKA_BUILD_TESTS=OFF -DRUVELKA_BENCH=ON "$@" \
    > "$out/$dir.configure.log" || { cat "$out/$dir.configure.log"; exit 1; }
  cmake --build "$out/$dir" -j "$(nproc)" > "$out/$dir.build.log" || { cat "$out/$dir.build.log"; exit 1; }
}
echo "building in $out"
build i686 mingw-i686.cmake      # the shipped build: only its size is measured
build x86_64 mingw-x86_64.cmake -DRUVELKA_PUBLIC_IP_URL="$url"
x64=$out/x86_64
grep -aq "$url" "$x64/ruvelka.exe" || { echo "the 64-bit build does not fetch from $url" >&2; exit 1; }

results=$out/results.txt
: > "$results"
info() { echo "info $*" >> "$results"; }
info date "$(date '+%Y-%m-%d %H:%M %Z')"
info machine "$(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)," \
  "$(uname -sr), $(/usr/lib/wine/wine64 --version 2>/dev/null || wine --version)"

# --- sizes --------------------------------------------------------------------
for arch in i686 x86_64; do
  for exe in ruvelka.exe bench/bare_window.exe; do
    copy="$out/$arch.$(basename "$exe").stripped"
    "$arch-w64-mingw32-strip" -o "$copy" "$out/$arch/$exe"
    echo "size $(basename "$exe") $arch $(stat -c %s "$copy")" >> "$results"
  done
done

# --- the stage: a copy of the program with stand-ins beside it -----------------
stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$x64/ruvelka.exe" "$stage/"
for name in ipconfig netsh ping; do cp "$x64/bench/bench_stub.exe" "$stage/$name.exe"; done
cp "$root/tests/fixtures/ipconfig/xp-single.txt" "$stage/ipconfig.out"
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
program=$(windows_path "$stage/ruvelka.exe")
bare=$(windows_path "$x64/bench/bare_window.exe")

# --- Wine, a display, the page --------------------------------------------------
export WINEPREFIX=$out/wineprefix
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
ruvelka_wine_prefix
XVFB_PID=
server=
cleanup() {
  "$RUVELKA_WINESERVER" -k 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
ruvelka_virtual_display

admin=every-but-admin
stub_dll=$(find "$x64/bench" -name browser_stub.dll | head -n1)
if [ -n "$stub_dll" ] && "$root/tests/e2e/automation_server/register-browser-stub.sh" "$stub_dll"; then
  admin=every
else
  echo "note the browser stand-in is not there: the admin-page command is left out" >> "$results"
fi

# The check also looks up this machine's own name: it is run only when that
# name is one of the local ones in /etc/hosts, so that nothing asks a server.
host_is_local() {
  local name
  name=$(hostname)
  [ "$name" = localhost ] ||
    awk -v name="$name" '$1 ~ /^127\./ || $1 == "::1" { for (i = 2; i <= NF; i++) if ($i == name) found = 1 }
                         END { exit !found }' /etc/hosts
}
check_args=()
if host_is_local; then
  mkdir -p "$out/page"
  printf '当前 IP：%s  来自于：测试网络\n' "$address" > "$out/page/ip"
  python3 -m http.server --bind 127.0.0.1 --directory "$out/page" "$port" > "$out/page.log" 2>&1 &
  server=$!
  for _ in $(seq 50); do
    python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
    sleep 0.1
  done
  check_args=("$url" "$address")
else
  echo "note $(hostname) is not a local name in /etc/hosts: the connectivity check is left out" >> "$results"
fi

driver() { "$RUVELKA_WINE" "$x64/bench/bench_driver.exe" "$@" >> "$results" || echo "note bench_driver $1 failed" >> "$results"; }

# --- timings --------------------------------------------------------------------
echo "start-up, $runs runs of each"
driver startup "$runs" "$program" "$bare"
echo "view command, $runs runs of each"
driver view "$runs" "$program"
if [ ${#check_args[@]} -gt 0 ]; then
  echo "connectivity check, $runs runs of each"
  driver check "$runs" "$program" "${check_args[@]}"
fi

# --- working sets ---------------------------------------------------------------
# The driver holds the program open; its host process's figures come from /proc.
hold() {  # label, Windows path of the exe, window class, steps, extra arguments...
  local label=$1 exe=$2 ready=$out/$1.ready release=$out/$1.release pid= line
  rm -f "$ready" "$release"
  driver hold "$label" "$exe" "$3" "$4" "$(windows_path "$ready")" "$(windows_path "$release")" "${@:5}" &
  local held=$!
  for _ in $(seq 600); do
    [ -f "$ready" ] && break
    kill -0 "$held" 2>/dev/null || break
    sleep 0.1
  done
  if [ -f "$ready" ]; then
    for p in /proc/[0-9]*; do
      { line=$(tr '\0' ' ' < "$p/cmdline"); } 2>/dev/null || continue
      case "$line" in "$exe "*) pid=${p#/proc/}; break ;; esac
    done
    if [ -n "$pid" ]; then
      echo "memory $label.proc $(awk '/^VmHWM:/ {h = $2} /^VmRSS:/ {r = $2} END {print h * 1024, r * 1024}' \
        "/proc/$pid/status")" >> "$results"
    else
      echo "note no host process found for $exe" >> "$results"
    fi
  fi
  touch "$release"
  wait "$held" || true
}
echo "working sets"
hold bare "$bare" RuvelkaBareWindow none
hold ready "$program" RuvelkaMainWindow none
hold program "$program" RuvelkaMainWindow "$admin" "${check_args[@]}"
echo "note stand-ins that ran: $(cd "$stage" && for f in *.log; do printf '%s %s times; ' "${f%.log}" \
  "$(grep -c . "$f")"; done)" >> "$results"

echo
python3 "$root/bench/report.py" "$results" | tee "$out/table.txt"
