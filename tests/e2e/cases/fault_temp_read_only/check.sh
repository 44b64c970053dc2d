read_only_folder_undo "$read_only_temp"
left=$(ls -A "$read_only_temp")
[ -z "$left" ] || fail "the read-only TEMP holds files: $left"
