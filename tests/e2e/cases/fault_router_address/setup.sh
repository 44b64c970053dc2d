# The browser's automation object is the recording stand-in, registered in
# this case's prefix (as in router_admin_page). FAULT_LONG_ADDRESS is a router
# address of 10 000 letters.
cp "${E2E_UNIX_STUBS:?no folder of stand-ins}/browser_stub.dll" "$E2E_UNIX_WORK/program/browser_stub.dll" &&
  "$E2E_UNIX_ROOT/tests/e2e/automation_server/register-browser-stub.sh" "$E2E_UNIX_WORK/program/browser_stub.dll"
FAULT_LONG_ADDRESS=$(printf '%10000s' '' | tr ' ' r)
export FAULT_LONG_ADDRESS
