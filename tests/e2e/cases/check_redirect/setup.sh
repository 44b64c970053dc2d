# The stand-in public-IP page on 127.0.0.1, in the mode this case needs.
. "$E2E_UNIX_ROOT/tests/e2e/http_page.sh"
http_page_start redirect
