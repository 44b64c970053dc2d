# Sourced by the setup.sh and check.sh of the connectivity cases: the stand-in
# public-IP page (http_server.py) on 127.0.0.1, one server per case.
#
#   http_page_start MODE [ARGS...]  reads the URL built into the program and
#       refuses to go on unless it is http://127.0.0.1:<port>/...; starts the
#       server in that mode (ARGS go to http_server.py), waits until it is
#       ready, and makes the runner stop it whenever the runner exits
#   http_page_stop                  stops it; harmless when it is not running
#   http_page_check_requests PATH...  after the run: one request for each PATH,
#       in this order, each an HTTP/1.0 GET with the program's agent text,
#       any content type, and no cached copy allowed
#
# The server's files lie in $E2E_UNIX_WORK/http-page/ (T:\http-page):
# requests.log (each request's header block, then "----"), server.log, ready,
# and release for the slow mode.

http_page_dir="$E2E_UNIX_WORK/http-page"
HTTP_PAGE_PID=

# The public-IP page's URL as the program holds it, when it is on loopback.
http_page_url() {
  grep -aoE 'http://127\.0\.0\.1:[0-9]+/[!-~]*' "$E2E_UNIX_WORK/program/ruvelka.exe" | head -n1
}

http_page_start() {
  local mode=$1 url
  shift
  url=$(http_page_url)
  if [ -z "$url" ]; then
    # The check must never reach a real page: stop before the driver runs.
    echo "FAILED: ruvelka.exe does not fetch its public-IP page from 127.0.0.1 (build it with scripts/build.sh)"
    exit 1
  fi
  mkdir -p "$http_page_dir"
  python3 "$E2E_UNIX_ROOT/tests/e2e/http_server.py" --url "$url" --mode "$mode" \
    --ready "$http_page_dir/ready" --log "$http_page_dir/requests.log" --lifetime 170 "$@" \
    >"$http_page_dir/server.log" 2>&1 &
  HTTP_PAGE_PID=$!

  # Stop the server before whatever the runner does at exit.
  local previous
  previous=$(trap -p EXIT)
  eval "set -- $previous"
  trap "http_page_stop; ${3:-}" EXIT

  for _ in $(seq 100); do
    [ -s "$http_page_dir/ready" ] && return 0
    kill -0 "$HTTP_PAGE_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "FAILED: the public-IP page server did not start ($url):"
  cat "$http_page_dir/server.log"
  exit 1
}

http_page_stop() {
  [ -n "$HTTP_PAGE_PID" ] || return 0
  kill "$HTTP_PAGE_PID" 2>/dev/null
  wait "$HTTP_PAGE_PID" 2>/dev/null
  HTTP_PAGE_PID=
}

http_page_check_requests() {
  local log="$http_page_dir/requests.log"
  local found
  found=$(python3 - "$log" "$@" <<'EOF'
import sys

log_path, paths = sys.argv[1], sys.argv[2:]
try:
    blocks = [b for b in open(log_path, "rb").read().decode("latin-1").split("----\n") if b.strip()]
except FileNotFoundError:
    blocks = []
if len(blocks) != len(paths):
    print(f"{len(paths)} request(s) expected, {len(blocks)} received")
required = ["User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)", "Accept: */*", "Pragma: no-cache"]
for path, block in zip(paths, blocks):
    lines = block.splitlines()
    if lines[0] != f"GET {path} HTTP/1.0":
        print(f"expected the request line GET {path} HTTP/1.0, found {lines[0]}")
    for header in required:
        if header not in lines[1:]:
            print(f"request for {path} lacks {header}")
    for line in lines[1:]:
        if line.lower().startswith(("if-modified-since", "if-none-match")):
            print(f"request for {path} asks for a cached copy: {line}")
EOF
  )
  [ -z "$found" ] || fail "public-IP page requests: $found"
}
