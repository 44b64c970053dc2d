http_page_stop
# One request per check: the warm-up round and 300 rounds.
mapfile -t long_run_paths < <(yes /ip | head -n 301)
http_page_check_requests "${long_run_paths[@]}"

# Each stand-in's record holds what one click gives, once per click, in order.
long_run_record() {  # record, number of clicks, the lines one click gives...
  local record=$1 clicks=$2
  shift 2
  for _ in $(seq "$clicks"); do printf '%s\r\n' "$@"; done | cmp -s - "$E2E_UNIX_WORK/program/$record" ||
    fail "$record does not hold $clicks times: $*"
}
long_run_record ipconfig-args.txt 302 "ipconfig /all "
long_run_record netsh-args.txt 301 'netsh exec "T:\temp\tmp1.sh"'
long_run_record ping-args.txt 301 "ping 127.0.0.1"
long_run_record automation-calls.txt 301 create run "invoke Visible propertyput named=propertyput VT_I4 1" \
  "invoke Navigate method named=none VT_BSTR http://127.0.0.1" released
