read_only_folder_undo "$read_only_temp"
# ipconfig never appended to the old report, and nothing else was made.
cmp -s "$old_report" "$read_only_temp/tmp1.txt" || fail "the old report in TEMP was changed"
left=$(ls -A "$read_only_temp")
[ "$left" = tmp1.txt ] || fail "the read-only TEMP holds more than the old report: $left"
rm -rf "$read_only_temp"
