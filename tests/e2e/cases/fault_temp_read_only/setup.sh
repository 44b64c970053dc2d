. "$E2E_UNIX_ROOT/tests/e2e/read_only_folder.sh"
read_only_temp="$E2E_UNIX_WORK/read-only temp"
mkdir -p "$read_only_temp"
read_only_folder_make "$read_only_temp"
