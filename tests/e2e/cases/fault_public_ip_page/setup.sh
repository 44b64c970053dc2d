# The stand-in public-IP page on 127.0.0.1; the scenario picks the kind of
# page for each check by writing its mode to T:\http-page\mode. The slow page
# comes after 4 seconds.
. "$E2E_UNIX_ROOT/tests/e2e/http_page.sh"
http_page_start at1245 --mode-file "$http_page_dir/mode" --delay 4
