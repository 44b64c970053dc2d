# A read-only TEMP that holds a report from an earlier run (a file the
# program may change but not delete). The folder lies beside the work folder,
# not in it: the runner would count the old report as a scratch file left by
# the program. FAULT_TEMP is its Windows path, for the scenario.
. "$E2E_UNIX_ROOT/tests/e2e/read_only_folder.sh"
read_only_temp="$(dirname "$E2E_UNIX_WORK")/read-only temp"
rm -rf "$read_only_temp"
mkdir -p "$read_only_temp"
old_report="$E2E_UNIX_ROOT/tests/fixtures/ipconfig/xp-two-adapters.txt"
cp "$old_report" "$read_only_temp/tmp1.txt"
read_only_folder_make "$read_only_temp"
read_only_temp_windows=${read_only_temp//\//\\}
export FAULT_TEMP="Z:$read_only_temp_windows"
