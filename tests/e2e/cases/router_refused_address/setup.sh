# The browser's automation object is the stand-in browser_stub.dll, copied
# beside ruvelka.exe and registered in this case's prefix only; it records its
# calls in automation-calls.txt beside ruvelka.exe. E2E_UNIX_STUBS is the runner's
# folder of built stand-ins.
cp "${E2E_UNIX_STUBS:?no folder of stand-ins}/browser_stub.dll" "$E2E_UNIX_WORK/program/browser_stub.dll" &&
  "$E2E_UNIX_ROOT/tests/e2e/automation_server/register-browser-stub.sh" "$E2E_UNIX_WORK/program/browser_stub.dll"
