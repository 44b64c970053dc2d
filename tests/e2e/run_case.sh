#!/usr/bin/env bash
# Runs one end-to-end case:
#   run_case.sh CASE_DIR RUN_ROOT RUVELKA_EXE DRIVER_EXE STUB_DIR SOURCE_ROOT
#
# The case runs in RUN_ROOT/<case>/: a copy of the shared Wine prefix (so it
# has a Wine server, a desktop and a drive of its own), a virtual display of
# its own, and a work folder that the prefix shows as drive T:
#   T:\          the folder the program is started in (E2E_WORK)
#   T:\program   ruvelka.exe, the stand-ins and the case's program/ files (E2E_PROGRAM)
#   T:\temp      the program's TEMP unless the scenario sets another (E2E_TEMP)
# Afterwards it compares the case's expect/ files with the work folder, checks
# that no scratch file is left anywhere in it, and ends whatever is left.
set -uo pipefail
case_dir=$(cd "$1" && pwd)
run_root=$2 program_exe=$3 driver_exe=$4 stub_dir=$5 root=$6
name=$(basename "$case_dir")
run="$run_root/runs/$name"
work="$run/work"
template="$run_root/prefix"
stubs=(ipconfig.exe netsh.exe ping.exe)

fail() { echo "FAILED: $*" | tee -a "$run/output.log"; status=1; }

windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

[ -f "$template/system.reg" ] || { echo "no Wine prefix in $template (the e2e_wine_prefix test makes it)"; exit 1; }
rm -rf "$run"
mkdir -p "$work/program" "$work/temp"

# The prefix copy: program files are shared as hard links; whatever Wine
# writes in place (the registry, .ini files) is a copy of its own.
mkdir -p "$run/prefix"
cp -al "$template/." "$run/prefix/"
find "$run/prefix" -type f -links +1 ! -iregex '.*\.\(dll\|exe\|drv\|sys\|nls\|ocx\|cpl\|acm\|tlb\|ds\|msstyles\|com\)' -print0 |
  while IFS= read -r -d '' f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done
ln -sfn "$work" "$run/prefix/dosdevices/t:"

cp "$program_exe" "$work/program/ruvelka.exe"
for s in "${stubs[@]}"; do
  cp "$stub_dir/$s" "$work/program/$s"
  # Decoys in the start folder: a command found here instead of in the
  # program's folder leaves its record here, and nothing reaches the network.
  cp "$stub_dir/$s" "$work/$s"
done
[ -d "$case_dir/program" ] && cp -r "$case_dir/program/." "$work/program/"

export WINEPREFIX="$run/prefix"
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
unset DISPLAY
XVFB_PID=
cleanup() {
  "$RUVELKA_WINESERVER" -k 2>/dev/null
  "$RUVELKA_WINESERVER" -w 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$run/prefix"
}
trap cleanup EXIT
ruvelka_virtual_display

export E2E_WORK='T:\' E2E_PROGRAM='T:\program' E2E_TEMP='T:\temp'
E2E_FIXTURES=$(windows_path "$root/tests/fixtures")
E2E_CASE=$(windows_path "$case_dir")
export E2E_FIXTURES E2E_CASE
export E2E_UNIX_WORK=$work E2E_UNIX_CASE=$case_dir E2E_UNIX_ROOT=$root E2E_UNIX_STUBS=$stub_dir

status=0
# A case may prepare more (a registry entry, a server) in setup.sh.
if [ -f "$case_dir/setup.sh" ]; then
  # shellcheck source=/dev/null
  . "$case_dir/setup.sh" || fail "setup.sh"
fi

cp "$driver_exe" "$run/ruvelka_driver.exe"
"$RUVELKA_WINE" "$run/ruvelka_driver.exe" "$E2E_CASE\\scenario.txt" 2>&1 | tee "$run/output.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "the scenario (see above)"

for s in "${stubs[@]}"; do
  record="$work/${s%.exe}-args.txt"
  [ -e "$record" ] && fail "${s%.exe} ran from the start folder, not from the program's folder: $(cat "$record")"
done

leftovers=$(find "$work" \( -iname tmp1.txt -o -iname tmp1.sh \) -print)
[ -z "$leftovers" ] || fail "scratch files left behind: $leftovers"

if [ -d "$case_dir/expect" ]; then
  while IFS= read -r -d '' wanted; do
    rel=${wanted#"$case_dir/expect/"}
    if [ ! -e "$work/$rel" ]; then
      fail "expected $rel, found no such file"
    elif ! cmp -s "$wanted" "$work/$rel"; then
      fail "$rel differs from the expected bytes"
      echo "--- expected"; od -c "$wanted" | head -20
      echo "--- found"; od -c "$work/$rel" | head -20
    fi
  done < <(find "$case_dir/expect" -type f -print0)
fi

if [ -f "$case_dir/check.sh" ]; then
  # shellcheck source=/dev/null
  . "$case_dir/check.sh" || fail "check.sh"
fi

if [ -f "$case_dir/fails-with.txt" ]; then
  # A case that shows the harness catches a fault: it must fail, saying this.
  wanted=$(head -n1 "$case_dir/fails-with.txt")
  if [ $status -eq 0 ]; then
    echo "FAILED: the harness passed a case that must fail"; exit 1
  fi
  grep -qF -- "$wanted" "$run/output.log" || { echo "FAILED: the harness did not report: $wanted"; exit 1; }
  echo "PASSED: $name (the harness caught the fault)"; exit 0
fi
[ $status -eq 0 ] && echo "PASSED: $name"
exit $status
