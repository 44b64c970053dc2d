# The browser's automation object is the stand-in browser_stub.dll, registered
# in this case's prefix only (as in router_admin_page); the public-IP page is
# the stand-in server on 127.0.0.1, kept alive for the whole run.
cp "${E2E_UNIX_STUBS:?no folder of stand-ins}/browser_stub.dll" "$E2E_UNIX_WORK/program/browser_stub.dll" &&
  "$E2E_UNIX_ROOT/tests/e2e/automation_server/register-browser-stub.sh" "$E2E_UNIX_WORK/program/browser_stub.dll"
. "$E2E_UNIX_ROOT/tests/e2e/http_page.sh"
http_page_start at1245 --lifetime 1500
